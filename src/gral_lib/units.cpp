#include "gral_lib/units.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
  std::unique_ptr<char[]> buffer;
  void (*finish)() = nullptr;  // last action of a stop
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
  Unit& slot(int u) {
    if (u < 0 || u > 9999) throw std::logic_error("unit number out of range: " + std::to_string(u));
    if (static_cast<std::size_t>(u) >= units.size()) units.resize(static_cast<std::size_t>(u) + 1);
    return units[static_cast<std::size_t>(u)];
  }
};

Table& table() {
  static Table t;
  return t;
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
  x.ofile->rdbuf()->pubsetbuf(x.buffer.get(), file_buffer_size);
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
    x->ofile->flush();
    x->ofile->close();
    ok = !x->ofile->fail();
  }
  if (x->ifile) x->ifile->close();
  *x = Unit{};
  return ok;
}

bool is_open(int u) { return u == console_in || u == console_out || table().find(u) != nullptr; }

void write_line(int u, std::string_view text) {
  std::ostream& os = out_stream(u);
  // Straight into the stream's buffer: a results file takes a line per record.
  std::streambuf* sb = os.rdbuf();
  auto n = static_cast<std::streamsize>(text.size());
  if (sb->sputn(text.data(), n) != n || sb->sputc('\n') == std::char_traits<char>::eof())
    os.setstate(std::ios::badbit);
}

bool read_line(int u, std::string& line) {
  std::istream* is;
  if (u == console_in) {
    flush_all();
    is = table().console_in_stream;
  } else {
    Unit* x = table().find(u);
    if (!x || !x->in) throw std::logic_error("read on a unit not open for reading: " + std::to_string(u));
    is = x->in;
  }
  if (!std::getline(*is, line)) {
    line.clear();
    return false;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

void flush_all() {
  table().console_out_stream->flush();
  for (Unit& x : table().units)
    if (x.out) x.out->flush();
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
