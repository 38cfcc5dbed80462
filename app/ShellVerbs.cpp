#include "ShellVerbs.h"

#include "AddRun.h"
#include "ListVerb.h"
#include "LnEUnit.h"
#include "PasswordQuestion.h"
#include "Paths.h"
#include "Prompter.h"
#include "ZipEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

// The libraries' code for a file kept because it exists (not a failure).
constexpr int32_t kExists = 13;

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// Without a screen nobody could close a message box: notices go to the
// standard error instead, and nothing waits.
class ConsolePrompter : public DialogPrompter
{
public:
    void notice(const QString &text, Icon) override { print(text); }
    bool question(const QString &text, Icon, Default) override
    {
        print(text);
        return false;
    }
    void error(const QString &text) override { print(text); }
    // Nobody to type it: the encrypted members are skipped and named.
    bool askPassword(const QString &, bool, QByteArray &, bool &) override { return false; }

private:
    static void print(const QString &text)
    {
        // Member names never reach the terminal raw; each line escaped as -l does.
        QStringList lines = text.split(QLatin1Char('\n'));
        for (QString &line : lines)
            line = QString::fromStdString(escapeListText(line.toStdString()));
        std::fprintf(
            stderr, "ambermox: %s\n", lines.join(QLatin1Char('\n')).toLocal8Bit().constData());
    }
};

// Everything that went wrong during one verb, told once at its end.
class Problems : public EngineNotices
{
    Q_DECLARE_TR_FUNCTIONS(Problems)

public:
    void showNotice(const std::string &text) override { add(text); }
    void add(const std::string &text)
    {
        if (!text.empty())
            m_lines.append(qs(text));
    }
    void watch(TZipEngine &engine)
    {
        engine.setNotices(this);
        engine.OnMessage = [this](TZipEngine &, int32_t errCode, const std::string &message) {
            if (errCode == kExists)
                ++m_kept;
            else if (isFailureMessage(errCode))
                add(message);
        };
    }
    // Where files that were there already are kept, counted for the notice.
    void keepIn(const QString &folder) { m_keptIn = folder; }
    // The exit status: 0 when nothing went wrong, else status after one notice.
    int finish(int status)
    {
        m_lines.removeDuplicates();
        QStringList lines = m_lines;
        if (m_kept > 0)
            lines.append(m_kept == 1
                    ? tr("1 file already in \"%1\" was kept as it was.").arg(m_keptIn)
                    : tr("%n files already in \"%1\" were kept as they were.", nullptr, m_kept)
                          .arg(m_keptIn));
        if (lines.isEmpty())
            return 0;
        Prompter::instance().notice(lines.join(QLatin1Char('\n')),
            m_lines.isEmpty() ? Prompter::Icon::Information : Prompter::Icon::Warning);
        return m_lines.isEmpty() ? 0 : status;
    }

private:
    QStringList m_lines;
    QString m_keptIn;
    int m_kept = 0;
};

// Opens the archive a verb works on into engine: 0, else the exit status
// after the problem went to problems (2: missing, no archive, unreadable).
int readArchive(TZipEngine &engine, const QString &archive, bool mayBeMissing, Problems &problems)
{
    const std::string path = archive.toStdString();
    const std::string problem = archivePathProblem(path);
    if (!problem.empty() && !(mayBeMissing && !QFileInfo::exists(archive))) {
        problems.add(path + ": " + problem);
        return 2;
    }
    try {
        // Where the gauge keeps moving; problems is not touched on this
        // thread until it returns.
        TZipEngine::runHostedWork([&] {
            engine.setZipFilename(path);
        });
    } catch (const std::exception &e) {
        problems.add(e.what());
        return 2;
    }
    if (!engine.DirectoryDamage().empty()) {
        problems.add(engine.DirectoryNotice());
        return 2;
    }
    if (engine.EntryCount() == 0 && problem.empty() && holdsNoArchive(path)) {
        problems.add(QCoreApplication::translate("ShellVerbs", "%1: not a ZIP archive")
                         .arg(qs(path))
                         .toStdString());
        return 2;
    }
    return 0;
}

int saveToZip(const QString &folder, Problems &problems)
{
    const QFileInfo info(folder);
    if (!info.isDir()) {
        problems.add(QCoreApplication::translate("ShellVerbs", "The folder \"%1\" does not exist.")
                         .arg(folder)
                         .toStdString());
        return problems.finish(2);
    }
    TLnEForm form;
    form.forAdding();
    // Cancel stops the library, which leaves the archive as it was.
    bool cancelled = false;
    form.endProgram = [&cancelled] {
        cancelled = true;
    };
    // Nothing is told while the gauge shows.
    const auto finish = [&form, &problems](int status) {
        form.close();
        return problems.finish(status);
    };
    TZipEngine &engine = form.ZipEngine1;
    problems.watch(engine);
    form.reading();
    form.show();
    QCoreApplication::processEvents();
    // Into an archive that is there already, never over a file that is none.
    if (const int status =
            readArchive(engine, qs(archiveForFolder(folder.toStdString())), true, problems))
        return finish(status);
    // Checked; the library reads the directory itself, and nobody lists the
    // archive after the add.
    engine.useArchive(archiveForFolder(folder.toStdString()));
    try {
        // Paths relative to the folder keep its structure: two "readme.txt"
        // in different subfolders stay two members.
        engine.AddOptions = { AddOptsEnum::AddDirNames, AddOptsEnum::AddRecurseDirs,
            AddOptsEnum::AddHiddenFiles };
        engine.AddCompLevel = 9;
        engine.WriterWaitSeconds = kVerbWriterWaitSeconds;
        engine.FSpecArgs = { "*.*" };
        // Added from the folder, handed to the library open; a folder that
        // cannot be opened is told by the engine. The library never adds the
        // archive it writes to itself.
        engine.AddBaseDir = folder.toStdString();
        // A Cancel while the window started is a request the library never saw.
        if (!cancelled)
            engine.Add();
    } catch (const std::exception &e) {
        problems.add(e.what());
    }
    const int status = finish(1);
    return cancelled ? 1 : status;
}

int extract(ShellVerb verb, const QString &archive, Problems &problems)
{
    const QFileInfo info(archive);
    TLnEForm form;
    // Cancel is not a success.
    form.endProgram = [] {
        std::fflush(nullptr);
        std::_Exit(1);
    };
    // Nothing is told while the gauge shows.
    const auto finish = [&form, &problems](int status) {
        form.close();
        return problems.finish(status);
    };
    TZipEngine &engine = form.ZipEngine1;
    problems.watch(engine);
    askPasswords(engine);
    // On screen at once, busy while the directory is read.
    form.reading();
    form.show();
    QCoreApplication::processEvents();
    if (const int status = readArchive(engine, archive, false, problems))
        return finish(status);
    try {
        // A directory that disagrees with its members, or no member at all: nothing to extract.
        if (!engine.DirectoryNotice().empty() || engine.EntryCount() == 0) {
            problems.add(engine.DirectoryNotice().empty()
                    ? QCoreApplication::translate("ShellVerbs", "No valid zip entries found")
                          .toStdString()
                    : engine.DirectoryNotice());
            return finish(1);
        }
        QString target = info.absolutePath();
        ExtrOpts options { ExtrOptsEnum::ExtrDirNames, ExtrOptsEnum::ExtrOverWrite };
        if (verb == ShellVerb::ExtractToSubfolder) {
            target = qs(subfolderFor(archive.toStdString()));
            // Into a folder that is already there, but without replacing what it holds.
            if (QFileInfo(target).isDir()) {
                options.erase(ExtrOptsEnum::ExtrOverWrite);
                problems.keepIn(target);
            } else if (!QDir().mkdir(target)) {
                problems.add(
                    QCoreApplication::translate("ShellVerbs", "Could not create the folder \"%1\".")
                        .arg(target)
                        .toStdString());
                return finish(1);
            }
        }
        engine.ExtrBaseDir = withSlash(target.toStdString());
        engine.ExtrOptions = options;
        engine.FSpecArgs = { "*.*" };
        int64_t total = 0;
        for (const ArchiveMember &m : engine.Entries())
            if (!m.isFolder())
                total += static_cast<int64_t>(m.size);
        form.start(total);
        engine.Extract();
    } catch (const std::exception &e) {
        problems.add(e.what());
    }
    return finish(1);
}

} // namespace

std::optional<ShellVerb> shellVerb(const char *option)
{
    const std::string o = option ? option : "";
    if (o == "-e")
        return ShellVerb::ExtractHere;
    if (o == "-es")
        return ShellVerb::ExtractToSubfolder;
    if (o == "-ad")
        return ShellVerb::SaveToZip;
    return std::nullopt;
}

std::string subfolderFor(const std::string &archive)
{
    const size_t slash = archive.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : archive.substr(0, slash + 1);
    std::string name = archive.substr(folder.size());
    // "src.tar.gz" and "src.tgz" both give "src".
    for (const char *twofold : { ".tar.gz", ".tar.bz2", ".tar.xz", ".tar.zst", ".tar.lz4",
             ".tar.lzma", ".tar.lz", ".tar.Z" }) {
        const std::string suffix = twofold;
        if (name.size() > suffix.size()
            && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
            name.resize(name.size() - suffix.size());
            return folder + name;
        }
    }
    // 7-Zip's own suffix is the one of two letters.
    if (name.size() > 3 && name.compare(name.size() - 3, 3, ".7z") == 0)
        return folder + name.substr(0, name.size() - 3);
    const size_t n = name.size();
    const bool extension =
        n > 4 && name[n - 4] == '.' && name.find('.', n - 3) == std::string::npos;
    return folder + (extension ? name.substr(0, n - 4) : name + "_files");
}

std::string archiveForFolder(const std::string &folder)
{
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path + ".zip";
}

int runShellVerb(ShellVerb verb, const std::string &path)
{
    ConsolePrompter console;
    Prompter *previous = &Prompter::instance();
    const QString platform = QGuiApplication::platformName();
    const bool headless =
        platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
    if (headless)
        Prompter::install(&console);

    Problems problems;
    int status = 0;
    if (path.empty()) {
        problems.add(QCoreApplication::translate("ShellVerbs", "No file or folder was given.")
                         .toStdString());
        status = problems.finish(2);
    } else {
        // A clean absolute path: "folder/." must not put the archive inside the folder.
        const QString clean = QDir::cleanPath(QFileInfo(qs(path)).absoluteFilePath());
        status = verb == ShellVerb::SaveToZip ? saveToZip(clean, problems)
                                              : extract(verb, clean, problems);
    }
    if (headless)
        Prompter::install(previous);
    return status;
}

bool displayGiven()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void useOffscreenWithoutDisplay()
{
    if (!displayGiven())
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
