/*
 * amx_sys.h - the system calls that read, write, create, rename and remove
 * files for the two libraries and the self-extractor stub
 *
 * They are the plain calls. A test build (AMX_FAULTS) counts every one of
 * them and can fail the N-th with a chosen error, or end the process there
 * as a power cut would; only our own calls count, never libc's internal ones.
 * The installed libraries and stub are built without it.
 */
#ifndef AMX_SYS_H
#define AMX_SYS_H

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifdef AMX_FAULTS
/* Counts one call; nonzero (with errno set) when this one is to fail. */
int amx_fault_here(const char *call);
#else
static inline int amx_fault_here(const char *call)
{
    (void)call;
    return 0;
}
#endif

static inline ssize_t amx_write(int fd, const void *p, size_t n)
{
    return amx_fault_here("write") ? -1 : write(fd, p, n);
}

static inline ssize_t amx_pwrite(int fd, const void *p, size_t n, off_t at)
{
    return amx_fault_here("pwrite") ? -1 : pwrite(fd, p, n, at);
}

static inline ssize_t amx_read(int fd, void *p, size_t n)
{
    return amx_fault_here("read") ? -1 : read(fd, p, n);
}

static inline ssize_t amx_pread(int fd, void *p, size_t n, off_t at)
{
    return amx_fault_here("pread") ? -1 : pread(fd, p, n, at);
}

static inline int amx_fsync(int fd)
{
    return amx_fault_here("fsync") ? -1 : fsync(fd);
}

static inline int amx_fdatasync(int fd)
{
    return amx_fault_here("fdatasync") ? -1 : fdatasync(fd);
}

static inline int amx_open(const char *path, int flags, mode_t mode)
{
    return amx_fault_here("open") ? -1 : open(path, flags, mode);
}

static inline int amx_openat(int dir, const char *path, int flags, mode_t mode)
{
    return amx_fault_here("openat") ? -1 : openat(dir, path, flags, mode);
}

static inline int amx_mkdirat(int dir, const char *path, mode_t mode)
{
    return amx_fault_here("mkdirat") ? -1 : mkdirat(dir, path, mode);
}

static inline int amx_renameat(int from_dir, const char *from, int to_dir, const char *to)
{
    return amx_fault_here("renameat") ? -1 : renameat(from_dir, from, to_dir, to);
}

static inline int amx_linkat(int from_dir, const char *from, int to_dir, const char *to, int flags)
{
    return amx_fault_here("linkat") ? -1 : linkat(from_dir, from, to_dir, to, flags);
}

static inline int amx_unlinkat(int dir, const char *path, int flags)
{
    return amx_fault_here("unlinkat") ? -1 : unlinkat(dir, path, flags);
}

static inline int amx_symlinkat(const char *target, int dir, const char *path)
{
    return amx_fault_here("symlinkat") ? -1 : symlinkat(target, dir, path);
}

static inline int amx_ftruncate(int fd, off_t size)
{
    return amx_fault_here("ftruncate") ? -1 : ftruncate(fd, size);
}

static inline int amx_fchmod(int fd, mode_t mode)
{
    return amx_fault_here("fchmod") ? -1 : fchmod(fd, mode);
}

/* The descriptor is gone afterwards whatever the result, as with close
 * itself; a failure is a late write error. */
static inline int amx_close(int fd)
{
    if (amx_fault_here("close")) {
        int err = errno;
        close(fd);
        errno = err;
        return -1;
    }
    return close(fd);
}

#ifdef __cplusplus
}

inline int amx_open(const char *path, int flags)
{
    return amx_open(path, flags, 0);
}

inline int amx_openat(int dir, const char *path, int flags)
{
    return amx_openat(dir, path, flags, 0);
}
#endif

#endif
