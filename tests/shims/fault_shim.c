/* LD_PRELOAD shim for the faults that lie below the file system interface
 * (platform/file_system.h), inside the platform's own calls: it injects into
 * write and close, and into copy_file_range as the write of its target. It
 * acts only on descriptors of files directly in the folder its settings name
 * (the path from /proc/self/fd):
 *   TAVILO_FAULT_WRITE_DIR, TAVILO_FAULT_WRITE=short-once
 *       the first write to a file in that folder writes half the bytes
 *   TAVILO_FAULT_CLOSE_DIR
 *       close of a file in that folder closes it and then reports EIO
 *   TAVILO_FAULT_READ_NAME
 *       a read of a file of that name (in any folder), as read or as the
 *       source of copy_file_range, fails with EIO once past its first byte
 *   TAVILO_FAULT_NO_TMPFILE
 *       openat with O_TMPFILE fails with EOPNOTSUPP, as on vfat */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <unistd.h>

/* The copy child looks for this to know that the shim is in place. */
void tavilo_fault_shim(void) {}

static ssize_t (*real_copy_file_range)(int, off_t*, int, off_t*, size_t, unsigned);
static ssize_t (*real_write)(int, const void*, size_t);
static ssize_t (*real_read)(int, void*, size_t);
static int (*real_close)(int);
static int (*real_openat)(int, const char*, int, ...);

static int writes_seen;

static void load(void) {
  if (!real_write) real_write = (ssize_t (*)(int, const void*, size_t))dlsym(RTLD_NEXT, "write");
  if (!real_read) real_read = (ssize_t (*)(int, void*, size_t))dlsym(RTLD_NEXT, "read");
  if (!real_openat) real_openat = (int (*)(int, const char*, int, ...))dlsym(RTLD_NEXT, "openat");
  if (!real_close) real_close = (int (*)(int))dlsym(RTLD_NEXT, "close");
  if (!real_copy_file_range)
    real_copy_file_range = (ssize_t (*)(int, off_t*, int, off_t*, size_t, unsigned))dlsym(RTLD_NEXT, "copy_file_range");
}

static int fd_in(int fd, const char* var) {
  const char* dir = getenv(var);
  char link[64], path[4096];
  if (!dir || !*dir) return 0;
  snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t len = readlink(link, path, sizeof path - 1);
  if (len < 0) return 0;
  path[len] = '\0';
  const size_t n = strlen(dir);
  return strncmp(path, dir, n) == 0 && path[n] == '/' && strchr(path + n + 1, '/') == NULL;
}

/* Whether this write to `fd` is the one to cut short. */
static int cut_short(int fd, size_t count) {
  const char* mode = getenv("TAVILO_FAULT_WRITE");
  if (count < 2 || !mode || strcmp(mode, "short-once") != 0 || !fd_in(fd, "TAVILO_FAULT_WRITE_DIR")) return 0;
  return ++writes_seen == 1;
}

/* Whether reading `fd` now is to fail: its name and a position past the start. */
static int read_fails(int fd) {
  const char* name = getenv("TAVILO_FAULT_READ_NAME");
  char link[64], path[4096];
  if (!name || !*name) return 0;
  snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t len = readlink(link, path, sizeof path - 1);
  if (len < 0) return 0;
  path[len] = '\0';
  const char* base = strrchr(path, '/');
  return base && strcmp(base + 1, name) == 0 && lseek(fd, 0, SEEK_CUR) > 0;
}

ssize_t read(int fd, void* buf, size_t count) {
  load();
  if (read_fails(fd)) {
    errno = EIO;
    return -1;
  }
  return real_read(fd, buf, count);
}

int openat(int dir, const char* path, int flags, ...) {
  mode_t mode = 0;
  if (flags & (O_CREAT | __O_TMPFILE)) {
    va_list args;
    va_start(args, flags);
    mode = va_arg(args, mode_t);
    va_end(args);
  }
  load();
  if ((flags & O_TMPFILE) == O_TMPFILE && getenv("TAVILO_FAULT_NO_TMPFILE")) {
    errno = EOPNOTSUPP;
    return -1;
  }
  return real_openat(dir, path, flags, mode);
}

ssize_t write(int fd, const void* buf, size_t count) {
  load();
  return real_write(fd, buf, cut_short(fd, count) ? count / 2 : count);
}

int close(int fd) {
  load();
  const int fail = fd_in(fd, "TAVILO_FAULT_CLOSE_DIR");
  const int rc = real_close(fd);
  if (fail && rc == 0) {
    errno = EIO;
    return -1;
  }
  return rc;
}

ssize_t copy_file_range(int in, off_t* in_offset, int out, off_t* out_offset, size_t count, unsigned flags) {
  load();
  if (read_fails(in)) {
    errno = EIO;
    return -1;
  }
  return real_copy_file_range(in, in_offset, out, out_offset, cut_short(out, count) ? count / 2 : count, flags);
}
