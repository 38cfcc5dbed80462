// The commands that show the windows beside the main window (Add, Extract,
// Delete, View, Check Out, Make .EXE, Configuration, Tip, About, the help
// pages) and
// the archive test. The windows are created once at start and handed in.
#pragma once

#include <QCoreApplication>
#include <QPointer>

class CommandActions;
class TAboutForm;
class TAddForm;
class TAsciview;
class TCheckOut;
class TConfigurationForm;
class TDeleteForm;
class TEXEForm;
class TExtractForm;
class TMainForm;
class TTipForm;
class TViewForm;

class DialogCommands
{
    Q_DECLARE_TR_FUNCTIONS(DialogCommands)

public:
    DialogCommands(TMainForm &form, const CommandActions &actions);

    void setAddForm(TAddForm *form);
    void setExtractForm(TExtractForm *form);
    void setDeleteForm(TDeleteForm *form);
    void setViewForm(TViewForm *form, TAsciview *textViewer);
    void setCheckOut(TCheckOut *form);
    void setExeForm(TEXEForm *form);
    void setHelpForms(TConfigurationForm *configuration, TTipForm *tip, TAboutForm *about);
    TExtractForm *extractForm() const;

    void showTip();

private:
    void add();
    void extract();
    void remove();
    void view();
    void checkOut();
    void makeExeFile();
    void test();
    bool archiveOpen() const;

    TMainForm &m_form;
    // Cleared when the windows go.
    QPointer<TAddForm> m_addForm;
    QPointer<TExtractForm> m_extractForm;
    QPointer<TDeleteForm> m_deleteForm;
    QPointer<TViewForm> m_viewForm;
    QPointer<TAsciview> m_textViewer;
    QPointer<TCheckOut> m_checkOut;
    QPointer<TEXEForm> m_exeForm;
    QPointer<TConfigurationForm> m_configurationForm;
    QPointer<TTipForm> m_tipForm;
    QPointer<TAboutForm> m_aboutForm;
};
