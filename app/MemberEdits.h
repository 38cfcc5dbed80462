// Changes to the open archive made in place from the main window: its
// comment, renaming members or a folder, and a member opened in its program
// that is added back when the program saves it.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <string>
#include <vector>

class QFileSystemWatcher;
class QTimer;
class TMainForm;

// The comment as the editor shows it: control characters other than tab and
// line breaks as their visible pictures (U+2400...), so that nothing in it
// moves the cursor or hides; and back.
QString visibleCommentText(const QString &comment);
QString storedCommentText(const QString &shown);

// The members to rename and how the question names them: one member by its
// whole name, or several of one folder by that folder (ending in '/'), which
// then moves with everything under it. Empty when the rows share no folder.
std::string renameSubject(const std::vector<std::string> &members);

class MemberEdits : public QObject
{
    Q_OBJECT
public:
    explicit MemberEdits(TMainForm &form);
    ~MemberEdits() override;

    // "Comment": shows the comment, and on a writable archive edits it.
    void comment();
    // "Rename Member...": renames the selected member, or the folder of the
    // selected members; the list keeps the renamed rows selected.
    void rename();

    // A member's copy opened in its program: watched until the archive is
    // closed or another one opened; each save asks whether to add it back.
    void watch(const std::string &member, const std::string &copy);
    // Ends the watches of copies of other archives than keep (every watch
    // when keep is empty): the archive was closed or changed to another.
    void stopWatching(const std::string &keep = {});
    // The copies watched now.
    QStringList watchedCopies() const;
    // Looks at the watched copies now, as a change notice would.
    void checkCopies();

private:
    struct Watched
    {
        std::string archive;
        std::string member;
        std::string copy;
        int level = 9;
        bool encrypted = false;
        qint64 size = -1;
        qint64 modified = 0; // ms since the epoch
        bool asking = false;
    };

    void copyChanged();
    void askToUpdate(Watched &w);
    bool addBack(const Watched &w);
    void reselect(const std::vector<std::string> &names);

    TMainForm &m_form;
    QFileSystemWatcher *m_watcher;
    QTimer *m_settle;
    std::vector<Watched> m_watched;
};
