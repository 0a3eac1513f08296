// Preloaded into the program by a test, to make a file fail as a disk does:
// - reads of the file whose name ends with $KV_READ_ERROR_FILE give its first
//   $KV_READ_ERROR_AFTER bytes, then fail with an input/output error;
// - writes to the file whose name ends with $KV_WRITE_FAULT_FILE take its first
//   $KV_WRITE_FAULT_AFTER bytes (the write that crosses that size is short), then fail with
//   ENOSPC: once when $KV_WRITE_FAULT is "once" (later writes succeed, as on a disk that
//   frees up), for ever otherwise.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Whether descriptor fd is open on a file whose name ends with name.
bool names(int fd, const char* name) {
  if (!name) return false;
  char link[64], path[PATH_MAX];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t k = readlink(link, path, sizeof path - 1);
  const size_t m = std::strlen(name);
  return k >= static_cast<ssize_t>(m) && std::memcmp(path + k - m, name, m) == 0;
}

long long setting(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::atoll(v) : 0;
}

}  // namespace

extern "C" ssize_t read(int fd, void* buf, size_t n) {
  using Read = ssize_t (*)(int, void*, size_t);
  static const auto real = reinterpret_cast<Read>(dlsym(RTLD_NEXT, "read"));
  static const char* name = std::getenv("KV_READ_ERROR_FILE");
  static long long left = setting("KV_READ_ERROR_AFTER");
  if (!names(fd, name)) return real(fd, buf, n);
  if (left <= 0) {
    errno = EIO;
    return -1;
  }
  const ssize_t got = real(fd, buf, n < static_cast<size_t>(left) ? n : static_cast<size_t>(left));
  if (got > 0) left -= got;
  return got;
}

extern "C" ssize_t write(int fd, const void* buf, size_t n) {
  using Write = ssize_t (*)(int, const void*, size_t);
  static const auto real = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
  static const char* name = std::getenv("KV_WRITE_FAULT_FILE");
  static const char* mode = std::getenv("KV_WRITE_FAULT");
  static long long left = setting("KV_WRITE_FAULT_AFTER");
  static int failures = 0;
  if (!names(fd, name)) return real(fd, buf, n);
  if (left > 0) {
    const ssize_t put = real(fd, buf, n < static_cast<size_t>(left) ? n : static_cast<size_t>(left));
    if (put > 0) left -= put;
    return put;
  }
  if (mode && std::strcmp(mode, "once") == 0 && failures > 0) return real(fd, buf, n);
  ++failures;
  errno = ENOSPC;
  return -1;
}
