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
#include "plt_lib/subplots.h"
#include "support/ghostscript.h"

void set_startup_attributes() {
  plt2blk = Plt2Blk{};
  for (std::size_t c = 0; c < default_color_table.size(); ++c) {
    plt2blk.RED[c] = default_color_table[c].red;
    plt2blk.GREEN[c] = default_color_table[c].green;
    plt2blk.BLUE[c] = default_color_table[c].blue;
    pltcharblk.COLORNAM[c] = fit(default_color_table[c].name, 8);
  }
  plt2blk.NBCOLOR = 18;
  plt2blk.ICOLORPLOT = 1;
  plt2blk.LINEWIDTH = 0.02f;
  plt2blk.TEXTSIZE = 0.5f;
  plt2blk.TEXTANGLE = 0.0f;
  plt2blk.SYMBOLSIZE = 0.4f;
  plt2blk.LINECOLOR = 1;
  plt2blk.IFILLSTYLE = 1;
  plt2blk.IFILLCOLOR = 8;
  plt2blk.JUSTIF = -1;
  plt2blk.IFONT = 1;
  plt2blk.ITEXTCOLOR = 1;
  plt2blk.ISYMBOLTYPE = 1;
}

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
  set_startup_attributes();
  iocom.lplotopen = false;
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
  intplinit(field, 3);
  plot_name_ = name;
  iocom.lplotopen = true;
  scm2de();
  for (int s = 1; s <= max_subplots; ++s) {
    plt1blk.ISUBPLOT = s;
    sus2de();
  }
  plt1blk.ISUBPLOT = 1;
  float width;
  lengthcm2de(width, plt2blk.LINEWIDTH);
  intslinewidth(width);
  intstextsize(plt2blk.TEXTSIZE);
  intstextfont(plt2blk.IFONT);
  take_output();
}

std::vector<std::string> PlotTest::close_plot() {
  input("\n");
  intplend();
  iocom.lplotopen = false;
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
