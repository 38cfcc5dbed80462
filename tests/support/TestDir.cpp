#include "TestDir.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace amxtest {

TestDir::TestDir()
    : TestDir(fs::temp_directory_path())
{
}

TestDir::TestDir(const fs::path &parent)
{
    std::string pattern = (parent / "amxtest-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
}

TestDir::~TestDir()
{
    std::error_code ec;
    // Tests may leave read-only folders behind; make them removable first.
    for (auto it = fs::recursive_directory_iterator(m_path, ec); !ec && it != fs::end(it);
         it.increment(ec))
        if (it->is_directory(ec) && !it->is_symlink(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

fs::path TestDir::createFile(const std::string &rel, const std::string &content)
{
    fs::path file = m_path / rel;
    fs::create_directories(file.parent_path());
    writeFile(file, content);
    return file;
}

fs::path TestDir::createDir(const std::string &rel)
{
    fs::path dir = m_path / rel;
    fs::create_directories(dir);
    return dir;
}

std::string readFile(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const fs::path &file, const std::string &content)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out.write(content.data(), static_cast<std::streamsize>(content.size())))
        throw std::runtime_error("cannot write " + file.string());
}

std::map<std::string, std::string> filesBelow(const fs::path &root)
{
    std::map<std::string, std::string> out;
    for (const auto &entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            out[fs::relative(entry.path(), root).string()] = readFile(entry.path());
    return out;
}

std::string sampleBytes(size_t size, uint32_t seed)
{
    static const char *words[] = { "archive ", "member ", "deflate ", "zip ", "folder ", "name " };
    std::string out;
    out.reserve(size + 16);
    uint32_t x = seed * 2654435761u + 1;
    while (out.size() < size) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        if (x % 3 == 0)
            out += words[x % 6];
        else
            out += static_cast<char>(x >> 24);
    }
    out.resize(size);
    return out;
}

std::string randomBytes(size_t size, unsigned seed)
{
    std::mt19937 gen(seed);
    std::string out(size, '\0');
    for (char &c : out)
        c = char(gen());
    return out;
}

} // namespace amxtest
