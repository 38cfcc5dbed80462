// The main window's side of the Extract dialog: what the dialog reads of the
// list and the settings, and the commands that show it.

#include "AmbxUnit.h"

#include "dialogs/ExtractUnit.h"
#include "platform/Guard.h"
#include "widgets/FileListView.h"

#include <QAction>

TExtractForm *TMainForm::extractForm() const
{
    return m_extractForm;
}

void TMainForm::setExtractForm(TExtractForm *form)
{
    m_extractForm = form;
    m_operations->extractEngine = form ? &form->ZipEngine1 : nullptr;
    if (!form)
        return;

    ExtractHost host;
    host.mainWindow = this;
    host.operations = m_operations.get();
    host.currentArchive = [this] {
        return m_session.CurrentArchive;
    };
    host.rows = [this] {
        std::vector<ExtractRow> rows;
        rows.reserve(m_rows.size());
        for (const FileRow &row : m_rows.rows())
            rows.push_back({ row.member(), row.size, false });
        for (int index : FileList->selectedRows())
            if (index >= 0 && static_cast<size_t>(index) < rows.size())
                rows[static_cast<size_t>(index)].selected = true;
        return rows;
    };
    host.history = [this] {
        ExtractHistory history;
        for (int i = 0; i < History::kSize; ++i)
            history[static_cast<size_t>(i)] = m_settings.Extract[i];
        return history;
    };
    host.setHistory = [this](const ExtractHistory &history) {
        for (int i = 0; i < History::kSize; ++i)
            m_settings.Extract[i] = history[static_cast<size_t>(i)];
    };
    form->setHost(host);

    connect(form, &QObject::destroyed, this, [this] {
        m_operations->extractEngine = nullptr;
    });
}

void TMainForm::ExtractClick()
{
    if (!m_extractForm || m_session.CurrentArchive.empty() || refuseWhileOperationRuns())
        return;
    m_extractForm->showOnTop();
}
