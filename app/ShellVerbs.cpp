#include "ShellVerbs.h"

#include "LnEUnit.h"
#include "Paths.h"
#include "Prompter.h"
#include "ZipEngine.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

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
    bool question(const QString &text, Icon) override
    {
        print(text);
        return false;
    }
    void error(const QString &text) override { print(text); }

private:
    static void print(const QString &text)
    {
        std::fprintf(stderr, "ambermox: %s\n", text.toLocal8Bit().constData());
    }
};

// Everything that went wrong during one verb, told once at its end.
class Problems : public EngineNotices
{
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
            if (isFailureMessage(errCode))
                add(message);
        };
    }
    // The exit status: 0 when nothing went wrong, else status after one notice.
    int finish(int status)
    {
        if (m_lines.isEmpty())
            return 0;
        m_lines.removeDuplicates();
        Prompter::instance().notice(m_lines.join(QLatin1Char('\n')), Prompter::Icon::Warning);
        return status;
    }

private:
    QStringList m_lines;
};

int saveToZip(const QString &folder, Problems &problems)
{
    const QFileInfo info(folder);
    if (!info.isDir()) {
        problems.add("The folder \"" + folder.toStdString() + "\" does not exist.");
        return problems.finish(2);
    }
    TZipEngine engine;
    problems.watch(engine);
    const QString before = QDir::currentPath();
    try {
        engine.setZipFilename(archiveForFolder(folder.toStdString()));
        // Paths relative to the folder keep its structure: two "readme.txt"
        // in different subfolders stay two members.
        engine.AddOptions = { AddOptsEnum::AddDirNames, AddOptsEnum::AddRecurseDirs,
            AddOptsEnum::AddHiddenFiles };
        engine.AddCompLevel = 9;
        engine.FSpecArgs = { "*.*" };
        if (!QDir::setCurrent(folder)) {
            problems.add("Could not find the folder \"" + folder.toStdString() + "\".");
            return problems.finish(1);
        }
        // The library never adds the archive it writes to itself.
        engine.Add();
    } catch (const std::exception &e) {
        problems.add(e.what());
    }
    QDir::setCurrent(before);
    return problems.finish(1);
}

int extract(ShellVerb verb, const QString &archive, Problems &problems)
{
    const QFileInfo info(archive);
    if (!info.isFile()) {
        problems.add(archive.toStdString() + " not found");
        return problems.finish(2);
    }
    TLnEForm form;
    // Cancel is not a success.
    form.endProgram = [] {
        std::fflush(nullptr);
        std::_Exit(1);
    };
    TZipEngine &engine = form.ZipEngine1;
    problems.watch(engine);
    try {
        engine.setZipFilename(archive.toStdString());
        if (!engine.DirectoryNotice().empty() || engine.EntryCount() == 0) {
            problems.add(engine.DirectoryNotice().empty() ? "No valid zip entries found"
                                                          : engine.DirectoryNotice());
            return problems.finish(1);
        }
        QString target = info.absolutePath();
        ExtrOpts options { ExtrOptsEnum::ExtrDirNames, ExtrOptsEnum::ExtrOverWrite };
        if (verb == ShellVerb::ExtractToSubfolder) {
            target = qs(subfolderFor(archive.toStdString()));
            // Into a folder that is already there, but without replacing what it holds.
            if (QFileInfo(target).isDir())
                options.erase(ExtrOptsEnum::ExtrOverWrite);
            else if (!QDir().mkdir(target)) {
                problems.add("Could not create the folder \"" + target.toStdString() + "\".");
                return problems.finish(1);
            }
        }
        engine.ExtrBaseDir = withSlash(target.toStdString());
        engine.ExtrOptions = options;
        engine.FSpecArgs = { "*.*" };
        int64_t total = 0;
        for (const ZipDirEntry &e : engine.Entries())
            if (!e.isFolder())
                total += static_cast<int64_t>(e.UncompressedSize64);
        form.start(total);
        form.show();
        engine.Extract();
        form.close();
    } catch (const std::exception &e) {
        problems.add(e.what());
    }
    return problems.finish(1);
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
    const std::string name = archive.substr(folder.size());
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
        problems.add("No file or folder was given.");
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

void useOffscreenWithoutDisplay()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
