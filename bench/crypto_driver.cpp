// Drives the extraction and add code with a password, for crypto_bench.py:
//   crypto_driver x ARCHIVE FOLDER        extracts into FOLDER (replacing files)
//   crypto_driver a ARCHIVE FOLDER LEVEL  adds everything below FOLDER
// The password comes from AMX_BENCH_PASSWORD; unset, nothing is encrypted.
// Exit status 0 when something was done and nothing was reported.
#include "Extractor.h"
#include "FileUtil.h"
#include "Updater.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

bool problems = false;

int32_t AMX_STDCALL callback(void *, AmxEvent *r)
{
    if (r->action == AMX_ACTION_MESSAGE && r->errorCode) {
        std::fprintf(stderr, "%s\n", r->text);
        problems = true;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4 || (argv[1][0] == 'a' && argc < 5)) {
        std::fprintf(stderr, "usage: crypto_driver x|a ARCHIVE FOLDER [LEVEL]\n");
        return 2;
    }
    const char *password = std::getenv("AMX_BENCH_PASSWORD");
    amx::Fd folder(::open(argv[3], O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    amx::Reporter reporter(callback, nullptr, false);
    amx::ZipError error {};
    int32_t done = 0;
    if (argv[1][0] == 'x') {
        amx::ExtractOptions o;
        o.archive = argv[2];
        o.base = folder.get();
        o.overwrite = true;
        if (password)
            o.askPassword = [&](const std::string &, bool wrong) {
                return wrong ? amx::PasswordReply {}
                             : amx::PasswordReply { amx::PasswordReply::Kind::Password,
                                   amx::Secret(password) };
            };
        done = amx::runReported(reporter, error, [&] {
            return amx::extractArchive(o, reporter);
        });
    } else {
        amx::AddOptions o;
        o.archive = argv[2];
        o.base = folder.get();
        o.specs = { amx::NameSpec { ".", false } };
        o.recurse = true;
        o.hidden = true;
        o.level = std::atoi(argv[4]);
        if (password) {
            o.encryption = amx::Encryption::Aes256;
            o.password = amx::Secret(password);
        }
        done = amx::runReported(reporter, error, [&] {
            return amx::addFiles(o, reporter);
        });
    }
    return done > 0 && !problems ? 0 : 1;
}
