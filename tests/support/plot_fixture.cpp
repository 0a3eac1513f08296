#include "support/plot_fixture.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "gral_lib/console.h"
#include "gral_lib/format.h"
#include "int_ps_lib/psdraw.h"
#include "math_lib/angles.h"
#include "int_ps_lib/psfile.h"
#include "plt_lib/attributes.h"
#include "plt_lib/draw.h"
#include "plt_lib/plotattributes.h"
#include "plt_lib/plotcontrol.h"
#include "plt_lib/subplots.h"
#include "support/ghostscript.h"

void PlotTest::SetUp() {
  ConsoleTest::SetUp();
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string leaf = std::string("kv_") + info->test_suite_name() + "_" + info->name() + "_" + std::to_string(getpid());
  std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / leaf;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  folder_ = dir.string();
  previous_folder_ = std::filesystem::current_path().string();
  std::filesystem::current_path(dir);
  plt1blk = Plt1Blk{};
  pltcharblk = PltCharBlk{};
  psparams_90 = PsParams90{};
  iocom.lplotopen = false;
  plt2blk = Plt2Blk{};
  splotattributes(5);  // the attributes after start-up
  trigoset();
  take_output();
}

void PlotTest::TearDown() {
  ConsoleTest::TearDown();
  std::filesystem::current_path(previous_folder_);
  iocom.lplotopen = false;
  if (!HasFailure()) std::filesystem::remove_all(folder_);  // kept for a look when a test fails
}

void PlotTest::open_plot(const std::string& answers, const std::string& name) {
  input(answers);
  std::string field = fit(name, 50);
  plinit(field, 3);
  plot_name_ = name;
  take_output();
}

std::vector<std::string> PlotTest::close_plot() {
  input("\n");
  plend();
  take_output();
  GsRun run = gs_render(plot_name_);
  EXPECT_TRUE(run.ok()) << plot_name_ << ":\n" << run.output;
  return file_lines(plot_name_);
}

std::vector<std::string> PlotTest::file_lines(const std::string& name) {
  std::ifstream f(name);
  std::vector<std::string> lines;
  for (std::string l; std::getline(f, l);) lines.push_back(l);
  return lines;
}

std::vector<std::string> PlotTest::drawing(const std::vector<std::string>& lines) {
  std::size_t begin = 0;
  while (begin < lines.size() && lines[begin].rfind("%%Page:", 0) != 0) ++begin;
  begin += 2;
  std::size_t end = lines.size();
  while (end > begin && lines[end - 1] != "showpage") --end;
  if (end > begin) --end;
  if (begin > end) return {};
  return {lines.begin() + static_cast<std::ptrdiff_t>(begin), lines.begin() + static_cast<std::ptrdiff_t>(end)};
}
