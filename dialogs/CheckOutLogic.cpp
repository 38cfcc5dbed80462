#include "CheckOutLogic.h"

#include "DesktopEntryFile.h"
#include "EngineError.h"

#include <QCoreApplication>
#include <QUrl>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <set>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Marks the entries a check-out wrote, so a later one into the same group
// replaces them and leaves the user's own files alone.
constexpr const char *kMarker = "X-Ambermox-CheckOut=true";

std::string lowered(std::string text)
{
    for (char &c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string nameOf(const std::string &member)
{
    const size_t slash = member.rfind('/');
    return slash == std::string::npos ? member : member.substr(slash + 1);
}

// The '/'-separated parts of a path, without empty and "." parts.
std::vector<std::string> partsOf(const std::string &path)
{
    std::vector<std::string> parts;
    size_t pos = 0;
    while (pos <= path.size()) {
        size_t slash = path.find('/', pos);
        if (slash == std::string::npos)
            slash = path.size();
        std::string part = path.substr(pos, slash - pos);
        pos = slash + 1;
        if (!part.empty() && part != ".")
            parts.push_back(std::move(part));
    }
    return parts;
}

struct Fd
{
    int fd;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Removes the entries an earlier check-out wrote into the group.
void removeOurEntries(int group)
{
    const int fd = ::fcntl(group, F_DUPFD_CLOEXEC, 0);
    DIR *dir = fd < 0 ? nullptr : ::fdopendir(fd);
    if (!dir) {
        if (fd >= 0)
            ::close(fd);
        return;
    }
    std::vector<std::string> ours;
    while (const dirent *e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name.ends_with(".desktop") && carriesMark(group, name, kMarker))
            ours.push_back(name);
    }
    ::closedir(dir);
    for (const std::string &name : ours)
        ::unlinkat(group, name.c_str(), 0);
}

} // namespace

std::string archiveBaseName(const std::string &archive)
{
    const std::string name = nameOf(archive);
    const size_t dot = name.rfind('.');
    const std::string base = dot == std::string::npos ? name : name.substr(0, dot);
    return base.find_first_not_of('.') == std::string::npos ? "archive" : base;
}

std::string checkOutFolderProblem(const std::string &folder)
{
    // A relative folder would depend on where the program was started.
    return !folder.empty() && folder.front() == '/'
        ? std::string()
        : QCoreApplication::translate("TCheckOut", "the folder is not a full path").toStdString();
}

std::string groupNameProblem(const std::string &group)
{
    const std::vector<std::string> parts = partsOf(group);
    if (parts.empty())
        return QCoreApplication::translate("TCheckOut", "a group needs a name").toStdString();
    for (const std::string &part : parts)
        if (part == "..")
            return QCoreApplication::translate(
                "TCheckOut", "a group name cannot lead out of the applications folder")
                .toStdString();
    return {};
}

std::string extractedPath(const std::string &member)
{
    std::string path = member;
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.size() >= 2 && path[1] == ':'
        && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')))
        path.erase(0, 2);
    std::string out;
    for (const std::string &part : partsOf(path)) {
        if (part == "..")
            continue;
        if (!out.empty())
            out += '/';
        out += part;
    }
    return out;
}

std::string proposedCheckOutFolder(
    const std::string &base, const std::string &volumeRoot, bool useHome, const std::string &home)
{
    std::string folder = useHome ? home : volumeRoot;
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder + base;
}

bool isProgramOrDocument(const std::string &name, bool executable)
{
    static const std::array<const char *, 10> kExtensions = { ".hlp", ".exe", ".com", ".txt",
        ".doc", ".wri", ".sh", ".pdf", ".odt", ".html" };
    if (executable)
        return true;
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return false;
    const std::string ext = lowered(name.substr(dot));
    return std::find(kExtensions.begin(), kExtensions.end(), ext) != kExtensions.end();
}

std::optional<int> parseMaxIcons(const std::string &text)
{
    if (text.empty())
        return 0;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

std::vector<GroupEntry> groupEntries(const std::vector<std::string> &members,
    const std::string &folder, bool onlyProgramsAndDocuments, int maxIcons,
    const std::function<TargetKind(const std::string &target)> &kindOf)
{
    std::string base = folder;
    if (base.empty() || base.back() != '/')
        base += '/';
    std::vector<GroupEntry> entries;
    std::set<std::string> taken;
    for (const std::string &member : members) {
        if (maxIcons > 0 && entries.size() >= static_cast<size_t>(maxIcons))
            break;
        const std::string written = extractedPath(member);
        const std::string name = nameOf(written);
        if (name.empty() || member.back() == '/' || member.back() == '\\')
            continue; // a folder entry
        const std::string target = base + written;
        const TargetKind kind = kindOf(target);
        if (kind == TargetKind::Missing)
            continue; // not extracted: nothing to open
        if (onlyProgramsAndDocuments && !isProgramOrDocument(name, kind == TargetKind::Executable))
            continue;
        // Leading dots would hide the entry (".profile" gives "profile").
        const std::string shown = name.substr(std::min(name.find_first_not_of('.'), name.size()));
        const size_t dot = shown.find('.');
        std::string stem = shown.substr(0, dot);
        if (stem.empty())
            stem = name;
        std::string candidate = stem;
        if (taken.count(candidate))
            candidate = shown.empty() ? name : shown;
        for (int n = 2; taken.count(candidate); ++n)
            candidate = (shown.empty() ? name : shown) + " (" + std::to_string(n) + ")";
        taken.insert(candidate);
        entries.push_back({ candidate, target, name });
    }
    return entries;
}

std::string desktopEntryText(const GroupEntry &entry, const std::string &icon)
{
    const QByteArray url =
        QUrl::fromLocalFile(QString::fromStdString(entry.target)).toEncoded(QUrl::FullyEncoded);
    std::string text = "[Desktop Entry]\nType=Link\n";
    text += "Name=" + desktopEntryValue(entry.description) + "\n";
    text += "URL=" + desktopEntryValue(url.toStdString()) + "\n";
    if (!icon.empty())
        text += "Icon=" + desktopEntryValue(icon) + "\n";
    text += std::string(kMarker) + "\n";
    return text;
}

std::vector<std::string> writeProgramGroup(const std::string &applications,
    const std::string &group, const std::vector<GroupEntry> &entries,
    const std::function<std::string(const std::string &target)> &iconFor)
{
    const std::string shown = applications + "/" + group;
    if (const std::string problem = groupNameProblem(group); !problem.empty())
        throw EngineError(
            QCoreApplication::translate("TCheckOut", "Unable to create the program group %1: %2")
                .arg(QString::fromStdString(shown), QString::fromStdString(problem))
                .toStdString());
    // The applications folder is the user's to place (a link to elsewhere
    // included); below it, nothing but real folders of the group's own.
    std::string made;
    for (const std::string &part : partsOf(applications)) {
        made += "/" + part;
        ::mkdir(made.c_str(), 0755);
    }
    Fd apps { ::open(applications.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) };
    Fd folder { apps.fd < 0 ? -1 : openOwnFolder(apps.fd, group) };
    if (folder.fd < 0)
        throw EngineError(
            QCoreApplication::translate("TCheckOut", "Unable to create the program group %1: %2")
                .arg(QString::fromStdString(shown), QString::fromLocal8Bit(std::strerror(errno)))
                .toStdString());
    removeOurEntries(folder.fd);
    std::vector<std::string> problems;
    for (const GroupEntry &entry : entries) {
        const std::string text = desktopEntryText(entry, iconFor(entry.target));
        if (!writeMarkedEntry(folder.fd, entry.stem, text, kMarker).empty())
            continue;
        if (errno == ENAMETOOLONG)
            problems.push_back(QCoreApplication::translate("TCheckOut",
                "No launcher was made for \"%1\": its name is too long for a file name.")
                                   .arg(QString::fromStdString(entry.description))
                                   .toStdString());
        else
            problems.push_back(
                QCoreApplication::translate("TCheckOut", "No launcher was made for \"%1\": %2")
                    .arg(QString::fromStdString(entry.description),
                        QString::fromLocal8Bit(std::strerror(errno)))
                    .toStdString());
    }
    return problems;
}
