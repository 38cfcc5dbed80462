// TMainForm, third part: the dialogs beside the window, what they reach of
// it, and the commands that show them.

#include "AmbxUnit.h"

#include "dialogs/AViewUnit.h"
#include "dialogs/AddUnit.h"
#include "dialogs/CheckOutUnit.h"
#include "dialogs/DeleteUnit.h"
#include "dialogs/ExeUnit.h"
#include "dialogs/ExtractUnit.h"
#include "dialogs/Operations.h"
#include "dialogs/ViewUnit.h"
#include "platform/Prompter.h"
#include "settings/AboutUnit.h"
#include "settings/ConfigurationUnit.h"
#include "settings/TipUnit.h"
#include "widgets/FileListView.h"

TExtractForm *TMainForm::extractForm() const
{
    return m_extractForm;
}

void TMainForm::setAddForm(TAddForm *form)
{
    m_addForm = form;
    if (form)
        form->setLink(*this);
}

void TMainForm::setExtractForm(TExtractForm *form)
{
    m_extractForm = form;
    if (form)
        form->setLink(*this);
}

void TMainForm::setDeleteForm(TDeleteForm *form)
{
    m_deleteForm = form;
    if (form)
        form->setLink(*this);
}

void TMainForm::setViewForm(TViewForm *form, TAsciview *textViewer)
{
    m_viewForm = form;
    m_textViewer = textViewer;
    if (textViewer)
        textViewer->setLink(*this);
    if (form) {
        form->setLink(*this);
        form->setTextViewer(textViewer);
    }
}

void TMainForm::setCheckOut(TCheckOut *form)
{
    m_checkOut = form;
    if (form)
        form->setLink(*this);
}

void TMainForm::setExeForm(TEXEForm *form)
{
    m_exeForm = form;
    if (form)
        form->setLink(*this);
}

void TMainForm::setHelpForms(TConfigurationForm *configuration, TTipForm *tip, TAboutForm *about)
{
    m_configurationForm = configuration;
    m_tipForm = tip;
    m_aboutForm = about;
    if (configuration)
        configuration->setLink(*this);
    if (tip)
        tip->setLink(*this);
    if (about)
        about->setLink(*this);
}

void TMainForm::CheckOutClick()
{
    if (!m_checkOut || m_session.CurrentArchive.empty() || refuseWhileOperationRuns())
        return;
    m_checkOut->exec();
}

void TMainForm::MakeExeFileClick()
{
    if (!m_exeForm || m_session.CurrentArchive.empty() || refuseWhileOperationRuns())
        return;
    m_exeForm->exec();
}

void TMainForm::ConfigurationClick()
{
    if (m_configurationForm)
        m_configurationForm->showOnTop();
}

void TMainForm::TipOfTheDayClick()
{
    if (m_tipForm)
        m_tipForm->exec();
}

void TMainForm::AboutClick()
{
    if (m_aboutForm)
        m_aboutForm->showOnTop();
}

void TMainForm::saveAndReloadSettings()
{
    SaveSettings();
    LoadSettings();
}

std::string TMainForm::helpRoot() const
{
    return programFolder();
}

void TMainForm::AddClick()
{
    // While its add runs the dialog stays closed: the list must stay
    // clickable to interrupt it.
    if (!m_addForm || m_addForm->running() || m_session.CurrentArchive.empty())
        return;
    m_addForm->showOnTop();
}

void TMainForm::ExtractClick()
{
    if (!m_extractForm || m_session.CurrentArchive.empty() || refuseWhileOperationRuns())
        return;
    m_extractForm->showOnTop();
}

void TMainForm::DeleteClick()
{
    if (!m_deleteForm || m_session.CurrentArchive.empty() || m_session.readOnly())
        return;
    m_deleteForm->showOnTop();
}

void TMainForm::TestArchiveClick()
{
    if (m_session.CurrentArchive.empty() || m_engine.EntryCount() == 0
        || refuseWhileOperationRuns())
        return;
    Operations &operations = *m_operations;
    operations.startLog();
    int64_t total = 0;
    for (const ZipDirEntry &e : m_engine.Entries())
        total += static_cast<int64_t>(e.UncompressedSize64);
    // The outcome is told in this window's prompter, like every operation's.
    struct PrompterNotices : EngineNotices
    {
        void showNotice(const std::string &text) override
        {
            Prompter::instance().notice(QString::fromStdString(text));
        }
    } notices;
    // The window's engine keeps its own handlers for after the test.
    struct Handlers
    {
        TZipEngine &engine;
        TProgressEvent progress = std::exchange(engine.OnProgress, {});
        TMessageEvent message = std::exchange(engine.OnMessage, {});
        ~Handlers()
        {
            engine.OnProgress = std::move(progress);
            engine.OnMessage = std::move(message);
            engine.setNotices(nullptr);
        }
    } saved { m_engine };
    m_engine.setNotices(&notices);
    m_engine.OnProgress = [&operations](
                              TZipEngine &, ProgressType type, const std::string &name, int64_t) {
        operations.progress().progress(type, QStringLiteral("Testing"), name);
    };
    m_engine.OnMessage = [&operations](TZipEngine &, int32_t errCode, const std::string &text) {
        operations.appendLog(text, errCode);
    };
    m_engine.FSpecArgs.clear();
    StatusProgress &progress = operations.progress();
    progress.begin(total);
    struct End
    {
        StatusProgress &progress;
        ~End() { progress.end(); }
    } end { progress };
    m_engine.Test();
}

void TMainForm::showViewForm()
{
    if (!m_viewForm || m_session.CurrentArchive.empty())
        return;
    m_viewForm->showOnTop();
}

std::vector<std::string> TMainForm::selectedMembers() const
{
    std::vector<std::string> out;
    for (int row : FileList->selectedRows())
        out.push_back(m_rows[static_cast<size_t>(row)].member());
    return out;
}

std::optional<ViewEntry> TMainForm::selectedEntry() const
{
    const std::vector<int> rows = FileList->selectedRows();
    if (rows.empty() || rows.front() < 0 || static_cast<size_t>(rows.front()) >= m_rows.size())
        return std::nullopt;
    const FileRow &row = m_rows[static_cast<size_t>(rows.front())];
    return ViewEntry { std::string(row.Path), std::string(row.Name) };
}

std::vector<ExtractRow> TMainForm::listRows() const
{
    std::vector<ExtractRow> rows;
    rows.reserve(m_rows.size());
    for (const FileRow &row : m_rows.rows())
        rows.push_back({ row.member(), row.size, false });
    for (int index : FileList->selectedRows())
        if (index >= 0 && static_cast<size_t>(index) < rows.size())
            rows[static_cast<size_t>(index)].selected = true;
    return rows;
}

ExtractHistory TMainForm::extractHistory() const
{
    ExtractHistory history;
    for (int i = 0; i < History::kSize; ++i)
        history[static_cast<size_t>(i)] = m_settings.Extract[i];
    return history;
}

void TMainForm::setExtractHistory(const ExtractHistory &history)
{
    for (int i = 0; i < History::kSize; ++i)
        m_settings.Extract[i] = history[static_cast<size_t>(i)];
}
