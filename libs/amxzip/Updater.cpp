#include "Updater.h"

#include "ArchiveLock.h"
#include "ArchiveReader.h"
#include "ArchiveWriter.h"
#include "Codec.h"
#include "Crypto.h"
#include "FileCollector.h"
#include "Pipeline.h"
#include "Wildcard.h"
#include "ZipFormat.h"
#include "amx_sys.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <deque>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace amx {

namespace {

// Members whose size may reach 4 GiB get room for 64-bit sizes in their
// local header before their compressed size is known.
constexpr uint64_t zip64Margin = 0xf0000000u;

bool hasNonAscii(const std::string &s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

Entry newEntry(const Source &src, const AddOptions &o)
{
    Entry e;
    e.setNames(std::string(src.stored()), src.stored());
    e.flags = hasNonAscii(e.name) ? flagUtf8 : 0;
    e.mtime = src.mtime();
    e.hasUnixTime = true;
    toDosTime(e.mtime, e.dosTime, e.dosDate);
    mode_t mode = src.mode();
    uint32_t dosAttr = (src.isDir() ? 0x10 : 0) | ((mode & 0200) ? 0 : 0x01);
    if (o.forceDos) {
        e.madeBy = (hostFat << 8) | 20;
        e.externalAttr = dosAttr;
    } else {
        e.madeBy = (hostUnix << 8) | 30;
        e.externalAttr = (uint32_t(mode & 0xffff) << 16) | dosAttr;
        e.setExtra(makeExtraTime(e.mtime));
    }
    e.versionNeeded = src.isDir() ? 20 : 10;
    return e;
}

// One small file compressed whole, or an old member to copy (no source).
class Compressed
{
public:
    const Source *src = nullptr;
    int base = AT_FDCWD;
    int level = 9;
    const AddOptions *options = nullptr; // for the encryption
    bool large = false;
    Entry entry;
    std::string data;
    ZipError failure = ZipError::None;
    std::string failureText;

    uint64_t weight() const { return large || !src ? 0 : src->size() * 2; }

    void run()
    {
        if (!src || large || src->isDir())
            return;
        try {
            Fd fd(amx_openat(base, src->cpath(), O_RDONLY | O_CLOEXEC));
            if (!fd.valid()) {
                fail(ZipError::NotReadable,
                    std::string(src->path()) + " (" + errnoText(errno) + ")");
                return;
            }
            // What a file grew by since it was found is not taken, so no more is read.
            std::string in(size_t(src->size()), '\0');
            ssize_t n = in.empty() ? 0 : readFull(fd.get(), in.data(), in.size());
            if (n < 0) {
                fail(ZipError::NotReadable,
                    std::string(src->path()) + " (" + errnoText(errno) + ")");
                return;
            }
            in.resize(size_t(n));
            entry.usize = in.size();
            entry.crc = crc32Update(0, in.data(), in.size());
            if (level > 0 && deflateBuffer(level, in, data)) {
                entry.method = methodDeflated;
                entry.versionNeeded = 20;
            } else {
                entry.method = methodStored;
                data = std::move(in);
            }
            if (options->encryption != Encryption::None)
                encrypt();
            entry.csize = data.size();
        } catch (const ZipFailure &f) {
            fail(f.code(), f.detail());
        } catch (const std::bad_alloc &) {
            fail(ZipError::Internal, std::string(src->path()) + " (out of memory)");
        } catch (...) {
            fail(ZipError::Internal, std::string(src->path()));
        }
    }

private:
    // Compress, then encrypt: the data gets the cipher's header and trailer.
    void encrypt()
    {
        MemberEncryptor enc(options->encryption, options->password, uint8_t(entry.crc >> 24));
        enc.mark(entry);
        std::string sealed = enc.header();
        const size_t at = sealed.size();
        sealed += data;
        enc.encrypt(sealed.data() + at, data.size());
        sealed += enc.trailer();
        data = std::move(sealed);
    }

    void fail(ZipError code, std::string text)
    {
        failure = code;
        failureText = std::move(text);
    }
};

// Consecutive slots handled on one worker, so that a tree of small files does
// not pay a hand-over between threads for each of them.
class CompressJob : public Job
{
public:
    std::vector<Compressed> items;
    uint64_t load = 0;

    uint64_t weight() const override { return load; }
    void add(Compressed item)
    {
        load += item.weight();
        items.push_back(std::move(item));
    }
    void run(const std::atomic<bool> &stop) override
    {
        for (Compressed &item : items) {
            if (stop)
                return;
            item.run();
        }
    }
};

// One piece of a large member: its checksum and, when deflating, its deflate part.
class PieceJob : public Job
{
public:
    std::string in;
    std::string out;
    int level = 0;
    bool last = false;
    uint32_t crc = 0;
    bool outOfMemory = false;

    uint64_t weight() const override { return uint64_t(in.size()) * 2; }

    void run(const std::atomic<bool> &stop) override
    {
        if (stop)
            return;
        crc = crc32Update(0, in.data(), in.size());
        try {
            if (level > 0)
                deflatePiece(level, in.data(), in.size(), last, out);
        } catch (const std::bad_alloc &) {
            outOfMemory = true;
        }
    }
};

constexpr uint32_t noOld = UINT32_MAX;
constexpr uint32_t noSource = UINT32_MAX;

// An old member copied unchanged, or a source to add; in output order. The
// indices take 32 bits: at two million slots, pointers would take 16 MB more.
struct Slot
{
    uint32_t old = noOld; // index in the old archive
    uint32_t src = noSource; // index in the sources
};

// Slots index members and sources with 32 bits; a list that long could not
// be held in memory anyway.
void checkSlotCount(size_t count, const std::string &archive)
{
    if (count >= UINT32_MAX)
        throw ZipFailure(ZipError::Unsupported, archive + " (too many members)");
}

std::string percentText(const Entry &e)
{
    if (compressionMethod(e) == methodStored)
        return "stored 0%";
    int pct = e.usize ? int(std::lround(100.0 * (1.0 - double(e.csize) / double(e.usize)))) : 0;
    return "deflated " + std::to_string(pct) + "%";
}

// The CRC of a whole file, read from its start; leaves the offset at its start.
uint32_t fileCrc(int fd, const Source &src)
{
    std::string buf(1u << 20, '\0');
    uint32_t crc = 0;
    uint64_t left = src.size();
    while (left > 0) {
        ssize_t n = readFull(fd, buf.data(), size_t(std::min<uint64_t>(buf.size(), left)));
        if (n <= 0)
            break;
        crc = crc32Update(crc, buf.data(), size_t(n));
        left -= uint64_t(n);
    }
    if (::lseek(fd, 0, SEEK_SET) != 0)
        throw ZipFailure(
            ZipError::NotReadable, std::string(src.path()) + " (" + errnoText(errno) + ")");
    return crc;
}

// The central records of the members written anew, made as each member is
// written and read back in order for the directory. Past the record budget
// they wait in a scratch file beside the new archive: at a million new
// members they would take some 80 MiB of memory.
class FreshRecords
{
public:
    // Where the scratch file goes, should one be needed.
    void spillBeside(ArchiveWriter &out) { m_out = &out; }
    void append(const std::string &record)
    {
        // Grown by doubling, the buffer would hold its old room beside the new.
        if (m_buf.capacity() < m_budget)
            m_buf.reserve(m_budget);
        if (m_out && !m_buf.empty() && m_buf.size() + record.size() > m_budget)
            spill();
        m_buf += record;
    }
    // The records in the order they were appended, one per call; appending
    // ends with the first call.
    std::string_view next()
    {
        if (m_file.valid() && !m_reading) {
            spill();
            m_reading = true;
        }
        auto h = reinterpret_cast<const unsigned char *>(m_buf.data() + m_at);
        if (m_buf.size() - m_at < centralHeaderSize) {
            fill(centralHeaderSize);
            h = reinterpret_cast<const unsigned char *>(m_buf.data() + m_at);
        }
        const size_t n = centralHeaderSize + get16(h + 28) + get16(h + 30) + get16(h + 32);
        if (m_buf.size() - m_at < n)
            fill(n);
        std::string_view record(m_buf.data() + m_at, n);
        m_at += n;
        return record;
    }

private:
    void spill()
    {
        if (!m_file.valid())
            m_file = m_out->scratchFile();
        if (!pwriteFull(m_file.get(), m_buf.data(), m_buf.size(), m_written))
            fail(ZipError::WriteFailed);
        m_written += m_buf.size();
        m_buf.clear();
    }
    // Reads on from the scratch file until `need` bytes past m_at are at hand.
    void fill(size_t need)
    {
        m_buf.erase(0, m_at);
        m_at = 0;
        const uint64_t left = m_written - m_read;
        const size_t want = size_t(std::min<uint64_t>(
            left, std::max<uint64_t>(need, std::min<uint64_t>(m_budget, readStep))));
        if (!m_reading || m_buf.size() + left < need)
            throw ZipFailure(ZipError::Internal, "new central records out of step");
        const size_t have = m_buf.size();
        m_buf.resize(have + want);
        if (!preadFull(m_file.get(), m_buf.data() + have, want, m_read))
            fail(ZipError::Truncated);
        m_read += want;
    }

    [[noreturn]] void fail(ZipError code)
    {
        throw ZipFailure(
            code, "scratch file beside " + m_out->target() + " (" + errnoText(errno) + ")");
    }

    static constexpr uint64_t readStep = 1u << 20;
    uint64_t m_budget = memoryLimits().records;
    ArchiveWriter *m_out = nullptr;
    Fd m_file;
    std::string m_buf; // appended records, or while reading back those at hand
    size_t m_at = 0; // the next record in m_buf
    uint64_t m_written = 0; // to the scratch file
    uint64_t m_read = 0;
    bool m_reading = false;
};

class Rewriter
{
public:
    // sources, when given, are those the slots name; renames, when given,
    // holds per old member the name it is copied under.
    Rewriter(const AddOptions &o, Reporter &rep, ArchiveReader *old,
        const std::vector<Source> *sources, const std::vector<std::optional<std::string>> *renames)
        : m_opt(o)
        , m_rep(rep)
        , m_old(old)
        , m_sources(sources)
        , m_renames(renames)
    {
    }

    // Writes the slots and the directory; returns the entries written.
    // done() lists the sources added only when they are to be moved.
    void write(ArchiveWriter &out, const std::vector<Slot> &slots);
    int32_t added() const { return m_added; }
    int64_t newest() const { return m_newest; }
    const std::vector<const Source *> &done() const { return m_done; }

private:
    void copyOld(ArchiveWriter &out, size_t i, const std::string *newName = nullptr);
    void writeNew(ArchiveWriter &out, Compressed &item, const Slot &slot);
    void streamLarge(ArchiveWriter &out, const Source &src, Entry &e);
    uint64_t pumpPieces(ArchiveWriter &out, int fd, const Source &src, int level, uint32_t &crc,
        uint64_t &total, std::vector<uint64_t> &packedSizes, MemberEncryptor *enc);
    uint64_t pumpSealed(ArchiveWriter &out, int fd, const Source &src, int level, Entry &e,
        uint64_t &total, std::vector<uint64_t> &packedSizes);
    const Source *sourceOf(const Slot &slot) const
    {
        return slot.src == noSource ? nullptr : &(*m_sources)[slot.src];
    }
    const std::string *renamedTo(size_t i) const
    {
        return m_renames && (*m_renames)[i] ? &*(*m_renames)[i] : nullptr;
    }
    void addEntry(const Entry &e)
    {
        m_fresh.append(makeCentralHeader(e, e.localOffset));
        m_newest = std::max(m_newest, e.mtime);
    }
    // An old member copied as it is: its record is the old one at its new offset.
    void addOld(size_t i, uint64_t at)
    {
        Entry &e = m_old->entryToRewrite(i);
        e.localOffset = at;
        m_newest = std::max(m_newest, e.mtime);
    }

    const AddOptions &m_opt;
    Reporter &m_rep;
    ArchiveReader *m_old;
    const std::vector<Source> *m_sources;
    const std::vector<std::optional<std::string>> *m_renames;
    Pipeline *m_pipeline = nullptr;
    // The new directory follows the slots. A member copied or replaced has
    // its new record in the old archive's list, in the place of the old one:
    // a second list would double the memory at a million members. New and
    // renamed members have theirs in m_fresh; m_skipped, in order, the
    // slots that wrote nothing.
    FreshRecords m_fresh;
    std::vector<const Slot *> m_skipped;
    std::vector<const Source *> m_done;
    int32_t m_added = 0;
    int64_t m_newest = 0;
};

// The local header of an old member under a new name: its other fields as
// they are, the name marked UTF-8, the stale Unicode Path record left out.
std::string renamedLocalHeader(
    int fd, const Entry &e, const MemberSpan &span, const std::string &name)
{
    std::string head(size_t(span.dataOffset - e.localOffset), '\0');
    if (head.size() < localHeaderSize || !preadFull(fd, head.data(), head.size(), e.localOffset))
        throw ZipFailure(ZipError::Truncated, e.name);
    auto h = reinterpret_cast<const unsigned char *>(head.data());
    const size_t nameLen = get16(h + 26), extraLen = get16(h + 28);
    if (localHeaderSize + nameLen + extraLen != head.size())
        throw ZipFailure(ZipError::Corrupt, "local header of " + e.name);
    const std::string extra =
        removeExtra(std::string_view(head).substr(localHeaderSize + nameLen), extraUnicodePath);
    std::string out = head.substr(0, 6);
    put16(out, uint16_t(get16(h + 6) | flagUtf8));
    out.append(head, 8, 18);
    put16(out, uint16_t(name.size()));
    put16(out, uint16_t(extra.size()));
    return out + name + extra;
}

void Rewriter::copyOld(ArchiveWriter &out, size_t i, const std::string *newName)
{
    const Entry &old = m_old->entries()[i];
    MemberSpan span = m_old->span(i);
    uint64_t at = out.position();
    if (!newName) {
        out.copyFrom(m_old->fd(), old.localOffset, span.end - old.localOffset);
        addOld(i, at);
        return;
    }
    Entry e = old;
    m_rep.newFile(e.name, e.usize);
    m_rep.info("renaming: " + e.name + " -> " + *newName);
    out.write(renamedLocalHeader(m_old->fd(), e, span, *newName));
    out.copyFrom(m_old->fd(), span.dataOffset, span.end - span.dataOffset);
    e.setFields(*newName, *newName, removeExtra(e.extra(), extraUnicodePath), e.comment());
    e.flags |= flagUtf8;
    m_rep.endFile();
    e.localOffset = at;
    addEntry(e);
}

// Reads a large member piece by piece on this thread while the workers deflate
// the pieces; they are written in order. Returns the bytes written.
uint64_t Rewriter::pumpPieces(ArchiveWriter &out, int fd, const Source &src, int level,
    uint32_t &crc, uint64_t &total, std::vector<uint64_t> &packedSizes, MemberEncryptor *enc)
{
    const size_t piece = memoryLimits().piece;
    const uint64_t expected = src.size();
    uint64_t packed = 0, read = 0;
    crc = 0;
    total = 0;
    packedSizes.clear();
    auto writeNext = [&] {
        auto job = m_pipeline->next();
        auto &p = static_cast<PieceJob &>(*job);
        if (p.outOfMemory)
            throw ZipFailure(ZipError::Internal, std::string(src.path()) + " (out of memory)");
        std::string &data = level > 0 ? p.out : p.in;
        if (enc)
            enc->encrypt(data.data(), data.size());
        out.write(data);
        packed += data.size();
        packedSizes.push_back(data.size());
        crc = crc32Combine(crc, p.crc, p.in.size());
        m_rep.progress(total, total + p.in.size());
        total += p.in.size();
    };
    try {
        for (bool last = false; !last;) {
            auto job = std::make_unique<PieceJob>();
            job->level = level;
            // A file that grew since it was found is taken as it was.
            job->in.resize(size_t(std::min<uint64_t>(piece, expected - read)));
            ssize_t n = job->in.empty() ? 0 : readFull(fd, job->in.data(), job->in.size());
            if (n < 0)
                throw ZipFailure(
                    ZipError::NotReadable, std::string(src.path()) + " (" + errnoText(errno) + ")");
            last = size_t(n) < piece || read + uint64_t(n) == expected;
            job->in.resize(size_t(n));
            job->last = last;
            read += uint64_t(n);
            while (!m_pipeline->hasRoom(job->weight()))
                writeNext();
            m_pipeline->submit(std::move(job));
        }
        while (m_pipeline->pending())
            writeNext();
    } catch (...) {
        // Pieces still in flight belong to this member only.
        m_pipeline->dropAll();
        throw;
    }
    return packed;
}

void Rewriter::streamLarge(ArchiveWriter &out, const Source &src, Entry &e)
{
    Fd fd(amx_openat(m_opt.base, src.cpath(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        throw ZipFailure(
            ZipError::NotReadable, std::string(src.path()) + " (" + errnoText(errno) + ")");
    bool zip64 = src.size() >= zip64Margin;
    const bool sealed = m_opt.encryption != Encryption::None;
    if (m_opt.encryption == Encryption::ZipCrypto) {
        // Its check byte comes from the CRC, which is needed before the data.
        e.crc = fileCrc(fd.get(), src);
    }
    e.method = m_opt.level > 0 ? methodDeflated : methodStored;
    e.versionNeeded = zip64 ? 45 : 20;
    e.usize = src.size();
    uint64_t headerAt = out.position();
    e.localOffset = headerAt;
    // Marked before the header is written, so that the patched one has the same size.
    if (sealed)
        MemberEncryptor(m_opt.encryption, m_opt.password, 0).mark(e);
    out.write(makeLocalHeader(e, zip64));
    uint64_t dataAt = out.position();
    uint64_t total = 0;
    std::vector<uint64_t> sizes;
    const int level = m_opt.level;
    uint64_t packed = sealed ? pumpSealed(out, fd.get(), src, level, e, total, sizes)
                             : pumpPieces(out, fd.get(), src, level, e.crc, total, sizes, nullptr);
    if (level > 0 && compressionMethod(e) == methodDeflated && packed >= total) {
        // Deflate did not shrink it: read it again and store it.
        out.rewind(dataAt);
        if (::lseek(fd.get(), 0, SEEK_SET) != 0)
            throw ZipFailure(
                ZipError::NotReadable, std::string(src.path()) + " (" + errnoText(errno) + ")");
        if (sealed) {
            e.method = methodStored;
            packed = pumpSealed(out, fd.get(), src, 0, e, total, sizes);
        } else {
            e.method = methodStored;
            packed = pumpPieces(out, fd.get(), src, 0, e.crc, total, sizes, nullptr);
        }
    }
    e.usize = total;
    e.csize = packed;
    if (!zip64 && (total >= 0xffffffffu || packed >= 0xffffffffu))
        throw ZipFailure(
            ZipError::NotReadable, std::string(src.path()) + " (file grew while it was added)");
    out.patch(headerAt, makeLocalHeader(e, zip64));
    // Only the central record holds the map: the local header's size is fixed by now.
    if (compressionMethod(e) == methodDeflated)
        e.setExtra(std::string(e.extra()) + makeExtraPieces(uint32_t(memoryLimits().piece), sizes));
}

// Writes an encrypted large member's data: the cipher's header, the pieces,
// its trailer; marks e with the method `level` gives. Returns the bytes written.
uint64_t Rewriter::pumpSealed(ArchiveWriter &out, int fd, const Source &src, int level, Entry &e,
    uint64_t &total, std::vector<uint64_t> &packedSizes)
{
    const uint32_t expectedCrc = e.crc;
    MemberEncryptor enc(m_opt.encryption, m_opt.password, uint8_t(expectedCrc >> 24));
    e.method = level > 0 ? methodDeflated : methodStored;
    enc.mark(e);
    out.write(enc.header());
    uint32_t crc = 0;
    uint64_t packed = pumpPieces(out, fd, src, level, crc, total, packedSizes, &enc);
    out.write(enc.trailer());
    if (m_opt.encryption == Encryption::ZipCrypto && crc != expectedCrc)
        throw ZipFailure(
            ZipError::NotReadable, std::string(src.path()) + " (file changed while it was added)");
    if (!enc.leavesCrcOut())
        e.crc = crc;
    return packed + enc.overhead();
}

void Rewriter::writeNew(ArchiveWriter &out, Compressed &item, const Slot &slot)
{
    const Source &src = *item.src;
    Entry &e = item.entry;
    m_rep.newFile(std::string(src.stored()), src.size());
    try {
        if (item.failure != ZipError::None)
            throw ZipFailure(item.failure, item.failureText);
        if (item.large) {
            e.localOffset = out.position();
            try {
                streamLarge(out, src, e);
            } catch (const ZipFailure &) {
                out.rewind(e.localOffset);
                throw;
            }
        } else {
            e.localOffset = out.position();
            out.write(makeLocalHeader(e, false));
            out.write(item.data);
            item.data.clear();
            m_rep.progress(0, e.usize);
        }
    } catch (const ZipFailure &f) {
        if (f.code() != ZipError::NotReadable && f.code() != ZipError::Internal)
            throw;
        // The source could not be read: keep the member it would have replaced.
        m_rep.problem(f.code(), f.detail(), std::string(src.path()));
        if (slot.old != noOld)
            copyOld(out, slot.old);
        else
            m_skipped.push_back(&slot);
        m_rep.endFile();
        return;
    }
    m_rep.info(std::string(slot.old != noOld ? "  updating: " : "  adding: ")
        + std::string(src.stored()) + " (" + percentText(e) + ")");
    if (slot.old != noOld) {
        m_newest = std::max(m_newest, e.mtime);
        m_old->entryToRewrite(slot.old) = std::move(e);
    } else {
        addEntry(e);
    }
    ++m_added;
    if (m_opt.move)
        m_done.push_back(&src);
    m_rep.endFile();
}

void Rewriter::write(ArchiveWriter &out, const std::vector<Slot> &slots)
{
    m_fresh.spillBeside(out);
    Pipeline pipeline;
    m_pipeline = &pipeline;
    std::deque<const Slot *> order;
    auto drainOne = [&] {
        auto job = pipeline.next();
        for (Compressed &item : static_cast<CompressJob &>(*job).items) {
            const Slot &slot = *order.front();
            order.pop_front();
            if (!item.src)
                copyOld(out, slot.old, renamedTo(slot.old));
            else
                writeNew(out, item, slot);
        }
    };
    // A batch ends at this size or count, so that the first output comes soon
    // and both cores get work.
    constexpr uint64_t batchLoad = 1u << 20;
    constexpr size_t batchItems = 32;
    auto batch = std::make_unique<CompressJob>();
    auto submitBatch = [&] {
        if (batch->items.empty())
            return;
        while (!pipeline.hasRoom(batch->weight()))
            drainOne();
        pipeline.submit(std::move(batch));
        batch = std::make_unique<CompressJob>();
    };
    try {
        for (const Slot &slot : slots) {
            Compressed item;
            if (const Source *src = sourceOf(slot)) {
                item.src = src;
                item.base = m_opt.base;
                item.level = m_opt.level;
                item.options = &m_opt;
                item.entry = newEntry(*src, m_opt);
                item.large = src->size() > memoryLimits().buffer;
            }
            if (item.large) {
                submitBatch();
                while (pipeline.pending())
                    drainOne();
                writeNew(out, item, slot);
                continue;
            }
            order.push_back(&slot);
            batch->add(std::move(item));
            if (batch->weight() >= batchLoad || batch->items.size() >= batchItems)
                submitBatch();
        }
        submitBatch();
        while (pipeline.pending())
            drainOne();
    } catch (...) {
        pipeline.abort();
        throw;
    }

    uint64_t cdStart = out.position();
    uint64_t count = 0;
    size_t skipped = 0;
    for (const Slot &slot : slots) {
        if (skipped < m_skipped.size() && m_skipped[skipped] == &slot) {
            ++skipped;
            continue;
        }
        if (slot.old != noOld && !renamedTo(slot.old)) {
            const Entry &e = m_old->entries()[slot.old];
            out.write(makeCentralHeader(e, e.localOffset));
        } else {
            const std::string_view record = m_fresh.next();
            out.write(record.data(), record.size());
        }
        ++count;
    }
    m_fresh = FreshRecords();
    uint64_t cdEnd = out.position();
    uint64_t cdSize = cdEnd - cdStart;
    std::string tail;
    if (count >= 0xffff || cdStart >= 0xffffffffu || cdSize >= 0xffffffffu) {
        put32(tail, sigEnd64);
        put64(tail, end64Size - 12);
        put16(tail, (hostUnix << 8) | 45);
        put16(tail, 45);
        put32(tail, 0);
        put32(tail, 0);
        put64(tail, count);
        put64(tail, count);
        put64(tail, cdSize);
        put64(tail, cdStart);
        put32(tail, sigLocator64);
        put32(tail, 0);
        put64(tail, cdEnd);
        put32(tail, 1);
    }
    std::string comment = m_old ? m_old->comment() : std::string();
    put32(tail, sigEnd);
    put16(tail, 0);
    put16(tail, 0);
    put16(tail, uint16_t(std::min<uint64_t>(count, 0xffff)));
    put16(tail, uint16_t(std::min<uint64_t>(count, 0xffff)));
    put32(tail, uint32_t(std::min<uint64_t>(cdSize, 0xffffffffu)));
    put32(tail, uint32_t(std::min<uint64_t>(cdStart, 0xffffffffu)));
    put16(tail, uint16_t(comment.size()));
    tail += comment;
    out.write(tail);
}

struct OldArchive
{
    std::unique_ptr<ArchiveReader> reader;
    struct stat st
    {
    };
    bool exists = false;
};

// The archive's file, if any, without reading its directory yet.
OldArchive statOld(const AddOptions &o)
{
    const std::string &path = o.archive;
    OldArchive a;
    if (::fstatat(o.base, path.c_str(), &a.st, 0) != 0) {
        if (errno != ENOENT)
            throw ZipFailure(ZipError::ArchiveOpen, path + " (" + errnoText(errno) + ")");
        a.st = {};
        return a;
    }
    a.exists = true;
    return a;
}

void readOld(const AddOptions &o, OldArchive &a)
{
    // An empty file is taken as an archive without members.
    if (a.exists && a.st.st_size > 0)
        a.reader = std::make_unique<ArchiveReader>(o.archive, o.base, false, o.codePage);
}

OldArchive openOld(const AddOptions &o)
{
    OldArchive a = statOld(o);
    readOld(o, a);
    return a;
}

mode_t archiveMode(const OldArchive &a)
{
    return a.exists ? (a.st.st_mode & 07777) : mode_t(0666 & ~currentUmask());
}

// Writes the prefix, the slots and the directory, then puts the result in place.
Rewriter rewrite(const AddOptions &o, Reporter &rep, OldArchive &old,
    const std::vector<Slot> &slots, bool setTime, const std::vector<Source> *sources = nullptr,
    const std::vector<std::optional<std::string>> *renames = nullptr)
{
    ArchiveWriter out(o.base, o.archive);
    if (old.reader)
        out.copyFrom(old.reader->fd(), 0, old.reader->firstMember());
    Rewriter rw(o, rep, old.reader.get(), sources, renames);
    rw.write(out, slots);
    std::optional<int64_t> mtime;
    if (setTime)
        mtime = rw.newest();
    out.commit(archiveMode(old), mtime);
    return rw;
}

bool fileNewer(const Source &src, const Entry &e)
{
    int64_t t = src.mtime();
    if (!e.hasUnixTime)
        t &= ~int64_t(1); // compare in the 2-second steps of DOS time
    return t > e.mtime;
}

// Held by every rewrite from before the old directory is read until the new
// archive is in place (and, for a move, its sources are gone).
ArchiveLock lockArchive(const AddOptions &o, Reporter &rep)
{
    return ArchiveLock(o.base, o.archive, [&] {
        rep.waiting(o.archive);
    });
}

} // namespace

int32_t addFiles(const AddOptions &o, Reporter &rep)
{
    ArchiveLock lock = lockArchive(o, rep);
    OldArchive old = statOld(o);
    // The files are found before the old directory is read, so that the two
    // longest lists do not grow at the same time.
    Collection found = collectSources(o, old.st, rep);
    readOld(o, old);
    if (found.sources.empty()) {
        rep.problem(ZipError::NothingToDo, o.archive);
        return 0;
    }
    // The first old member of each name that is added, found by one pass
    // over the old names: the table holds only the names added, however
    // many members the archive has. The table and the matches go before the
    // rewrite, and the slots take only the room they need.
    const size_t oldCount = old.reader ? old.reader->entries().size() : 0;
    checkSlotCount(oldCount, o.archive);
    checkSlotCount(found.sources.size(), o.archive);
    std::vector<uint32_t> firstOld(oldCount > 0 ? found.sources.size() : 0, noOld); // per source
    if (oldCount > 0) {
        NameTable names;
        names.reserve(found.sources, found.sources.size());
        for (size_t s = 0; s < found.sources.size(); ++s)
            names.insert(found.sources, s);
        for (size_t i = 0; i < oldCount; ++i) {
            const size_t s = names.find(found.sources, old.reader->entries()[i].name);
            if (s != SIZE_MAX && firstOld[s] == noOld)
                firstOld[s] = uint32_t(i);
        }
    }
    size_t unmatched = found.sources.size();
    if (!firstOld.empty())
        unmatched = size_t(std::count(firstOld.begin(), firstOld.end(), noOld));
    std::vector<Slot> slots;
    slots.reserve(oldCount + (o.freshen ? 0 : unmatched));
    for (size_t i = 0; i < oldCount; ++i)
        slots.push_back({ uint32_t(i), noSource });
    bool any = false;
    uint64_t total = 0;
    for (size_t s = 0; s < found.sources.size(); ++s) {
        const Source &src = found.sources[s];
        const uint32_t at = firstOld.empty() ? noOld : firstOld[s];
        if (at != noOld) {
            if ((o.freshen || o.update) && !fileNewer(src, old.reader->entries()[at]))
                continue;
            slots[at].src = uint32_t(s);
        } else if (!o.freshen) {
            slots.push_back({ noOld, uint32_t(s) });
        } else {
            continue;
        }
        any = true;
        total += src.size();
    }
    std::vector<uint32_t>().swap(firstOld);
    if (!any)
        return 0;
    rep.total(total);
    Rewriter rw = rewrite(o, rep, old, slots, o.archiveTime, &found.sources);
    if (o.move) {
        // Only now that the new archive is in place are the sources removed.
        // A file that stays is told: the caller asked for it to go. A folder
        // that still holds what was not added stays without a word.
        auto remove = [&](const std::string &path, int flags) {
            if (amx_unlinkat(o.base, path.c_str(), flags) == 0 || errno == ENOENT
                || (flags && (errno == ENOTEMPTY || errno == EEXIST)))
                return;
            rep.problem(
                ZipError::WriteFailed, path + " not removed (" + errnoText(errno) + ")", path);
        };
        for (const Source *src : rw.done())
            if (!src->isDir())
                remove(src->cpath(), 0);
        for (auto it = found.walkedDirs.rbegin(); it != found.walkedDirs.rend(); ++it)
            remove(*it, AT_REMOVEDIR);
        for (auto it = rw.done().rbegin(); it != rw.done().rend(); ++it)
            if ((*it)->isDir())
                remove((*it)->cpath(), AT_REMOVEDIR);
    }
    return rw.added();
}

int32_t deleteMembers(const AddOptions &o, Reporter &rep)
{
    ArchiveLock lock = lockArchive(o, rep);
    OldArchive old = openOld(o);
    if (!old.reader)
        throw ZipFailure(ZipError::ArchiveOpen, o.archive);
    const auto &entries = old.reader->entries();
    const MemberSelection sel = selectMembers(o.specs, entries);
    for (const std::string &spec : sel.unmatched)
        rep.problem(ZipError::NotMatched, spec);
    const std::vector<size_t> &removed = sel.chosen;
    checkSlotCount(entries.size(), o.archive);
    std::vector<Slot> slots;
    slots.reserve(entries.size());
    for (size_t i = 0, r = 0; i < entries.size(); ++i) {
        if (r < removed.size() && removed[r] == i)
            ++r;
        else
            slots.push_back({ uint32_t(i), noSource });
    }
    if (removed.empty())
        return 0;
    for (size_t i : removed) {
        rep.newFile(entries[i].name, entries[i].usize);
        rep.info("deleting: " + entries[i].name);
        rep.endFile();
    }
    rewrite(o, rep, old, slots, false);
    return int32_t(removed.size());
}

namespace {

// Why a new member name cannot be written, or "" when it can.
std::string badNameReason(const std::string &name)
{
    if (name.empty() || name == "/")
        return "empty name";
    if (name.size() > 0xffff)
        return "name longer than 65535 bytes";
    if (name.front() == '/' || name.front() == '\\' || (name.size() > 1 && name[1] == ':'))
        return "absolute path";
    for (char c : name)
        if (c == '\0' || c == '\n' || c == '\r')
            return "line break or NUL in the name";
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find_first_of("/\\", start);
        if (end == std::string::npos)
            end = name.size();
        if (name.compare(start, end - start, "..") == 0 && end - start == 2)
            return "\"..\" in the path";
        start = end + 1;
    }
    return {};
}

// Member names as indices, open addressing in one array: at a million
// members a map node per name would take several times the room. nameOf(i)
// is member i's name, which stays put while the table lives.
template <class NameOf> class NameIndex
{
public:
    NameIndex(size_t count, NameOf nameOf)
        : m_nameOf(std::move(nameOf))
    {
        size_t cells = 1024;
        while ((count + 1) * 2 > cells)
            cells *= 2;
        m_cells.assign(cells, 0);
    }
    // Adds member i unless a member of its name is there already: returns
    // that member's index then, else SIZE_MAX. At most `count` are added.
    size_t add(size_t i)
    {
        const std::string_view name = m_nameOf(i);
        size_t c = cellOf(name);
        for (; m_cells[c] != 0; c = (c + 1) & (m_cells.size() - 1))
            if (m_nameOf(m_cells[c] - 1) == name)
                return m_cells[c] - 1;
        m_cells[c] = i + 1;
        return SIZE_MAX;
    }
    // The index of the member of that name added first, or SIZE_MAX.
    size_t find(std::string_view name) const
    {
        for (size_t c = cellOf(name); m_cells[c] != 0; c = (c + 1) & (m_cells.size() - 1))
            if (m_nameOf(m_cells[c] - 1) == name)
                return m_cells[c] - 1;
        return SIZE_MAX;
    }

private:
    size_t cellOf(std::string_view name) const
    {
        return std::hash<std::string_view>()(name) & (m_cells.size() - 1);
    }

    NameOf m_nameOf;
    std::vector<size_t> m_cells; // a member's index + 1, 0 when free; a power of two long
};

std::string folderName(std::string name)
{
    while (!name.empty() && name.back() == '/')
        name.pop_back();
    return name + '/';
}

} // namespace

int32_t renameMembers(const AddOptions &o, const std::vector<RenamePair> &pairs, Reporter &rep)
{
    ArchiveLock lock = lockArchive(o, rep);
    OldArchive old = openOld(o);
    if (!old.reader)
        throw ZipFailure(ZipError::ArchiveOpen, o.archive);
    const auto &entries = old.reader->entries();
    std::vector<std::optional<std::string>> newNames(entries.size());
    {
        // The old archive's names stay put until it closes.
        NameIndex byName(entries.size(), [&](size_t i) -> std::string_view {
            return entries[i].name;
        });
        for (size_t i = 0; i < entries.size(); ++i)
            byName.add(i);
        for (const RenamePair &pair : pairs) {
            if (const std::string why = badNameReason(pair.to); !why.empty())
                throw ZipFailure(ZipError::Refused, pair.to + " (" + why + ")");
            // Each member renamed is checked and takes its name at once: a
            // folder of a million members would hold their names twice.
            size_t hits = 0;
            auto take = [&](size_t i, std::string name) {
                if (newNames[i])
                    throw ZipFailure(ZipError::Refused, entries[i].name + " (renamed twice)");
                if (const std::string why = badNameReason(name); !why.empty())
                    throw ZipFailure(ZipError::Refused, name + " (" + why + ")");
                newNames[i] = std::move(name);
                ++hits;
            };
            const size_t exact = byName.find(pair.from);
            if (exact != SIZE_MAX && !entries[exact].isDir()) {
                if (pair.to.back() == '/')
                    throw ZipFailure(
                        ZipError::Refused, pair.to + " (a file's name cannot end in /)");
                take(exact, pair.to);
            } else if (!pair.from.empty()) {
                // A folder: its own record, if any, and everything under it.
                const std::string from = folderName(pair.from), to = folderName(pair.to);
                for (size_t i = 0; i < entries.size(); ++i) {
                    const std::string &name = entries[i].name;
                    if (name.compare(0, from.size(), from) != 0)
                        continue;
                    // Made to measure: to + rest would leave room for half as much again.
                    std::string renamed;
                    renamed.reserve(to.size() + name.size() - from.size());
                    renamed.append(to).append(name, from.size());
                    take(i, std::move(renamed));
                }
            }
            if (hits == 0)
                throw ZipFailure(ZipError::NotMatched, pair.from);
        }
    }
    {
        // Every name after the rename must be unique: the new ones among
        // themselves and against the members that keep theirs. The index
        // goes before the rewrite.
        auto nameAfter = [&](size_t i) -> std::string_view {
            return newNames[i] ? *newNames[i] : entries[i].name;
        };
        NameIndex after(entries.size(), nameAfter);
        for (size_t i = 0; i < entries.size(); ++i)
            if (!newNames[i])
                after.add(i);
        for (size_t i = 0; i < entries.size(); ++i)
            if (newNames[i] && after.add(i) != SIZE_MAX)
                throw ZipFailure(
                    ZipError::Refused, *newNames[i] + " (a member of that name exists)");
        // Nor may a file share its name with a folder another member lies in.
        for (size_t i = 0; i < entries.size(); ++i) {
            const std::string_view name = nameAfter(i);
            for (size_t s = name.find('/'); s != std::string_view::npos;
                 s = name.find('/', s + 1)) {
                const size_t file = after.find(name.substr(0, s));
                if (file != SIZE_MAX && (newNames[i] || newNames[file]))
                    throw ZipFailure(ZipError::Refused,
                        std::string(name) + " (a file has the name of its folder)");
            }
        }
    }
    checkSlotCount(entries.size(), o.archive);
    std::vector<Slot> slots;
    slots.reserve(entries.size());
    int32_t renamed = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        slots.push_back({ uint32_t(i), noSource });
        renamed += newNames[i] ? 1 : 0;
    }
    rewrite(o, rep, old, slots, false, nullptr, &newNames);
    return renamed;
}

void setComment(const AddOptions &o, std::string_view comment, Reporter &rep)
{
    if (comment.size() > 0xffff)
        throw ZipFailure(ZipError::Refused,
            "the comment has " + std::to_string(comment.size()) + " bytes, at most 65535 fit");
    // Readers look for the last end record: one inside the comment would mislead them.
    if (comment.find("PK\x05\x06") != std::string_view::npos)
        throw ZipFailure(ZipError::Refused, "the comment holds the signature of an end record");
    ArchiveLock lock = lockArchive(o, rep);
    ArchiveReader old(o.archive, o.base);
    struct stat st
    {
    };
    if (::fstat(old.fd(), &st) != 0)
        throw ZipFailure(ZipError::ArchiveOpen, o.archive + " (" + errnoText(errno) + ")");
    std::string end(endSize - 2, '\0');
    if (!preadFull(old.fd(), end.data(), end.size(), old.endRecord()))
        throw ZipFailure(ZipError::Truncated, o.archive);
    // Everything before the end record stays as it is, byte for byte.
    ArchiveWriter out(o.base, o.archive);
    out.copyFrom(old.fd(), 0, old.endRecord());
    put16(end, uint16_t(comment.size()));
    end.append(comment);
    out.write(end);
    rep.info("comment: " + std::to_string(comment.size()) + " bytes");
    out.commit(st.st_mode & 07777, std::nullopt);
}

} // namespace amx
