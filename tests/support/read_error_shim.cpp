// Preloaded into the program by a test: reads of the file whose name ends with
// $KV_READ_ERROR_FILE give its first $KV_READ_ERROR_AFTER bytes, then fail with an
// input/output error, as a failing disk does.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" ssize_t read(int fd, void* buf, size_t n) {
  using Read = ssize_t (*)(int, void*, size_t);
  static const auto real = reinterpret_cast<Read>(dlsym(RTLD_NEXT, "read"));
  static const char* name = std::getenv("KV_READ_ERROR_FILE");
  static const char* after = std::getenv("KV_READ_ERROR_AFTER");
  static long long left = after ? std::atoll(after) : 0;
  if (!name) return real(fd, buf, n);
  char link[64], path[PATH_MAX];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t k = readlink(link, path, sizeof path - 1);
  const size_t m = std::strlen(name);
  if (k < static_cast<ssize_t>(m) || std::memcmp(path + k - m, name, m) != 0) return real(fd, buf, n);
  if (left <= 0) {
    errno = EIO;
    return -1;
  }
  const ssize_t got = real(fd, buf, n < static_cast<size_t>(left) ? n : static_cast<size_t>(left));
  if (got > 0) left -= got;
  return got;
}
