// TMainForm: the main window. It owns the open archive, the row model, the
// settings and the commands that act on them.
#pragma once

#include "ArchiveFileCommands.h"
#include "ArchiveSession.h"
#include "CommandTable.h"
#include "FileRowModel.h"
#include "FileRows.h"
#include "Settings.h"
#include "SettingsFiles.h"

#include "dialogs/MainWindowLink.h"
#include "dialogs/MsgUnit.h"
#include "dialogs/Operations.h"
#include "discovery/SelFolderUnit.h"

#include "engine/ZipEngine.h"
#include "settings/FilePropUnit.h"
#include "settings/RenameUnit.h"
#include "settings/SettingsLink.h"
#include "settings/ZipPropUnit.h"

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <memory>

class AnimatedPicture;
class ButtonBar;
class CommandActions;
class StatusPanel;
class FileListView;
class QAction;
class QProgressBar;
class QTimer;
class QToolBar;
class QToolButton;
class StatusLamp;
class TAboutForm;
class TAddForm;
class TCheckOut;
class TConfigurationForm;
class TAsciview;
class TDeleteForm;
class TEXEForm;
class TExtractForm;
class TTipForm;
class TViewForm;

class TMainForm : public QMainWindow,
                  public MainWindowLink,
                  public SettingsLink,
                  private ArchiveView
{
    Q_OBJECT
public:
    // args: the command line without the program name.
    explicit TMainForm(const QStringList &args, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The archive rules; the window shows what they decide.
    ArchiveSession &session() { return m_session; }
    void OpenArchive(const std::string &path) { m_session.OpenArchive(path); }
    void RecentItemClick(int n) { m_session.RecentItemClick(n); } // n = 1..5
    void CloseArchive2Click() { m_session.CloseArchive(); }
    // Re-reads the open archive and rebuilds rows, list and status texts.
    void LoadFileList();
    void RefreshRecentMenu();
    void OpenArchive2Click();
    void FileListChange();
    void FormResize();
    void FormPaint();
    void setSortOrder(int order);
    void setViewStyle(int style);
    void LoadSettings();
    void SaveSettings();

    // Where the settings and "favorites.dat" live; tests point them elsewhere
    // before creating the window.
    static void setStorePaths(const std::string &settingsFile, const std::string &favoritesFile)
    {
        SettingsFiles::setPaths(settingsFile, favoritesFile);
    }

    // State other windows read.
    std::string ArchiveRatio;
    bool FirstPaintPending = false;
    Settings &settings() override { return m_settings; }
    const FileRows &fileRows() const { return m_rows; }
    size_t FileRowCount() const { return m_rows.size(); }
    FileListView *fileList() const { return FileList; }
    TZipEngine &engine() { return m_engine; }
    bool archiveReadOnly() const { return m_session.readOnly(); }

    // Commands, view options and what running operations share with the
    // window (MainCommands.cpp).
    Operations &operations() override { return *m_operations; }
    TMsgForm &msgForm() { return *m_msgForm; }
    void FileListClick();
    void FileListDblClick();
    void OpenEntryClick();
    void ViewCommandClick();
    void ToolbarClick();
    void StatusBarClick();
    void AsWebPageClick();
    void BestFitClick();
    void DefaultColumnsClick();
    void FlatButtonsClick(bool on);
    void ShowTextClick(bool on);
    void ShowToolTipsClick(bool on);
    void StatusPanelClick();
    void TopMenuPopup();
    // The folder chooser, for every window that asks for a folder.
    TSelDirForm &selDirForm() { return *m_selDirForm; }
    ArchiveFileCommands &fileCommands() { return *m_fileCommands; }
    TRenameForm &renameForm() { return *m_renameForm; }
    TZipPropForm &zipPropForm() { return *m_zipPropForm; }
    TFilePropForm &filePropForm() { return *m_filePropForm; }

    // The dialogs beside the main window, created once at start; their
    // commands show them (DialogCommands.cpp).
    void setAddForm(TAddForm *form);
    void setExtractForm(TExtractForm *form);
    void setDeleteForm(TDeleteForm *form);
    void setViewForm(TViewForm *form, TAsciview *textViewer);
    TExtractForm *extractForm() const;
    void AddClick();
    void ExtractClick();
    void DeleteClick();
    // Inflates and checks every member, writing nothing; the log holds a
    // line per member, a notice tells the outcome.
    void TestArchiveClick();
    // Shows the View dialog; ViewCommandClick checks the selection first.
    void showViewForm();
    void setCheckOut(TCheckOut *form);
    void setExeForm(TEXEForm *form);
    void setHelpForms(TConfigurationForm *configuration, TTipForm *tip, TAboutForm *about);
    void CheckOutClick();
    void MakeExeFileClick();
    void ConfigurationClick();
    void TipOfTheDayClick();
    void AboutClick();

    // SettingsLink
    void saveAndReloadSettings() override;
    std::string helpRoot() const override;

    // MainWindowLink
    QWidget *ownerWindow() override { return this; }
    std::string currentArchive() const override { return m_session.CurrentArchive; }
    void loadFileList() override { LoadFileList(); }
    std::vector<std::string> selectedMembers() const override;
    std::optional<ViewEntry> selectedEntry() const override;
    std::vector<ExtractRow> listRows() const override;
    std::string lastAddDir() const override { return m_settings.LastAddDir; }
    void setLastAddDir(const std::string &dir) override { m_settings.LastAddDir = dir; }
    ExtractHistory extractHistory() const override;
    void setExtractHistory(const ExtractHistory &history) override;
    std::string temp() const override { return m_settings.Temp; }
    void setTemp(const std::string &temp) override { m_settings.Temp = temp; }
    std::string viewer() const override { return m_settings.Viewer; }
    void setViewer(const std::string &viewer) override { m_settings.Viewer = viewer; }

    QString leftStatus() const { return SPanel1->text(); }
    QString rightStatus() const { return SPanel2->text(); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // ArchiveView
    void showArchive(const std::string &path, bool readOnly) override;
    void showNoArchive() override;
    void refreshRecent() override { RefreshRecentMenu(); }
    void acceptFileDrops(bool on) override { setAcceptDrops(on); }

    void FormCreate();
    void bindGroups();
    void checkSortItem();
    void applySettings();
    void restoreGeometry();
    void Timer1Timer();
    void Timer2Timer();
    void showListMenu(const QPoint &globalPos);

    Settings m_settings;
    ArchiveSession m_session { m_settings, *this };
    QStringList m_args;
    TZipEngine m_engine;
    FileRows m_rows;
    FileRowModel *m_model;
    std::string m_directoryNoticeShown; // the archive whose directory problem was told
    bool m_archiveOpen = false;
    // Set while "favorites.dat" could not be read at a first start: that
    // save must not replace the file the user still has.
    bool m_keepFavoritesFile = false;

    FileListView *FileList;
    QToolBar *m_commandBar;
    ButtonBar *ToolBar2;
    std::unique_ptr<CommandActions> m_actions;
    QToolButton *m_spacer;
    AnimatedPicture *m_picture;
    QTimer *Timer1;
    QTimer *Timer2;

    StatusPanel *m_statusPanel;
    QLabel *SPanel1;
    QLabel *SPanel2;
    QProgressBar *ProgressBar1;
    StatusLamp *LedOn;
    StatusLamp *LedOff;

    QAction *m_recentSeparator = nullptr;

    // MainCommands.cpp
    void connectCommands();
    void connectDock();
    bool setOption(int &setting, const char *item, bool on);
    void ShowArchiveProperties();
    std::unique_ptr<TMsgForm> m_msgForm;
    std::unique_ptr<Operations> m_operations;
    bool m_afterDoubleClick = false;
    // Windows created beside the main window; cleared when they go.
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
    // The archive file commands and their windows (MainCommands.cpp).
    void bindFileCommands();
    std::unique_ptr<ArchiveFileCommands> m_fileCommands;
    std::unique_ptr<TSelDirForm> m_selDirForm;
    std::unique_ptr<TRenameForm> m_renameForm;
    std::unique_ptr<TZipPropForm> m_zipPropForm;
    std::unique_ptr<TFilePropForm> m_filePropForm;
};
