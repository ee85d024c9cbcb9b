/* LD_PRELOAD shim that injects file faults for the copy tests, into read,
 * write and close, and into copy_file_range as the read of its source and the
 * write of its target. It acts only on descriptors whose path (from
 * /proc/self/fd) matches its settings:
 *   TAVILO_FAULT_READ_PATH, TAVILO_FAULT_READ_AFTER=n
 *       reads of that file fail with EIO once n bytes have been read
 *   TAVILO_FAULT_RESIZE_PATH, TAVILO_FAULT_RESIZE_TO=n
 *       after the first read of that file it is truncated or extended to n bytes
 *   TAVILO_FAULT_WRITE_DIR, TAVILO_FAULT_WRITE=short-once|short-then-full|full-after:n
 *       writes to files in that folder: half the bytes once; half, then ENOSPC;
 *       or ENOSPC once n bytes are written (the write that crosses n is short)
 *   TAVILO_FAULT_CLOSE_DIR
 *       close of a file in that folder closes it and then reports EIO */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <unistd.h>

/* The copy child looks for this to know that the shim is in place. */
void tavilo_fault_shim(void) {}

static ssize_t (*real_read)(int, void*, size_t);
static ssize_t (*real_copy_file_range)(int, off_t*, int, off_t*, size_t, unsigned);
static ssize_t (*real_write)(int, const void*, size_t);
static int (*real_close)(int);

static long long bytes_read, bytes_written;
static int resized, writes_seen;

static void load(void) {
  if (!real_read) real_read = (ssize_t (*)(int, void*, size_t))dlsym(RTLD_NEXT, "read");
  if (!real_write) real_write = (ssize_t (*)(int, const void*, size_t))dlsym(RTLD_NEXT, "write");
  if (!real_close) real_close = (int (*)(int))dlsym(RTLD_NEXT, "close");
  if (!real_copy_file_range)
    real_copy_file_range = (ssize_t (*)(int, off_t*, int, off_t*, size_t, unsigned))dlsym(RTLD_NEXT, "copy_file_range");
}

static int fd_path(int fd, char* out, size_t size) {
  char link[64];
  snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t n = readlink(link, out, size - 1);
  if (n < 0) return 0;
  out[n] = '\0';
  return 1;
}

static int fd_is(int fd, const char* var) {
  const char* want = getenv(var);
  char path[4096];
  return want && *want && fd_path(fd, path, sizeof path) && strcmp(path, want) == 0;
}

static int fd_in(int fd, const char* var) {
  const char* dir = getenv(var);
  char path[4096];
  if (!dir || !*dir || !fd_path(fd, path, sizeof path)) return 0;
  const size_t n = strlen(dir);
  return strncmp(path, dir, n) == 0 && path[n] == '/' && strchr(path + n + 1, '/') == NULL;
}

static long long env_number(const char* var) {
  const char* s = getenv(var);
  return s ? atoll(s) : 0;
}

ssize_t read(int fd, void* buf, size_t count) {
  load();
  if (fd_is(fd, "TAVILO_FAULT_READ_PATH")) {
    const long long after = env_number("TAVILO_FAULT_READ_AFTER");
    if (bytes_read >= after) {
      errno = EIO;
      return -1;
    }
    if ((long long)count > after - bytes_read) count = (size_t)(after - bytes_read);
    const ssize_t n = real_read(fd, buf, count);
    if (n > 0) bytes_read += n;
    return n;
  }
  if (!resized && fd_is(fd, "TAVILO_FAULT_RESIZE_PATH")) {
    const ssize_t n = real_read(fd, buf, count);
    resized = 1;
    if (truncate(getenv("TAVILO_FAULT_RESIZE_PATH"), (off_t)env_number("TAVILO_FAULT_RESIZE_TO")) != 0) abort();
    return n;
  }
  return real_read(fd, buf, count);
}

ssize_t write(int fd, const void* buf, size_t count) {
  load();
  if (count == 0 || !fd_in(fd, "TAVILO_FAULT_WRITE_DIR")) return real_write(fd, buf, count);
  const char* mode = getenv("TAVILO_FAULT_WRITE");
  if (!mode) return real_write(fd, buf, count);
  ++writes_seen;
  if (strcmp(mode, "short-once") == 0 || strcmp(mode, "short-then-full") == 0) {
    if (writes_seen == 1) return real_write(fd, buf, count > 1 ? count / 2 : count);
    if (strcmp(mode, "short-then-full") == 0) {
      errno = ENOSPC;
      return -1;
    }
    return real_write(fd, buf, count);
  }
  if (strncmp(mode, "full-after:", 11) == 0) {
    const long long limit = atoll(mode + 11);
    if (bytes_written >= limit) {
      errno = ENOSPC;
      return -1;
    }
    if ((long long)count > limit - bytes_written) count = (size_t)(limit - bytes_written);
    const ssize_t n = real_write(fd, buf, count);
    if (n > 0) bytes_written += n;
    return n;
  }
  return real_write(fd, buf, count);
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
  const int faulty_read = fd_is(in, "TAVILO_FAULT_READ_PATH");
  const int resize = !resized && fd_is(in, "TAVILO_FAULT_RESIZE_PATH");
  const char* mode = getenv("TAVILO_FAULT_WRITE");
  const int faulty_write = count > 0 && mode && fd_in(out, "TAVILO_FAULT_WRITE_DIR");
  if (faulty_read) {
    const long long after = env_number("TAVILO_FAULT_READ_AFTER");
    if (bytes_read >= after) {
      errno = EIO;
      return -1;
    }
    if ((long long)count > after - bytes_read) count = (size_t)(after - bytes_read);
  }
  if (faulty_write) {
    ++writes_seen;
    if (strcmp(mode, "short-once") == 0 || strcmp(mode, "short-then-full") == 0) {
      if (writes_seen == 1 && count > 1) count /= 2;
      else if (writes_seen > 1 && strcmp(mode, "short-then-full") == 0) {
        errno = ENOSPC;
        return -1;
      }
    } else if (strncmp(mode, "full-after:", 11) == 0) {
      const long long limit = atoll(mode + 11);
      if (bytes_written >= limit) {
        errno = ENOSPC;
        return -1;
      }
      if ((long long)count > limit - bytes_written) count = (size_t)(limit - bytes_written);
    }
  }
  const ssize_t n = real_copy_file_range(in, in_offset, out, out_offset, count, flags);
  if (n > 0 && faulty_read) bytes_read += n;
  if (n > 0 && faulty_write) bytes_written += n;
  if (resize) {
    resized = 1;
    if (truncate(getenv("TAVILO_FAULT_RESIZE_PATH"), (off_t)env_number("TAVILO_FAULT_RESIZE_TO")) != 0) abort();
  }
  return n;
}
