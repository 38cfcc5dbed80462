#include "ArchiveFileMenu.h"

#include "AmbxUnit.h"
#include "CommandActions.h"

#include "FileListView.h"
#include "Operations.h"
#include "Text.h"

#include <QStandardPaths>

ArchiveFileMenu::ArchiveFileMenu(TMainForm &form, const CommandActions &actions)
    : m_form(form)
    , m_commands(
          form.settings(), form.session(),
          [&form](const std::string &path) {
              form.engine().setZipFilename(path);
          },
          [&form] {
              form.RefreshRecentMenu();
          })
    , m_selDirForm(form.settings().SelDir)
    , m_renameForm(&form)
    , m_zipPropForm(&form)
    , m_filePropForm(&form)
{
    m_commands.chooseFolder = [this](const QString &title, const QString &prompt) {
        m_selDirForm.SelDirTitle = title;
        m_selDirForm.SelDirPrompt = prompt;
        m_selDirForm.SelDirCaller = &m_form;
        return m_selDirForm.run();
    };
    m_renameForm.renameTo = [this](const std::string &base) {
        if (!m_commands.rename(base))
            return false;
        m_form.setWindowTitle(
            tr("Ambermox (Beta test) - %1").arg(qs(fileNameOf(m_form.currentArchive()))));
        return true;
    };

    QObject *context = &form;
    actions.bind(context, { "NewArchive1", "NewButton" }, [this] {
        newArchive();
    });
    actions.bind(context, { "CopyArchive1" }, [this] {
        m_commands.copyOrMove(false);
    });
    actions.bind(context, { "MoveArchive1" }, [this] {
        m_commands.copyOrMove(true);
    });
    actions.bind(context, { "DeleteArchive1" }, [this] {
        m_commands.deleteArchive();
    });
    actions.bind(context, { "RenameArchive1" }, [this] {
        rename();
    });
    actions.bind(context, { "CreateShortcut1" }, [this] {
        m_commands.createShortcut(
            QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString());
    });
    actions.bind(context, { "FileProperties1" }, [this] {
        showFileProperties();
    });
    actions.bind(context, { "Properties1", "Properties2" }, [this] {
        showArchiveProperties();
    });
}

void ArchiveFileMenu::newArchive()
{
    if (m_commands.newArchive())
        m_form.fileList()->setFocus();
}

void ArchiveFileMenu::rename()
{
    if (refuseWhileOperationRuns())
        return;
    m_renameForm.setFileName(fileNameOf(m_form.currentArchive()));
    m_renameForm.showOnTop();
}

void ArchiveFileMenu::showFileProperties()
{
    const std::vector<int> rows = m_form.fileList()->selectedRows();
    if (rows.empty())
        return;
    m_filePropForm.setValues(
        filePropertyTexts(m_form.fileRows()[static_cast<size_t>(rows.front())]));
    m_filePropForm.exec();
}

void ArchiveFileMenu::showArchiveProperties()
{
    m_zipPropForm.setValues(QStringList(6, QString()));
    m_zipPropForm.showOnTop();
    m_zipPropForm.setValues(
        zipPropertyTexts(m_form.currentArchive(), m_form.FileRowCount(), m_form.ArchiveRatio));
}
