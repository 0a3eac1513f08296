// A scripted platform for tests: fixed date, clock, processor time and names, and a command
// runner that acts like a shell on the commands the program runs. Installed while it lives.
#pragma once

#include <sys/resource.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "gral_lib/platform.h"

class FakePlatform : public platform::Services {
 public:
  FakePlatform();
  ~FakePlatform() override;
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  platform::DateTime local_time() override { return now; }
  platform::ClockReading clock() override { return clock_reading; }
  float cpu_time() override { return cpu; }
  std::string login_name() override { return login; }
  bool host_name(std::string& name) override;
  platform::CommandResult run_command(std::string_view command) override;

  // The shell-like default: "... > FILE" (or ">FILE") creates FILE holding file_text[FILE]
  // (empty when there is none); "rm FILE" removes FILE. Any command runs (command status 0).
  platform::CommandResult shell(std::string_view command);

  platform::DateTime now{2025, 4, 5, 9, 7, 3};
  platform::ClockReading clock_reading{0, 1000000, 2147483647};
  float cpu = 0.0f;
  std::string login = "geologist";
  std::string host = "corelab";
  bool host_ok = true;
  // What the shell-like runner writes into each file; the processor and system version
  // answers of a sample machine to start with.
  std::map<std::string, std::string> file_text{
      {"cpu_info_tmp_001.txt", "Intel(R) Core(TM) i5-8259U CPU @ 2.30GHz\n"},
      {"sys_version_tmp_001.txt", "10.15.7\n"},
  };
  // Runs each command; the shell-like default when empty.
  std::function<platform::CommandResult(std::string_view)> runner;
  // Every command line run, in order.
  std::vector<std::string> commands;
};

// A fresh temporary folder made the working directory while it lives.
class TempWorkDir {
 public:
  TempWorkDir();
  ~TempWorkDir();
  TempWorkDir(const TempWorkDir&) = delete;
  TempWorkDir& operator=(const TempWorkDir&) = delete;
  const std::filesystem::path& path() const { return dir_; }

 private:
  std::filesystem::path old_;
  std::filesystem::path dir_;
};

// A full disk while it lives: no file of the process grows beyond the given size (the
// file-size limit, its signal ignored as the program ignores it).
struct FullDiskAfter {
  explicit FullDiskAfter(rlim_t bytes) {
    platform::ignore_file_size_signal();
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit lower{bytes, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lower);
  }
  ~FullDiskAfter() { setrlimit(RLIMIT_FSIZE, &old); }
  rlimit old{};
};
