#include "gral_lib/units.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <vector>

namespace unit {
namespace {

constexpr int console_in = 5;
constexpr int console_out = 6;
constexpr std::size_t file_buffer_size = 1 << 16;

// A file open on a unit, read or written straight through its descriptor: the system's
// answer to every read and write is seen, so an input/output error is never taken for the
// end of a file, and a write that fails is known at once.
struct Unit {
  int fd = -1;
  bool reading = false;
  // The buffer: for a file read, bytes begin .. end not taken yet; for one written, the
  // pending bytes that have not gone to the file, holding lines_pending complete lines.
  std::unique_ptr<char[]> buffer;
  std::size_t begin = 0, end = 0;
  std::size_t pending = 0;
  long long lines_pending = 0;
  long long lines_kept = 0;  // complete lines in the file
  off_t bytes_sent = 0;      // bytes that reached the file
  off_t bytes_kept = 0;      // where the last complete line in the file ends
  bool regular = false;      // a regular file, which a failed write can be cut back in
  bool failed = false;       // a write failed: nothing more goes to the file
  bool torn = false;         // the file may end inside a line (it could not be cut back)
  ReadFailure read_end = ReadFailure::end_of_file;
  bool at_start = false;     // nothing read yet from the file
  dev_t dev = 0;
  ino_t ino = 0;
  void (*finish)() = nullptr;            // last action of a stop
  WriteFailureReport report = nullptr;   // report of a failed write
};

struct Table {
  std::vector<Unit> units;
  // The units of files open for writing, in ascending order: every frame and question looks
  // at them, and a run may ask that millions of times of a table a hundred units long.
  std::vector<int> writing;
  std::istream* console_in_stream = &std::cin;
  std::ostream* console_out_stream = &std::cout;
  void (*stop_action)() = nullptr;
  bool stopping = false;
  int frames_open = 0;  // error and warning frames on the console not closed yet
  char outer_frame[16] = {};  // routine of the outermost of them, for a frame left open
  int frames_left_open = 0;   // frames found open at the top of the dialogue

  Unit* find(int u) {
    if (u < 0 || static_cast<std::size_t>(u) >= units.size()) return nullptr;
    Unit& x = units[static_cast<std::size_t>(u)];
    return x.fd >= 0 ? &x : nullptr;
  }
  ~Table();
  Unit& slot(int u) {
    if (u < 0 || u > 9999) throw std::logic_error("unit number out of range: " + std::to_string(u));
    if (static_cast<std::size_t>(u) >= units.size()) units.resize(static_cast<std::size_t>(u) + 1);
    return units[static_cast<std::size_t>(u)];
  }
};

// Set up before anything runs (no guard on every line written); its end sends on what a
// file left open still holds.
constinit Table the_table;

Table& table() { return the_table; }

Unit* file_unit(int u) { return u == console_in || u == console_out ? nullptr : table().find(u); }

// Writes n bytes to the file; the number written, fewer when the file cannot take them.
std::size_t send(int fd, const char* p, std::size_t n) {
  std::size_t done = 0;
  while (done < n) {
    const ssize_t k = ::write(fd, p + done, n - done);
    if (k < 0 && errno == EINTR) continue;
    if (k <= 0) break;
    done += static_cast<std::size_t>(k);
  }
  return done;
}

// Sends n bytes at p to the file; false when it cannot take them all. From then on
// nothing more goes to the file (a later write that the disk would take again would leave
// a hole in it), and a line the failure cut is cut off again, so that the file holds
// exactly the complete lines counted.
bool send_to(Unit& x, const char* p, std::size_t n) {
  const std::size_t done = send(x.fd, p, n);
  const off_t start = x.bytes_sent;
  x.bytes_sent += static_cast<off_t>(done);
  if (done == n) return true;
  x.failed = true;
  x.lines_kept += std::count(p, p + done, '\n');
  if (const void* last = ::memrchr(p, '\n', done)) x.bytes_kept = start + (static_cast<const char*>(last) - p) + 1;
  if (x.bytes_sent != x.bytes_kept)
    x.torn = !x.regular || ::ftruncate(x.fd, x.bytes_kept) != 0;
  return false;
}

// Sends the pending lines of a file written to it; nothing after a failure.
void drain(Unit& x) {
  if (x.pending == 0) return;
  // The buffer holds complete lines only: sent whole, they all are in the file.
  if (!x.failed && send_to(x, x.buffer.get(), x.pending)) {
    x.lines_kept += x.lines_pending;
    x.bytes_kept = x.bytes_sent;
  }
  x.pending = 0;
  x.lines_pending = 0;
}

Table::~Table() {
  for (Unit& x : units)
    if (x.fd >= 0 && !x.reading) drain(x);
}

// The same file as one open on another unit than u.
bool open_elsewhere(int u, const struct stat& st) {
  for (std::size_t k = 0; k < table().units.size(); ++k) {
    const Unit& x = table().units[k];
    if (static_cast<int>(k) != u && x.fd >= 0 && x.dev == st.st_dev && x.ino == st.st_ino) return true;
  }
  return false;
}

// Whether an existing file that is not empty begins with the given bytes.
bool begins_with(const std::string& path, std::string_view first) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  std::string head(first.size(), '\0');
  const ssize_t k = ::read(fd, head.data(), head.size());
  ::close(fd);
  return k == static_cast<ssize_t>(first.size()) && head == first;
}

void take(int u, int fd, bool reading, const struct stat& st) {
  Unit& x = table().slot(u);
  x = Unit{};
  x.fd = fd;
  x.reading = reading;
  x.at_start = reading;
  if (!reading) table().writing.insert(std::lower_bound(table().writing.begin(), table().writing.end(), u), u);
  x.dev = st.st_dev;
  x.ino = st.st_ino;
  x.regular = S_ISREG(st.st_mode);
  x.buffer = std::make_unique<char[]>(file_buffer_size);
}

bool open_output(int u, const std::string& path, bool exclusive, std::string_view replaceable) {
  if (u == console_in || u == console_out) return false;
  if (table().find(u)) close(u);
  // Not truncated yet: an existing file is looked at first. Non-blocking, so that a named
  // pipe with no reader fails here instead of holding the program.
  int flags = O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK;
  if (exclusive) flags |= O_EXCL;  // claims the name atomically: an existing file is never replaced
  const int fd = ::open(path.c_str(), flags, 0644);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && !open_elsewhere(u, st);
  if (ok && S_ISREG(st.st_mode) && st.st_size > 0) {
    ok = replaceable.empty() || begins_with(path, replaceable);
    if (ok) ok = ::ftruncate(fd, 0) == 0;
  }
  if (ok) {
    const int fl = ::fcntl(fd, F_GETFL);
    ok = fl >= 0 && ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK) == 0;
  }
  if (!ok) {
    ::close(fd);
    return false;
  }
  take(u, fd, false, st);
  return true;
}

// A folder, a character device (an endless /dev/zero, a terminal) or a block device is no
// file of lines.
bool no_file_of_lines(mode_t mode) { return S_ISDIR(mode) || S_ISCHR(mode) || S_ISBLK(mode); }

}  // namespace

void bind_console(std::istream& in, std::ostream& out) {
  table().console_in_stream = &in;
  table().console_out_stream = &out;
  table().frames_open = 0;  // a new console shows no frame
  table().frames_left_open = 0;
}

void reset_console() { bind_console(std::cin, std::cout); }

bool open_read(int u, const std::string& path) {
  if (u == console_in || u == console_out) return false;
  // A named pipe holds the open until its writer comes: the user sees first what was asked.
  table().console_out_stream->flush();
  if (table().find(u)) close(u);
  // Looked at before it is opened: opening some devices already acts on them.
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && no_file_of_lines(st.st_mode)) return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  if (::fstat(fd, &st) != 0 || no_file_of_lines(st.st_mode)) {
    ::close(fd);
    return false;
  }
  take(u, fd, true, st);
  return true;
}

bool open_write_new(int u, const std::string& path) { return open_output(u, path, true, {}); }

bool open_write(int u, const std::string& path, std::string_view replaceable) {
  return open_output(u, path, false, replaceable);
}

bool close(int u) {
  Unit* x = file_unit(u);
  if (!x) return true;
  bool ok = true;
  if (!x->reading) {
    drain(*x);
    if (::close(x->fd) != 0 && errno != EINTR) x->failed = true;
    ok = !x->failed;
  } else {
    ::close(x->fd);
  }
  // The entry is cleared first: the report may ask, and its pause looks at every unit.
  const WriteFailureReport report = x->report;
  const long long lines = x->lines_kept;
  const bool torn = x->torn;
  if (!x->reading) std::erase(table().writing, u);
  *x = Unit{};
  if (!ok && report) report(u, lines, !torn);
  return ok;
}

bool is_open(int u) { return u == console_in || u == console_out || table().find(u) != nullptr; }

void flush(int u) {
  Unit* x = file_unit(u);
  if (x && !x->reading) drain(*x);
}

bool write_failed(int u) {
  Unit* x = file_unit(u);
  return x && !x->reading && x->failed;
}

long long lines_written(int u) {
  Unit* x = file_unit(u);
  return x ? x->lines_kept : 0;
}

namespace {

// write_line on unit u, x its entry when it is a file.
bool put_line(int u, Unit* x, std::string_view text) {
  if (x) {
    if (x->reading) throw std::logic_error("write on a unit not open for writing: " + std::to_string(u));
    if (x->failed) return false;
    const std::size_t n = text.size() + 1;
    if (x->pending + n > file_buffer_size) drain(*x);
    if (n <= file_buffer_size) {
      char* end = std::copy(text.begin(), text.end(), x->buffer.get() + x->pending);
      *end = '\n';
      x->pending += n;
      x->lines_pending += 1;
    } else if (!x->failed && send_to(*x, text.data(), text.size()) && send_to(*x, "\n", 1)) {
      // A line longer than the buffer went straight to the file.
      x->lines_kept += 1;
      x->bytes_kept = x->bytes_sent;
    }
    return !x->failed;
  }
  if (u != console_out) throw std::logic_error("write on a unit not open for writing: " + std::to_string(u));
  std::ostream& os = *table().console_out_stream;
  // Straight into the stream's buffer: a run writes a line per record.
  std::streambuf* sb = os.rdbuf();
  auto n = static_cast<std::streamsize>(text.size());
  if (sb->sputn(text.data(), n) != n || sb->sputc('\n') == std::char_traits<char>::eof())
    os.setstate(std::ios::badbit);
  return !os.fail();
}

}  // namespace

bool write_line(int u, std::string_view text) { return put_line(u, file_unit(u), text); }

char* line_room(int u, std::size_t n) {
  Unit* x = file_unit(u);
  if (!x || x->reading || x->failed || n >= file_buffer_size) return nullptr;
  if (x->pending + n + 1 > file_buffer_size) drain(*x);
  return x->failed ? nullptr : x->buffer.get() + x->pending;
}

bool end_line(int u, std::size_t k) {
  Unit& x = *table().find(u);
  x.buffer[x.pending + k] = '\n';
  x.pending += k + 1;
  x.lines_pending += 1;
  return !x.failed;
}

bool write_line_if_open(int u, std::string_view text) {
  if (u == console_in || u == console_out) return write_line(u, text);
  Unit* x = table().find(u);
  return !x || put_line(u, x, text);
}

namespace {

// A line longer than max_line_length is not kept whole in memory: the rest of the file is
// no data.
bool too_long(Unit& x, std::string& line) {
  x.read_end = ReadFailure::line_too_long;
  line.clear();
  return false;
}

// A line read up to its end: within the limit once a carriage return ending it is left out.
bool whole_line(Unit& x, std::string& line) {
  return line.size() <= max_line_length || line.back() == '\r' || too_long(x, line);
}

// The next line of a file read, into line; false at its end or when it cannot be read.
bool read_file_line(Unit& x, std::string& line) {
  line.clear();
  if (x.read_end != ReadFailure::end_of_file) return false;
  bool any = false;  // a last line may have no line end
  for (;;) {
    if (x.begin < x.end) {
      char* from = x.buffer.get() + x.begin;
      const std::size_t avail = x.end - x.begin;
      const char* nl = static_cast<const char*>(std::memchr(from, '\n', avail));
      const std::size_t n = nl ? static_cast<std::size_t>(nl - from) : avail;
      // Room for the carriage return of a CR LF line end, which is no part of the line.
      if (line.size() + n > max_line_length + 1) return too_long(x, line);
      line.append(from, n);
      any = true;
      if (nl) {
        x.begin += n + 1;
        return whole_line(x, line);
      }
      x.begin = x.end;
    }
    // A pipe may hold the read until its writer goes on, perhaps only once it has seen what
    // the records read so far gave: that is on the console first.
    if (!x.regular) table().console_out_stream->flush();
    ssize_t k = ::read(x.fd, x.buffer.get(), file_buffer_size);
    if (k < 0 && errno == EINTR) continue;
    if (k < 0) {
      x.read_end = ReadFailure::error;
      line.clear();
      return false;
    }
    x.begin = 0;
    x.end = static_cast<std::size_t>(k);
    if (k == 0) return any && whole_line(x, line);
  }
}

}  // namespace

bool read_line(int u, std::string& line) {
  Unit* file = nullptr;
  if (u == console_in) {
    before_question();
    if (!std::getline(*table().console_in_stream, line)) {
      line.clear();
      return false;
    }
  } else {
    file = table().find(u);
    if (!file || !file->reading) throw std::logic_error("read on a unit not open for reading: " + std::to_string(u));
    if (!read_file_line(*file, line)) return false;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (file) {
    // Editors may put a byte-order mark in front of a UTF-8 file; it is no part of a title
    // or a number.
    if (file->at_start && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
    file->at_start = false;
  }
  return true;
}

ReadFailure read_failure(int u) {
  Unit* x = file_unit(u);
  return x && x->reading ? x->read_end : ReadFailure::end_of_file;
}

namespace {

void drain_files() {
  for (int u : table().writing) drain(table().units[static_cast<std::size_t>(u)]);
}

}  // namespace

void flush_all() {
  table().console_out_stream->flush();
  drain_files();
}

namespace {

// Every file that has failed a write and has a report is closed, and reported, the lowest
// unit first. A report may open or close files itself: the list is looked at anew each time.
void report_write_failures() {
  for (;;) {
    const std::vector<int>& w = table().writing;
    const auto failed = std::find_if(w.begin(), w.end(), [](int u) {
      const Unit& x = table().units[static_cast<std::size_t>(u)];
      return x.failed && x.report;
    });
    if (failed == w.end()) return;
    close(*failed);
  }
}

}  // namespace

void check_console() {
  std::ostream& os = *table().console_out_stream;
  os.flush();
  if (!os.bad() || table().stopping) return;
  // The console's reader has gone (a pipe closed early): nothing more can be asked or
  // told there, so the files are closed whole and the program ends.
  constexpr std::string_view notice = " THE CONSOLE CANNOT BE WRITTEN ==> EXECUTION STOPPED\n";
  if (::write(STDERR_FILENO, notice.data(), notice.size()) < 0) {
    // Nowhere left to say it.
  }
  stop_program(1);
}

void before_question() {
  flush_all();
  check_console();
  if (table().frames_open == 0) report_write_failures();
}

void before_frame() {
  drain_files();
  if (table().frames_open == 0 && !table().stopping) report_write_failures();
}

void frame_opened(std::string_view routine) {
  Table& t = table();
  if (t.frames_open++ == 0) {
    const std::size_t n = std::min(routine.size(), sizeof t.outer_frame - 1);
    std::copy_n(routine.data(), n, t.outer_frame);
    t.outer_frame[n] = '\0';
  }
}

void frame_closed() {
  Table& t = table();
  if (t.frames_open > 0 && --t.frames_open == 0 && !t.stopping) report_write_failures();
}

int frames_open() { return table().frames_open; }

void at_top_level() {
  Table& t = table();
  if (t.frames_open == 0) return;
  ++t.frames_left_open;
#ifdef KV_CHECK_FRAMES
  std::string notice = " FRAME LEFT OPEN: ";
  notice += std::string_view(t.outer_frame).substr(0, std::string_view(t.outer_frame).find_last_not_of(' ') + 1);
  notice += '\n';
  if (::write(STDERR_FILENO, notice.data(), notice.size()) < 0) {
    // A check build's word only; the program goes on.
  }
#endif
  t.frames_open = 1;
  frame_closed();
}

int frames_left_open() { return table().frames_left_open; }

bool stopping() { return table().stopping; }

void on_write_failure(int u, WriteFailureReport report) {
  if (Unit* x = table().find(u)) x->report = report;
}

bool reports_failure(int u) {
  Unit* x = file_unit(u);
  return x && x->report;
}

void on_stop(int u, void (*finish)()) {
  if (Unit* x = table().find(u)) x->finish = finish;
}

void at_stop(void (*action)()) { table().stop_action = action; }

void close_all() {
  Table& t = table();
  const bool was_stopping = t.stopping;
  t.stopping = true;
  // Each last action runs once, even if it is interrupted.
  if (auto action = t.stop_action) {
    t.stop_action = nullptr;
    action();
  }
  for (std::size_t u = 0; u < t.units.size(); ++u) {
    if (auto finish = t.units[u].finish) {
      t.units[u].finish = nullptr;
      finish();
    }
  }
  // A frame that the stop interrupted stays open: the reports follow it.
  t.frames_open = 0;
  for (std::size_t u = 0; u < t.units.size(); ++u)
    if (t.units[u].fd >= 0) close(static_cast<int>(u));
  t.console_out_stream->flush();
  t.stopping = was_stopping;
}

}  // namespace unit

void stop_program(int status) {
  unit::close_all();
  throw ProgramStop{status};
}

void stop_at_end_of_input() {
  // The console is gone: say so where a user or a log would see it, then stop.
  unit::write_line(6, " END OF INPUT ON THE CONSOLE ==> EXECUTION STOPPED");
  stop_program(1);
}
