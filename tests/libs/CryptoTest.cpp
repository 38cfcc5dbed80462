// Encrypted members: the extraction code is linked in and its password
// question answered directly, and archives of the peers (7-Zip, Info-ZIP zip,
// bsdtar) must read back exactly; wrong passwords and altered data must never
// leave a file.
#include "Extractor.h"
#include "FileUtil.h"
#include "LibHarness.h"
#include "Peers.h"
#include "Table.h"
#include "TestDir.h"
#include "Updater.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace amxtest;

namespace {

constexpr const char *kSkip = "<skip>";
constexpr const char *kCancel = "<cancel>";

struct Outcome
{
    int32_t count = 0;
    std::vector<int32_t> codes; // of the problems reported
    std::string messages;
    std::vector<std::pair<std::string, bool>> asked; // member, after a wrong one
};

int32_t AMX_STDCALL record(void *context, AmxEvent *r)
{
    auto *o = static_cast<Outcome *>(context);
    if (r->action == AMX_ACTION_MESSAGE && r->errorCode)
        o->codes.push_back(r->errorCode);
    if (r->action == AMX_ACTION_MESSAGE)
        o->messages += std::string(r->text) + "\n";
    return 0;
}

// Extracts (or tests) into `out`, answering the password questions in turn
// with `answers`; once they run out, every further question is skipped.
Outcome extract(const fs::path &archive, const fs::path &out, std::vector<std::string> answers = {},
    bool testOnly = false)
{
    Outcome o;
    fs::create_directories(out);
    amx::Fd base(::open(out.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    amx::ExtractOptions opt;
    opt.archive = archive.string();
    opt.base = base.get();
    opt.testOnly = testOnly;
    size_t next = 0;
    opt.askPassword = [&](const std::string &member, bool wrong) {
        o.asked.emplace_back(member, wrong);
        amx::PasswordReply r;
        r.kind = amx::PasswordReply::Kind::Skip;
        if (next < answers.size()) {
            const std::string &a = answers[next++];
            if (a == kCancel)
                r.kind = amx::PasswordReply::Kind::Cancel;
            else if (a != kSkip)
                r = { amx::PasswordReply::Kind::Password, amx::Secret(a) };
        }
        return r;
    };
    amx::Reporter reporter(record, &o, true);
    amx::ZipError error {};
    o.count = amx::runReported(reporter, error, [&] {
        return amx::extractArchive(opt, reporter);
    });
    return o;
}

bool has(const Outcome &o, amx::ZipError code)
{
    return std::find(o.codes.begin(), o.codes.end(), int32_t(code)) != o.codes.end();
}

// Adds the files below src (all of them) with the encryption chosen.
int32_t addEncrypted(const fs::path &src, const fs::path &archive, amx::Encryption kind,
    const std::string &password, int level)
{
    Outcome o;
    amx::Fd base(::open(src.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    amx::AddOptions opt;
    opt.archive = archive.string();
    opt.base = base.get();
    opt.specs = { amx::NameSpec { ".", false } };
    opt.recurse = true;
    opt.hidden = true;
    opt.level = level;
    opt.encryption = kind;
    opt.password = amx::Secret(password);
    amx::Reporter reporter(record, &o, false);
    amx::ZipError error {};
    int32_t n = amx::runReported(reporter, error, [&] {
        return amx::addFiles(opt, reporter);
    });
    EXPECT_TRUE(o.codes.empty()) << o.messages;
    return n;
}

void expectSameFiles(const fs::path &src, const fs::path &out)
{
    for (const auto &f : fs::recursive_directory_iterator(src)) {
        if (!f.is_regular_file())
            continue;
        fs::path got = out / fs::relative(f.path(), src);
        ASSERT_TRUE(fs::exists(got)) << got;
        EXPECT_TRUE(readFile(f.path()) == readFile(got)) << got;
    }
}

// No file with data below `out`: neither a member nor a temporary. (Some
// writers leave empty files unencrypted.)
bool noFiles(const fs::path &out)
{
    for (const auto &f : fs::recursive_directory_iterator(out))
        if (!f.is_directory() && !(f.is_regular_file() && f.file_size() == 0))
            return false;
    return true;
}

// An archive written by a peer or by us; we read it back, and so must the
// peers named.
struct CryptCase
{
    const char *name;
    const char *make; // run in "src", writes ../a.zip with the password in $P; null: ours
    amx::Encryption kind = amx::Encryption::None;
    int level = 6;
    // Larger than the memory budget: written and read in pieces, one of them stored.
    bool large = false;
    // 7-Zip takes no password outside ASCII for ZIP archives.
    const char *password = "s3cret pass";
    std::vector<const char *> readers = {}; // run in "peer" with the password in $P
};
AMX_ROW_PRINTS_NAME(CryptCase)

const char kSeven[] = "7z x -bd -p\"$P\" ../a.zip";
const char kBsdtar[] = "bsdtar -xf ../a.zip --passphrase \"$P\"";
const char kUnzip[] = "unzip -q -P \"$P\" ../a.zip";
const char kUtf8[] = "pässwörd ☃";
using Enc = amx::Encryption;

const CryptCase kCrypts[] = {
    { "SevenZipAes256", "7z a -tzip -bd -p\"$P\" -mem=AES256 ../a.zip .", Enc::None, 6, true },
    { "SevenZipAes128", "7z a -tzip -bd -p\"$P\" -mem=AES128 ../a.zip ." },
    { "SevenZipStoredAes", "7z a -tzip -bd -mx=0 -p\"$P\" -mem=AES256 ../a.zip ." },
    { "SevenZipZipCrypto", "7z a -tzip -bd -p\"$P\" -mem=ZipCrypto ../a.zip .", Enc::None, 6,
        true },
    { "InfoZip", "zip -q -r -P \"$P\" ../a.zip .", Enc::None, 6, false, kUtf8 },
    // Streamed with data descriptors: the check byte comes from the time.
    { "BsdtarZipCrypto",
        "bsdtar --format zip --options zip:encryption=zipcrypt --passphrase \"$P\" -cf ../a.zip .",
        Enc::None, 6, false, kUtf8 },
    { "BsdtarAes256",
        "bsdtar --format zip --options zip:encryption=aes256 --passphrase \"$P\" -cf ../a.zip .",
        Enc::None, 6, false, kUtf8 },
    { "OursAes256", nullptr, Enc::Aes256, 6, true, "s3cret pass", { kSeven, kBsdtar } },
    { "OursAes256Stored", nullptr, Enc::Aes256, 0, true, "s3cret pass", { kSeven, kBsdtar } },
    { "OursAes256Utf8", nullptr, Enc::Aes256, 6, false, kUtf8, { kBsdtar } },
    { "OursAes256Empty", nullptr, Enc::Aes256, 6, false, "" },
    { "OursZipCrypto", nullptr, Enc::ZipCrypto, 6, true, "s3cret pass",
        { kSeven, kBsdtar, kUnzip } },
    { "OursZipCryptoUtf8", nullptr, Enc::ZipCrypto, 6, false, kUtf8, { kBsdtar, kUnzip } },
};

class EncryptedArchiveTest : public testing::TestWithParam<CryptCase>
{
};

TEST_P(EncryptedArchiveTest, ReadBackAndWrongPasswordsRefused)
{
    const CryptCase &c = GetParam();
    TestDir dir;
    // A short file (AE-2 in some writers), a compressible one, one that does
    // not compress, an empty one.
    dir.createFile("src/short.txt", "tiny");
    dir.createFile("src/sub/text.txt", sampleBytes(300000, 1));
    dir.createFile("src/noise.bin", randomBytes(70000, 2));
    dir.createFile("src/empty");
    if (c.large) {
        dir.createFile("src/large.bin", sampleBytes(20 << 20, 12));
        dir.createFile("src/large-noise.bin", randomBytes(17 << 20, 13)); // stored after all
    }
    const int files = c.large ? 6 : 4;
    const std::string password = c.password;
    const fs::path archive = dir / "a.zip";
    ::setenv("P", c.password, 1);
    if (c.make)
        runOk({ "sh", "-c", c.make }, (dir / "src").string());
    else
        EXPECT_EQ(addEncrypted(dir / "src", archive, c.kind, password, c.level), files + 1);
    for (const char *peer : c.readers) {
        fs::remove_all(dir / "peer");
        fs::create_directories(dir / "peer");
        RunResult r = run({ "sh", "-c", peer }, (dir / "peer").string());
        EXPECT_EQ(r.exitCode, 0) << peer << "\n" << r.out;
        expectSameFiles(dir / "src", dir / "peer");
    }
    ::unsetenv("P");

    // The right password, given once, opens every member.
    Outcome good = extract(archive, dir / "good", { password });
    EXPECT_EQ(std::pair(good.codes.size(), good.asked.size()), std::pair(0ul, 1ul))
        << good.messages;
    expectSameFiles(dir / "src", dir / "good");
    Outcome tested = extract(archive, dir / "t", { password }, true);
    EXPECT_TRUE(tested.codes.empty() && tested.count >= files) << tested.messages;

    // A wrong one is asked again, then skipped: nothing is written. A wrong
    // traditional password passes the check byte once in 256 (the CRC then
    // refuses it without a second question): another wrong one is tried then.
    Outcome wrong;
    std::string guess;
    for (const char *g : { "wrong", "wrong-2", "wrong-3" }) {
        guess = g;
        fs::remove_all(dir / "wrong");
        wrong = extract(archive, dir / "wrong", { guess, kSkip, kCancel });
        if (wrong.asked.size() >= 2 && wrong.asked[1].second)
            break;
    }
    EXPECT_TRUE(has(wrong, amx::ZipError::WrongPassword)) << wrong.messages;
    ASSERT_GE(wrong.asked.size(), 2u);
    EXPECT_EQ(std::pair(wrong.asked[0].second, wrong.asked[1].second), std::pair(false, true));
    EXPECT_TRUE(noFiles(dir / "wrong"));
    EXPECT_EQ(wrong.messages.find(guess + "\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Table, EncryptedArchiveTest, testing::ValuesIn(kCrypts), RowName());

// Our key derivation against OpenSSL's, around the lengths where HMAC
// changes its handling of the key.
TEST(CryptoTest, KeyDerivationMatchesOpenSsl)
{
    const unsigned char salt[16] = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16 };
    for (size_t length : { 0, 1, 8, 55, 63, 64, 65, 100, 200 })
        for (unsigned rounds : { 1u, 2u, 1000u })
            for (size_t saltSize : { 8, 12, 16 }) {
                std::string password = sampleBytes(length, unsigned(length));
                unsigned char ours[66], theirs[66];
                amx::pbkdf2Sha1(amx::Secret(password), salt, saltSize, rounds, ours, 66);
                ASSERT_TRUE(PKCS5_PBKDF2_HMAC(password.data(), int(length), salt, int(saltSize),
                    int(rounds), EVP_sha1(), 66, theirs));
                EXPECT_EQ(std::string(ours, ours + 66), std::string(theirs, theirs + 66))
                    << length << " " << rounds << " " << saltSize;
            }
}

// Finds a wrong password whose check byte passes for the archive's only
// member, as one in 256 do.
std::string falsePass(const fs::path &archive)
{
    RunResult r = python(R"(
import sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
i = z.infolist()[0]
f = open(sys.argv[1], 'rb'); f.seek(i.header_offset + 26)
n, m = [int.from_bytes(f.read(2), 'little') for _ in range(2)]
f.seek(i.header_offset + 30 + n + m); head = f.read(12)
check = (i._raw_time >> 8) if i.flag_bits & 8 else (i.CRC >> 24)
for k in range(100000):
    p = ('w%d' % k).encode()
    if zipfile._ZipDecrypter(p)(head)[11] == check:
        print(p.decode()); break
)",
        { archive.string() });
    EXPECT_EQ(r.exitCode, 0) << r.out;
    return r.out.substr(0, r.out.find('\n'));
}

TEST(CryptoTest, PasswordPassingTheCheckByteByChanceIsWrong)
{
    for (const char *method : { "-0", "-6" }) {
        TestDir dir;
        dir.createFile("src/data.txt", sampleBytes(100000, 4));
        runOk(
            { "zip", "-q", method, "-P", "right", "../a.zip", "data.txt" }, (dir / "src").string());
        std::string pass = falsePass(dir / "a.zip");
        ASSERT_FALSE(pass.empty());
        for (bool testOnly : { false, true }) {
            Outcome o = extract(dir / "a.zip", dir / "out", { pass }, testOnly);
            EXPECT_TRUE(o.count == 0 && has(o, amx::ZipError::WrongPassword))
                << method << o.messages;
            EXPECT_TRUE(noFiles(dir / "out"));
        }
    }
}

// A password given for one member may pass the check byte of another's by
// chance: that member's own password is asked for, and both come out.
TEST(CryptoTest, EarlierPasswordPassingTheCheckByteIsNotTakenAsWrong)
{
    TestDir dir;
    dir.createFile("src/b.txt", sampleBytes(20000, 5));
    dir.createFile("src/a.txt", sampleBytes(20000, 6));
    const std::string src = (dir / "src").string(), archive = (dir / "a.zip").string();
    runOk({ "zip", "-q", "-P", "right", archive, "b.txt" }, src);
    const std::string pass = falsePass(archive);
    ASSERT_FALSE(pass.empty());
    runOk({ "zip", "-q", "-P", pass, archive, "a.txt" }, src);
    // a.txt first in the directory, so that its password is the earlier one.
    RunResult swapped = python(R"(
import sys
b = bytearray(open(sys.argv[1], 'rb').read())
e = b.rfind(b'PK\x05\x06'); size = int.from_bytes(b[e+12:e+16], 'little'); at = e - size
first = 46 + sum(int.from_bytes(b[at+k:at+k+2], 'little') for k in (28, 30, 32))
b[at:e] = b[at+first:e] + b[at:at+first]
open(sys.argv[1], 'wb').write(b)
)",
        { archive });
    ASSERT_EQ(swapped.exitCode, 0) << swapped.out;
    Outcome o = extract(archive, dir / "out", { pass, "right" });
    EXPECT_TRUE(o.codes.empty()) << o.messages;
    ASSERT_EQ(o.asked.size(), 2u);
    EXPECT_EQ(o.asked[1], std::make_pair(std::string("b.txt"), false));
    expectSameFiles(dir / "src", dir / "out");
}

// Plain, traditional and AES members with different passwords in one
// archive: each password is asked for once, and adding, replacing and
// deleting members keeps the encrypted ones as they are.
TEST(CryptoTest, MixedArchiveAsksForEachPasswordOnceAndSurvivesRewrites)
{
    TestDir dir;
    dir.createFile("src/plain.txt", "plain");
    dir.createFile("src/old1.txt", sampleBytes(5000, 6));
    dir.createFile("src/old2.txt", sampleBytes(5000, 7));
    dir.createFile("src/aes1.txt", sampleBytes(5000, 8));
    dir.createFile("src/aes2.txt", sampleBytes(5000, 9));
    const std::string src = (dir / "src").string(), archive = (dir / "a.zip").string();
    runOk({ "7z", "a", "-tzip", "-bd", "-psecond", "-mem=AES256", archive, "aes1.txt", "aes2.txt" },
        src);
    runOk({ "zip", "-q", "-P", "first", archive, "old1.txt", "old2.txt" }, src);
    runOk({ "zip", "-q", archive, "plain.txt" }, src);

    Outcome o = extract(archive, dir / "out", { "first", "second", "first" });
    EXPECT_EQ(std::tuple(o.codes.size(), o.count, o.asked.size()), std::tuple(0ul, 5, 3ul))
        << o.messages;
    EXPECT_TRUE(o.asked.size() == 3 && o.asked[1].second); // "first" did not fit aes1.txt
    expectSameFiles(dir / "src", dir / "out");

    // Skip passes over one member; cancel over all the encrypted ones left.
    Outcome skip = extract(archive, dir / "skip", { kSkip, "second" });
    EXPECT_EQ(std::tuple(
                  skip.count, fs::exists(dir / "skip/aes2.txt"), fs::exists(dir / "skip/old2.txt")),
        std::tuple(2, true, false));
    Outcome cancel = extract(archive, dir / "cancel", { kCancel });
    EXPECT_EQ(std::tuple(cancel.asked.size(), cancel.count,
                  std::count(
                      cancel.codes.begin(), cancel.codes.end(), int32_t(amx::ZipError::Encrypted))),
        std::tuple(1ul, 1, 4l));

    dir.createFile("src/new.txt", sampleBytes(3000, 11));
    dir.createFile("src/plain.txt", "plain, newer");
    setTime(dir / "src/plain.txt", ::time(nullptr) + 100);
    Recorder rec;
    EXPECT_EQ(runAdd(src, { .archive = archive, .specs = { "new.txt" } }, rec), 1) << rec.dump();
    EXPECT_EQ(runAdd(src, { .archive = archive, .specs = { "plain.txt" }, .update = true }, rec), 1)
        << rec.dump();
    EXPECT_EQ(runDelete(archive, { "aes2.txt", "old2.txt" }, rec), 2) << rec.dump();
    fs::remove(dir / "src/aes2.txt");
    fs::remove(dir / "src/old2.txt");
    Outcome after = extract(archive, dir / "after", { "second", "first" });
    EXPECT_TRUE(after.codes.empty() && after.count == 4) << after.count << after.messages;
    expectSameFiles(dir / "src", dir / "after");
    runOk({ "7z", "t", "-psecond", archive, "aes1.txt" });
    runOk({ "unzip", "-t", "-P", "first", archive, "old1.txt" });
}

struct QuestionRow
{
    const char *name;
    std::vector<std::string> answers;
    std::vector<uint64_t> attempts; // of the questions asked, in turn
    int32_t done, failed;
};
AMX_ROW_PRINTS_NAME(QuestionRow)

class RequestQuestionTest : public testing::TestWithParam<QuestionRow>
{
};

// Through the request interface the password question reaches the callback:
// an add asks once for the password it encrypts with; an extraction counts
// the wrong answers in the attempt, AMX_GO_ON skips one member and AMX_STOP
// every encrypted one.
TEST_P(RequestQuestionTest, AnswersOfTheCallback)
{
    const QuestionRow &row = GetParam();
    TestDir dir;
    dir.createFile("src/a1.txt", sampleBytes(5000, 8));
    dir.createFile("src/a2.txt", sampleBytes(70000, 9));
    dir.createFile("src/plain.txt", "plain");
    amx::Fd src(::open((dir / "src").c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    Recorder add;
    add.passwords = { "pw one" };
    const RunOutcome added = runRequest({ .operation = AMX_OP_ADD,
                                            .folder = src.get(),
                                            .archive = "../a.zip",
                                            .names = { { "a1.txt" }, { "a2.txt" } },
                                            .encryption = AMX_ENCRYPT_AES256 },
        add);
    ASSERT_EQ(added.done, 2) << add.dump();
    ASSERT_EQ(add.passwordsGiven, 1u);
    runOk({ "zip", "-q", "../a.zip", "plain.txt" }, (dir / "src").string());
    runOk({ "7z", "t", "-bd", "-ppw one", "a.zip" }, dir.str());

    fs::create_directories(dir / "out");
    amx::Fd out(::open((dir / "out").c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    Recorder rec;
    rec.passwords = row.answers;
    const RunOutcome r = runRequest(
        { .operation = AMX_OP_EXTRACT, .folder = out.get(), .archive = "../a.zip" }, rec);
    std::vector<uint64_t> attempts;
    for (const CallbackEvent &e : rec.events)
        if (e.action == AMX_ACTION_PASSWORD)
            attempts.push_back(e.size);
    EXPECT_EQ(
        std::tuple(attempts, r.done, r.failed), std::tuple(row.attempts, row.done, row.failed))
        << rec.dump();
    EXPECT_EQ(fs::exists(dir / "out/a1.txt"), row.done == 3);
    EXPECT_FALSE(rec.hasMessage("nope"));
}

INSTANTIATE_TEST_SUITE_P(Table, RequestQuestionTest,
    testing::Values(QuestionRow { "RightAfterWrong", { "nope", "pw one" }, { 0, 1 }, 3, 0 },
        QuestionRow { "SkipOne", { "<skip>", "pw one" }, { 0, 0 }, 2, 1 },
        QuestionRow { "StopAll", { "<stop>" }, { 0 }, 1, 2 },
        QuestionRow { "NoAnswers", {}, { 0, 0 }, 1, 2 },
        QuestionRow { "WrongThenStop", { "nope", "<stop>" }, { 0, 1 }, 1, 2 }),
    RowName());

// An add without a password ends as cancelled and writes nothing; callers of
// the parameter blocks are never asked.
TEST(CryptoTest, NoPasswordNoArchiveAndBlocksAreNotAsked)
{
    TestDir dir;
    dir.createFile("src/a.txt", "secret");
    amx::Fd src(::open((dir / "src").c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    for (const char *answer : { "<skip>", "<stop>" }) {
        Recorder add;
        add.passwords = { answer };
        const RunOutcome r = runRequest({ .operation = AMX_OP_ADD,
                                            .folder = src.get(),
                                            .archive = "../a.zip",
                                            .names = { { "a.txt" } },
                                            .encryption = AMX_ENCRYPT_ZIPCRYPTO },
            add);
        EXPECT_EQ(r.cancelled, 1) << answer;
        EXPECT_FALSE(fs::exists(dir / "a.zip"));
    }
    runOk({ "zip", "-q", "-P", "pw", "../a.zip", "a.txt" }, (dir / "src").string());
    fs::create_directories(dir / "out");
    Recorder block;
    block.passwords = { "pw" };
    const int32_t done = runExtract((dir / "out").string(), { .archive = "../a.zip" }, block);
    EXPECT_EQ(std::tuple(done, block.passwordsGiven, block.errorCodes()),
        std::tuple(0, 0ul, std::vector<int32_t> { AMX_ERROR_ENCRYPTED }));
}

// An AES member whose sizes are in its ZIP64 records.
TEST(CryptoTest, ReadsZip64Sizes)
{
    TestDir dir;
    dir.createFile("src/one.txt", sampleBytes(3000, 14));
    runOk({ "7z", "a", "-tzip", "-bd", "-pright", "-mem=AES256", "../a.zip", "one.txt" },
        (dir / "src").string());
    RunResult r = python(R"(
import struct, sys
b = bytearray(open(sys.argv[1], 'rb').read())
n, m = struct.unpack_from('<HH', b, 26)
cs, us = struct.unpack_from('<II', b, 18)
z64 = struct.pack('<HHQQ', 1, 16, us, cs)
e = b.rfind(b'PK\x05\x06')
size, c = struct.unpack_from('<II', b, e + 12)
struct.pack_into('<II', b, e + 12, size + 20, c + 20)
cn, cm = struct.unpack_from('<HH', b, c + 28)
struct.pack_into('<II', b, c + 20, 0xffffffff, 0xffffffff)
struct.pack_into('<H', b, c + 30, cm + 20)
b[c + 46 + cn:c + 46 + cn] = z64
struct.pack_into('<II', b, 18, 0xffffffff, 0xffffffff)
struct.pack_into('<H', b, 28, m + 20)
b[30 + n:30 + n] = z64
open(sys.argv[2], 'wb').write(b)
)",
        { (dir / "a.zip").string(), (dir / "z.zip").string() });
    ASSERT_EQ(r.exitCode, 0) << r.out;
    Outcome o = extract(dir / "z.zip", dir / "out", { "right" });
    EXPECT_TRUE(o.codes.empty()) << o.messages;
    EXPECT_EQ(readFile(dir / "out/one.txt"), readFile(dir / "src/one.txt"));
}

// The fuzzer's seeds: the sound ones open with their password; each damaged
// one (no AES record, a wrong strength, a bad verifier, altered data, short
// headers) is refused with its message, also when only tested, and leaves no
// file.
TEST(CryptoTest, FuzzSeedsEndAsIntended)
{
    using amx::ZipError;
    const std::pair<const char *, ZipError> seeds[] = {
        { "aes256.zip", ZipError::None },
        { "aes128-stored.zip", ZipError::None },
        { "aes256-descriptor.zip", ZipError::None },
        { "zipcrypto-7z.zip", ZipError::None },
        { "zipcrypto-zip.zip", ZipError::None },
        { "zipcrypto-descriptor.zip", ZipError::None },
        { "aes-no-record.zip", ZipError::Corrupt },
        { "aes-strength.zip", ZipError::Corrupt },
        { "aes-verifier.zip", ZipError::WrongPassword },
        { "aes-altered-data.zip", ZipError::Unauthentic },
        { "aes-short-salt.zip", ZipError::Corrupt },
        { "zipcrypto-short-header.zip", ZipError::Corrupt },
    };
    for (const auto &[name, code] : seeds) {
        TestDir dir;
        Outcome o = extract(fs::path(AMX_FUZZ_SEEDS) / name, dir / "out", { "fuzz", kSkip });
        if (code == ZipError::None) {
            EXPECT_TRUE(o.codes.empty()) << name << ": " << o.messages;
            EXPECT_GE(o.count, 1) << name;
            continue;
        }
        EXPECT_TRUE(has(o, code)) << name << ": " << o.messages;
        for (const auto &f : fs::directory_iterator(dir / "out")) // the sound "s" at most
            EXPECT_EQ(f.path().filename(), "s") << name;
        Outcome t = extract(fs::path(AMX_FUZZ_SEEDS) / name, dir / "t", { "fuzz", kSkip }, true);
        EXPECT_TRUE(has(t, code)) << name << ": " << t.messages;
    }
}

} // namespace
