#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "gral_lib/platform.h"
#include "gral_lib/sysinfo.h"
#include "support/console_capture.h"
#include "support/fake_platform.h"

namespace {

namespace fs = std::filesystem;

const std::string slash50 = " " + std::string(50, '/');
const std::string cpu_file = "cpu_info_tmp_001.txt";
const std::string version_file = "sys_version_tmp_001.txt";

class SysInfo : public ConsoleTest {
 protected:
  TempWorkDir dir;
  FakePlatform fake;

  // The four head lines of the inline warning for a routine name as shown.
  static std::vector<std::string> head(const std::string& shown) {
    return {slash50, " ///          subroutine " + shown + "          ///",
            " ///                  WARNING                   ///", slash50};
  }
  static std::string pad(const std::string& s, std::size_t n) { return s + std::string(n - s.size(), ' '); }
};

TEST_F(SysInfo, DateAndTimeFromOneReading) {
  std::string d(10, ' '), t(8, ' ');
  date10_time8(d, t);
  EXPECT_EQ(d, "2025-04-05");
  EXPECT_EQ(t, "09:07:03");

  fake.now = {1999, 12, 31, 23, 59, 58};
  std::string d12(12, 'x'), t5(5, 'x');
  date10_time8(d12, t5);
  EXPECT_EQ(d12, "1999-12-31  ");
  EXPECT_EQ(t5, "23:59");
}

TEST_F(SysInfo, HostAndUserNames) {
  std::string host(35, 'x'), user(10, 'x');
  hostname(host);
  username(user);
  EXPECT_EQ(host, pad("corelab", 35));
  EXPECT_EQ(user, pad("geologist", 10));

  fake.host_ok = false;
  fake.login = "";
  hostname(host);
  username(user);
  EXPECT_EQ(host, pad("Macintosh", 35));
  EXPECT_EQ(user, std::string(10, ' '));

  fake.login = "averyverylongloginname";
  username(user);
  EXPECT_EQ(user, "averyveryl");
  EXPECT_EQ(take_output(), "");  // no messages
}

TEST_F(SysInfo, ProcessorBrandShortenedTrimmedAndCut) {
  std::string cpu(30, ' ');
  fake.file_text[cpu_file] = "Intel(R) Core(TM) i5-8259U CPU @ 2.30GHz\nsecond line\n";
  hardinfo(cpu);
  EXPECT_EQ(cpu, pad("Core i5-8259U CPU @ 2.30GHz", 30));

  fake.file_text[cpu_file] = "Intel(R) Core(TM) \n";
  hardinfo(cpu);
  EXPECT_EQ(cpu, pad("Core ", 30));

  fake.file_text[cpu_file] = "   AMD EPYC 7B13 64-Core Processor with a long suffix\n";
  hardinfo(cpu);
  EXPECT_EQ(cpu, "AMD EPYC 7B13 64-Core Processo");

  EXPECT_EQ(take_output(), "");
  EXPECT_FALSE(fs::exists(cpu_file));
  ASSERT_EQ(fake.commands.size(), 6u);
  EXPECT_EQ(fake.commands[0], "sed -n 's/^model name.*: //p' /proc/cpuinfo >cpu_info_tmp_001.txt");
  EXPECT_EQ(fake.commands[1], "rm cpu_info_tmp_001.txt");
}

TEST_F(SysInfo, SystemVersionFillsThirteenCharacters) {
  std::string os(13, ' ');
  fake.file_text[version_file] = "10.15.7\n";
  osversion(os);
  EXPECT_EQ(os, "Linux_10.15.7");

  fake.file_text[version_file] = "6.10.11-extra\n";  // read into 8 characters, then cut by the field
  osversion(os);
  EXPECT_EQ(os, "Linux_6.10.11");
  fake.file_text[version_file] = " 6.1\n";
  osversion(os);
  EXPECT_EQ(os, pad("Linux_6.1", 13));
  EXPECT_EQ(take_output(), "");
  EXPECT_FALSE(fs::exists(version_file));
  EXPECT_EQ(fake.commands[0], "uname -r | cut -d- -f1 > sys_version_tmp_001.txt");
}

TEST_F(SysInfo, CommandThatCannotStartGivesFallbackFrame) {
  fake.runner = [](std::string_view) { return platform::CommandResult{-1, 1, "no shell"}; };
  std::string cpu(30, ' '), os(13, ' ');
  hardinfo(cpu);
  EXPECT_EQ(cpu, pad("Macintosh", 30));
  std::vector<std::string> want = head("    hardinfo ");
  std::vector<std::string> rest = {
      " COULD NOT DETERMINE CPU INFO",
      " filename = cpu_info_tmp_001.txt     ",
      " command  = sed -n 's/^model name.*: //p' /proc/cpuinfo >cpu_info_tmp_001.txt",
      " wait     =      1",
      " exitstat =     -1",
      " cmdstat  =      1",
      " cmdmsg   = " + pad("no shell", 120),
      " => SETTING CPU INFO = Macintosh",
      slash50,
  };
  want.insert(want.end(), rest.begin(), rest.end());
  EXPECT_EQ(take_lines(), want);

  osversion(os);
  EXPECT_EQ(os, pad("Linux", 13));
  std::vector<std::string> lines = take_lines();
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[1], " ///          subroutine     osversion          ///");
  EXPECT_EQ(lines[4], " COULD NOT DETERMINE SYSTEM VERSION");
  EXPECT_EQ(lines[6], " command  = " + pad("uname -r | cut -d- -f1 > sys_version_tmp_001.txt", 60));
  EXPECT_EQ(lines[11], " => SETTING SYSTEM VERSION = Linux");
  EXPECT_EQ(fake.commands.size(), 2u);  // nothing to remove after a command that did not run
}

TEST_F(SysInfo, MissingFileIsReportedAndNotRemoved) {
  fake.runner = [](std::string_view) { return platform::CommandResult{}; };  // runs, writes nothing
  std::string cpu(30, ' ');
  hardinfo(cpu);
  EXPECT_EQ(cpu, pad("Macintosh", 30));
  std::vector<std::string> lines = take_lines();
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[4], " COULD NOT OPEN CPU INFO FILE");
  EXPECT_EQ(lines[5], " filename = cpu_info_tmp_001.txt     ");
  EXPECT_EQ(lines[6], " status   = unknown");
  EXPECT_EQ(lines[7], " unit     =     99");
  EXPECT_EQ(lines[9], " wait     =      1");
  EXPECT_EQ(lines[10], " exitstat =      0");
  EXPECT_EQ(lines[12], " cmdmsg   = " + std::string(120, ' '));
  EXPECT_EQ(lines[13], " => SETTING CPU INFO = Macintosh");
  EXPECT_EQ(fake.commands.size(), 1u);
}

TEST_F(SysInfo, EmptyOrBlankFileTakesFallbackAndIsRemoved) {
  std::string os(13, ' '), cpu(30, ' ');
  fake.file_text[version_file] = "";
  osversion(os);
  EXPECT_EQ(os, pad("Linux", 13));
  std::vector<std::string> lines = take_lines();
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[4], " COULD NOT READ SYSTEM VERSION FILE");
  EXPECT_EQ(lines[6], " status   = unknown");
  EXPECT_EQ(lines[13], " => SETTING SYSTEM VERSION = Linux");
  EXPECT_FALSE(fs::exists(version_file));

  fake.file_text[cpu_file] = "   \n";
  hardinfo(cpu);
  EXPECT_EQ(cpu, pad("Macintosh", 30));
  EXPECT_EQ(take_lines()[4], " COULD NOT READ CPU INFO FILE");
  EXPECT_FALSE(fs::exists(cpu_file));
}

TEST_F(SysInfo, FailedRemovalWarnsAndKeepsTheAnswer) {
  fake.file_text[cpu_file] = "Apple M2\n";
  fake.runner = [this](std::string_view c) {
    return c.substr(0, 3) == "rm " ? platform::CommandResult{0, 7, "denied"} : fake.shell(c);
  };
  std::string cpu(30, ' ');
  hardinfo(cpu);
  EXPECT_EQ(cpu, pad("Apple M2", 30));
  std::vector<std::string> want = head("    hardinfo ");
  std::vector<std::string> rest = {
      " COULD NOT REMOVE CPU INFO FILE",
      " filename = cpu_info_tmp_001.txt     ",
      " command  = " + pad("rm cpu_info_tmp_001.txt", 65),
      " wait     =      1",
      " exitstat =      0",
      " cmdstat  =      7",
      " cmdmsg   = " + pad("denied", 120),
      slash50,
  };
  want.insert(want.end(), rest.begin(), rest.end());
  EXPECT_EQ(take_lines(), want);
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
  EXPECT_GE(platform::current().cpu_time(), 0.0f);
}

}  // namespace
