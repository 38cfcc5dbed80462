#pragma once

// A stand-in main window for the dialog tests: a plain window to own the
// dialog, the status line and output log operations share, and the list and
// settings as plain values the test sets and reads. Header only.

#include "MainWindowLink.h"
#include "MsgUnit.h"
#include "Operations.h"
#include "StatusLamp.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>

#include <functional>

namespace amxtest {

struct FakeMainWindow : MainWindowLink
{
    QMainWindow main;
    TMsgForm msg { &main };
    QAction viewLastOutput { QStringLiteral("Vie&w Last Output...") };
    QLabel SPanel1 { QStringLiteral("No file(s) selected.") };
    QLabel SPanel2 { QStringLiteral("Total 5 files") };
    QProgressBar ProgressBar1;
    StatusLamp LedOn { Qt::green };
    StatusLamp LedOff { Qt::red };
    Operations ops { msg, &viewLastOutput,
        StatusLine { &SPanel1, &SPanel2, &ProgressBar1, &LedOn, &LedOff } };

    std::string archive;
    std::vector<std::string> selected;
    std::optional<ViewEntry> entry;
    std::vector<ExtractRow> rows;
    std::string addDir, tempFolder, viewerProgram;
    ExtractHistory history;
    int reloads = 0;
    std::function<void()> onReload;

    FakeMainWindow()
    {
        main.setGeometry(100, 100, 700, 500);
        main.show();
        LedOn.setLit(true);
        viewLastOutput.setEnabled(false);
    }

    QWidget *ownerWindow() override { return &main; }
    Operations &operations() override { return ops; }
    std::string currentArchive() const override { return archive; }
    void loadFileList() override
    {
        ++reloads;
        if (onReload)
            onReload();
    }
    std::vector<std::string> selectedMembers() const override { return selected; }
    std::optional<ViewEntry> selectedEntry() const override { return entry; }
    std::vector<ExtractRow> listRows() const override { return rows; }
    size_t memberCount() const override { return rows.size(); }
    std::string lastAddDir() const override { return addDir; }
    void setLastAddDir(const std::string &dir) override { addDir = dir; }
    ExtractHistory extractHistory() const override { return history; }
    void setExtractHistory(const ExtractHistory &h) override { history = h; }
    std::string temp() const override { return tempFolder; }
    void setTemp(const std::string &t) override { tempFolder = t; }
    std::string viewer() const override { return viewerProgram; }
    void setViewer(const std::string &v) override { viewerProgram = v; }
};

} // namespace amxtest
