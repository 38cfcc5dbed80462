#include "MemberEdits.h"

#include "AmbxUnit.h"
#include "FileListView.h"
#include "Operations.h"
#include "Prompter.h"
#include "ZipEngine.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QItemSelectionModel>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <set>
#include <unistd.h>

namespace {

constexpr qsizetype kMaxComment = 0xffff;
constexpr char16_t kControlPictures = 0x2400; // U+2400 SYMBOL FOR NULL ...
constexpr char16_t kDeletePicture = 0x2421;

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

bool isHiddenControl(char16_t c)
{
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7f;
}

// Why a member cannot take this name, or "" when it can.
QString badName(const std::string &name)
{
    if (name.empty() || name == "/")
        return MemberEdits::tr("The new name is empty.");
    if (name.front() == '/' || name.front() == '\\' || (name.size() > 1 && name[1] == ':'))
        return MemberEdits::tr("The new name must not start at the root: %1").arg(qs(name));
    if (name.find_first_of(std::string("\n\r\0", 3)) != std::string::npos)
        return MemberEdits::tr("The new name must not hold a line break.");
    for (size_t start = 0; start <= name.size();) {
        size_t end = name.find_first_of("/\\", start);
        if (end == std::string::npos)
            end = name.size();
        if (name.compare(start, end - start, "..") == 0)
            return MemberEdits::tr("The new name must not hold \"..\": %1").arg(qs(name));
        start = end + 1;
    }
    return {};
}

bool memberEncrypted(const TZipEngine &engine, const std::string &member)
{
    for (const ArchiveMember &m : engine.Entries())
        if (m.name() == member)
            return m.encrypted;
    return false;
}

// The level a member was written with, as far as the archive tells it.
int memberLevel(const TZipEngine &engine, const std::string &member)
{
    for (const ArchiveMember &m : engine.Entries()) {
        if (m.name() != member)
            continue;
        if (m.zip.CompressionMethod == 0)
            return 0;
        switch ((m.zip.Flag >> 1) & 3) {
        case 2:
            return 3; // "fast"
        case 3:
            return 1; // "super fast"
        default:
            return 9;
        }
    }
    return 9;
}

// The library's first complaint, or a general one.
QString failureText(const amx::OperationResult &r)
{
    if (!r.failures.empty())
        return qs(r.failures.front().text);
    return MemberEdits::tr("The archive could not be changed.");
}

} // namespace

QString visibleCommentText(const QString &comment)
{
    QString out = comment;
    for (QChar &c : out) {
        if (c.unicode() == 0x7f)
            c = QChar(kDeletePicture);
        else if (isHiddenControl(c.unicode()))
            c = QChar(char16_t(kControlPictures + c.unicode()));
    }
    return out;
}

QString storedCommentText(const QString &shown)
{
    QString out = shown;
    for (QChar &c : out) {
        if (c.unicode() == kDeletePicture)
            c = QChar(char16_t(0x7f));
        else if (c.unicode() >= kControlPictures && c.unicode() < kControlPictures + 0x20
            && isHiddenControl(char16_t(c.unicode() - kControlPictures)))
            c = QChar(char16_t(c.unicode() - kControlPictures));
    }
    return out;
}

std::string renameSubject(const std::vector<std::string> &members)
{
    if (members.size() == 1)
        return members.front();
    if (members.empty())
        return {};
    // The longest folder every member lies in.
    std::string common = members.front().substr(0, members.front().rfind('/') + 1);
    for (const std::string &m : members)
        while (!common.empty() && m.compare(0, common.size(), common) != 0)
            common = common.substr(0, common.rfind('/', common.size() - 2) + 1);
    return common;
}

MemberEdits::MemberEdits(TMainForm &form)
    : QObject(&form)
    , m_form(form)
    , m_watcher(new QFileSystemWatcher(this))
    , m_settle(new QTimer(this))
{
    // A save comes as several notices (write, rename, attributes): one look after them.
    m_settle->setSingleShot(true);
    m_settle->setInterval(300);
    connect(m_settle, &QTimer::timeout, this, &MemberEdits::checkCopies);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &MemberEdits::copyChanged);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &MemberEdits::copyChanged);
}

MemberEdits::~MemberEdits() = default;

void MemberEdits::comment()
{
    const std::string archive = m_form.currentArchive();
    if (archive.empty() || refuseWhileOperationRuns())
        return;
    TZipEngine &engine = m_form.engine();
    const QString stored = qs(engine.CommentText());
    QString text = visibleCommentText(stored);
    if (m_form.archiveReadOnly()) {
        Prompter::instance().notice(stored.isEmpty()
                ? tr("%1 has no comment.").arg(qs(fileNameOf(archive)))
                : tr("Comment of %1:\n\n%2").arg(qs(fileNameOf(archive)), text),
            Prompter::Icon::Information);
        return;
    }
    if (!Prompter::instance().askText(
            tr("Comment"), tr("Comment of %1:").arg(qs(fileNameOf(archive))), text, true))
        return;
    const QString edited = storedCommentText(text);
    if (edited == stored)
        return;
    const QByteArray bytes = edited.toUtf8();
    if (bytes.size() > kMaxComment) {
        Prompter::instance().notice(
            tr("The comment has %1 bytes; an archive comment holds at most 65,535. The archive "
               "is unchanged.")
                .arg(bytes.size()),
            Prompter::Icon::Warning);
        return;
    }
    TZipEngine writer;
    m_form.operations().wireWaiting(writer);
    writer.setZipFilename(archive);
    writer.SetComment(bytes.toStdString());
    m_form.operations().progress().endWaiting();
    if (writer.SuccessCount != 1)
        Prompter::instance().notice(failureText(writer.LastResult()), Prompter::Icon::Warning);
    m_form.loadFileList();
}

void MemberEdits::rename()
{
    const std::string archive = m_form.currentArchive();
    if (archive.empty() || m_form.archiveReadOnly() || refuseWhileOperationRuns())
        return;
    const std::vector<std::string> selected = m_form.selectedMembers();
    if (selected.empty()) {
        Prompter::instance().notice(
            tr("No file selected for renaming."), Prompter::Icon::Information);
        return;
    }
    const std::string from = renameSubject(selected);
    if (from.empty()) {
        Prompter::instance().notice(tr("Select one member, or members of one folder, to rename."),
            Prompter::Icon::Information);
        return;
    }
    const bool folder = from.back() == '/';
    QString text = qs(from);
    if (!Prompter::instance().askText(tr("Rename Member"),
            folder ? tr("New name of the folder %1 and everything in it:").arg(qs(from))
                   : tr("New name of %1:").arg(qs(from)),
            text))
        return;
    std::string to = text.toStdString();
    if (folder && !to.empty() && to.back() != '/')
        to += '/';
    if (to == from)
        return;
    if (const QString why = badName(to); !why.isEmpty()) {
        Prompter::instance().notice(
            why + "\n" + tr("The archive is unchanged."), Prompter::Icon::Warning);
        return;
    }
    // What the members are called afterwards; none may take a name that stays.
    std::set<std::string> kept, renamed;
    for (const ArchiveMember &m : m_form.engine().Entries()) {
        const std::string name(m.name());
        const bool moves = folder ? name.compare(0, from.size(), from) == 0 : name == from;
        if (!moves)
            kept.insert(name);
        else
            renamed.insert(folder ? to + name.substr(from.size()) : to);
    }
    for (const std::string &name : renamed)
        if (kept.count(name) != 0 || kept.count(name + '/') != 0) {
            Prompter::instance().notice(
                tr("%1 exists in the archive already. The archive is unchanged.").arg(qs(name)),
                Prompter::Icon::Warning);
            return;
        }
    TZipEngine writer;
    m_form.operations().wireWaiting(writer);
    writer.setZipFilename(archive);
    writer.Rename({ { from, to } });
    m_form.operations().progress().endWaiting();
    if (writer.SuccessCount == 0)
        Prompter::instance().notice(failureText(writer.LastResult()), Prompter::Icon::Warning);
    m_form.loadFileList();
    if (writer.SuccessCount > 0)
        reselect({ renamed.begin(), renamed.end() });
}

void MemberEdits::reselect(const std::vector<std::string> &names)
{
    const std::set<std::string> wanted(names.begin(), names.end());
    FileListView *list = m_form.fileList();
    QItemSelectionModel *selection = list->selectionModel();
    QItemSelection rows;
    const FileRows &fileRows = m_form.fileRows();
    for (size_t i = 0; i < fileRows.size(); ++i)
        if (wanted.count(fileRows[i].member()) != 0) {
            const QModelIndex index = list->model()->index(static_cast<int>(i), 0);
            rows.select(index, index);
        }
    selection->select(rows, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (!rows.isEmpty())
        selection->setCurrentIndex(rows.first().topLeft(), QItemSelectionModel::NoUpdate);
}

void MemberEdits::watch(const std::string &member, const std::string &copy)
{
    const std::string archive = m_form.currentArchive();
    if (archive.empty())
        return;
    // A copy opened again replaces its older watch.
    m_watched.erase(std::remove_if(m_watched.begin(), m_watched.end(),
                        [&](const Watched &w) {
                            return w.copy == copy;
                        }),
        m_watched.end());
    const QFileInfo info(qs(copy));
    Watched w { archive, member, copy, memberLevel(m_form.engine(), member),
        memberEncrypted(m_form.engine(), member), info.size(),
        info.lastModified().toMSecsSinceEpoch(), false };
    m_watched.push_back(w);
    m_watcher->addPath(qs(copy));
    // Editors that save by writing a new file and renaming it over the copy
    // leave the file watch behind: the folder tells of those.
    m_watcher->addPath(info.absolutePath());
}

void MemberEdits::stopWatching(const std::string &keep)
{
    m_watched.erase(std::remove_if(m_watched.begin(), m_watched.end(),
                        [&](const Watched &w) {
                            return w.archive != keep;
                        }),
        m_watched.end());
    if (!m_watched.empty())
        return;
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    m_settle->stop();
}

QStringList MemberEdits::watchedCopies() const
{
    QStringList out;
    for (const Watched &w : m_watched)
        out << qs(w.copy);
    return out;
}

void MemberEdits::copyChanged()
{
    m_settle->start();
}

void MemberEdits::checkCopies()
{
    // Not while an operation runs on the archive: look again afterwards.
    if (TZipEngine::anyOperationRunning()) {
        m_settle->start();
        return;
    }
    for (size_t i = 0; i < m_watched.size(); ++i) {
        Watched &w = m_watched[i];
        const QFileInfo info(qs(w.copy));
        if (!info.exists() || w.asking)
            continue;
        // Saved by rename: the new file needs a watch of its own.
        if (!m_watcher->files().contains(qs(w.copy)))
            m_watcher->addPath(qs(w.copy));
        const qint64 modified = info.lastModified().toMSecsSinceEpoch();
        if (info.size() == w.size && modified == w.modified)
            continue;
        w.size = info.size();
        w.modified = modified;
        const std::string copy = w.copy;
        askToUpdate(w);
        // The question let events run: the watches may have changed meanwhile.
        if (i >= m_watched.size() || m_watched[i].copy != copy)
            break;
    }
}

void MemberEdits::askToUpdate(Watched &w)
{
    // Put back as it is, the edit would stand in the archive unencrypted.
    if (w.encrypted) {
        Prompter::instance().notice(
            tr("%1 has changed, but it is encrypted in the archive and is not put back "
               "without encryption. The changed copy is kept in %2")
                .arg(qs(w.member), qs(w.copy)),
            Prompter::Icon::Information);
        return;
    }
    w.asking = true;
    const Watched asked = w;
    const bool yes = Prompter::instance().question(
        tr("%1 has changed. Update the archive?").arg(qs(asked.member)), Prompter::Icon::Question);
    for (Watched &still : m_watched)
        if (still.copy == asked.copy)
            still.asking = false;
    if (!yes) {
        Prompter::instance().notice(
            tr("The archive is unchanged. The changed copy is kept in %1").arg(qs(asked.copy)),
            Prompter::Icon::Information);
        return;
    }
    if (!addBack(asked))
        return;
    if (m_form.currentArchive() == asked.archive)
        m_form.loadFileList();
}

bool MemberEdits::addBack(const Watched &w)
{
    if (const QString why = badName(w.member); !why.isEmpty()) {
        Prompter::instance().notice(why, Prompter::Icon::Warning);
        return false;
    }
    // The add stores each file under its path below the folder it starts in:
    // the copy is linked into a folder of its own under the member's name.
    const QFileInfo copy(qs(w.copy));
    QTemporaryDir stage(copy.absolutePath() + QStringLiteral("/.ambermox-update-XXXXXX"));
    const QString staged = stage.path() + QLatin1Char('/') + qs(w.member);
    const bool ready = stage.isValid() && QDir().mkpath(QFileInfo(staged).absolutePath())
        && (::link(w.copy.c_str(), staged.toStdString().c_str()) == 0
            || QFile::copy(copy.absoluteFilePath(), staged));
    if (!ready) {
        Prompter::instance().notice(
            tr("Cannot prepare %1 for the archive. The changed copy is kept in %2")
                .arg(qs(w.member), qs(w.copy)),
            Prompter::Icon::Warning);
        return false;
    }
    TZipEngine writer;
    m_form.operations().wireWaiting(writer);
    writer.setZipFilename(w.archive);
    writer.AddBaseDir = stage.path().toStdString();
    writer.FSpecArgs = { escapeSpec(w.member) };
    writer.AddOptions = { AddOptsEnum::AddDirNames, AddOptsEnum::AddHiddenFiles };
    writer.AddCompLevel = w.level;
    writer.Add();
    m_form.operations().progress().endWaiting();
    if (writer.SuccessCount == 0) {
        Prompter::instance().notice(failureText(writer.LastResult()) + QLatin1Char('\n')
                + tr("The changed copy is kept in %1").arg(qs(w.copy)),
            Prompter::Icon::Warning);
        return false;
    }
    return true;
}
