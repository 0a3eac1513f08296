// Runs a built program as a user would: in the current folder, with answers on its standard
// input, its standard output and error read back as one console.
#pragma once

#include <string>

struct ProgramRun {
  int status = -1;      // exit status; -1 when the program did not end by itself
  std::string console;  // everything written on standard output and error, in order
};

// Runs the program at path with the answers on its standard input until it ends.
ProgramRun run_program(const std::string& path, const std::string& answers);
