// The main window's commands on the archive file as a whole (New, Copy,
// Move, Rename, Delete, link, properties) and the windows they show.
#pragma once

#include "ArchiveFileCommands.h"

#include "FilePropUnit.h"
#include "RenameUnit.h"
#include "SelFolderUnit.h"
#include "ZipPropUnit.h"

#include <QCoreApplication>
#include <memory>

class CommandActions;
class TMainForm;

class ArchiveFileMenu
{
    Q_DECLARE_TR_FUNCTIONS(ArchiveFileMenu)

public:
    ArchiveFileMenu(TMainForm &form, const CommandActions &actions);

    ArchiveFileCommands &commands() { return m_commands; }
    // The folder chooser, for every window that asks for a folder.
    TSelDirForm &selDirForm() { return m_selDirForm; }
    TRenameForm &renameForm() { return m_renameForm; }
    TZipPropForm &zipPropForm() { return m_zipPropForm; }
    TFilePropForm &filePropForm() { return m_filePropForm; }

    void showArchiveProperties();

private:
    void newArchive();
    void rename();
    void showFileProperties();

    TMainForm &m_form;
    ArchiveFileCommands m_commands;
    TSelDirForm m_selDirForm;
    TRenameForm m_renameForm;
    TZipPropForm m_zipPropForm;
    TFilePropForm m_filePropForm;
};
