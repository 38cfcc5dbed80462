#include "CheckOutLogic.h"

#include "EngineError.h"

#include <QUrl>

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>

namespace fs = std::filesystem;

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

// Values of a desktop entry hold no line breaks; backslashes are escapes.
std::string escapedValue(const std::string &text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool writtenByCheckOut(const fs::path &file)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line))
        if (line == kMarker)
            return true;
    return false;
}

} // namespace

std::string archiveBaseName(const std::string &archive)
{
    const std::string name = nameOf(archive);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
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
    const std::function<bool(const std::string &target)> &isExecutable)
{
    std::string base = folder;
    if (base.empty() || base.back() != '/')
        base += '/';
    std::vector<GroupEntry> entries;
    std::set<std::string> taken;
    for (const std::string &member : members) {
        if (maxIcons > 0 && entries.size() >= static_cast<size_t>(maxIcons))
            break;
        const std::string name = nameOf(member);
        if (name.empty())
            continue; // a folder entry
        const std::string target = base + member;
        if (onlyProgramsAndDocuments && !isProgramOrDocument(name, isExecutable(target)))
            continue;
        // A name without a stem (".profile", "README") is named in full
        // rather than giving a hidden ".desktop".
        const size_t dot = name.find('.');
        std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
        std::string candidate = stem;
        if (taken.count(candidate))
            candidate = name;
        for (int n = 2; taken.count(candidate); ++n)
            candidate = name + " (" + std::to_string(n) + ")";
        taken.insert(candidate);
        entries.push_back({ candidate + ".desktop", target, name });
    }
    return entries;
}

std::string desktopEntryText(const GroupEntry &entry, const std::string &icon)
{
    const QByteArray url =
        QUrl::fromLocalFile(QString::fromStdString(entry.target)).toEncoded(QUrl::FullyEncoded);
    std::string text = "[Desktop Entry]\nType=Link\n";
    text += "Name=" + escapedValue(entry.description) + "\n";
    text += "URL=" + escapedValue(url.toStdString()) + "\n";
    if (!icon.empty())
        text += "Icon=" + escapedValue(icon) + "\n";
    text += std::string(kMarker) + "\n";
    return text;
}

void writeProgramGroup(const std::string &group, const std::vector<GroupEntry> &entries,
    const std::function<std::string(const std::string &target)> &iconFor)
{
    const fs::path folder(group);
    std::error_code ec;
    if (fs::is_directory(folder, ec)) {
        std::vector<fs::path> ours;
        for (const fs::directory_entry &file : fs::directory_iterator(folder, ec))
            if (file.path().extension() == ".desktop" && file.is_regular_file(ec)
                && writtenByCheckOut(file.path()))
                ours.push_back(file.path());
        for (const fs::path &file : ours)
            fs::remove(file, ec);
    } else if (!fs::create_directories(folder, ec)) {
        throw EngineError("Unable to create the program group " + group);
    }
    for (const GroupEntry &entry : entries) {
        const fs::path file = folder / entry.fileName;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << desktopEntryText(entry, iconFor(entry.target));
        out.close();
        if (!out)
            throw EngineError("Unable to write " + file.string());
    }
}
