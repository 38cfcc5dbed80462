// What the listing fuzzers share: each input written to one file, in a
// folder of the run's own that goes when the run ends, and notices that are
// not shown.
#pragma once

#include "ZipEngine.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace amxfuzz {

class QuietNotices : public EngineNotices
{
public:
    void showNotice(const std::string &) override { }
};

class InputFile
{
public:
    // `name`'s suffix matters to formats that name their member after the file.
    InputFile(const char *prefix, const char *name)
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        m_folder = pattern;
        m_path = m_folder / name;
    }
    ~InputFile()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    const std::filesystem::path &write(const uint8_t *data, size_t size) const
    {
        if (FILE *f = std::fopen(m_path.c_str(), "wb")) {
            std::fwrite(data, 1, size, f);
            std::fclose(f);
        }
        return m_path;
    }

private:
    std::filesystem::path m_folder, m_path;
};

} // namespace amxfuzz
