#pragma once

// The program's windows wired as main() wires them, over an archive of two
// members with the first selected, and each of them opened in turn as a
// user opens it. Header only: the suites that use it link the application
// library.

#include "AViewUnit.h"
#include "AboutUnit.h"
#include "AddUnit.h"
#include "CFolderUnit1.h"
#include "CFolderUnit2.h"
#include "CheckOutUnit.h"
#include "ConfigurationUnit.h"
#include "DeleteUnit.h"
#include "DiscoveryCommands.h"
#include "DragUnit.h"
#include "ExeUnit.h"
#include "ExtractUnit.h"
#include "FavorOptUnit.h"
#include "FavoriteUnit.h"
#include "FilePropUnit.h"
#include "FindUnit.h"
#include "LnEUnit.h"
#include "MainWindow.h"
#include "Peers.h"
#include "RenameUnit.h"
#include "SearchUnit.h"
#include "SelFolderUnit.h"
#include "TestDir.h"
#include "TipUnit.h"
#include "ViewUnit.h"
#include "ZipPropUnit.h"

#include <QTest>

namespace amxtest {

struct Program
{
    MainWindow main;
    TAddForm add;
    TExtractForm extract;
    TNFolderForm2 newFolder { extract };
    TDeleteForm remove;
    TViewForm view;
    TAsciview textViewer;
    TFavoriteForm favorites;
    TFavorOptForm favoriteFolders;
    TSearchForm search;
    TFindForm find;
    TAboutForm about;
    TTipForm tip;
    TConfigurationForm configuration;
    TCheckOut checkOut;
    TEXEForm exe;
    TDragForm drag;
    TLnEForm extracting;

    // Settings, archive and temporary folder all below dir.
    explicit Program(const TestDir &dir)
        : main({ qs(prepare(dir)) }, Show::Exposed)
    {
        TMainForm &form = main.form;
        form.dialogs().setAddForm(&add);
        form.dialogs().setExtractForm(&extract);
        form.dialogs().setDeleteForm(&remove);
        form.dialogs().setViewForm(&view, &textViewer);
        connectDiscovery(form, favorites, favoriteFolders, search, find);
        form.dialogs().setHelpForms(&configuration, &tip, &about);
        form.dialogs().setCheckOut(&checkOut);
        form.dialogs().setExeForm(&exe);
        form.setTemp((dir / "temp").string() + "/");
        selectMembers(form, { "one.txt" });
    }

private:
    // Before the main window starts: it reads its settings as it does.
    static std::string prepare(const TestDir &dir)
    {
        TMainForm::setStorePaths(
            (dir / "config/Ambermox.conf").string(), (dir / "favorites.dat").string());
        std::filesystem::create_directories(dir / "temp");
        writeFile(dir / "temp/readme.txt", "Read me.\n");
        return zipFiles(dir / "a.zip",
            { { "one.txt", sampleBytes(2000, 1) }, { "sub/two.txt", sampleBytes(900, 2) } });
    }
};

// name; the window, ready to show (the main window shows from the start).
struct ProgramWindow
{
    const char *name;
    QWidget *(*window)(Program &);
};

#define AMX_WINDOW(name, expr)                                                                     \
    {                                                                                              \
        name, [](Program &p) -> QWidget * {                                                        \
            return expr;                                                                           \
        }                                                                                          \
    }

inline const ProgramWindow kProgramWindows[] = {
    AMX_WINDOW("main window", &p.main.form),
    AMX_WINDOW("Add", &p.add),
    AMX_WINDOW("Extract", &p.extract),
    AMX_WINDOW("new folder (Extract)", &p.newFolder),
    AMX_WINDOW("Delete", &p.remove),
    AMX_WINDOW("View", &p.view),
    AMX_WINDOW("text viewer", (p.textViewer.view("readme.txt"), &p.textViewer)),
    AMX_WINDOW("output log", &p.main.form.msgForm()),
    AMX_WINDOW("check-out", &p.checkOut),
    AMX_WINDOW("self-extractor", &p.exe),
    AMX_WINDOW("extracting (file manager)", &p.extracting),
    AMX_WINDOW("dropped files", &p.drag),
    AMX_WINDOW("favourites", &p.favorites),
    AMX_WINDOW("favourites folders", &p.favoriteFolders),
    AMX_WINDOW("disk search", &p.search),
    AMX_WINDOW("Find", &p.find),
    AMX_WINDOW("folder chooser", &p.main.form.selDirForm()),
    AMX_WINDOW("new folder (chooser)", p.main.form.selDirForm().NFolderForm.get()),
    AMX_WINDOW("rename", &p.main.form.fileMenu().renameForm()),
    AMX_WINDOW("archive properties", &p.main.form.fileMenu().zipPropForm()),
    AMX_WINDOW("file properties", &p.main.form.fileMenu().filePropForm()),
    AMX_WINDOW("configuration", &p.configuration),
    AMX_WINDOW("tip", &p.tip),
    AMX_WINDOW("about", &p.about),
};

#undef AMX_WINDOW

// A data row per window, named after it, for a test slot's _data().
inline void addWindowRows()
{
    QTest::addColumn<int>("row");
    for (size_t i = 0; i < std::size(kProgramWindows); ++i)
        QTest::newRow(kProgramWindows[i].name) << static_cast<int>(i);
}

// The window of that row shown for as long as this lives; the main window
// stays shown after.
class ShownWindow
{
public:
    ShownWindow(Program &program, int row)
        : m_main(&program.main.form)
        , m_window(kProgramWindows[row].window(program))
    {
        if (m_window && !m_window->isVisible())
            m_window->show();
    }
    ~ShownWindow()
    {
        if (m_window && m_window != m_main)
            m_window->hide();
    }
    ShownWindow(const ShownWindow &) = delete;
    ShownWindow &operator=(const ShownWindow &) = delete;

    // Null when the window is missing or never came on screen.
    QWidget *exposed() const
    {
        return m_window && QTest::qWaitForWindowExposed(m_window) ? m_window : nullptr;
    }

private:
    QWidget *m_main;
    QWidget *m_window;
};

} // namespace amxtest
