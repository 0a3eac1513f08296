#include <gtest/gtest.h>

#include <filesystem>

#include "gral_lib/platform.h"
#include "gral_lib/sysinfo.h"
#include "support/console_capture.h"
#include "support/fake_platform.h"

namespace {

namespace fs = std::filesystem;

const std::string slash50 = " " + std::string(50, '/');
const std::string cpu_file = "cpu_info_tmp_001.txt";
const std::string version_file = "sys_version_tmp_001.txt";
const std::string cpu_command = "sed -n 's/^model name.*: //p' /proc/cpuinfo >cpu_info_tmp_001.txt";

std::string pad(const std::string& s, std::size_t n) { return s + std::string(n - s.size(), ' '); }

class SysInfo : public ConsoleTest {
 protected:
  TempWorkDir dir;
  FakePlatform fake;
  std::string cpu = std::string(30, ' '), os = std::string(13, ' ');
};

TEST_F(SysInfo, DateTimeHostAndUser) {
  std::string d(10, ' '), t(8, ' '), d12(12, 'x'), t5(5, 'x'), host(35, 'x'), user(10, 'x');
  date10_time8(d, t);
  EXPECT_EQ(d + " " + t, "2025-04-05 09:07:03");
  fake.now = {1999, 12, 31, 23, 59, 58};
  date10_time8(d12, t5);
  EXPECT_EQ(d12 + "|" + t5, "1999-12-31  |23:59");

  hostname(host);
  username(user);
  EXPECT_EQ(host, pad("corelab", 35));
  EXPECT_EQ(user, "geologist ");
  fake.host_ok = false;
  fake.login = "";
  hostname(host);
  username(user);
  EXPECT_EQ(host, pad("Macintosh", 35));
  EXPECT_EQ(user, std::string(10, ' '));
  EXPECT_EQ(take_output(), "");
}

TEST_F(SysInfo, ProcessorBrandAndSystemVersion) {
  const std::pair<const char*, const char*> brands[] = {
      {"Intel(R) Core(TM) i5-8259U CPU @ 2.30GHz\nnext\n", "Core i5-8259U CPU @ 2.30GHz   "},
      {"Intel(R) Core(TM) \n", "Core                          "},
      {"   AMD EPYC 7B13 64-Core Processor and more\n", "AMD EPYC 7B13 64-Core Processo"},
  };
  for (auto [line, want] : brands) {
    fake.file_text[cpu_file] = line;
    hardinfo(cpu);
    EXPECT_EQ(cpu, want);
  }
  const std::pair<const char*, const char*> versions[] = {
      {"10.15.7\n", "Linux_10.15.7"}, {"6.10.11-extra\n", "Linux_6.10.11"}, {" 6.1\n", "Linux_6.1    "}};
  for (auto [line, want] : versions) {
    fake.file_text[version_file] = line;
    osversion(os);
    EXPECT_EQ(os, want);
  }
  EXPECT_EQ(take_output(), "");
  EXPECT_TRUE(fs::is_empty(dir.path()));
  ASSERT_EQ(fake.commands.size(), 12u);
  EXPECT_EQ(fake.commands[0], cpu_command);
  EXPECT_EQ(fake.commands[1], "rm cpu_info_tmp_001.txt");
  EXPECT_EQ(fake.commands[6], "uname -r | cut -d- -f1 > sys_version_tmp_001.txt");
}

TEST_F(SysInfo, CommandThatCannotStartGivesFallbackFrame) {
  fake.runner = [](std::string_view) { return platform::CommandResult{-1, 1, "no shell"}; };
  hardinfo(cpu);
  EXPECT_EQ(cpu, pad("Macintosh", 30));
  std::vector<std::string> want = {
      slash50,
      " ///          subroutine     hardinfo           ///",
      " ///                  WARNING                   ///",
      slash50,
      " COULD NOT DETERMINE CPU INFO",
      " filename = cpu_info_tmp_001.txt     ",
      " command  = " + cpu_command,
      " wait     =      1",
      " exitstat =     -1",
      " cmdstat  =      1",
      " cmdmsg   = " + pad("no shell", 120),
      " => SETTING CPU INFO = Macintosh",
      slash50,
  };
  EXPECT_EQ(take_lines(), want);

  osversion(os);
  EXPECT_EQ(os, pad("Linux", 13));
  std::vector<std::string> lines = take_lines();
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[1], " ///          subroutine     osversion          ///");
  EXPECT_EQ(lines[4], " COULD NOT DETERMINE SYSTEM VERSION");
  EXPECT_EQ(lines[6], " command  = " + pad("uname -r | cut -d- -f1 > sys_version_tmp_001.txt", 60));
  EXPECT_EQ(lines[11], " => SETTING SYSTEM VERSION = Linux");
  EXPECT_EQ(fake.commands.size(), 2u);  // nothing to remove
}

TEST_F(SysInfo, FileProblems) {
  // The command ran but wrote no file: open failure, nothing to remove.
  fake.runner = [](std::string_view) { return platform::CommandResult{}; };
  hardinfo(cpu);
  EXPECT_EQ(cpu, pad("Macintosh", 30));
  std::vector<std::string> lines = take_lines();
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[4], " COULD NOT OPEN CPU INFO FILE");
  EXPECT_EQ(lines[6] + "|" + lines[7], " status   = unknown| unit     =     99");
  EXPECT_EQ(lines[12], " cmdmsg   = " + std::string(120, ' '));
  EXPECT_EQ(lines[13], " => SETTING CPU INFO = Macintosh");
  EXPECT_EQ(fake.commands.size(), 1u);

  // An empty or blank file: fallback, and the file is removed all the same.
  fake.runner = nullptr;
  fake.file_text[version_file] = "";
  osversion(os);
  fake.file_text[cpu_file] = "   \n";
  hardinfo(cpu);
  EXPECT_EQ(os + "|" + cpu, pad("Linux", 13) + "|" + pad("Macintosh", 30));
  lines = take_lines();
  ASSERT_EQ(lines.size(), 30u);
  EXPECT_EQ(lines[4], " COULD NOT READ SYSTEM VERSION FILE");
  EXPECT_EQ(lines[13], " => SETTING SYSTEM VERSION = Linux");
  EXPECT_EQ(lines[19], " COULD NOT READ CPU INFO FILE");
  EXPECT_TRUE(fs::is_empty(dir.path()));

  // A failed removal warns without a fallback and keeps the answer.
  fake.file_text[cpu_file] = "Apple M2\n";
  fake.runner = [this](std::string_view c) {
    return c.substr(0, 3) == "rm " ? platform::CommandResult{0, 7, "denied"} : fake.shell(c);
  };
  hardinfo(cpu);
  EXPECT_EQ(cpu, pad("Apple M2", 30));
  lines = take_lines();
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[4], " COULD NOT REMOVE CPU INFO FILE");
  EXPECT_EQ(lines[6], " command  = " + pad("rm cpu_info_tmp_001.txt", 65));
  EXPECT_EQ(lines[9] + "|" + lines[11], " cmdstat  =      7|" + slash50);
}

// The real services of this machine.
class LinuxPlatform : public ConsoleTest {};

TEST_F(LinuxPlatform, CommandsLeaveNoFileAndNameTheSystem) {
  TempWorkDir dir;
  std::string os(13, ' '), cpu(30, ' ');
  osversion(os);
  hardinfo(cpu);
  EXPECT_EQ(os.substr(0, 5), "Linux");
  EXPECT_NE(cpu.find_first_not_of(' '), std::string::npos);
  EXPECT_TRUE(fs::is_empty(dir.path()));

  platform::ClockReading a = platform::current().clock();
  platform::ClockReading b = platform::current().clock();
  EXPECT_EQ(a.rate, 1000000);
  EXPECT_EQ(a.max, 2147483647);
  EXPECT_LE(a.count, b.count);
}

}  // namespace
