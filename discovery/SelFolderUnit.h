// The program's folder chooser: a tree of the volumes and their folders and
// a destination box with the five folders chosen last.
#pragma once

#include "AmxDialog.h"

#include <QString>

#include <memory>
#include <string>

class History;
class FolderTree;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidgetItem;
class TNFolderForm1;

// The chosen folder to the front of history, without its final '/' (the
// root keeps it). Gaps are closed first; an entry already there moves up.
void rememberFolder(History &history, const std::string &chosen);

class TSelDirForm : public AmxDialog
{
    Q_OBJECT
public:
    // history: the "SelDir" entries of the settings, kept up to date.
    explicit TSelDirForm(History &history);
    ~TSelDirForm() override;

    // Set by the caller before run().
    QWidget *SelDirCaller = nullptr;
    QString SelDirTitle;
    QString SelDirPrompt;
    // The folder as typed in the destination box, or "-1" when not confirmed.
    QString SelDirResult = QStringLiteral("-1");

    // Modal; returns SelDirResult.
    QString run();
    // Rebuilds the tree, opens it down to folder (or the deepest folder
    // above it that the tree reaches) and selects that node.
    void showFolder(const QString &folder);

    QLabel *Label1;
    QComboBox *Destination;
    FolderTree *TreeList;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    std::unique_ptr<TNFolderForm1> NFolderForm;

    void FormShow() override;
    void Button1Click();
    void TreeListChange(QTreeWidgetItem *current);
    void DestinationChange();

private:
    History &m_history;
};
