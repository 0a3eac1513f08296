// Runs a built program as a user would: in the current folder, with answers on its standard
// input; its standard output and error come back as one console.
#pragma once

#include <string>

struct ProgramRun {
  int status = -1;  // exit status; -1 when the program did not end by itself
  std::string console;
};

ProgramRun run_program(const std::string& path, const std::string& answers);
