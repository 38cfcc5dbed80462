/*
 * amx_fault.c - the fault seam of the test build (see amx_sys.h)
 *
 *   AMX_FAULT=count          counts the calls only
 *   AMX_FAULT=N:ENOSPC       fails the N-th call (1-based) with ENOSPC; EIO
 *                            and EACCES likewise
 *   AMX_FAULT=N:stop         ends the process with _exit(86) at the N-th call
 *   AMX_FAULT_LOG=FILE       the count so far: read when a library is loaded,
 *                            written again when it is unloaded or the process
 *                            ends, so the calls of every load of one run add up;
 *                            the first line the total, then one line per call
 *                            ("write 12")
 *
 * A failed or stopped call is told on stderr ("amx-fault: ..."), so a test
 * sees that the fault was met. Plain libc only: the musl stub links it too.
 */
#define _GNU_SOURCE
#include "amx_sys.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>

static unsigned long long calls;
/* The calls of amx_sys.h, counted one by one for the log. */
static const char *const names[] = { "write", "pwrite", "read", "pread", "fsync", "fdatasync",
    "open", "openat", "mkdirat", "renameat", "linkat", "unlinkat", "symlinkat", "ftruncate",
    "fchmod", "close" };
#define NAMES (sizeof names / sizeof names[0])
static unsigned long long by_name[NAMES + 1]; /* the last: any other */
/* What the log held at load. The program and a library it loads each carry
 * the seam and are loaded at once, so each adds only its own calls to what
 * the log holds when it is unloaded. */
static unsigned long long base_calls, base_by_name[NAMES + 1];
static unsigned long long fail_at;
static int fail_errno;
static int stop;
static int active;

static void put(int fd, const char *s)
{
    size_t n = strlen(s);
    while (n > 0) {
        ssize_t w = write(fd, s, n);
        if (w <= 0)
            return;
        s += w;
        n -= (size_t)w;
    }
}

static size_t name_index(const char *call)
{
    size_t i = 0;
    while (i < NAMES && strcmp(names[i], call) != 0)
        ++i;
    return i;
}

static void put_number(char *end, unsigned long long v, char **start)
{
    char *p = end;
    *p = 0;
    do
        *--p = (char)('0' + v % 10);
    while ((v /= 10) > 0);
    *start = p;
}

/* The counts a log holds: its total and its calls by name. */
static void read_log(const char *log, unsigned long long *total, unsigned long long *named)
{
    char text[1024];
    int fd = open(log, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    ssize_t n = read(fd, text, sizeof text - 1);
    if (n > 0) {
        char *line, *end;
        text[n] = 0;
        *total = strtoull(text, &line, 10);
        while ((line = strchr(line, '\n')) != 0 && *++line) {
            size_t len = strcspn(line, " \n");
            char name[16];
            if (len >= sizeof name || line[len] != ' ')
                break;
            memcpy(name, line, len);
            name[len] = 0;
            named[name_index(name)] = strtoull(line + len + 1, &end, 10);
            line = end;
        }
    }
    close(fd);
}

__attribute__((constructor)) static void amx_fault_load(void)
{
    const char *spec = getenv("AMX_FAULT"), *log = getenv("AMX_FAULT_LOG");
    char *rest;
    if (!spec || !*spec)
        return;
    active = 1;
    if (strcmp(spec, "count") != 0) {
        fail_at = strtoull(spec, &rest, 10);
        if (*rest == ':')
            ++rest;
        if (strcmp(rest, "stop") == 0)
            stop = 1;
        else if (strcmp(rest, "ENOSPC") == 0)
            fail_errno = ENOSPC;
        else if (strcmp(rest, "EIO") == 0)
            fail_errno = EIO;
        else if (strcmp(rest, "EACCES") == 0)
            fail_errno = EACCES;
        else
            fail_errno = EIO;
    }
    if (log)
        read_log(log, &calls, by_name);
    base_calls = calls;
    memcpy(base_by_name, by_name, sizeof by_name);
}

__attribute__((destructor)) static void amx_fault_unload(void)
{
    const char *log = getenv("AMX_FAULT_LOG");
    char text[32], *s;
    int fd;
    if (!active || !log)
        return;
    unsigned long long total = 0, named[NAMES + 1] = { 0 };
    read_log(log, &total, named);
    total += __atomic_load_n(&calls, __ATOMIC_SEQ_CST) - base_calls;
    for (size_t i = 0; i <= NAMES; ++i)
        named[i] += __atomic_load_n(&by_name[i], __ATOMIC_SEQ_CST) - base_by_name[i];
    fd = open(log, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    put_number(text + sizeof text - 2, total, &s);
    text[sizeof text - 2] = '\n';
    text[sizeof text - 1] = 0;
    put(fd, s);
    for (size_t i = 0; i <= NAMES; ++i) {
        unsigned long long v = named[i];
        if (v == 0)
            continue;
        put(fd, i < NAMES ? names[i] : "other");
        put(fd, " ");
        put_number(text + sizeof text - 2, v, &s);
        text[sizeof text - 2] = '\n';
        put(fd, s);
    }
    close(fd);
}

int amx_fault_here(const char *call)
{
    unsigned long long n;
    char text[32], *s;
    if (!active)
        return 0;
    n = __atomic_add_fetch(&calls, 1, __ATOMIC_SEQ_CST);
    __atomic_add_fetch(&by_name[name_index(call)], 1, __ATOMIC_SEQ_CST);
    if (fail_at == 0 || n != fail_at)
        return 0;
    put_number(text + sizeof text - 1, n, &s);
    put(2, "amx-fault: call ");
    put(2, s);
    put(2, " (");
    put(2, call);
    put(2, stop ? ") stopped\n" : ") failed\n");
    if (stop)
        _exit(86);
    errno = fail_errno;
    return 1;
}
