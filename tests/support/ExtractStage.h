#pragma once

// The Extract dialog over a stand-in main window whose rows are the
// archive's files, as the main window lists them. Header only.

#include "ExtractUnit.h"
#include "FakeMainWindow.h"
#include "ScriptedPrompter.h"
#include "ZipEngine.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <set>

namespace amxtest {

struct ExtractStage : FakeMainWindow
{
    ScriptedPrompter prompter;
    TExtractForm form;

    explicit ExtractStage(const std::string &archivePath, bool allSelected = false)
    {
        archive = archivePath;
        TZipEngine lister;
        lister.setZipFilename(archivePath);
        for (const ArchiveMember &m : lister.Entries())
            if (!m.isFolder())
                rows.push_back({ std::string(m.name()), m.size, allSelected });
        form.setLink(*this);
    }

    void select(const std::set<std::string> &members)
    {
        for (ExtractRow &row : rows)
            row.selected = members.count(row.member) != 0;
    }

    // Extracts into folder as the dialog's button does, showing it first.
    void runInto(const std::string &folder)
    {
        form.show();
        form.Destination->setEditText(QString::fromStdString(folder));
        QVERIFY(form.Button2->isEnabled());
        form.Button2->click();
    }
};

} // namespace amxtest
