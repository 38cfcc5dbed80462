#include "Extractor.h"

#include "ArchiveReader.h"
#include "Codec.h"
#include "Crypto.h"
#include "FileUtil.h"
#include "LinkTarget.h"
#include "ParallelInflate.h"
#include "Pipeline.h"
#include "SafePath.h"
#include "SafeWriter.h"
#include "Wildcard.h"
#include "ZipFormat.h"
#include "amx_sys.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <span>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace amx {

namespace {

constexpr size_t chunkSize = 1u << 20;
constexpr uint64_t maxLinkTarget = 4096;
// Large deflated members from other archivers are inflated on all cores from
// this packed size on.
constexpr uint64_t parallelMinimum = 1u << 20;

struct Note
{
    ZipError code;
    std::string detail;
};

// One independent piece of a large member, inflated on a worker.
class PieceJob : public Job
{
public:
    int fd = -1;
    uint64_t offset = 0;
    size_t inSize = 0;
    size_t outSize = 0;
    bool last = false;
    std::unique_ptr<char[]> out;
    InflateResult result = InflateResult::BadData;
    bool readFailed = false;
    MemberDecryptor *decryptor = nullptr; // AES: any piece on any worker
    uint64_t packedAt = 0; // where the piece starts in the member's data

    uint64_t weight() const override { return inSize + outSize; }

    void run(const std::atomic<bool> &stop) override
    {
        if (stop)
            return;
        try {
            std::unique_ptr<char[]> in(new char[inSize + 2]);
            if (!preadFull(fd, in.get(), inSize, offset)) {
                readFailed = true;
                return;
            }
            if (decryptor)
                decryptor->decrypt(in.get(), inSize, packedAt);
            out.reset(new char[outSize]);
            result = inflatePiece(in.get(), inSize, last, out.get(), outSize);
        } catch (const std::bad_alloc &) {
            result = InflateResult::BadData;
        }
    }
};

// One member to write. Small members run whole on a worker; large ones run on
// the calling thread so their progress can be reported as it happens.
enum class JobKind { Nothing, Dir, File };

class ExtractJob : public Job
{
public:
    JobKind kind = JobKind::Nothing;
    std::vector<Note> notes; // found while planning, reported in member order
    const Entry *entry = nullptr;
    int archiveFd = -1;
    MemberSpan span;
    std::string display;
    std::shared_ptr<Fd> dir;
    std::string leaf;
    bool madeDir = false;
    WriteMode mode = WriteMode::CreateNew;
    mode_t perms = 0644;
    bool setPerms = false;
    bool large = false;
    bool testOnly = false;
    Pipeline *pieces = nullptr; // idle workers for the pieces of a large member
    // An encrypted member: `entry` is then `plain`, its compressed data without
    // the encryption's header and trailer, and `span` starts after the header.
    Entry plain;
    std::unique_ptr<MemberDecryptor> decryptor;
    bool checkCrc = true; // AE-2 leaves the CRC out
    bool zipCrypto = false;
    unsigned char code[10] {}; // AES's authentication code
    // Keys are derived on the worker when passwords given earlier may fit:
    // then `decryptor` is still null. When none fits, `needsPassword` sends
    // the member back to be asked for.
    std::vector<Secret> candidates;
    MemberCipher cipher;
    unsigned char header[32] {};
    const Entry *original = nullptr;
    bool needsPassword = false;
    bool byEarlierPassword = false; // opened by a password given for another member

    // Results.
    std::unique_ptr<OutputFile> output; // written, waiting to be put in place
    Note failure { ZipError::None, {} };
    bool kept = false; // existed and was left alone
    bool done = false;

    uint64_t weight() const override
    {
        return kind != JobKind::File || large ? 0 : entry->usize + entry->csize;
    }

    void run(const std::atomic<bool> &stop) override
    {
        if (kind != JobKind::File)
            return;
        try {
            extract(stop, {});
        } catch (const ZipFailure &f) {
            failure = { f.code(), f.detail() };
        } catch (const std::bad_alloc &) {
            failure = { ZipError::Internal, display + " (out of memory)" };
        } catch (...) {
            failure = { ZipError::Internal, display };
        }
    }

    using Progress = std::function<void(uint64_t before, uint64_t after)>;

    void extract(const std::atomic<bool> &stop, const Progress &progress)
    {
        if (!candidates.empty()) {
            for (const Secret &password : candidates)
                if ((decryptor = openDecryptor(cipher, password, header, *original)))
                    break;
            candidates.clear();
            byEarlierPassword = decryptor != nullptr;
            if (!decryptor) {
                needsPassword = true;
                return;
            }
        }
        // Altered AES data is refused before anything is written.
        if (decryptor
            && !decryptor->authentic(archiveFd, span.dataOffset, entry->csize, code, &stop)) {
            if (stop)
                throw Cancelled();
            throw ZipFailure(ZipError::Unauthentic, display);
        }
        std::unique_ptr<OutputFile> &out = output;
        if (!testOnly) {
            out = openOutput(dir, leaf, mode, perms, display, madeDir);
            if (!out) {
                kept = true;
                return;
            }
        }
        uint32_t crc = 0;
        uint64_t produced = 0;
        auto emit = [&](const char *p, size_t n) {
            if (produced + n > entry->usize)
                throw ZipFailure(ZipError::BadSize, display + " (more data than declared)");
            crc = crc32Update(crc, p, n);
            if (out)
                out->write(p, n, display);
            if (progress)
                progress(produced, produced + n);
            produced += n;
            if (stop)
                throw Cancelled();
        };
        PieceMap map;
        if (entry->method == methodStored) {
            copyStored(emit);
        } else if (large && pieces && anyOrder()
            && readExtraPieces(entry->extra(), entry->usize, entry->csize, map)) {
            if (!inflatePieces(map, emit)) {
                // The map does not fit the data; the stream itself may still be sound.
                crc = 0;
                produced = 0;
                if (out)
                    out->rewind(display);
                inflateSequential(emit);
            }
        } else if (large && pieces && anyOrder() && entry->csize >= parallelMinimum) {
            bool sound = false;
            try {
                sound = inflateParallel(crc, produced, stop, progress) && produced == entry->usize
                    && (!checkCrc || crc == entry->crc);
            } catch (const LongerThanDeclared &) {
            }
            if (!sound) {
                // Whatever went wrong, inflating it in one piece decides
                // whether the member is damaged and says how.
                crc = 0;
                produced = 0;
                if (out)
                    out->rewind(display);
                inflateSequential(emit);
            }
        } else {
            inflateSequential(emit);
        }
        if (produced != entry->usize)
            throw ZipFailure(ZipError::BadSize,
                display + " (" + std::to_string(produced) + " bytes, should be "
                    + std::to_string(entry->usize) + ")");
        if (checkCrc && crc != entry->crc) {
            char text[64];
            std::snprintf(text, sizeof text, " (%08x, should be %08x)", crc, entry->crc);
            throw ZipFailure(ZipError::BadCrc, display + text);
        }
        if (out)
            out->complete(perms, setPerms, entry->mtime, display);
        done = true;
    }

private:
    struct LongerThanDeclared
    {
    };

    bool anyOrder() const { return !decryptor || decryptor->anyOrder(); }

    // Reads n bytes of the member's compressed data at `at`, decrypted.
    bool readPacked(char *buf, size_t n, uint64_t at)
    {
        if (!preadFull(archiveFd, buf, n, span.dataOffset + at))
            return false;
        if (decryptor)
            decryptor->decrypt(buf, n, at);
        return true;
    }

    // Inflates a member that carries no map of its pieces on all cores;
    // false when it did not inflate cleanly that way.
    bool inflateParallel(
        uint32_t &crc, uint64_t &produced, const std::atomic<bool> &stop, const Progress &progress)
    {
        ParallelInflateOptions options;
        options.ratio = double(entry->usize) / double(std::max<uint64_t>(entry->csize, 1));
        options.chunkPlain = std::min<uint64_t>(options.chunkPlain, memoryLimits().buffer);
        auto read = [&](char *buf, size_t n, uint64_t at) {
            return readPacked(buf, n, at);
        };
        auto sink = [&](const char *p, size_t n, uint32_t partCrc) {
            if (produced + n > entry->usize)
                throw LongerThanDeclared();
            crc = crc32Combine(crc, partCrc, n);
            if (output)
                output->write(p, n, display);
            if (progress)
                progress(produced, produced + n);
            produced += n;
            if (stop)
                throw Cancelled();
        };
        switch (parallelInflate(*pieces, entry->csize, read, sink, options)) {
        case ParallelInflateResult::Ok:
            return true;
        case ParallelInflateResult::ReadFailed:
            throw ZipFailure(ZipError::Truncated, display);
        case ParallelInflateResult::BadData:
            break;
        }
        return false;
    }

    template <class Emit> void inflateSequential(Emit &emit)
    {
        if (!large || entry->usize + entry->csize <= memoryLimits().inflate)
            inflateWhole(emit);
        else
            inflateStream(emit);
    }

    // Inflates the pieces on the workers and writes them in order; false when
    // a piece does not inflate to its place in the map.
    template <class Emit> bool inflatePieces(const PieceMap &map, Emit &emit)
    {
        bool fits = true;
        auto takeNext = [&] {
            auto done = pieces->next();
            auto &p = static_cast<PieceJob &>(*done);
            if (p.readFailed)
                throw ZipFailure(ZipError::Truncated, display);
            if (p.result != InflateResult::Ok) {
                fits = false;
                return;
            }
            for (size_t at = 0; at < p.outSize; at += chunkSize)
                emit(p.out.get() + at, std::min(chunkSize, p.outSize - at));
        };
        try {
            uint64_t packedAt = 0, plainAt = 0;
            for (size_t i = 0; i < map.packed.size() && fits; ++i) {
                auto job = std::make_unique<PieceJob>();
                job->fd = archiveFd;
                job->offset = span.dataOffset + packedAt;
                job->decryptor = decryptor.get();
                job->packedAt = packedAt;
                job->inSize = map.packed[i];
                job->outSize = size_t(std::min<uint64_t>(map.span, entry->usize - plainAt));
                job->last = i + 1 == map.packed.size();
                packedAt += job->inSize;
                plainAt += job->outSize;
                while (fits && !pieces->hasRoom(job->weight()))
                    takeNext();
                if (fits)
                    pieces->submit(std::move(job));
            }
            while (fits && pieces->pending())
                takeNext();
        } catch (...) {
            pieces->dropAll();
            throw;
        }
        pieces->dropAll();
        return fits;
    }

    template <class Emit> void copyStored(Emit &emit)
    {
        std::string buf(size_t(std::min<uint64_t>(entry->csize, chunkSize)), '\0');
        for (uint64_t at = 0; at < entry->csize;) {
            size_t n = size_t(std::min<uint64_t>(buf.size(), entry->csize - at));
            if (!readPacked(buf.data(), n, at))
                throw ZipFailure(ZipError::Truncated, display);
            emit(buf.data(), n);
            at += n;
        }
    }

    template <class Emit> void inflateWhole(Emit &emit)
    {
        ByteBuffer out(size_t(entry->usize));
        {
            ByteBuffer in(size_t(entry->csize));
            if (entry->csize && !readPacked(in.data(), in.size(), 0))
                throw ZipFailure(ZipError::Truncated, display);
            switch (inflateBuffer(in.data(), in.size(), out.data(), out.size())) {
            case InflateResult::Ok:
                break;
            case InflateResult::WrongSize:
                throw ZipFailure(
                    ZipError::BadSize, display + " (size differs from the declared one)");
            case InflateResult::BadData:
                throw ZipFailure(ZipError::BadData, display);
            }
        }
        for (size_t at = 0; at < out.size(); at += chunkSize)
            emit(out.data() + at, std::min(chunkSize, out.size() - at));
    }

    template <class Emit> void inflateStream(Emit &emit)
    {
        ZStream z = makeInflater();
        std::string in(chunkSize, '\0'), out(chunkSize, '\0');
        uint64_t at = 0;
        int rc = Z_OK;
        while (rc != Z_STREAM_END) {
            if (z->avail_in == 0) {
                if (at >= entry->csize)
                    throw ZipFailure(ZipError::BadData, display + " (data ends early)");
                size_t n = size_t(std::min<uint64_t>(in.size(), entry->csize - at));
                if (!readPacked(in.data(), n, at))
                    throw ZipFailure(ZipError::Truncated, display);
                at += n;
                z->next_in = reinterpret_cast<Bytef *>(in.data());
                z->avail_in = uInt(n);
            }
            z->next_out = reinterpret_cast<Bytef *>(out.data());
            z->avail_out = uInt(out.size());
            rc = inflate(z.get(), Z_NO_FLUSH);
            if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
                throw ZipFailure(ZipError::BadData, display);
            size_t got = out.size() - z->avail_out;
            if (got)
                emit(out.data(), got);
            else if (rc == Z_BUF_ERROR && z->avail_in != 0)
                throw ZipFailure(ZipError::BadData, display);
        }
    }
};

// What a listing of the local headers shows must be what is written.
void checkLocalName(const Entry &e, const MemberSpan &span)
{
    if (span.nameDiffers)
        throw ZipFailure(ZipError::Corrupt,
            shortName(e.name) + " (its local header names " + shortName(span.localName) + ")");
}

struct DeferredDir
{
    std::vector<std::string> parts;
    mode_t perms;
    bool setPerms;
    int64_t mtime;
};

class Extractor
{
public:
    Extractor(const ExtractOptions &options, Reporter &reporter)
        : m_opt(options)
        , m_rep(reporter)
        , m_archive(options.archive, options.base, true, options.codePage)
        , m_dirs(options.base)
        , m_umask(currentUmask())
    {
    }

    int32_t run();

private:
    std::vector<size_t> select();
    std::unique_ptr<ExtractJob> plan(size_t i);
    std::unique_ptr<ExtractJob> planTest(size_t i);
    bool planData(ExtractJob &job, size_t i);
    bool openEncrypted(ExtractJob &job, const Entry &e);
    std::unique_ptr<MemberDecryptor> unlock(
        ExtractJob &job, const MemberCipher &c, const unsigned char *header, const Entry &e);
    std::unique_ptr<MemberDecryptor> ask(
        ExtractJob &job, const MemberCipher &c, const unsigned char *header, const Entry &e);
    void finish(ExtractJob &job);
    void askLate(ExtractJob &job);
    void askAgainIfWrong(ExtractJob &job);
    void extractAsked(ExtractJob &job);
    void readLink(ExtractJob &job, const std::vector<std::string> &parts);
    void createLinks();
    void restoreDirs();
    bool memberNewer(const Entry &e, const struct stat &st) const;

    const ExtractOptions &m_opt;
    Reporter &m_rep;
    ArchiveReader m_archive;
    DirCache m_dirs;
    mode_t m_umask;
    int32_t m_count = 0;
    std::vector<DeferredDir> m_deferredDirs;
    std::vector<DeferredLink> m_links;
    // Passwords that opened a member in this operation, tried first on the next.
    std::vector<Secret> m_passwords;
    bool m_noMorePasswords = false;
};

std::vector<size_t> Extractor::select()
{
    const auto &entries = m_archive.entries();
    std::vector<size_t> chosen;
    if (m_opt.specs.empty()) {
        for (size_t i = 0; i < entries.size(); ++i)
            chosen.push_back(i);
        return chosen;
    }
    MemberSelection sel = selectMembers(m_opt.specs, entries);
    for (const std::string &spec : sel.unmatched)
        m_rep.problem(ZipError::NotMatched, spec);
    return sel.chosen;
}

bool Extractor::memberNewer(const Entry &e, const struct stat &st) const
{
    int64_t fileTime = st.st_mtim.tv_sec;
    if (!e.hasUnixTime)
        fileTime = (fileTime + 1) & ~int64_t(1); // DOS times have 2-second steps
    return e.mtime > fileTime;
}

// Decides what to do with member i and prepares its folder. Nothing is
// reported here: the job carries its notes to be reported in member order.
std::unique_ptr<ExtractJob> Extractor::plan(size_t i)
{
    if (m_opt.testOnly)
        return planTest(i);
    const Entry &e = m_archive.entries()[i];
    auto job = std::make_unique<ExtractJob>();
    bool changed = false;
    std::vector<std::string> parts = safeComponents(e.name, changed);
    if (parts.empty() && !changed) {
        // Other archivers store the base folder itself as "./": worth a line, not a warning.
        if (e.isDir())
            job->notes.push_back(
                { ZipError::None, "skipping: \"" + e.name + "\" (the base folder itself)" });
        else
            job->notes.push_back(
                { ZipError::Unsupported, "\"" + e.name + "\" (no name to extract)" });
        return job;
    }
    // Without folder names only the file name has to fit.
    const std::span<const std::string> made = m_opt.dirNames || e.isDir()
        ? std::span(parts)
        : std::span(parts).last(std::min<size_t>(parts.size(), 1));
    if (!fitsFileSystem(made)) {
        job->notes.push_back({ ZipError::Unsupported, shortName(e.name) + " (name too long)" });
        return job;
    }
    job->display = joinPath(parts, parts.size());
    const std::string &display = job->display;
    if (changed)
        job->notes.push_back({ ZipError::UnsafePath,
            shortName(e.name) + " -> " + (display.empty() ? "(nothing)" : shortName(display)) });
    if (parts.empty())
        return job;
    job->entry = &e;
    if (e.isDir()) {
        if (!m_opt.dirNames)
            return job;
        checkLocalName(e, m_archive.span(i));
        m_dirs.get(parts, parts.size(), true);
        uint32_t mode = e.unixMode();
        // Whatever mode was stored, the owner can still enter and fill the folder.
        m_deferredDirs.push_back({ parts, mode_t(mode & 0777) | S_IRWXU, mode != 0, e.mtime });
        job->kind = JobKind::Dir;
        return job;
    }
    if (!m_opt.dirNames)
        parts.erase(parts.begin(), parts.end() - 1);
    if (!planData(*job, i))
        return job;
    if (e.isSymlink()) {
        readLink(*job, parts);
        job->entry = nullptr;
        return job;
    }

    bool madeDir = false;
    auto dir = m_dirs.get(parts, parts.size() - 1, true, &madeDir);
    const std::string &leaf = parts.back();
    WriteMode mode = m_opt.overwrite ? WriteMode::CreateOrReplace : WriteMode::CreateNew;
    if (m_opt.freshen || m_opt.update) {
        struct stat st
        {
        };
        bool exists = ::fstatat(dir->get(), leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
        if (!exists && m_opt.freshen)
            return job;
        if (exists && !memberNewer(e, st))
            return job;
        mode = exists ? WriteMode::Replace : WriteMode::CreateOrReplace;
    }
    job->kind = JobKind::File;
    job->archiveFd = m_archive.fd();
    job->dir = std::move(dir);
    job->leaf = leaf;
    job->madeDir = madeDir;
    job->mode = mode;
    // Set-user-id and similar bits are never restored.
    if (uint32_t m = e.unixMode())
        job->perms = mode_t(m & 0777);
    else
        job->perms = mode_t(0666 & ~m_umask);
    // The mode given at creation passes through the umask; set it again only when it matters.
    job->setPerms = (job->perms & ~m_umask) != job->perms;
    const uint64_t budget = memoryLimits().buffer;
    job->large = e.usize > budget || e.csize > budget;
    return job;
}

// Testing reads every member with data the way extraction would, links
// included, but neither makes folders nor judges where a name would land.
std::unique_ptr<ExtractJob> Extractor::planTest(size_t i)
{
    const Entry &e = m_archive.entries()[i];
    auto job = std::make_unique<ExtractJob>();
    job->display = e.name;
    if (e.isDir()) {
        job->kind = JobKind::Dir;
        return job;
    }
    job->entry = &e;
    if (!planData(*job, i))
        return job;
    job->kind = JobKind::File;
    job->testOnly = true;
    job->archiveFd = m_archive.fd();
    const uint64_t budget = memoryLimits().buffer;
    job->large = e.usize > budget || e.csize > budget;
    return job;
}

// The member's span, and for an encrypted one its password; checks the
// sizes. False, with a note, when the member is not to be read.
bool Extractor::planData(ExtractJob &job, size_t i)
{
    const Entry &e = m_archive.entries()[i];
    job.span = m_archive.span(i);
    checkLocalName(e, job.span);
    if ((e.flags & flagEncrypted) && !openEncrypted(job, e))
        return false;
    const Entry &d = *job.entry;
    if (d.method != methodStored && d.method != methodDeflated) {
        job.notes.push_back({ ZipError::Unsupported,
            job.display + " (compression method " + std::to_string(d.method) + " not supported)" });
        return false;
    }
    if (d.method == methodStored ? d.csize != d.usize : d.usize > d.csize * maxDeflateRatio + 1024)
        throw ZipFailure(ZipError::BadSize,
            job.display + " (declared size " + std::to_string(d.usize) + " impossible)");
    return true;
}

bool Extractor::openEncrypted(ExtractJob &job, const Entry &e)
{
    MemberCipher c = describeEncryption(e, job.display);
    if (e.csize < c.header + c.trailer)
        throw ZipFailure(ZipError::Corrupt, job.display + " (too short for its encryption)");
    unsigned char *header = job.header;
    if (c.header > sizeof job.header
        || !preadFull(m_archive.fd(), header, size_t(c.header), job.span.dataOffset))
        throw ZipFailure(ZipError::Truncated, job.display);
    if (c.trailer
        && !preadFull(
            m_archive.fd(), job.code, sizeof job.code, job.span.dataOffset + e.csize - c.trailer))
        throw ZipFailure(ZipError::Truncated, job.display);
    job.cipher = c;
    job.original = &e;
    // Deriving AES keys takes a while: with a password in hand, the workers
    // try it. Links are read here, and large members on this thread anyway.
    const uint64_t budget = memoryLimits().buffer;
    if (!m_passwords.empty() && !e.isSymlink() && e.usize <= budget && e.csize <= budget)
        job.candidates = m_passwords;
    else if (!(job.decryptor = unlock(job, c, header, e)))
        return false;
    job.plain = e;
    job.plain.csize = e.csize - c.header - c.trailer;
    job.plain.method = c.method;
    job.span.dataOffset += c.header;
    job.entry = &job.plain;
    job.checkCrc = c.checkCrc;
    job.zipCrypto = c.cipher == Cipher::ZipCrypto;
    return true;
}

// A member none of the passwords given so far opened: asked for here, in
// member order, and extracted on this thread.
void Extractor::askLate(ExtractJob &job)
{
    job.needsPassword = false;
    job.notes.clear(); // told already
    job.decryptor = unlock(job, job.cipher, job.header, *job.original);
    extractAsked(job);
}

// A traditional password passes a member's check byte once in 256 times: one
// given for another member may open this one and then fail on its data. The
// member's own password is asked for then, not taken as wrong.
void Extractor::askAgainIfWrong(ExtractJob &job)
{
    const ZipError f = job.failure.code;
    if (!job.zipCrypto || !job.byEarlierPassword
        || (f != ZipError::WrongPassword && f != ZipError::BadCrc && f != ZipError::BadData
            && f != ZipError::BadSize))
        return;
    job.failure = { ZipError::None, {} };
    job.output.reset(); // what the wrong key wrote goes
    job.done = job.kept = job.byEarlierPassword = false;
    job.notes.clear();
    job.decryptor = ask(job, job.cipher, job.header, *job.original);
    extractAsked(job);
}

void Extractor::extractAsked(ExtractJob &job)
{
    for (const Note &n : job.notes)
        m_rep.problem(n.code, n.detail);
    job.notes.clear();
    if (!job.decryptor)
        return;
    std::atomic<bool> never { false };
    try {
        job.extract(never, {});
    } catch (const ZipFailure &f) {
        job.failure = { f.code(), f.detail() };
    } catch (const std::bad_alloc &) {
        job.failure = { ZipError::Internal, job.display + " (out of memory)" };
    }
}

// Tries the passwords that opened earlier members, then asks.
std::unique_ptr<MemberDecryptor> Extractor::unlock(
    ExtractJob &job, const MemberCipher &c, const unsigned char *header, const Entry &e)
{
    for (auto it = m_passwords.rbegin(); it != m_passwords.rend(); ++it)
        if (auto d = openDecryptor(c, *it, header, e)) {
            job.byEarlierPassword = true;
            return d;
        }
    return ask(job, c, header, e);
}

std::unique_ptr<MemberDecryptor> Extractor::ask(
    ExtractJob &job, const MemberCipher &c, const unsigned char *header, const Entry &e)
{
    bool wrong = false;
    while (m_opt.askPassword && !m_noMorePasswords) {
        PasswordReply reply = m_opt.askPassword(job.display, wrong);
        if (reply.kind == PasswordReply::Kind::Password) {
            if (auto d = openDecryptor(c, reply.password, header, e)) {
                if (reply.keep)
                    m_passwords.push_back(std::move(reply.password));
                return d;
            }
            wrong = true;
            continue;
        }
        if (reply.kind == PasswordReply::Kind::Cancel)
            m_noMorePasswords = true;
        break;
    }
    job.notes.push_back({ wrong ? ZipError::WrongPassword : ZipError::Encrypted, job.display });
    return nullptr;
}

void Extractor::readLink(ExtractJob &job, const std::vector<std::string> &parts)
{
    const Entry &e = *job.entry;
    const std::string &display = job.display;
    if (e.usize > maxLinkTarget || e.csize > maxLinkTarget * 2)
        throw ZipFailure(ZipError::BadSize, display + " (link target too long)");
    std::string in(size_t(e.csize), '\0'), target(size_t(e.usize), '\0');
    if (!in.empty() && !preadFull(m_archive.fd(), in.data(), in.size(), job.span.dataOffset))
        throw ZipFailure(ZipError::Truncated, display);
    if (job.decryptor) {
        if (!job.decryptor->authentic(
                m_archive.fd(), job.span.dataOffset, e.csize, job.code, nullptr))
            throw ZipFailure(ZipError::Unauthentic, display);
        job.decryptor->decrypt(in.data(), in.size(), 0);
    }
    // A traditional password that passed the check byte by chance shows here.
    const ZipError damaged = job.zipCrypto ? ZipError::WrongPassword : ZipError::BadData;
    if (e.method == methodStored)
        target = in;
    else if (inflateBuffer(in.data(), in.size(), target.data(), target.size()) != InflateResult::Ok)
        throw ZipFailure(damaged, display);
    if (job.checkCrc && crc32Update(0, target.data(), target.size()) != e.crc)
        throw ZipFailure(job.zipCrypto ? damaged : ZipError::BadCrc, display);
    m_links.push_back({ parts, target, display, e.mtime });
}

void Extractor::finish(ExtractJob &job)
{
    // A wrong traditional password passes the check byte once in 256 times;
    // the data then fails to inflate or to match its CRC.
    if (job.zipCrypto
        && (job.failure.code == ZipError::BadCrc || job.failure.code == ZipError::BadData
            || job.failure.code == ZipError::BadSize))
        job.failure = { ZipError::WrongPassword, job.display };
    if (job.done && job.output) {
        try {
            if (!job.output->publish(job.display)) {
                job.done = false;
                job.kept = true;
            }
        } catch (const ZipFailure &f) {
            job.failure = { f.code(), f.detail() };
        }
        job.output.reset();
    }
    if (job.failure.code != ZipError::None)
        m_rep.problem(job.failure.code, job.failure.detail, job.display);
    else if (job.kept)
        m_rep.problem(ZipError::Exists, job.display);
    else if (job.done) {
        if (job.testOnly)
            m_rep.info("    testing: " + job.display + "   OK");
        ++m_count;
    }
}

// Links come last, so no member of this archive is ever written through one.
void Extractor::createLinks()
{
    LinkOptions options { m_opt.overwrite, m_opt.freshen || m_opt.update };
    for (const DeferredLink &l : m_links)
        if (writeLink(m_opt.base, m_dirs, l, options, m_rep))
            ++m_count;
}

// Folder times last, after everything inside them was written.
void Extractor::restoreDirs()
{
    for (auto it = m_deferredDirs.rbegin(); it != m_deferredDirs.rend(); ++it) {
        try {
            auto dir = m_dirs.get(it->parts, it->parts.size(), false);
            if (it->setPerms)
                amx_fchmod(dir->get(), it->perms);
            struct timespec times[2] = { { 0, UTIME_OMIT }, { time_t(it->mtime), 0 } };
            ::futimens(dir->get(), times);
        } catch (const ZipFailure &) {
            // The folder went away or became a link meanwhile: nothing to restore.
        }
    }
}

int32_t Extractor::run()
{
    for (const BadEntry &bad : m_archive.badEntries())
        m_rep.problem(bad.code, bad.detail, bad.member);
    std::vector<size_t> chosen = select();
    Pipeline pipeline;
    auto begin = [&](ExtractJob &job) {
        for (const Note &n : job.notes)
            m_rep.problem(n.code, n.detail, job.display);
        if (job.kind == JobKind::Dir) {
            m_rep.newFile(job.display, 0);
            m_rep.info(m_opt.testOnly ? "    testing: " + job.display + "   OK"
                                      : "   creating: " + job.display + "/");
            ++m_count;
            m_rep.endFile();
        } else if (job.kind == JobKind::File) {
            m_rep.newFile(job.display, job.entry->usize);
            if (!m_opt.testOnly)
                m_rep.info(std::string(job.entry->method == methodStored ? " extracting: "
                                                                         : "  inflating: ")
                    + job.display);
        }
    };
    auto drain = [&](size_t keep) {
        while (pipeline.pending() > keep) {
            auto done = pipeline.next();
            auto &job = static_cast<ExtractJob &>(*done);
            begin(job);
            if (job.needsPassword)
                askLate(job);
            askAgainIfWrong(job);
            if (job.kind == JobKind::File) {
                m_rep.progress(0, job.done ? job.entry->usize : 0);
                finish(job);
                m_rep.endFile();
            }
        }
    };
    try {
        for (size_t i : chosen) {
            std::unique_ptr<ExtractJob> job;
            try {
                job = plan(i);
            } catch (const ZipFailure &f) {
                job = std::make_unique<ExtractJob>();
                job->notes.push_back({ f.code(), f.detail() });
            }
            if (job->kind == JobKind::File && job->large) {
                drain(0);
                begin(*job);
                job->pieces = &pipeline;
                std::atomic<bool> never { false };
                try {
                    job->extract(never, [&](uint64_t a, uint64_t b) {
                        m_rep.progress(a, b);
                    });
                } catch (const ZipFailure &f) {
                    job->failure = { f.code(), f.detail() };
                }
                askAgainIfWrong(*job);
                finish(*job);
                m_rep.endFile();
                continue;
            }
            while (!pipeline.hasRoom(job->weight()))
                drain(pipeline.pending() - 1);
            pipeline.submit(std::move(job));
        }
        drain(0);
    } catch (...) {
        pipeline.abort();
        throw;
    }
    createLinks();
    restoreDirs();
    return m_count;
}

} // namespace

int32_t extractArchive(const ExtractOptions &options, Reporter &reporter)
{
    Extractor extractor(options, reporter);
    return extractor.run();
}

} // namespace amx
