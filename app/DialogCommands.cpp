#include "DialogCommands.h"

#include "AmbxUnit.h"
#include "CommandActions.h"

#include "AViewUnit.h"
#include "AboutUnit.h"
#include "AddUnit.h"
#include "CheckOutUnit.h"
#include "ConfigurationUnit.h"
#include "DeleteUnit.h"
#include "ExeUnit.h"
#include "ExtractUnit.h"
#include "FileListView.h"
#include "Operations.h"
#include "Prompter.h"
#include "Shell.h"
#include "TipUnit.h"
#include "ViewUnit.h"

namespace {

void openHelpFile(
    const char *name, Shell::Show show = Shell::Show::Normal, const QString &args = {})
{
    const QString folder = QString::fromStdString(programFolder());
    const bool page = QString::fromLatin1(name).endsWith(QLatin1String(".html"));
    Shell::instance().open(
        folder + (page ? QStringLiteral("help/") : QString()) + QString::fromLatin1(name),
        folder + (page ? QStringLiteral("help/") : QString()), show, args);
}

} // namespace

DialogCommands::DialogCommands(TMainForm &form, const CommandActions &actions)
    : m_form(form)
{
    QObject *context = &form;
    actions.bind(context, { "Add1", "Add2", "AddButton" }, [this] {
        add();
    });
    actions.bind(context, { "Extract1", "Extract2", "ExtractButton" }, [this] {
        extract();
    });
    actions.bind(context, { "Delete1", "Delete2", "DeleteButton" }, [this] {
        remove();
    });
    actions.bind(context, { "View1", "View2", "ViewButton" }, [this] {
        view();
    });
    actions.bind(context, { "CheckOut1", "CheckOutButton" }, [this] {
        checkOut();
    });
    actions.bind(context, { "MakeExeFile1" }, [this] {
        makeExeFile();
    });
    actions.bind(context, { "TestArchive1", "TestArchive2" }, [this] {
        test();
    });
    actions.bind(context, { "Configuration1" }, [this] {
        if (m_configurationForm)
            m_configurationForm->showOnTop();
    });
    actions.bind(context, { "TipOfTheDay1" }, [this] {
        showTip();
    });
    actions.bind(context, { "AboutAmbermox1" }, [this] {
        if (m_aboutForm)
            m_aboutForm->showOnTop();
    });
    actions.bind(context, { "Contents1" }, [] {
        openHelpFile("index.html", Shell::Show::Maximized);
    });
    actions.bind(context, { "BriefTutorial1" }, [] {
        openHelpFile("tutor.html");
    });
    actions.bind(context, { "FrequentlyAskedQuestions1" }, [] {
        openHelpFile("faq.html");
    });
    actions.bind(context, { "HomePage1" }, [] {
        openHelpFile("Visit Ambermox's Home Page.url", Shell::Show::Normal, QStringLiteral("/max"));
    });
}

TExtractForm *DialogCommands::extractForm() const
{
    return m_extractForm;
}

void DialogCommands::setAddForm(TAddForm *form)
{
    m_addForm = form;
    if (form)
        form->setLink(m_form);
}

void DialogCommands::setExtractForm(TExtractForm *form)
{
    m_extractForm = form;
    if (form)
        form->setLink(m_form);
}

void DialogCommands::setDeleteForm(TDeleteForm *form)
{
    m_deleteForm = form;
    if (form)
        form->setLink(m_form);
}

void DialogCommands::setViewForm(TViewForm *form, TAsciview *textViewer)
{
    m_viewForm = form;
    m_textViewer = textViewer;
    if (textViewer)
        textViewer->setLink(m_form);
    if (form) {
        form->setLink(m_form);
        form->setTextViewer(textViewer);
    }
}

void DialogCommands::setCheckOut(TCheckOut *form)
{
    m_checkOut = form;
    if (form)
        form->setLink(m_form);
}

void DialogCommands::setExeForm(TEXEForm *form)
{
    m_exeForm = form;
    if (form)
        form->setLink(m_form);
}

void DialogCommands::setHelpForms(
    TConfigurationForm *configuration, TTipForm *tip, TAboutForm *about)
{
    m_configurationForm = configuration;
    m_tipForm = tip;
    m_aboutForm = about;
    if (configuration)
        configuration->setLink(m_form);
    if (tip)
        tip->setLink(m_form);
    if (about)
        about->setLink(m_form);
}

void DialogCommands::showTip()
{
    if (m_tipForm)
        m_tipForm->exec();
}

bool DialogCommands::archiveOpen() const
{
    return !m_form.currentArchive().empty();
}

void DialogCommands::add()
{
    // While its add runs the dialog stays closed: the list must stay
    // clickable to interrupt it.
    if (m_addForm && !m_addForm->running() && archiveOpen())
        m_addForm->showOnTop();
}

void DialogCommands::extract()
{
    if (m_extractForm && archiveOpen() && !refuseWhileOperationRuns())
        m_extractForm->showOnTop();
}

void DialogCommands::remove()
{
    if (m_deleteForm && archiveOpen() && !m_form.archiveReadOnly())
        m_deleteForm->showOnTop();
}

void DialogCommands::view()
{
    if (m_form.fileList()->selectedCount() == 0) {
        Prompter::instance().notice(
            tr("No file selected for viewing."), Prompter::Icon::Information);
        return;
    }
    if (m_viewForm && archiveOpen())
        m_viewForm->showOnTop();
}

void DialogCommands::checkOut()
{
    if (m_checkOut && archiveOpen() && !refuseWhileOperationRuns())
        m_checkOut->exec();
}

void DialogCommands::makeExeFile()
{
    if (m_exeForm && archiveOpen() && !refuseWhileOperationRuns())
        m_exeForm->exec();
}

void DialogCommands::test()
{
    if (archiveOpen() && m_form.engine().EntryCount() != 0 && !refuseWhileOperationRuns())
        m_form.operations().testArchive(m_form.engine());
}
