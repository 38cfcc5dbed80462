// Building a self-extracting program: the stub, a short settings header and
// the archive's bytes unchanged, one after the other. The stub reads the
// header right after its own image, so the layout below is fixed.
#pragma once

#include <stdexcept>
#include <string>

// The header's three settings as typed (UTF-8).
struct SfxSettings
{
    std::string folder; // the default folder to extract into; "%temp%" is the user's temp folder
    std::string caption;
    std::string command; // run in the folder after extracting
};

// The three strings share the one-byte header length with its seven fixed bytes.
constexpr size_t kSfxMaxText = 255 - 7;

// "AMX", the header's length H, the lengths of caption, folder and command
// (255 for an empty one), then the three strings end to end.
std::string sfxHeader(const SfxSettings &settings);

// Beside the archive: its name with a three-character extension replaced by
// "EXE" ("tools.zip" -> "tools.EXE"), or ".EXE" appended to a name without
// one ("docs/ab" -> "docs/ab.EXE").
std::string sfxOutputName(const std::string &archive);

// Why the self-extractor cannot be built, for the user; empty when it can.
std::string sfxRefusal(const SfxSettings &settings, const std::string &archive);

// The stub in the program's folder, or where an installation puts it.
std::string sfxStubPath(const std::string &programFolder);

class SfxError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Writes stub + header + archive to output with its execute bits. The output
// is written beside itself under a temporary name and replaces an existing
// file only when complete. Throws SfxError with the text for the user.
void writeSelfExtractor(const std::string &stub, const SfxSettings &settings,
    const std::string &archive, const std::string &output);
