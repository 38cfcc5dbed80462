#include "AddRun.h"
#include "Operations.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Worded like the engine's own open errors.
[[noreturn]] void systemError(const char *what, const std::string &path, int error)
{
    throw EngineError(
        QCoreApplication::translate("TAddForm", what)
            .arg(QString::fromStdString(path), QString::fromLocal8Bit(std::strerror(error)))
            .toStdString());
}

} // namespace

AddOpts actionOptions(int action)
{
    switch (action) {
    case 1:
        return { AddOptsEnum::AddRecurseDirs, AddOptsEnum::AddFreshen };
    case 2:
        return { AddOptsEnum::AddRecurseDirs, AddOptsEnum::AddMove };
    case 3:
        return { AddOptsEnum::AddRecurseDirs, AddOptsEnum::AddUpdate };
    default:
        return { AddOptsEnum::AddRecurseDirs };
    }
}

static AddOpts withCheckBoxes(const AddChoices &c)
{
    AddOpts o = actionOptions(c.action);
    if (c.dosNames)
        o.insert(AddOptsEnum::AddForceDOS);
    if (c.zipTime)
        o.insert(AddOptsEnum::AddZipTime);
    if (c.hidden)
        o.insert(AddOptsEnum::AddHiddenFiles);
    return o;
}

AddOpts folderPassOptions(const AddChoices &choices)
{
    AddOpts o = withCheckBoxes(choices);
    o.insert(AddOptsEnum::AddDirNames);
    return o;
}

AddOpts filePassOptions(const AddChoices &choices)
{
    AddOpts o = withCheckBoxes(choices);
    if (choices.folderInfo)
        o.insert(AddOptsEnum::AddDirNames);
    return o;
}

int compressionLevel(int item)
{
    static const int levels[5] = { 9, 6, 3, 0, 0 };
    return item >= 0 && item < 5 ? levels[item] : 9;
}

std::vector<AddPass> planAddPasses(
    const std::string &base, const std::vector<AddItem> &items, const AddChoices &choices)
{
    std::vector<AddPass> passes;
    const AddOpts folderOptions = folderPassOptions(choices);
    AddPass named { base, folderOptions, {} };
    for (const AddItem &item : items) {
        if (!item.folder)
            continue;
        if (choices.folderInfo)
            named.specs.push_back(escapeSpec(item.named) + "/*.*");
        else
            passes.push_back({ item.path + '/', folderOptions, { "*.*" } });
    }
    if (!named.specs.empty())
        passes.push_back(std::move(named));

    AddPass files { base, filePassOptions(choices), {} };
    for (const AddItem &item : items)
        if (!item.folder)
            files.specs.push_back(escapeSpec(item.path));
    if (!files.specs.empty())
        passes.push_back(std::move(files));
    return passes;
}

std::vector<AddPass> addPasses(const std::string &addFolder,
    const std::vector<AddSelected> &selected, const AddChoices &choices)
{
    std::vector<AddItem> items;
    for (const AddSelected &s : selected)
        items.push_back({ addFolder + s.name, s.name, s.folder });
    return planAddPasses(addFolder, items, choices);
}

int64_t fileLength(const std::string &path)
{
    // Non-blocking, so that a named pipe does not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        systemError(QT_TRANSLATE_NOOP("TAddForm", "Cannot open file \"%1\". %2."), path, errno);
    struct stat st
    {
    };
    const int rc = ::fstat(fd, &st);
    const int error = errno;
    ::close(fd);
    if (rc != 0)
        systemError(QT_TRANSLATE_NOOP("TAddForm", "Cannot open file \"%1\". %2."), path, error);
    return S_ISREG(st.st_mode) ? int64_t(st.st_size) : 0;
}

void checkSelectedFiles(
    const std::string &addFolder, const std::vector<AddSelected> &selected, const WalkStop &stop)
{
    for (const AddSelected &s : selected) {
        if (stop && stop())
            return;
        if (!s.folder)
            fileLength(addFolder + s.name);
    }
}

bool deleteIfEmpty(const std::string &archive)
{
    if (fileLength(archive) != 0)
        return false;
    if (::unlink(archive.c_str()) != 0)
        systemError(
            QT_TRANSLATE_NOOP("TAddForm", "Cannot delete file \"%1\". %2."), archive, errno);
    return true;
}

NewArchiveKeeper::NewArchiveKeeper(std::string archive)
    : m_archive(std::move(archive))
    , m_deleted(!m_archive.empty() && deleteIfEmpty(m_archive))
{
}

void NewArchiveKeeper::restore()
{
    if (!std::exchange(m_deleted, false))
        return;
    // O_EXCL: whatever the library wrote, or someone else put there, stays.
    const int fd = ::open(m_archive.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0)
        ::close(fd);
}

std::string cancelledLine(size_t callsMade)
{
    if (callsMade <= 1)
        return QCoreApplication::translate(
            "TAddForm", "Cancelled: nothing was added, the archive is as it was before.")
            .toStdString();
    return QCoreApplication::translate("TAddForm",
        "Cancelled: the files of the last step were not added; the steps before it were.")
        .toStdString();
}

void checkFolder(const std::string &folder)
{
    if (!amx::FolderHandle::open(folder).valid())
        systemError(
            QT_TRANSLATE_NOOP("TAddForm", "Cannot change to folder \"%1\". %2."), folder, errno);
}

bool runAddPasses(TZipEngine &engine, Operations &operations, const std::vector<AddPass> &passes,
    const AddCheck &check, std::vector<AddPass> &calls)
{
    // The events a progress report lets through may be the user interrupting
    // the add; the engine forgets the request when its call ends.
    bool interrupted = false;
    // Each pass's library tells the bytes it will add once it has found the
    // files; the bar counts the passes before it too.
    int64_t before = 0, passTotal = 0;
    struct Watch
    {
        TZipEngine &engine;
        TProgressEvent inner;
        ~Watch()
        {
            engine.OnProgress = std::move(inner);
            engine.OnAddStart = nullptr;
            engine.AddBaseDir.clear();
        }
    } watch { engine, engine.OnProgress };
    engine.OnProgress = [&](TZipEngine &sender, ProgressType type, const std::string &name,
                            int64_t size) {
        if (type == ProgressType::ProgressTotal) {
            passTotal = size;
            operations.setTotal(before + size);
        } else if (watch.inner) {
            watch.inner(sender, type, name, size);
        }
        interrupted = interrupted || sender.stopRequested();
    };
    // The total is not known yet: the bar shows the walk as busy.
    Operations::Running running(operations, engine, 0);
    // Whatever the user asks once the job runs ends the check and the add.
    engine.OnAddStart = [&](TZipEngine &sender) {
        const WalkStop stop = [&sender] {
            return sender.stopRequested();
        };
        if (check)
            check(stop);
        interrupted = stop();
        return !interrupted;
    };
    for (const AddPass &pass : passes) {
        if (interrupted)
            break;
        // The pass's folder is handed to the library open: the process stays where it is.
        std::error_code error;
        std::string dir = std::filesystem::canonical(pass.currentDir, error).string();
        if (!dir.empty() && dir.back() != '/')
            dir += '/';
        calls.push_back({ dir, pass.options, pass.specs });
        engine.AddBaseDir = pass.currentDir;
        engine.AddOptions = pass.options;
        engine.FSpecArgs = pass.specs;
        engine.Add();
        before += std::exchange(passTotal, 0);
    }
    return interrupted;
}
