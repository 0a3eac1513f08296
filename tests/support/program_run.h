// Runs a built program as a user would: in the current folder, with answers on its standard
// input; its standard output and error come back as one console.
#pragma once

#include <string>

struct ProgramRun {
  int status = -1;  // exit status; -1 when the program did not end by itself
  std::string console;
};

// shape is the shell command run, PROGRAM standing for the program with its answers on
// standard input: a pipe it writes into, a limit it runs under. Where the shape names
// ANSWERS, that is the file of answers and the shape gives the program its input itself.
// Whatever the command writes is the console; the status is the program's own.
ProgramRun run_program(const std::string& path, const std::string& answers, const std::string& shape = "PROGRAM");
