#pragma once

// The main window under test, with a scripted prompter installed before it
// starts. Header only: the suites that use it link the application library.
//
//     auto &&[prompter, form] = MainWindow({qs(archive)}, Show::Shown);

#include "AmbxUnit.h"
#include "FileListView.h"
#include "Peers.h"
#include "ScriptedPrompter.h"
#include "TestDir.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QTest>

#include <string>
#include <vector>

namespace amxtest {

inline QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// A window test's folder: the windows keep their settings and favourites in
// it, never in the user's, and zip() makes a fresh archive there each call.
class WindowDir : public TestDir
{
public:
    WindowDir()
    {
        TMainForm::setStorePaths(
            (*this / "config/Ambermox.conf").string(), (*this / "favorites.dat").string());
    }
    // stem followed by a number not given before.
    std::string fresh(const std::string &stem) { return stem + std::to_string(++m_count); }
    std::string zip(const std::vector<std::pair<std::string, std::string>> &files)
    {
        return zipFiles(*this / (fresh("arc") + ".zip"), files);
    }

private:
    int m_count = 0;
};

enum class Show { Hidden, Shown, Exposed };

struct MainWindow
{
    ScriptedPrompter prompter; // first: the window may prompt while it starts
    TMainForm form;

    explicit MainWindow(const QStringList &args = {}, Show show = Show::Hidden)
        : form(args)
    {
        if (show != Show::Hidden)
            form.show();
        if (show == Show::Exposed && !QTest::qWaitForWindowExposed(&form))
            qFatal("the main window was not exposed");
    }
};

// The window's command of that name; a missing one ends the run.
inline QAction *action(TMainForm &form, const char *name)
{
    auto *a = form.findChild<QAction *>(QString::fromLatin1(name));
    if (!a)
        qFatal("no action %s", name);
    return a;
}

// The list row of that member; a missing one ends the run.
inline int rowOf(TMainForm &form, const std::string &member)
{
    for (size_t i = 0; i < form.FileRowCount(); ++i)
        if (form.fileRows()[i].member() == member)
            return static_cast<int>(i);
    qFatal("no row %s", member.c_str());
}

// Selects exactly the rows of these members.
inline void selectMembers(TMainForm &form, const std::vector<std::string> &members)
{
    form.fileList()->clearSelection();
    for (const std::string &member : members)
        form.fileList()->selectionModel()->select(
            form.fileList()->model()->index(rowOf(form, member), 0),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// The recent-archives list, newest first.
inline std::vector<std::string> recent(TMainForm &form)
{
    std::vector<std::string> out;
    for (int i = 0; i < History::kSize; ++i)
        out.push_back(form.settings().ActiveFile[i]);
    return out;
}

} // namespace amxtest
