// The main window's side of the Delete and View dialogs and the text viewer:
// what they read of the list and the settings, and the commands that show
// them.

#include "AmbxUnit.h"

#include "dialogs/AViewUnit.h"
#include "dialogs/DeleteUnit.h"
#include "dialogs/ViewUnit.h"
#include "platform/Guard.h"
#include "widgets/FileListView.h"

#include <QAction>

TDeleteForm *TMainForm::deleteForm() const
{
    return m_deleteForm;
}

TViewForm *TMainForm::viewForm() const
{
    return m_viewForm;
}

TAsciview *TMainForm::textViewer() const
{
    return m_textViewer;
}

void TMainForm::setDeleteForm(TDeleteForm *form)
{
    m_deleteForm = form;
    if (!form)
        return;
    DeleteHost host;
    host.mainWindow = this;
    host.operations = m_operations.get();
    host.currentArchive = [this] {
        return m_session.CurrentArchive;
    };
    host.selectedMembers = [this] {
        return selectedEntries();
    };
    host.loadFileList = [this] {
        LoadFileList();
    };
    form->setHost(host);
}

void TMainForm::DeleteClick()
{
    if (!m_deleteForm || m_session.CurrentArchive.empty() || m_session.readOnly())
        return;
    m_deleteForm->showOnTop();
}

void TMainForm::setViewForm(TViewForm *form, TAsciview *textViewer)
{
    m_viewForm = form;
    m_textViewer = textViewer;
    if (textViewer) {
        AsciviewHost viewerHost;
        viewerHost.mainWindow = this;
        viewerHost.temp = [this] {
            return m_settings.Temp;
        };
        viewerHost.setTemp = [this](const std::string &temp) {
            m_settings.Temp = temp;
        };
        textViewer->setHost(viewerHost);
        connect(textViewer, &QObject::destroyed, this, [this] {
            if (m_viewForm)
                m_viewForm->setTextViewer(nullptr);
        });
    }
    if (!form)
        return;
    ViewHost host;
    host.mainWindow = this;
    host.operations = m_operations.get();
    host.currentArchive = [this] {
        return m_session.CurrentArchive;
    };
    host.selectedEntry = [this]() -> std::optional<ViewEntry> {
        const std::vector<int> rows = FileList->selectedRows();
        if (rows.empty() || rows.front() < 0 || static_cast<size_t>(rows.front()) >= m_rows.size())
            return std::nullopt;
        const FileRow &row = m_rows[static_cast<size_t>(rows.front())];
        return ViewEntry { std::string(row.Path), std::string(row.Name) };
    };
    host.temp = [this] {
        return m_settings.Temp;
    };
    host.setTemp = [this](const std::string &temp) {
        m_settings.Temp = temp;
    };
    host.viewer = [this] {
        return m_settings.Viewer;
    };
    host.setViewer = [this](const std::string &viewer) {
        m_settings.Viewer = viewer;
    };
    form->setHost(host);
    form->setTextViewer(textViewer);
}

void TMainForm::showViewForm()
{
    if (!m_viewForm || m_session.CurrentArchive.empty())
        return;
    m_viewForm->showOnTop();
}
