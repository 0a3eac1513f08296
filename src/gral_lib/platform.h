// What the program asks of the machine it runs on: the date and time of day, a clock count,
// the processor time, the login and host names, and running a shell command. One small
// interface with a Linux implementation, installed by default; tests install a fake.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Local date and time of day, whole seconds.
struct DateTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
};

// A clock count with its rate in counts per second and the largest count, after which the
// count starts again from 0. A rate of 0 means that there is no clock.
struct ClockReading {
  std::int32_t count = 0;
  std::int32_t rate = 0;
  std::int32_t max = 0;
};

// What the command runner tells: the command's exit status, a command status (0 when the
// command was run, not 0 when it could not be started) and a message when it could not.
struct CommandResult {
  int exitstat = 0;
  int cmdstat = 0;
  std::string cmdmsg;
};

class Services {
 public:
  virtual ~Services() = default;
  virtual DateTime local_time() = 0;
  virtual ClockReading clock() = 0;
  // Processor time used by the process so far, in seconds.
  virtual float cpu_time() = 0;
  // The login name; empty when there is none.
  virtual std::string login_name() = 0;
  // The host name; false when it cannot be had.
  virtual bool host_name(std::string& name) = 0;
  // Runs the command line through the system shell and waits for it to end.
  virtual CommandResult run_command(std::string_view command) = 0;
};

// The services in use.
Services& current();
// Installs s (owned by the caller) in place of the current services; nullptr puts the Linux
// services back.
void install(Services* s);

// Called once at program start: a write beyond the file-size limit then fails and is
// reported like a full disk, instead of the signal ending the program without a word.
void ignore_file_size_signal();
// Called once at program start: a write into a pipe whose reader has gone fails and is
// handled (a file reported, the console's loss ending the program with its files whole),
// instead of the signal ending the program without a word.
void ignore_broken_pipe_signal();
// Called once at program start, before anything is written: std::cout gets a buffer of
// its own (64 KB), written straight to the standard output; an output that is not ready
// (a non-blocking terminal or pipe) is waited for.
void buffer_console_output();

}  // namespace platform
