#include "support/program_run.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

extern char** environ;

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File temporary_file() {
  File f(std::tmpfile());
  if (!f) throw std::runtime_error("cannot make a temporary file");
  return f;
}

}  // namespace

ProgramRun run_program(const std::string& path, const std::string& answers) {
  File in = temporary_file(), out = temporary_file();
  std::fwrite(answers.data(), 1, answers.size(), in.get());
  std::fflush(in.get());
  std::rewind(in.get());

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fileno(in.get()), 0);
  posix_spawn_file_actions_adddup2(&actions, fileno(out.get()), 1);
  posix_spawn_file_actions_adddup2(&actions, fileno(out.get()), 2);
  std::string program = path;
  char* argv[] = {program.data(), nullptr};
  pid_t pid = 0;
  int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) throw std::runtime_error("cannot start " + path);

  ProgramRun run;
  int wstatus = 0;
  if (waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus)) run.status = WEXITSTATUS(wstatus);
  std::rewind(out.get());
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, out.get())) > 0;) run.console.append(buf, n);
  return run;
}
