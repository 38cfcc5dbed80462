// TMainForm: the main window. It owns the open archive, the row model, the
// settings and the commands that act on them.
#pragma once

#include "ArchiveFileMenu.h"
#include "ArchiveSession.h"
#include "CommandTable.h"
#include "DialogCommands.h"
#include "FileRowModel.h"
#include "FileRows.h"
#include "ModifiedText.h"
#include "Settings.h"
#include "SettingsFiles.h"

#include "MainWindowLink.h"
#include "MsgUnit.h"
#include "Operations.h"

#include "SettingsLink.h"
#include "ZipEngine.h"

#include <QLabel>
#include <QMainWindow>
#include <QStringList>

#include <memory>

class AnimatedPicture;
class ButtonBar;
class CommandActions;
class NameEncodingMenu;
class StatusPanel;
class ViewOptions;
class FileListView;
class MemberEdits;
class QAction;
class QProgressBar;
class QTimer;
class QToolBar;
class QToolButton;
class StatusLamp;

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
    // Read-only for us: the file cannot be written, or it is not a ZIP archive.
    bool archiveReadOnly() const { return m_session.readOnly() || !m_otherFormat.isEmpty(); }
    // The open archive's format when it is not ZIP ("tar.xz"), else empty.
    const QString &otherFormat() const { return m_otherFormat; }

    // Commands and what running operations share with the window
    // (MainCommands.cpp).
    Operations &operations() override { return *m_operations; }
    TMsgForm &msgForm() { return *m_msgForm; }
    void FileListClick();
    void FileListDblClick();
    void OpenEntryClick();
    void StatusPanelClick();
    void TopMenuPopup();
    // Buttons the pointer left while a menu held it lose their raised look.
    void clearStaleHover();
    // The folder chooser, for every window that asks for a folder.
    TSelDirForm &selDirForm() { return m_fileMenu->selDirForm(); }
    ArchiveFileMenu &fileMenu() { return *m_fileMenu; }
    // The windows beside the main window are handed in here.
    DialogCommands &dialogs() { return *m_dialogs; }

    // SettingsLink
    void saveAndReloadSettings() override;
    std::string helpRoot() const override;

    // MainWindowLink
    QWidget *ownerWindow() override { return this; }
    std::string currentArchive() const override { return m_session.CurrentArchive; }
    // Reads the archive off the window's thread: the list shows the old
    // rows and the bar runs until the new rows replace them at once.
    // LoadFileList tells a damaged archive, as when the window reads it.
    void loadFileList() override;
    std::vector<std::string> selectedMembers() const override;
    std::optional<ViewEntry> selectedEntry() const override;
    std::vector<ExtractRow> listRows() const override;
    size_t memberCount() const override { return m_rows.size(); }
    std::string lastAddDir() const override { return m_settings.LastAddDir; }
    void setLastAddDir(const std::string &dir) override { m_settings.LastAddDir = dir; }
    ExtractHistory extractHistory() const override;
    void setExtractHistory(const ExtractHistory &history) override;
    std::string temp() const override { return m_settings.Temp; }
    void setTemp(const std::string &temp) override { m_settings.Temp = temp; }
    std::string viewer() const override { return m_settings.Viewer; }
    void setViewer(const std::string &viewer) override { m_settings.Viewer = viewer; }
    void watchOpenedCopy(const std::string &member, const std::string &copy) override;
    // The comment, rename and edit-in-place commands.
    MemberEdits &memberEdits() { return *m_edits; }

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
    // An archive just opened is read here, on the window's thread.
    void listArchive() override { LoadFileList(); }
    void refreshRecent() override { RefreshRecentMenu(); }
    void acceptFileDrops(bool on) override { setAcceptDrops(on); }

    void FormCreate();
    void bindGroups();
    void checkSortItem();
    // After the archive was read and its rows loaded and sorted: the icons,
    // the status line and the list shown again.
    void showLoadedRows();
    // The name encoding menu and the commands that fit the listed archive.
    void showListingState();
    void applySettings();
    void fitButtonBar();
    void restoreGeometry();
    void Timer1Timer();
    void Timer2Timer();
    void showListMenu(const QPoint &globalPos);

    Settings m_settings;
    ArchiveSession m_session { m_settings, *this };
    QStringList m_args;
    TZipEngine m_engine;
    FileRows m_rows { modifiedText };
    FileRowModel *m_model;
    std::string m_directoryNoticeShown; // the archive whose directory problem was told
    bool m_archiveOpen = false;
    QString m_otherFormat;
    // Set while "favorites.dat" could not be read at a first start: that
    // save must not replace the file the user still has.
    bool m_keepFavoritesFile = false;

    FileListView *FileList;
    QToolBar *m_commandBar;
    ButtonBar *ToolBar2;
    std::unique_ptr<CommandActions> m_actions;
    std::unique_ptr<NameEncodingMenu> m_nameEncoding;
    QToolButton *m_spacer;
    AnimatedPicture *m_picture;
    QTimer *Timer1;
    QTimer *Timer2;
    QTimer *m_closeWhenIdle = nullptr; // a close asked for during an operation

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
    std::unique_ptr<TMsgForm> m_msgForm;
    std::unique_ptr<Operations> m_operations;
    std::unique_ptr<ViewOptions> m_viewOptions;
    std::unique_ptr<ArchiveFileMenu> m_fileMenu;
    std::unique_ptr<DialogCommands> m_dialogs;
    MemberEdits *m_edits = nullptr; // a child of the window
    bool m_afterDoubleClick = false;
};

// Recent item n (0..4): "&1 " and the path, whose own '&' is a character
// and not the item's shortcut.
QString recentItemText(int n, const std::string &path);
