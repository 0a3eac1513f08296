#include "gral_lib/units.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <vector>

namespace unit {
namespace {

constexpr int console_in = 5;
constexpr int console_out = 6;
constexpr std::size_t file_buffer_size = 1 << 16;

struct Unit {
  std::istream* in = nullptr;
  std::ostream* out = nullptr;
  std::unique_ptr<std::ifstream> ifile;
  std::unique_ptr<std::ofstream> ofile;
  // The buffer of a file: for one read, the stream's; for one written, the lines that have
  // not gone to the file yet (pending bytes of it), kept here rather than in the stream's
  // buffer, whose general way with every line costs more than the line itself.
  std::unique_ptr<char[]> buffer;
  std::size_t pending = 0;
  void (*finish)() = nullptr;  // last action of a stop
  void (*failed)() = nullptr;  // report of a failed write, before the next console question
  bool at_start = false;        // nothing read yet from the file
};

struct Table {
  std::vector<Unit> units;
  std::istream* console_in_stream = &std::cin;
  std::ostream* console_out_stream = &std::cout;

  Unit* find(int u) {
    if (u < 0 || static_cast<std::size_t>(u) >= units.size()) return nullptr;
    Unit& x = units[static_cast<std::size_t>(u)];
    return (x.in || x.out) ? &x : nullptr;
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

// A file whose buffered lines could not be written is reported once, before the question
// that follows; the report may itself ask (its pause), so it is dropped before it runs.
void report_write_failures() {
  for (std::size_t u = 0; u < table().units.size(); ++u) {
    Unit& x = table().units[u];
    if (x.failed && x.out && x.out->fail()) {
      auto report = x.failed;
      x.failed = nullptr;
      report();
    }
  }
}

// Sends the pending lines of a file written to it; a short write marks the stream failed.
void drain(Unit& x) {
  if (x.pending == 0) return;
  const auto n = static_cast<std::streamsize>(x.pending);
  x.pending = 0;
  if (x.out->rdbuf()->sputn(x.buffer.get(), n) != n) x.out->setstate(std::ios::badbit);
}

Table::~Table() {
  for (Unit& x : units)
    if (x.ofile) drain(x);
}

// Sends the pending lines and then everything the stream holds.
void flush_unit(Unit& x) {
  if (x.ofile) drain(x);
  x.out->flush();
}

std::ostream& out_stream(int u) {
  if (u == console_out) return *table().console_out_stream;
  Unit* x = table().find(u);
  if (!x || !x->out) throw std::logic_error("write on a unit not open for writing: " + std::to_string(u));
  return *x->out;
}

bool open_output(int u, const std::string& path, bool exclusive) {
  if (u == console_in || u == console_out) return false;
  if (table().find(u)) close(u);
  if (exclusive) {
    // Claim the name atomically so that an existing file is never replaced.
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) return false;
    ::close(fd);
  }
  Unit& x = table().slot(u);
  x.buffer = std::make_unique<char[]>(file_buffer_size);
  x.ofile = std::make_unique<std::ofstream>();
  x.ofile->rdbuf()->pubsetbuf(nullptr, 0);  // the lines wait in the unit's buffer
  x.ofile->open(path, std::ios::out | std::ios::trunc);
  if (!x.ofile->is_open()) {
    x = Unit{};
    return false;
  }
  x.out = x.ofile.get();
  return true;
}

}  // namespace

void bind_console(std::istream& in, std::ostream& out) {
  table().console_in_stream = &in;
  table().console_out_stream = &out;
}

void reset_console() { bind_console(std::cin, std::cout); }

bool open_read(int u, const std::string& path) {
  if (u == console_in || u == console_out) return false;
  if (table().find(u)) close(u);
  // A folder opens as a stream here but has no lines: naming one is a failed open, so the
  // caller asks for another name instead of reading an empty file.
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return false;
  Unit& x = table().slot(u);
  x.buffer = std::make_unique<char[]>(file_buffer_size);
  x.ifile = std::make_unique<std::ifstream>();
  x.ifile->rdbuf()->pubsetbuf(x.buffer.get(), file_buffer_size);
  x.ifile->open(path, std::ios::in);
  if (!x.ifile->is_open()) {
    x = Unit{};
    return false;
  }
  x.in = x.ifile.get();
  x.at_start = true;
  return true;
}

bool open_write_new(int u, const std::string& path) { return open_output(u, path, true); }

bool open_write(int u, const std::string& path) { return open_output(u, path, false); }

bool close(int u) {
  if (u == console_in || u == console_out) return true;
  Unit* x = table().find(u);
  if (!x) return true;
  bool ok = true;
  if (x->ofile) {
    flush_unit(*x);
    x->ofile->close();
    ok = !x->ofile->fail();
  }
  if (x->ifile) x->ifile->close();
  *x = Unit{};
  return ok;
}

bool is_open(int u) { return u == console_in || u == console_out || table().find(u) != nullptr; }

void flush(int u) {
  if (u == console_in || u == console_out) return;
  Unit* x = table().find(u);
  if (x && x->out) flush_unit(*x);
}

bool write_failed(int u) {
  if (u == console_in || u == console_out) return false;
  Unit* x = table().find(u);
  return x && x->out && x->out->fail();
}

namespace {

// write_line on unit u, x its entry when it has one.
bool put_line(int u, Unit* x, std::string_view text) {
  if (x && x->ofile) {
    // A file written: into the unit's buffer, which goes to the file when full.
    const std::size_t n = text.size() + 1;
    if (x->pending + n > file_buffer_size) drain(*x);
    if (n <= file_buffer_size) {
      char* end = std::copy(text.begin(), text.end(), x->buffer.get() + x->pending);
      *end = '\n';
      x->pending += n;
      return !x->out->fail();
    }
  }
  std::ostream& os = out_stream(u);
  // Straight into the stream's buffer: a results file takes a line per record.
  std::streambuf* sb = os.rdbuf();
  auto n = static_cast<std::streamsize>(text.size());
  if (sb->sputn(text.data(), n) != n || sb->sputc('\n') == std::char_traits<char>::eof())
    os.setstate(std::ios::badbit);
  return !os.fail();
}

}  // namespace

bool write_line(int u, std::string_view text) { return put_line(u, u == console_out ? nullptr : table().find(u), text); }

char* line_room(int u, std::size_t n) {
  Unit* x = u == console_in || u == console_out ? nullptr : table().find(u);
  if (!x || !x->ofile || n >= file_buffer_size) return nullptr;
  if (x->pending + n + 1 > file_buffer_size) drain(*x);
  return x->buffer.get() + x->pending;
}

bool end_line(int u, std::size_t k) {
  Unit& x = *table().find(u);
  x.buffer[x.pending + k] = '\n';
  x.pending += k + 1;
  return !x.out->fail();
}

bool write_line_if_open(int u, std::string_view text) {
  if (u == console_in || u == console_out) return write_line(u, text);
  Unit* x = table().find(u);
  return !x || put_line(u, x, text);
}

bool read_line(int u, std::string& line) {
  std::istream* is;
  Unit* file = nullptr;
  if (u == console_in) {
    before_question();
    is = table().console_in_stream;
  } else {
    file = table().find(u);
    if (!file || !file->in) throw std::logic_error("read on a unit not open for reading: " + std::to_string(u));
    is = file->in;
  }
  if (!std::getline(*is, line)) {
    line.clear();
    return false;
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

void flush_all() {
  table().console_out_stream->flush();
  for (Unit& x : table().units)
    if (x.out) flush_unit(x);
}

void before_question() {
  flush_all();
  report_write_failures();
}

void on_write_failure(int u, void (*report)()) {
  if (Unit* x = table().find(u)) x->failed = report;
}

void on_stop(int u, void (*finish)()) {
  if (Unit* x = table().find(u)) x->finish = finish;
}

void close_all() {
  // Each last action runs once, even if it is interrupted.
  for (std::size_t u = 0; u < table().units.size(); ++u) {
    if (auto finish = table().units[u].finish) {
      table().units[u].finish = nullptr;
      finish();
    }
  }
  flush_all();
  for (std::size_t u = 0; u < table().units.size(); ++u)
    if (table().units[u].in || table().units[u].out) close(static_cast<int>(u));
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
