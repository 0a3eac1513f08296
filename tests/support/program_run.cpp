#include "support/program_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

ProgramRun run_program(const std::string& path, const std::string& answers) {
  // The answers and the console are kept beside the folder the program works in.
  std::string in = std::filesystem::current_path().string() + ".answers", out = in + ".console";
  std::ofstream(in) << answers;
  int w = std::system(("'" + path + "' < '" + in + "' > '" + out + "' 2>&1").c_str());
  std::ifstream f(out);
  ProgramRun run{w != -1 && WIFEXITED(w) ? WEXITSTATUS(w) : -1, std::string(std::istreambuf_iterator<char>(f), {})};
  std::filesystem::remove(in);
  std::filesystem::remove(out);
  return run;
}
