/*
 * The self-extractor stub: a static Linux program to which the builder
 * appends a settings header and an archive.
 *
 *   <this program> "AMX" H Lc Lf Lx caption folder command <archive>
 *
 * It shows the caption, extracts the archive into the default folder (or
 * the one given with -d), then runs the command line there. Every member is
 * checked before anything is written, so a hostile archive writes nothing;
 * a member whose data turns out damaged is removed again and ends the run.
 *
 * The files go only into a folder that belongs to the user and that nobody
 * else can write to: "%temp%" is a new private folder made for this run.
 * The folder is checked and then used through one descriptor, so nothing
 * can be swapped between the check and the writes or the command.
 *
 * Members are inflated in bounded pieces straight into their files, so a
 * member of any size takes a few megabytes of memory.
 *
 * The stub must stay small: the program finds an archive's first member
 * within the first 60000 bytes of a file, so it avoids stdio and never holds
 * the bytes of a local header signature (see local_signature).
 */
#define _GNU_SOURCE
#include "amx_locate.h"
#include "amx_sys.h"

#include <elf.h>
#include <errno.h>
#include <fcntl.h>
#include <libdeflate.h>
#include <limits.h>
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

enum { EXIT_DAMAGE = 1, EXIT_USAGE = 2 };

#define SIG_CENTRAL 0x02014b50u
#define CENTRAL_SIZE 46u
#define LOCAL_SIZE 30u
#define MAX_RATIO 1032u

/* Inflated data collects in a buffer of OUT_SIZE bytes that keeps the last
 * WINDOW bytes, which later matches may copy from. */
enum { OUT_SIZE = 1 << 20, WINDOW = 1 << 15, MAX_MATCH = 258, LINK_DEPTH = 40 };

/* Kept inverted and read at run time, so the compiler cannot fold the bytes
 * of a local header into the program's code. */
static const volatile uint32_t local_signature_inverted = ~0x04034b50u;

struct image
{
    const unsigned char *p;
    uint64_t size;
};

/* The temporary file being written under a name, removed when the run ends
 * early; an unnamed one (O_TMPFILE) goes by itself. */
static int pending_dir = -1;
static char pending_name[24];
/* The private folder "%temp%" stands for, removed again while empty. */
static char *private_temp;
static const char *program = "self-extractor";

struct text
{
    char *s;
    size_t len;
};

static _Noreturn void fail(int code, const char *what, const char *name);

static void say(int fd, ...)
{
    va_list ap;
    const char *s;
    va_start(ap, fd);
    while ((s = va_arg(ap, const char *)) != 0) {
        size_t n = strlen(s);
        while (n > 0) {
            ssize_t w = write(fd, s, n);
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                break;
            s += w;
            n -= (size_t)w;
        }
    }
    va_end(ap);
}

static void append(struct text *t, const char *s, size_t n)
{
    char *grown = realloc(t->s, t->len + n + 1);
    if (!grown)
        fail(EXIT_DAMAGE, "out of memory", 0);
    t->s = grown;
    memcpy(t->s + t->len, s, n);
    t->len += n;
    t->s[t->len] = 0;
}

/* The length of the UTF-8 sequence at s and its code point; 0 when the
 * bytes are not UTF-8 (overlong forms, surrogates and values past Unicode
 * included). */
static size_t utf8_sequence(const unsigned char *s, size_t n, uint32_t *cp)
{
    static const uint32_t minimum[] = { 0, 0, 0x80, 0x800, 0x10000 };
    size_t len, k;
    if (s[0] < 0x80) {
        *cp = s[0];
        return 1;
    }
    if ((s[0] & 0xE0) == 0xC0) {
        len = 2;
        *cp = s[0] & 0x1F;
    } else if ((s[0] & 0xF0) == 0xE0) {
        len = 3;
        *cp = s[0] & 0x0F;
    } else if ((s[0] & 0xF8) == 0xF0) {
        len = 4;
        *cp = s[0] & 0x07;
    } else {
        return 0;
    }
    if (len > n)
        return 0;
    for (k = 1; k < len; ++k) {
        if ((s[k] & 0xC0) != 0x80)
            return 0;
        *cp = *cp << 6 | (s[k] & 0x3F);
    }
    if (*cp < minimum[len] || *cp > 0x10FFFF || (*cp >= 0xD800 && *cp <= 0xDFFF))
        return 0;
    return len;
}

/* A name made safe for one line of a terminal, as the program's list prints
 * it: a backslash as "\\", tab, newline and carriage return as "\t", "\n",
 * "\r", other control bytes and bytes that are not UTF-8 as "\xHH"; C1
 * controls, line and paragraph separators and the bidirectional controls
 * as "\u{XXXX}". */
static char *escaped(const char *name, size_t n)
{
    static const char hex[] = "0123456789ABCDEF";
    const unsigned char *s = (const unsigned char *)name;
    struct text t = { 0, 0 };
    append(&t, "", 0);
    while (n > 0) {
        uint32_t cp = 0;
        const size_t len = utf8_sequence(s, n, &cp);
        char e[9] = { '\\', 'x', hex[s[0] >> 4], hex[s[0] & 15] };
        if (len == 0 || cp < 0x20 || cp == 0x7F) {
            if (len && (cp == '\t' || cp == '\n' || cp == '\r')) {
                e[1] = cp == '\t' ? 't' : cp == '\n' ? 'n' : 'r';
                append(&t, e, 2);
            } else {
                append(&t, e, 4);
            }
            ++s;
            --n;
            continue;
        }
        if (cp == '\\') {
            append(&t, "\\\\", 2);
        } else if ((cp >= 0x80 && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029
            || (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069)) {
            e[1] = 'u';
            e[2] = '{';
            e[3] = hex[cp >> 12 & 15];
            e[4] = hex[cp >> 8 & 15];
            e[5] = hex[cp >> 4 & 15];
            e[6] = hex[cp & 15];
            e[7] = '}';
            append(&t, e, 8);
        } else {
            append(&t, (const char *)s, len);
        }
        s += len;
        n -= len;
    }
    return t.s;
}

static void clean_up(void)
{
    if (pending_dir >= 0)
        amx_unlinkat(pending_dir, pending_name, 0);
    pending_dir = -1;
    if (private_temp)
        rmdir(private_temp);
    private_temp = 0;
}

static _Noreturn void die(int code, const char *what, const char *shown)
{
    clean_up();
    say(2, program, ": ", what, shown ? ": " : "", shown ? shown : "", "\n", (char *)0);
    exit(code);
}

/* Every name and folder the stub reports is escaped: they come from the
 * archive or the settings header, which anybody may have written. */
static _Noreturn void fail(int code, const char *what, const char *name)
{
    die(code, what, name ? escaped(name, strlen(name)) : 0);
}

static _Noreturn void fail_errno(const char *what, const char *name)
{
    const char *reason = strerror(errno);
    clean_up();
    say(2, program, ": ", what, " ", escaped(name, strlen(name)), ": ", reason, "\n", (char *)0);
    exit(EXIT_DAMAGE);
}

static uint16_t get16(const unsigned char *p)
{
    return (uint16_t)(p[0] | (p[1] << 8));
}

static uint32_t get32(const unsigned char *p)
{
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

static int read_image(void *ctx, uint64_t pos, void *dst, size_t n)
{
    const struct image *im = ctx;
    if (pos > im->size || n > im->size - pos)
        return 0;
    memcpy(dst, im->p + pos, n);
    return 1;
}

/* Whether [pos, pos + n) lies inside the image. */
static int inside(const struct image *im, uint64_t pos, uint64_t n)
{
    return pos <= im->size && n <= im->size - pos;
}

static uint64_t max64(uint64_t a, uint64_t b)
{
    return a > b ? a : b;
}

/* Where this program's own ELF image ends: past its last segment, section
 * and header table. The settings header starts there. */
static uint64_t image_end(const struct image *im)
{
    const Elf64_Ehdr *eh = (const Elf64_Ehdr *)im->p;
    uint64_t end, i;
    if (!inside(im, 0, sizeof *eh) || memcmp(eh->e_ident, ELFMAG, SELFMAG) != 0
        || eh->e_ident[EI_CLASS] != ELFCLASS64 || eh->e_phentsize != sizeof(Elf64_Phdr)
        || (eh->e_shnum && eh->e_shentsize != sizeof(Elf64_Shdr))
        || !inside(im, eh->e_phoff, (uint64_t)eh->e_phnum * sizeof(Elf64_Phdr))
        || !inside(im, eh->e_shoff, (uint64_t)eh->e_shnum * sizeof(Elf64_Shdr)))
        fail(EXIT_DAMAGE, "cannot read its own program image", 0);
    end = max64(sizeof *eh, eh->e_phoff + (uint64_t)eh->e_phnum * sizeof(Elf64_Phdr));
    end = max64(end, eh->e_shoff + (uint64_t)eh->e_shnum * sizeof(Elf64_Shdr));
    for (i = 0; i < eh->e_phnum; ++i) {
        const Elf64_Phdr *ph = (const Elf64_Phdr *)(im->p + eh->e_phoff) + i;
        end = max64(end, ph->p_offset + ph->p_filesz);
    }
    for (i = 0; i < eh->e_shnum; ++i) {
        const Elf64_Shdr *sh = (const Elf64_Shdr *)(im->p + eh->e_shoff) + i;
        if (sh->sh_type != SHT_NOBITS)
            end = max64(end, sh->sh_offset + sh->sh_size);
    }
    return end;
}

/* "%temp%" is a new private folder in the user's temporary folder, made at
 * its first use; any other %NAME% is that environment variable (empty when
 * unset); "%%" is a percent sign. */
static char *expand(const char *in)
{
    struct text t = { 0, 0 };
    append(&t, "", 0);
    while (*in) {
        const char *close = *in == '%' ? strchr(in + 1, '%') : 0;
        if (!close) {
            append(&t, in, 1);
            ++in;
            continue;
        }
        if (close == in + 1) {
            append(&t, "%", 1);
        } else {
            const size_t n = (size_t)(close - in - 1);
            char name[256];
            const char *value;
            memcpy(name, in + 1, n < 255 ? n : 255);
            name[n < 255 ? n : 255] = 0;
            if (strcasecmp(name, "temp") == 0) {
                if (!private_temp) {
                    struct text made = { 0, 0 };
                    value = getenv("TMPDIR");
                    if (!value || !*value)
                        value = "/tmp";
                    append(&made, value, strlen(value));
                    append(&made, "/amxsfx-XXXXXX", 14);
                    if (!mkdtemp(made.s))
                        fail_errno("cannot create a private folder in", value);
                    private_temp = made.s;
                }
                value = private_temp;
            } else {
                value = getenv(name);
            }
            if (value)
                append(&t, value, strlen(value));
        }
        in = close + 1;
    }
    return t.s;
}

/* Only a folder of the user's own that nobody else can write to is written
 * into: another user could otherwise replace a file between its writing and
 * the command that runs it. */
static void trust_folder(int dir, const char *shown)
{
    struct stat st;
    if (fstat(dir, &st) != 0)
        fail_errno("cannot open the folder", shown);
    if (st.st_uid != geteuid())
        fail(EXIT_DAMAGE, "refused, the folder belongs to another user", shown);
    if (st.st_mode & 022)
        fail(EXIT_DAMAGE, "refused, other users can write to the folder", shown);
}

static int open_path(int at, const char *path, int create, int depth, const char *shown);

/* The folder a link at name in dir leads to, or -1 with errno set when name
 * is no link. Only links of the user's own or of the system are followed: a
 * link another user made could send the files into any folder of the user. */
static int follow(int dir, const char *name, int depth, const char *shown)
{
    struct stat st;
    char target[PATH_MAX];
    ssize_t n;
    int next, link = amx_openat(dir, name, O_PATH | O_NOFOLLOW | O_CLOEXEC, 0);
    if (link < 0)
        return -1;
    if (fstat(link, &st) != 0 || !S_ISLNK(st.st_mode)) {
        close(link);
        errno = ENOTDIR;
        return -1;
    }
    if (st.st_uid != 0 && st.st_uid != geteuid())
        fail(EXIT_DAMAGE, "refused, a link of another user in the path of the folder", shown);
    if (depth >= LINK_DEPTH) {
        errno = ELOOP;
        fail_errno("cannot open the folder", shown);
    }
    n = readlinkat(link, "", target, sizeof target - 1);
    close(link);
    if (n < 0)
        fail_errno("cannot open the folder", shown);
    target[n] = 0;
    next = open_path(dir, target, 0, depth + 1, shown);
    return next;
}

/* Opens the folder at path (relative to at), creating what is missing when
 * create is set. Each component is opened from the one before without
 * following links; links are resolved here, see follow. */
static int open_path(int at, const char *path, int create, int depth, const char *shown)
{
    char *copy = strdup(path), *comp, *slash;
    int dir = amx_openat(at, path[0] == '/' ? "/" : ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (!copy)
        fail(EXIT_DAMAGE, "out of memory", 0);
    if (dir < 0)
        fail_errno("cannot open the folder", shown);
    for (comp = copy; comp; comp = slash ? slash + 1 : 0) {
        int next;
        slash = strchr(comp, '/');
        if (slash)
            *slash = 0;
        if (!*comp || strcmp(comp, ".") == 0)
            continue;
        next = amx_openat(dir, comp, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC, 0);
        if (next < 0 && errno == ENOENT && create) {
            if (amx_mkdirat(dir, comp, 0755) != 0 && errno != EEXIST)
                fail_errno("cannot create the folder", shown);
            next = amx_openat(dir, comp, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC, 0);
        }
        if (next < 0 && (errno == ELOOP || errno == ENOTDIR))
            next = follow(dir, comp, depth, shown);
        if (next < 0)
            fail_errno("cannot open the folder", shown);
        close(dir);
        dir = next;
    }
    free(copy);
    return dir;
}

/* A member name may not leave the folder: no absolute name, no ".."
 * component, no backslash (a separator elsewhere), no zero byte. */
static int safe_name(const char *name, size_t len)
{
    size_t i, start = 0;
    if (len == 0 || name[0] == '/' || memchr(name, 0, len) || memchr(name, '\\', len))
        return 0;
    for (i = 0; i <= len; ++i) {
        if (i < len && name[i] != '/')
            continue;
        if (i - start == 2 && name[start] == '.' && name[start + 1] == '.')
            return 0;
        start = i + 1;
    }
    return 1;
}

/* Opens the folder of the path's components below base, creating what is
 * missing; a link or a file in the way stops the run, and so does a folder
 * that is not the user's alone. With `last` unset, the final component is
 * left for the caller and returned in *leaf. */
static int walk(int base, char *path, int last, const char **leaf)
{
    int dir = dup(base);
    char *comp = path;
    if (dir < 0)
        fail_errno("cannot open", path);
    for (;;) {
        char *slash = strchr(comp, '/');
        int next;
        if (!slash && !last) {
            *leaf = comp;
            return dir;
        }
        if (slash)
            *slash = 0;
        if (*comp && strcmp(comp, ".") != 0) {
            if (amx_mkdirat(dir, comp, 0755) != 0 && errno != EEXIST)
                fail_errno("cannot create the folder", comp);
            next = amx_openat(dir, comp, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC, 0);
            if (next < 0)
                fail_errno("cannot enter the folder", comp);
            trust_folder(next, comp);
            close(dir);
            dir = next;
        }
        if (!slash)
            return dir;
        *slash = '/';
        comp = slash + 1;
    }
}

struct member
{
    const char *name; /* not terminated */
    size_t name_len;
    uint16_t method, flags;
    uint32_t crc, mode;
    uint64_t csize, usize, local, data;
    int dir, link;
};

static _Noreturn void fail_member(const char *what, const char *name, size_t len)
{
    die(EXIT_DAMAGE, what, escaped(name, len));
}

/* Reads the directory record at *pos and checks everything about the member
 * that can be checked without its data. */
static void read_member(const struct image *im, const struct amx_central_location *at,
    uint64_t archive_start, uint64_t *pos, struct member *m)
{
    const unsigned char *h = im->p + *pos;
    const uint64_t shift = at->start - at->stored_offset;
    struct amx_zip64_values v;
    uint16_t extra_len, comment_len;
    const unsigned char *lh;

    if (*pos + CENTRAL_SIZE > at->records_pos || get32(h) != SIG_CENTRAL)
        fail(EXIT_DAMAGE, "damaged archive", "directory record missing");
    m->name_len = get16(h + 28);
    extra_len = get16(h + 30);
    comment_len = get16(h + 32);
    if (*pos + CENTRAL_SIZE + m->name_len + extra_len + comment_len > at->records_pos)
        fail(EXIT_DAMAGE, "damaged archive", "record runs past the directory");
    m->name = (const char *)h + CENTRAL_SIZE;
    m->flags = get16(h + 8);
    m->method = get16(h + 10);
    m->crc = get32(h + 16);
    v.csize = get32(h + 20);
    v.usize = get32(h + 24);
    v.offset = get32(h + 42);
    v.disk = get16(h + 34);
    if (amx_zip64_extra(h + CENTRAL_SIZE + m->name_len, extra_len, &v, 0) & AMX_ZIP64_MISSING)
        fail(EXIT_DAMAGE, "damaged archive", "ZIP64 field incomplete");
    m->csize = v.csize;
    m->usize = v.usize;
    m->mode = (h[5] == 3) ? get32(h + 38) >> 16 : 0;
    m->dir = m->name_len > 0 && m->name[m->name_len - 1] == '/';
    m->link = S_ISLNK(m->mode);
    *pos += CENTRAL_SIZE + m->name_len + extra_len + comment_len;

    if (!safe_name(m->name, m->name_len))
        fail_member("unsafe member name refused", m->name, m->name_len);
    if (m->flags & 1)
        fail_member("encrypted member not supported", m->name, m->name_len);
    if (m->method != 0 && m->method != 8)
        fail_member("compression method not supported", m->name, m->name_len);
    m->local = v.offset + shift;
    if (v.offset >= at->stored_offset || m->local < archive_start
        || m->local + LOCAL_SIZE > at->start)
        fail_member("damaged archive, member outside the archive", m->name, m->name_len);
    lh = im->p + m->local;
    if (get32(lh) != ~local_signature_inverted)
        fail_member("damaged archive, local header missing", m->name, m->name_len);
    m->data = m->local + LOCAL_SIZE + get16(lh + 26) + get16(lh + 28);
    if (m->data > at->start || m->csize > at->start - m->data)
        fail_member("damaged archive, member data cut short", m->name, m->name_len);
    if (m->method == 0 ? m->csize != m->usize : m->usize / MAX_RATIO > m->csize)
        fail_member("damaged archive, sizes do not fit", m->name, m->name_len);
}

/* Where a member's header and data lie, for the overlap check. */
struct span
{
    uint64_t start, end;
    size_t index;
    const char *name;
    size_t name_len;
};

static int by_start(const void *a, const void *b)
{
    const struct span *x = a, *y = b;
    if (x->start != y->start)
        return x->start < y->start ? -1 : 1;
    return x->index < y->index ? -1 : x->index > y->index;
}

/* Checks every member before anything is written. Members whose data
 * overlap (several records pointing at one member's data) are refused as
 * a possible zip bomb: the same member written many times over. Returns
 * the number of records. */
static uint64_t check_members(
    const struct image *im, const struct amx_central_location *at, uint64_t archive_start)
{
    struct span *spans = 0;
    uint64_t pos, seen, k;
    size_t room = 0;
    for (pos = at->start, seen = 0; pos < at->records_pos; ++seen) {
        struct member m;
        struct span s;
        read_member(im, at, archive_start, &pos, &m);
        if (seen == room) {
            room = room ? 2 * room : 64;
            spans = realloc(spans, room * sizeof *spans);
            if (!spans)
                fail(EXIT_DAMAGE, "out of memory", 0);
        }
        s.start = m.local;
        s.end = m.data + m.csize;
        s.index = seen;
        s.name = m.name;
        s.name_len = m.name_len;
        spans[seen] = s;
    }
    if (seen < at->entries || (seen - at->entries) % 65536 != 0)
        fail(EXIT_DAMAGE, "damaged archive", "member count does not match");
    if (seen)
        qsort(spans, seen, sizeof *spans, by_start);
    for (k = 0; k + 1 < seen; ++k) {
        const struct span *s = &spans[k];
        if (spans[k + 1].start == s->start)
            s = &spans[k + 1];
        else if (s->end <= spans[k + 1].start)
            continue;
        fail_member("overlaps another member, possible zip bomb", s->name, s->name_len);
    }
    free(spans);
    return seen;
}

/* The settings header the builder put after this program's image, and the
 * archive after it. */
struct settings
{
    char *caption, *folder, *command;
    uint64_t archive_start;
};

/* Reads the settings header at start and finds the archive's directory. */
static void read_settings(
    const struct image *im, uint64_t start, struct settings *set, struct amx_central_location *at)
{
    const unsigned char *h = im->p + start;
    unsigned lengths[3];
    int i;
    if (!inside(im, start, 7) || memcmp(h, "AMX", 3) != 0 || !inside(im, start, h[3]))
        fail(EXIT_DAMAGE, "no archive attached to this program", 0);
    for (i = 0; i < 3; ++i)
        lengths[i] = h[4 + i] == 255 ? 0 : h[4 + i];
    if (7u + lengths[0] + lengths[1] + lengths[2] != h[3])
        fail(EXIT_DAMAGE, "damaged settings header", 0);
    set->caption = strndup((const char *)h + 7, lengths[0]);
    set->folder = strndup((const char *)h + 7 + lengths[0], lengths[1]);
    set->command = strndup((const char *)h + 7 + lengths[0] + lengths[1], lengths[2]);
    if (!set->caption || !set->folder || !set->command)
        fail(EXIT_DAMAGE, "out of memory", 0);
    set->archive_start = start + h[3];

    amx_locate_central(read_image, (void *)im, im->size, at);
    if (at->fault != AMX_LOCATE_OK || at->start < set->archive_start)
        fail(EXIT_DAMAGE, "damaged archive", "directory not found");
}

/* Where a member's bytes go: its temporary file, checked as they pass. */
struct sink
{
    int fd;
    uint32_t crc;
    uint64_t written, size;
    const char *name;
};

static void sink_write(struct sink *s, const unsigned char *p, size_t n)
{
    if (n > s->size - s->written)
        fail(EXIT_DAMAGE, "damaged member data, longer than its size", s->name);
    s->crc = libdeflate_crc32(s->crc, p, n);
    s->written += n;
    while (n > 0) {
        ssize_t w = amx_write(s->fd, p, n > (1u << 30) ? (1u << 30) : n);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            fail_errno("cannot write", s->name);
        p += w;
        n -= (size_t)w;
    }
}

/* The archive is mapped whole; what has been read of a member is dropped
 * from memory again as its extraction goes on. */
static uintptr_t released;

static void release_to(const unsigned char *p)
{
    const uintptr_t page = (uintptr_t)getpagesize();
    const uintptr_t to = (uintptr_t)p & ~(page - 1);
    if (to > released)
        madvise((void *)released, to - released, MADV_DONTNEED);
    released = to;
}

/* A streaming inflater: the whole compressed member lies in memory, the
 * output goes through a buffer of OUT_SIZE bytes into the sink. */
struct inflater
{
    const unsigned char *in, *end;
    uint64_t bits;
    unsigned nbits, pad; /* pad: zero bytes added past the end of the data */
    unsigned char *out;
    size_t pos, flushed;
    struct sink *sink;
    /* Codes of up to 15 bits, looked up whole: symbol | length << 9. */
    uint16_t lit[1 << 15], dist[1 << 15];
    unsigned litbits, distbits;
};

static _Noreturn void damaged(const struct inflater *z)
{
    fail(EXIT_DAMAGE, "damaged member data", z->sink->name);
}

static void refill(struct inflater *z)
{
    if (z->end - z->in >= 8) {
        const uint64_t w = get32(z->in) | (uint64_t)get32(z->in + 4) << 32;
        z->bits |= w << z->nbits;
        z->in += (63 - z->nbits) >> 3;
        z->nbits |= 56;
        return;
    }
    while (z->nbits <= 56) {
        if (z->in < z->end)
            z->bits |= (uint64_t)*z->in++ << z->nbits;
        else if (++z->pad > 8)
            damaged(z);
        z->nbits += 8;
    }
}

static unsigned take(struct inflater *z, unsigned n)
{
    const unsigned v = (unsigned)(z->bits & ((1u << n) - 1));
    z->bits >>= n;
    z->nbits -= n;
    return v;
}

static unsigned decode(struct inflater *z, const uint16_t *table, unsigned tbits)
{
    const unsigned e = table[z->bits & ((1u << tbits) - 1)], len = e >> 9;
    if (!len)
        damaged(z);
    z->bits >>= len;
    z->nbits -= len;
    return e & 511;
}

/* The lookup table of a canonical Huffman code given by its code lengths. */
static void build(
    struct inflater *z, uint16_t *table, unsigned *tbits, const unsigned char *lens, unsigned n)
{
    unsigned count[16] = { 0 }, next[16], i, j, code = 0, max = 1;
    int left = 1;
    for (i = 0; i < n; ++i)
        ++count[lens[i]];
    for (i = 1; i < 16; ++i) {
        left = 2 * left - (int)count[i];
        if (left < 0)
            damaged(z);
        if (count[i])
            max = i;
        next[i] = code;
        code = (code + count[i]) << 1;
    }
    memset(table, 0, sizeof *table << max);
    for (i = 0; i < n; ++i) {
        const unsigned len = lens[i];
        unsigned c, rev = 0;
        if (!len)
            continue;
        c = next[len]++;
        for (j = 0; j < len; ++j)
            rev = rev << 1 | (c >> j & 1);
        for (j = rev; j < 1u << max; j += 1u << len)
            table[j] = (uint16_t)(i | len << 9);
    }
    *tbits = max;
}

/* Writes out what the buffer holds and keeps the window. */
static void flush(struct inflater *z)
{
    sink_write(z->sink, z->out + z->flushed, z->pos - z->flushed);
    release_to(z->in);
    if (z->pos > WINDOW) {
        memmove(z->out, z->out + z->pos - WINDOW, WINDOW);
        z->pos = WINDOW;
    }
    z->flushed = z->pos;
}

static void stored_block(struct inflater *z)
{
    size_t len, nlen;
    take(z, z->nbits & 7);
    len = take(z, 16);
    nlen = take(z, 16);
    if (len != (~nlen & 0xffff) || z->pad * 8 > z->nbits)
        damaged(z);
    /* The whole bytes still in the bit buffer are read again from the input. */
    z->in -= z->nbits / 8 - z->pad;
    z->bits = 0;
    z->nbits = z->pad = 0;
    if (len > (size_t)(z->end - z->in))
        damaged(z);
    while (len > 0) {
        size_t n;
        if (z->pos == OUT_SIZE)
            flush(z);
        n = OUT_SIZE - z->pos < len ? OUT_SIZE - z->pos : len;
        memcpy(z->out + z->pos, z->in, n);
        z->pos += n;
        z->in += n;
        len -= n;
    }
}

static void huffman_block(struct inflater *z)
{
    static const uint16_t lbase[29] = { 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35,
        43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258 };
    static const unsigned char lext[29] = { 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3,
        3, 4, 4, 4, 4, 5, 5, 5, 5, 0 };
    static const uint16_t dbase[30] = { 1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193,
        257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577 };
    static const unsigned char dext[30] = { 0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8,
        8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13 };
    for (;;) {
        unsigned sym, len, dist;
        unsigned char *o;
        if (z->nbits < 48)
            refill(z);
        if (z->pos > OUT_SIZE - MAX_MATCH)
            flush(z);
        sym = decode(z, z->lit, z->litbits);
        if (sym < 256) {
            z->out[z->pos++] = (unsigned char)sym;
            continue;
        }
        if (sym == 256)
            return;
        sym -= 257;
        if (sym >= 29)
            damaged(z);
        len = lbase[sym] + take(z, lext[sym]);
        sym = decode(z, z->dist, z->distbits);
        if (sym >= 30)
            damaged(z);
        dist = dbase[sym] + take(z, dext[sym]);
        if (dist > z->pos)
            damaged(z);
        o = z->out + z->pos;
        z->pos += len;
        while (len--) {
            *o = o[-(ptrdiff_t)dist];
            ++o;
        }
    }
}

static void dynamic_tables(struct inflater *z)
{
    static const unsigned char order[19] = { 16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2,
        14, 1, 15 };
    unsigned char lens[286 + 30];
    unsigned nlen, ndist, ncode, i, bits;
    refill(z);
    nlen = take(z, 5) + 257;
    ndist = take(z, 5) + 1;
    ncode = take(z, 4) + 4;
    if (nlen > 286 || ndist > 30)
        damaged(z);
    memset(lens, 0, 19);
    for (i = 0; i < ncode; ++i) {
        refill(z);
        lens[order[i]] = (unsigned char)take(z, 3);
    }
    build(z, z->dist, &bits, lens, 19);
    for (i = 0; i < nlen + ndist;) {
        unsigned sym, rep;
        unsigned char value = 0;
        refill(z);
        sym = decode(z, z->dist, bits);
        if (sym < 16) {
            lens[i++] = (unsigned char)sym;
            continue;
        }
        if (sym == 16) {
            if (i == 0)
                damaged(z);
            value = lens[i - 1];
            rep = 3 + take(z, 2);
        } else {
            rep = sym == 17 ? 3 + take(z, 3) : 11 + take(z, 7);
        }
        if (rep > nlen + ndist - i)
            damaged(z);
        while (rep--)
            lens[i++] = value;
    }
    if (!lens[256])
        damaged(z);
    build(z, z->lit, &z->litbits, lens, nlen);
    build(z, z->dist, &z->distbits, lens + nlen, ndist);
}

static void fixed_tables(struct inflater *z)
{
    unsigned char lens[288];
    memset(lens, 8, 144);
    memset(lens + 144, 9, 112);
    memset(lens + 256, 7, 24);
    memset(lens + 280, 8, 8);
    build(z, z->lit, &z->litbits, lens, 288);
    memset(lens, 5, 32);
    build(z, z->dist, &z->distbits, lens, 32);
}

static void inflate_member(struct inflater *z, const unsigned char *in, uint64_t n)
{
    unsigned final;
    z->in = in;
    z->end = in + n;
    z->bits = 0;
    z->nbits = z->pad = 0;
    z->pos = z->flushed = 0;
    do {
        unsigned type;
        refill(z);
        final = take(z, 1);
        type = take(z, 2);
        if (type == 0) {
            stored_block(z);
            continue;
        }
        if (type == 3)
            damaged(z);
        if (type == 1)
            fixed_tables(z);
        else
            dynamic_tables(z);
        huffman_block(z);
    } while (!final);
    if (z->pad * 8 > z->nbits)
        damaged(z);
    flush(z);
}

/* A name for a temporary file: ".amxsfx-" and twelve random characters. */
static void random_name(char *name)
{
    static const char chars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    static uint64_t state;
    int i;
    if (!state && (size_t)getrandom(&state, sizeof state, 0) != sizeof state)
        state = (uint64_t)getpid() << 32 ^ (uint64_t)time(0);
    strcpy(name, ".amxsfx-");
    for (i = 0; i < 12; ++i) {
        state |= !state;
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        name[8 + i] = chars[state & 63];
    }
    name[20] = 0;
}

/* A new file for the member's bytes: unnamed where the file system allows,
 * else under a random name no other file has. Neither can collide with a
 * member or with what an earlier, killed run left. */
static int temp_file(int dir, const char *shown)
{
    int fd = amx_openat(dir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600), tries;
    if (fd >= 0)
        return fd;
    for (tries = 0; tries < 100; ++tries) {
        random_name(pending_name);
        fd = amx_openat(
            dir, pending_name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            pending_dir = dir;
            return fd;
        }
        if (errno != EEXIST)
            break;
    }
    fail_errno("cannot create", shown);
}

/* Puts the finished file in place of leaf; the rename never follows a link
 * and replaces an existing file in one step. An unnamed file that replaces
 * one gets a name of its own just before the rename: a crash between the two
 * leaves that name, and nothing can make the two one step. */
static void commit(int dir, int fd, const char *leaf, const char *shown)
{
    if (pending_dir < 0) {
        char proc[32] = "/proc/self/fd/", digits[12], *d = digits + sizeof digits;
        int tries, n = fd;
        *--d = 0;
        do
            *--d = (char)('0' + n % 10);
        while ((n /= 10) > 0);
        strcat(proc, d);
        /* A new name takes the file directly: no moment with a second name. */
        if (amx_linkat(AT_FDCWD, proc, dir, leaf, AT_SYMLINK_FOLLOW) == 0) {
            if (amx_close(fd) != 0)
                fail_errno("cannot write", shown);
            return;
        }
        if (errno != EEXIST)
            fail_errno("cannot create", shown);
        for (tries = 0; tries < 100; ++tries) {
            random_name(pending_name);
            if (amx_linkat(AT_FDCWD, proc, dir, pending_name, AT_SYMLINK_FOLLOW) == 0) {
                pending_dir = dir;
                break;
            }
            if (errno != EEXIST)
                break;
        }
        if (pending_dir < 0)
            fail_errno("cannot create", shown);
    }
    if (amx_close(fd) != 0)
        fail_errno("cannot write", shown);
    if (amx_renameat(dir, pending_name, dir, leaf) != 0)
        fail_errno("cannot replace", shown);
    pending_dir = -1;
}

/* Writes one member beside its final name and puts it in place only when
 * its size and CRC-32 check out. */
static void extract(
    int base, const struct image *im, const struct member *m, struct inflater *z, mode_t umask_bits)
{
    char *path = strndup(m->name, m->name_len), *shown = escaped(m->name, m->name_len);
    const unsigned char *in = im->p + m->data;
    const char *leaf = 0;
    struct sink sink;
    int dir;

    if (!path)
        fail(EXIT_DAMAGE, "out of memory", 0);
    say(1, "  ", shown, "\n", (char *)0);
    free(shown);
    if (m->dir) {
        close(walk(base, path, 1, 0));
        free(path);
        return;
    }
    dir = walk(base, path, 0, &leaf);
    if (!*leaf || strcmp(leaf, ".") == 0)
        fail(EXIT_DAMAGE, "unsafe member name refused", path);

    sink.fd = temp_file(dir, path);
    sink.crc = 0;
    sink.written = 0;
    sink.size = m->usize;
    sink.name = path;
    released = (uintptr_t)in & ~((uintptr_t)getpagesize() - 1);
    if (m->method == 8) {
        z->sink = &sink;
        inflate_member(z, in, m->csize);
    } else {
        uint64_t done, n;
        for (done = 0; done < m->csize; done += n) {
            n = m->csize - done < OUT_SIZE ? m->csize - done : OUT_SIZE;
            sink_write(&sink, in + done, n);
            release_to(in + done + n);
        }
    }
    if (sink.written != m->usize)
        fail(EXIT_DAMAGE, "damaged member data, shorter than its size", path);
    if (sink.crc != m->crc)
        fail(EXIT_DAMAGE, "CRC error", path);
    if (amx_fchmod(sink.fd, (m->mode & 0777 ? m->mode & 0777 : 0644) & ~umask_bits) != 0)
        fail_errno("cannot write", path);
    commit(dir, sink.fd, leaf, path);
    close(dir);
    free(path);
}

int main(int argc, char **argv)
{
    struct image im;
    struct amx_central_location at;
    struct settings set;
    struct stat st;
    const char *folder_arg = 0;
    char *caption, *folder, *command, *p;
    uint64_t archive_start, pos, count, seen;
    mode_t umask_bits;
    int fd, base, i;
    struct inflater *inflater;

    if (argc > 0 && argv[0][0]) {
        const char *slash = strrchr(argv[0], '/');
        program = slash ? slash + 1 : argv[0];
    }
    for (i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "-d") == 0 && i + 1 < argc) {
            folder_arg = argv[++i];
        } else {
            say(2, "usage: ", program, " [-d folder]\n", (char *)0);
            return EXIT_USAGE;
        }
    }

    fd = amx_open("/proc/self/exe", O_RDONLY | O_CLOEXEC, 0);
    if (fd < 0 || fstat(fd, &st) != 0 || st.st_size <= 0)
        fail(EXIT_DAMAGE, "cannot read its own program file", 0);
    im.size = (uint64_t)st.st_size;
    im.p = mmap(0, im.size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (im.p == MAP_FAILED)
        fail(EXIT_DAMAGE, "cannot read its own program file", 0);
    close(fd);

    read_settings(&im, image_end(&im), &set, &at);
    caption = set.caption;
    folder = set.folder;
    command = set.command;
    archive_start = set.archive_start;
    if (*caption)
        say(1, caption, "\n\n", (char *)0);
    count = check_members(&im, &at, archive_start);

    /* The header's folder was typed for Windows ("%temp%\setup"). */
    for (p = folder; *p; ++p)
        if (*p == '\\')
            *p = '/';
    folder = folder_arg ? strdup(folder_arg) : expand(folder);
    if (folder && !*folder)
        folder = strdup(".");
    if (!folder)
        fail(EXIT_DAMAGE, "out of memory", 0);
    base = open_path(AT_FDCWD, folder, 1, 0, folder);
    trust_folder(base, folder);
    say(1, "Extracting to ", escaped(folder, strlen(folder)), "\n", (char *)0);

    umask_bits = umask(0);
    umask(umask_bits);
    inflater = malloc(sizeof *inflater);
    if (inflater)
        inflater->out = malloc(OUT_SIZE);
    if (!inflater || !inflater->out)
        fail(EXIT_DAMAGE, "out of memory", 0);
    for (pos = at.start, seen = 0; seen < count; ++seen) {
        struct member m;
        read_member(&im, &at, archive_start, &pos, &m);
        if (m.link) {
            char *shown = escaped(m.name, m.name_len);
            say(1, "  link not extracted: ", shown, "\n", (char *)0);
            free(shown);
        } else {
            extract(base, &im, &m, inflater, umask_bits);
        }
    }

    if (*command) {
        if (fchdir(base) != 0)
            fail_errno("cannot enter the folder", folder);
        execl("/bin/sh", "sh", "-c", command, (char *)0);
        fail_errno("cannot run", command);
    }
    return 0;
}
