#include "support/program_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

ProgramRun run_program(const std::string& path, const std::string& answers) {
  // The answers and the console live beside the folder the program works in.
  std::filesystem::path in = std::filesystem::current_path().string() + ".answers";
  std::filesystem::path out = std::filesystem::current_path().string() + ".console";
  std::ofstream(in) << answers;
  std::string command = "'" + path + "' < '" + in.string() + "' > '" + out.string() + "' 2>&1";
  int w = std::system(command.c_str());
  ProgramRun run;
  if (w != -1 && WIFEXITED(w)) run.status = WEXITSTATUS(w);
  std::ifstream f(out);
  run.console.assign(std::istreambuf_iterator<char>(f), {});
  std::filesystem::remove(in);
  std::filesystem::remove(out);
  return run;
}
