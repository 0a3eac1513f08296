#include "gral_lib/platform.h"

#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <optional>
#include <streambuf>

namespace platform {
namespace {

class Linux final : public Services {
 public:
  DateTime local_time() override {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
  }

  // Microseconds since the first reading, starting again from 0 after the maximum.
  ClockReading clock() override {
    constexpr std::int64_t rate = 1000000;
    constexpr std::int64_t max = 2147483647;
    auto now = std::chrono::steady_clock::now();
    if (!first_) first_ = now;
    auto us = std::chrono::duration_cast<std::chrono::microseconds>(now - *first_).count();
    return {static_cast<std::int32_t>(us % (max + 1)), static_cast<std::int32_t>(rate),
            static_cast<std::int32_t>(max)};
  }

  float cpu_time() override {
    timespec ts{};
    if (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts) != 0) return 0.0f;
    return static_cast<float>(static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9);
  }

  std::string login_name() override {
    char buf[256];
    if (getlogin_r(buf, sizeof buf) == 0 && buf[0] != '\0') return buf;
    // Without a controlling terminal there is no login record: the user who runs the
    // program is the owner of the process.
    passwd pw{};
    passwd* found = nullptr;
    char pwbuf[4096];
    if (getpwuid_r(geteuid(), &pw, pwbuf, sizeof pwbuf, &found) == 0 && found && found->pw_name)
      return found->pw_name;
    return {};
  }

  bool host_name(std::string& name) override {
    char buf[256];
    if (gethostname(buf, sizeof buf) != 0) return false;
    buf[sizeof buf - 1] = '\0';
    name = buf;
    return true;
  }

  CommandResult run_command(std::string_view command) override {
    std::string line(command);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    CommandResult r;
    errno = 0;
    int status = std::system(line.c_str());
    if (status == -1) {
      r.exitstat = -1;
      r.cmdstat = 1;
      r.cmdmsg = std::string("could not start the shell: ") + std::strerror(errno);
    } else if (WIFEXITED(status)) {
      r.exitstat = WEXITSTATUS(status);
    } else {
      r.exitstat = -1;  // ended by a signal: it ran, but has no exit status
    }
    return r;
  }

 private:
  std::optional<std::chrono::steady_clock::time_point> first_;
};

Linux& linux_services() {
  static Linux s;
  return s;
}

Services* installed = nullptr;

}  // namespace

Services& current() { return installed ? *installed : linux_services(); }

void install(Services* s) { installed = s; }

void ignore_file_size_signal() {
  // Without this, a file-size limit (ulimit -f) ends the process at the write that passes
  // it, with no word; ignored, that write fails and is reported like a full disk.
  ::signal(SIGXFSZ, SIG_IGN);
}

void ignore_broken_pipe_signal() { ::signal(SIGPIPE, SIG_IGN); }

namespace {

// The standard output with a buffer of 64 KB written straight to its file descriptor: a
// run with section plots writes a line per fault, and the standard stream's own buffer
// (8 KB, and a character conversion asked at every write) costs more than the lines.
class ConsoleOutput final : public std::streambuf {
 public:
  ConsoleOutput() { setp(buffer_, buffer_ + sizeof buffer_); }

 protected:
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    if (n <= epptr() - pptr()) {
      std::memcpy(pptr(), s, static_cast<std::size_t>(n));
      pbump(static_cast<int>(n));
      return n;
    }
    return std::streambuf::xsputn(s, n);
  }
  int overflow(int c) override {
    if (!send()) return traits_type::eof();
    if (c != traits_type::eof()) {
      *pptr() = static_cast<char>(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override { return send() ? 0 : -1; }

 private:
  // Writes what the buffer holds; false when the output cannot take it.
  bool send() {
    const char* p = pbase();
    while (p < pptr()) {
      const ssize_t k = ::write(STDOUT_FILENO, p, static_cast<std::size_t>(pptr() - p));
      if (k < 0 && errno == EINTR) continue;
      if (k < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
        // Shared with a program that set it non-blocking: wait until it takes more.
        pollfd ready{STDOUT_FILENO, POLLOUT, 0};
        ::poll(&ready, 1, -1);
        continue;
      }
      if (k <= 0) {
        setp(buffer_, buffer_ + sizeof buffer_);
        return false;
      }
      p += k;
    }
    setp(buffer_, buffer_ + sizeof buffer_);
    return true;
  }

  char buffer_[1 << 16];
};

}  // namespace

void buffer_console_output() {
  std::cout.flush();
  // Never destroyed: the standard streams are flushed after every static object is gone.
  static ConsoleOutput* output = new ConsoleOutput;
  std::cout.rdbuf(output);
}

}  // namespace platform
