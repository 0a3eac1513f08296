#include "support/fake_platform.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

FakePlatform::FakePlatform() { platform::install(this); }

FakePlatform::~FakePlatform() { platform::install(nullptr); }

bool FakePlatform::host_name(std::string& name) {
  if (!host_ok) return false;
  name = host;
  return true;
}

platform::CommandResult FakePlatform::run_command(std::string_view command) {
  commands.emplace_back(command);
  return runner ? runner(command) : shell(command);
}

platform::CommandResult FakePlatform::shell(std::string_view command) {
  auto word_after = [&](std::size_t p) {
    std::size_t b = command.find_first_not_of(' ', p);
    if (b == std::string_view::npos) return std::string();
    std::size_t e = command.find(' ', b);
    return std::string(command.substr(b, e == std::string_view::npos ? std::string_view::npos : e - b));
  };
  if (command.substr(0, 3) == "rm ") {
    std::filesystem::remove(word_after(3));
  } else if (std::size_t p = command.rfind('>'); p != std::string_view::npos) {
    std::string file = word_after(p + 1);
    std::ofstream os(file, std::ios::trunc);
    auto it = file_text.find(file);
    if (it != file_text.end()) os << it->second;
  }
  return {};
}

TempWorkDir::TempWorkDir() : old_(std::filesystem::current_path()) {
  std::string templ = (std::filesystem::temp_directory_path() / "kvtest_XXXXXX").string();
  if (!mkdtemp(templ.data())) throw std::runtime_error("cannot make a temporary folder");
  dir_ = templ;
  std::filesystem::current_path(dir_);
}

TempWorkDir::~TempWorkDir() {
  std::filesystem::current_path(old_);
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}
