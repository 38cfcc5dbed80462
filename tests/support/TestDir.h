#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace amxtest {

// A temporary folder removed again at the end of the test.
class TestDir
{
public:
    TestDir();
    // In parent instead of the temporary folder.
    explicit TestDir(const std::filesystem::path &parent);
    ~TestDir();
    TestDir(const TestDir &) = delete;
    TestDir &operator=(const TestDir &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    std::string str() const { return m_path.string(); }
    std::filesystem::path operator/(const std::string &rel) const { return m_path / rel; }

    // Creates the file (and its parent folders) with the given content.
    std::filesystem::path createFile(const std::string &rel, const std::string &content = {});
    std::filesystem::path createDir(const std::string &rel);

private:
    std::filesystem::path m_path;
};

std::string readFile(const std::filesystem::path &file);
void writeFile(const std::filesystem::path &file, const std::string &content);
// Relative path -> content of every file below a folder.
std::map<std::string, std::string> filesBelow(const std::filesystem::path &root);

// Deterministic, partly compressible bytes.
std::string sampleBytes(size_t size, uint32_t seed = 1);
// Bytes no compressor can shrink.
std::string randomBytes(size_t size, unsigned seed);

} // namespace amxtest
