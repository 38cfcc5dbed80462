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
 * The stub must stay small: the program finds an archive's first member
 * within the first 60000 bytes of a file, so it avoids stdio and never holds
 * the bytes of a local header signature (see local_signature).
 */
#define _GNU_SOURCE
#include "format/amx_locate.h"

#include <elf.h>
#include <errno.h>
#include <fcntl.h>
#include <libdeflate.h>
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

enum { EXIT_DAMAGE = 1, EXIT_USAGE = 2 };

#define SIG_CENTRAL 0x02014b50u
#define CENTRAL_SIZE 46u
#define LOCAL_SIZE 30u
#define MAX_RATIO 1032u

/* Kept inverted and read at run time, so the compiler cannot fold the bytes
 * of a local header into the program's code. */
static const volatile uint32_t local_signature_inverted = ~0x04034b50u;

struct image
{
    const unsigned char *p;
    uint64_t size;
};

/* The temporary file being written, removed when the run ends early. */
static int pending_dir = -1;
static char pending_name[32];
static const char *program = "self-extractor";

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

static _Noreturn void fail(int code, const char *what, const char *name)
{
    if (pending_dir >= 0)
        unlinkat(pending_dir, pending_name, 0);
    say(2, program, ": ", what, name ? ": " : "", name ? name : "", "\n", (char *)0);
    exit(code);
}

static _Noreturn void fail_errno(const char *what, const char *name)
{
    const char *reason = strerror(errno);
    if (pending_dir >= 0)
        unlinkat(pending_dir, pending_name, 0);
    say(2, program, ": ", what, " ", name, ": ", reason, "\n", (char *)0);
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

struct text
{
    char *s;
    size_t len;
};

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

/* "%temp%" is the user's temporary folder; any other %NAME% is that
 * environment variable (empty when unset); "%%" is a percent sign. */
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
                value = getenv("TMPDIR");
                if (!value || !*value)
                    value = "/tmp";
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

/* Creates the folder and its missing parents: the user chose it. */
static void make_folder(char *path)
{
    char *p;
    for (p = path + 1; *p; ++p) {
        if (*p != '/')
            continue;
        *p = 0;
        if (mkdir(path, 0755) != 0 && errno != EEXIST)
            fail_errno("cannot create the folder", path);
        *p = '/';
    }
    if (mkdir(path, 0755) != 0 && errno != EEXIST)
        fail_errno("cannot create the folder", path);
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
 * missing; a link or a file in the way stops the run. With `last` unset,
 * the final component is left for the caller and returned in *leaf. */
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
            if (mkdirat(dir, comp, 0755) != 0 && errno != EEXIST)
                fail_errno("cannot create the folder", comp);
            next = openat(dir, comp, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (next < 0)
                fail_errno("cannot enter the folder", comp);
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
    uint64_t csize, usize, data;
    int dir, link;
};

/* Reads the directory record at *pos and checks everything about the member
 * that can be checked without its data. */
static void read_member(const struct image *im, const struct amx_central_location *at,
    uint64_t archive_start, uint64_t *pos, struct member *m)
{
    const unsigned char *h = im->p + *pos;
    const uint64_t shift = at->start - at->stored_offset;
    struct amx_zip64_values v;
    uint16_t extra_len, comment_len;
    uint64_t local;
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

    {
        char shown[256];
        const size_t n = m->name_len < 255 ? m->name_len : 255;
        memcpy(shown, m->name, n);
        shown[n] = 0;
        if (!safe_name(m->name, m->name_len))
            fail(EXIT_DAMAGE, "unsafe member name refused", shown);
        if (m->flags & 1)
            fail(EXIT_DAMAGE, "encrypted member not supported", shown);
        if (m->method != 0 && m->method != 8)
            fail(EXIT_DAMAGE, "compression method not supported", shown);
        local = v.offset + shift;
        if (v.offset >= at->stored_offset || local < archive_start
            || local + LOCAL_SIZE > at->start)
            fail(EXIT_DAMAGE, "damaged archive, member outside the archive", shown);
        lh = im->p + local;
        if (get32(lh) != ~local_signature_inverted)
            fail(EXIT_DAMAGE, "damaged archive, local header missing", shown);
        m->data = local + LOCAL_SIZE + get16(lh + 26) + get16(lh + 28);
        if (m->data > at->start || m->csize > at->start - m->data)
            fail(EXIT_DAMAGE, "damaged archive, member data cut short", shown);
        if (m->method == 0 ? m->csize != m->usize : m->usize / MAX_RATIO > m->csize)
            fail(EXIT_DAMAGE, "damaged archive, sizes do not fit", shown);
    }
}

static void write_all(int fd, const unsigned char *p, uint64_t n, const char *name)
{
    while (n > 0) {
        ssize_t w = write(fd, p, n > (1u << 30) ? (1u << 30) : (size_t)n);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            fail_errno("cannot write", name);
        p += w;
        n -= (uint64_t)w;
    }
}

/* Writes one member beside its final name and renames it into place only
 * when its size and CRC-32 check out; the rename never follows a link. */
static void extract(int base, const struct image *im, const struct member *m,
    struct libdeflate_decompressor *inflater, mode_t umask_bits)
{
    char *path = malloc(m->name_len + 1);
    const unsigned char *in = im->p + m->data;
    unsigned char *out = 0;
    const unsigned char *bytes = in;
    const char *leaf = 0;
    static unsigned counter;
    char digits[12];
    int dir, fd, i;
    unsigned c;

    if (!path)
        fail(EXIT_DAMAGE, "out of memory", 0);
    memcpy(path, m->name, m->name_len);
    path[m->name_len] = 0;
    say(1, "  ", path, "\n", (char *)0);
    if (m->dir) {
        close(walk(base, path, 1, 0));
        free(path);
        return;
    }
    dir = walk(base, path, 0, &leaf);
    if (!*leaf || strcmp(leaf, ".") == 0)
        fail(EXIT_DAMAGE, "unsafe member name refused", path);

    for (i = 10, c = ++counter; i >= 0; --i, c /= 10)
        digits[i] = (char)('0' + c % 10);
    digits[11] = 0;
    strcpy(pending_name, ".amxsfx-");
    strcat(pending_name, digits);
    fd = openat(dir, pending_name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        fail_errno("cannot create", path);
    pending_dir = dir;

    if (m->method == 8) {
        out = malloc(m->usize ? m->usize : 1);
        if (!out)
            fail(EXIT_DAMAGE, "out of memory for", path);
        if (libdeflate_deflate_decompress(inflater, in, m->csize, out, m->usize, 0)
            != LIBDEFLATE_SUCCESS)
            fail(EXIT_DAMAGE, "damaged member data", path);
        bytes = out;
    }
    if (libdeflate_crc32(0, bytes, m->usize) != m->crc)
        fail(EXIT_DAMAGE, "CRC error", path);
    write_all(fd, bytes, m->usize, path);
    free(out);
    if (fchmod(fd, (m->mode & 0777 ? m->mode & 0777 : 0644) & ~umask_bits) != 0 || close(fd) != 0)
        fail_errno("cannot write", path);
    if (renameat(dir, pending_name, dir, leaf) != 0)
        fail_errno("cannot replace", path);
    pending_dir = -1;
    close(dir);
    free(path);
}

int main(int argc, char **argv)
{
    struct image im;
    struct amx_central_location at;
    struct stat st;
    const char *folder_arg = 0;
    const unsigned char *h;
    char *caption, *folder, *command;
    uint64_t start, archive_start, pos, seen;
    unsigned lengths[3];
    mode_t umask_bits;
    int fd, base = -1, pass, i;
    struct libdeflate_decompressor *inflater;

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

    fd = open("/proc/self/exe", O_RDONLY | O_CLOEXEC);
    if (fd < 0 || fstat(fd, &st) != 0 || st.st_size <= 0)
        fail(EXIT_DAMAGE, "cannot read its own program file", 0);
    im.size = (uint64_t)st.st_size;
    im.p = mmap(0, im.size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (im.p == MAP_FAILED)
        fail(EXIT_DAMAGE, "cannot read its own program file", 0);
    close(fd);

    start = image_end(&im);
    h = im.p + start;
    if (!inside(&im, start, 7) || memcmp(h, "AMX", 3) != 0 || !inside(&im, start, h[3]))
        fail(EXIT_DAMAGE, "no archive attached to this program", 0);
    for (i = 0; i < 3; ++i)
        lengths[i] = h[4 + i] == 255 ? 0 : h[4 + i];
    if (7u + lengths[0] + lengths[1] + lengths[2] != h[3])
        fail(EXIT_DAMAGE, "damaged settings header", 0);
    caption = strndup((const char *)h + 7, lengths[0]);
    folder = strndup((const char *)h + 7 + lengths[0], lengths[1]);
    command = strndup((const char *)h + 7 + lengths[0] + lengths[1], lengths[2]);
    if (!caption || !folder || !command)
        fail(EXIT_DAMAGE, "out of memory", 0);
    archive_start = start + h[3];

    amx_locate_central(read_image, &im, im.size, &at);
    if (at.fault != AMX_LOCATE_OK || at.start < archive_start)
        fail(EXIT_DAMAGE, "damaged archive", "directory not found");

    if (*caption)
        say(1, caption, "\n\n", (char *)0);
    folder = folder_arg ? strdup(folder_arg) : expand(folder);
    if (folder && !*folder)
        folder = strdup(".");
    if (!folder)
        fail(EXIT_DAMAGE, "out of memory", 0);

    umask_bits = umask(0);
    umask(umask_bits);
    inflater = libdeflate_alloc_decompressor();
    if (!inflater)
        fail(EXIT_DAMAGE, "out of memory", 0);
    /* Pass 0 checks every member, pass 1 writes them. */
    for (pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            make_folder(folder);
            base = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (base < 0)
                fail_errno("cannot open the folder", folder);
            say(1, "Extracting to ", folder, "\n", (char *)0);
        }
        for (pos = at.start, seen = 0; pos < at.records_pos; ++seen) {
            struct member m;
            read_member(&im, &at, archive_start, &pos, &m);
            if (pass == 1 && m.link)
                say(1, "  link not extracted: ", strndup(m.name, m.name_len), "\n", (char *)0);
            else if (pass == 1)
                extract(base, &im, &m, inflater, umask_bits);
        }
        if (seen < at.entries || (seen - at.entries) % 65536 != 0)
            fail(EXIT_DAMAGE, "damaged archive", "member count does not match");
    }
    libdeflate_free_decompressor(inflater);

    if (*command) {
        if (fchdir(base) != 0)
            fail_errno("cannot enter the folder", folder);
        execl("/bin/sh", "sh", "-c", command, (char *)0);
        fail_errno("cannot run", command);
    }
    return 0;
}
