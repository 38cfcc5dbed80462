// Ambermox's window program, ambermox-gui, started by the ambermox program
// beside it for every command line that needs Qt.

#include "AViewUnit.h"
#include "AboutUnit.h"
#include "AddUnit.h"
#include "AmbxUnit.h"
#include "CFolderUnit2.h"
#include "CheckOutUnit.h"
#include "ConfigurationUnit.h"
#include "DeleteUnit.h"
#include "DesktopRegistration.h"
#include "DiscoveryCommands.h"
#include "EngineNoticeBridge.h"
#include "ExeUnit.h"
#include "ExtractUnit.h"
#include "FavorOptUnit.h"
#include "FavoriteUnit.h"
#include "FindUnit.h"
#include "ListDragDrop.h"
#include "ListVerb.h"
#include "ModifiedText.h"
#include "ScriptVerbs.h"
#include "SearchUnit.h"
#include "SelFolderUnit.h"
#include "Settings.h"
#include "ShellVerbs.h"
#include "TipUnit.h"
#include "Translations.h"
#include "ViewUnit.h"
#include "WorkerHost.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstring>
#include <optional>

int main(int argc, char **argv)
{
    // The listing verb needs no window and no display; ambermox hands it over
    // for the locales only Qt knows how to write dates in.
    if (argc >= 2 && std::strcmp(argv[1], "-l") == 0) {
        ListArgs args;
        if (std::string why; !parseListArgs(argc, argv, args, why)) {
            std::fprintf(stderr, "ambermox: %s\n%s", why.c_str(), kListUsage);
            return 2;
        }
        return runListVerb(args, storedSortOrder(), modifiedText, stdout, stderr);
    }

    // The verbs for scripts need no window and no display either (ambermox
    // runs them itself; these serve a direct start of this program).
    if (argc >= 2 && isScriptVerb(argv[1]))
        return runScriptVerb(argc, argv, stdout, stderr);

    if (const std::string problem = windowCommandLineProblem(argc, argv); !problem.empty()) {
        std::fprintf(stderr, "ambermox: %s\n%s", problem.c_str(), kScriptUsage);
        return 2;
    }

    // The file manager's verbs run one operation and end; they register nothing.
    const std::optional<ShellVerb> verb = argc >= 3 ? shellVerb(argv[1]) : std::nullopt;
    if (verb) {
        useOffscreenWithoutDisplay();
    } else if (!displayGiven()) {
        // Qt would abort; a window without a screen is a usage problem, said plainly.
        std::fprintf(stderr,
            "ambermox: no display: the window needs a graphical session (DISPLAY or "
            "WAYLAND_DISPLAY); ambermox --help lists the commands that need none\n");
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ambermox"));
    QApplication::setOrganizationName(QStringLiteral("Ambermox"));
    QApplication::setDesktopFileName(QStringLiteral("ambermox"));
    installTranslations(QLocale());
    EngineNoticeBridge notices;
    WorkerHost::install();
    if (verb)
        return runShellVerb(*verb, argv[2]);

    // Before any window exists, so that a start that fails later has still
    // made the program the archives' handler.
    registerDesktop(startingProgram(
        QCoreApplication::applicationDirPath(), QCoreApplication::applicationFilePath()));

    TMainForm mainForm(app.arguments().mid(1));
    TAddForm addForm;
    mainForm.dialogs().setAddForm(&addForm);
    TExtractForm extractForm;
    mainForm.dialogs().setExtractForm(&extractForm);
    TNFolderForm2 newFolderForm(extractForm);
    TDeleteForm deleteForm;
    mainForm.dialogs().setDeleteForm(&deleteForm);
    TViewForm viewForm;
    TAsciview textViewer;
    mainForm.dialogs().setViewForm(&viewForm, &textViewer);
    TFavoriteForm favoriteForm;
    TFavorOptForm favorOptForm;
    TSearchForm searchForm;
    TFindForm findForm;
    connectDiscovery(mainForm, favoriteForm, favorOptForm, searchForm, findForm);
    // The configuration chooses its folder in the program's own chooser.
    folderChooser() = [&mainForm](const QString &title, const QString &prompt, const QString &) {
        TSelDirForm &chooser = mainForm.selDirForm();
        chooser.SelDirCaller = &mainForm;
        chooser.SelDirTitle = title;
        chooser.SelDirPrompt = prompt;
        const QString chosen = chooser.run();
        return chosen == QStringLiteral("-1") ? QString() : chosen;
    };
    TAboutForm aboutForm;
    TTipForm tipForm;
    TConfigurationForm configurationForm;
    mainForm.dialogs().setHelpForms(&configurationForm, &tipForm, &aboutForm);
    TCheckOut checkOut;
    mainForm.dialogs().setCheckOut(&checkOut);
    TEXEForm exeForm;
    mainForm.dialogs().setExeForm(&exeForm);
    TDragForm dragForm;
    MainDragDrop dragDrop(mainForm, dragForm);
    mainForm.show();
    return app.exec();
}
