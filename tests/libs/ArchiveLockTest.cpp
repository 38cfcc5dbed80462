// The lock file that stands in for flock on file systems without it: a second
// writer waits while the first holds it, and one left by a writer that died
// is taken over. The flock way is the two-writer cases of the data-safety test.
#include "ArchiveLock.h"
#include "TestDir.h"
#include "ZipError.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace amxtest;
namespace fs = std::filesystem;

namespace {

using Method = amx::ArchiveLock::Method;

// How often a second writer was told to wait before it gave up at once.
int waitsOfSecondWriter(const std::string &archive, Method method)
{
    int waits = 0;
    try {
        amx::ArchiveLock second(
            AT_FDCWD, archive,
            [&] {
                ++waits;
                throw amx::Cancelled();
            },
            method);
    } catch (const amx::Cancelled &) {
    }
    return waits;
}

TEST(ArchiveLockTest, SecondWriterWaits)
{
    for (const Method method : { Method::Auto, Method::LockFile })
        for (const bool exists : { true, false }) {
            SCOPED_TRACE(std::to_string(int(method)) + (exists ? " existing" : " new"));
            TestDir dir;
            const std::string archive = (dir / "a.zip").string();
            if (exists)
                dir.createFile("a.zip", "PK");
            {
                amx::ArchiveLock first(
                    AT_FDCWD, archive,
                    [] {
                        FAIL() << "nobody else writes";
                    },
                    method);
                EXPECT_EQ(waitsOfSecondWriter(archive, method), 1);
            }
            EXPECT_EQ(waitsOfSecondWriter(archive, method), 0) << "released";
            EXPECT_EQ(fs::exists(archive), exists);
            EXPECT_FALSE(fs::exists(dir / ".a.zip.amxlock"));
        }
}

TEST(ArchiveLockTest, LockFileOfAWriterThatDiedIsTakenOver)
{
    TestDir dir;
    const std::string archive = (dir / "a.zip").string();
    pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    dir.createFile(".a.zip.amxlock", std::to_string(gone) + " " + host + "\n");
    EXPECT_EQ(waitsOfSecondWriter(archive, Method::LockFile), 0);
    // One of a writer that runs, here or elsewhere, is respected.
    dir.createFile(".a.zip.amxlock", std::to_string(getpid()) + " " + host + "\n");
    EXPECT_EQ(waitsOfSecondWriter(archive, Method::LockFile), 1);
    dir.createFile(".a.zip.amxlock", std::to_string(gone) + " other-host\n");
    EXPECT_EQ(waitsOfSecondWriter(archive, Method::LockFile), 1);
}

} // namespace
