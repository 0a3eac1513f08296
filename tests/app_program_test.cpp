// The program as a user meets it: build/kelvorastrim run in a temporary folder with its
// answers on standard input. The first answer of every run is the RETURN the start banner
// waits for.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "support/ghostscript.h"
#include "support/program_run.h"
#include "support/run_harness.h"

namespace {

const std::string dashes = " -------------------------------------------";
const std::string help_examples = "'help examples'\n'dip1 dir1 dip2 dir2'\n16 'E'  50 'N'\n16 'W' 200 'A'\n";
const std::string column_names = "'dipa1'\t'dipdir1'\t'dipa2'\t'dipdir2'\t'strike'\t'dip'\t'comment'";
const std::vector<std::string> help_records = {"  16.0\t'E'\t  50.0\t'N'\t 283.5\t  50.8\t ",
                                               "  16.0\t'W'\t 200.0\t'A'\t 200.0\t  17.0\t "};

class Program : public ::testing::Test {
 protected:
  static ProgramRun run(const std::string& answers) { return run_program(KVR_PROGRAM, answers); }
  static void write_file(const std::string& name, const std::string& text) { std::ofstream(name) << text; }
  static std::vector<std::string> file_lines(const std::string& name) {
    std::ifstream f(name);
    std::vector<std::string> lines;
    for (std::string l; std::getline(f, l);) lines.push_back(l);
    return lines;
  }
  TempWorkDir dir_;
};

std::string joined(const std::vector<std::string>& lines) {
  std::string s = "\n";
  for (const std::string& l : lines) s += l + "\n";
  return s;
}

// Whether the lines stand one after the other, whole, in the console.
bool has_block(const std::string& console, const std::vector<std::string>& lines) {
  return ("\n" + console).find(joined(lines)) != std::string::npos;
}

// The main menus shown, each from its first dashed line to its last item.
std::vector<std::string> menus(const std::string& console) {
  const std::string first = dashes + "\n DATA SET UP:\n", last = " QUIT PROGRAM ........................9999\n";
  std::vector<std::string> found;
  for (std::size_t at = console.find(first); at != std::string::npos; at = console.find(first, at + 1))
    found.push_back(console.substr(at, console.find(last, at) + last.size() - at));
  return found;
}

// The main menu with the given settings lines of the data set-up and the section block.
std::string menu(const std::vector<std::string>& data_settings, bool plot_statistics,
                 const std::vector<std::string>& section_settings = {}) {
  std::vector<std::string> l = {dashes, " DATA SET UP:", dashes};
  l.insert(l.end(), data_settings.begin(), data_settings.end());
  l.insert(l.end(), {" Modify input origin ...................50", " Modify output destination .............51",
                     " Modify input format ...................52", " Help on input format ..................53",
                     dashes, " PLOT SET UP:", dashes,
                     " Plot file name : kelvst_plot.ps" + std::string(36, ' '),
                     " Open  plot file .......................10", " Modify scaling ........................11",
                     " Modify plot attributes ................12", " Modify axis ...........................13",
                     " Close plot file .......................20", dashes, " STATISTICS PLOT", dashes,
                     std::string(" Plot statistics .......................21 ") + (plot_statistics ? "T" : "F"),
                     " Modify histograms .....................22"});
  if (!section_settings.empty()) {
    l.insert(l.end(), {dashes, " SECTION PLOT", dashes});
    l.insert(l.end(), section_settings.begin(), section_settings.end());
    l.insert(l.end(), {" Modify core diameter ..................32", " Modify section plot part ..............33",
                       " Modify section plot vcd ...............34"});
  }
  l.insert(l.end(), {dashes, " SET UP OK => RUN & PLOT .............1000", " QUIT PROGRAM ........................9999"});
  return joined(l).substr(1);
}

const std::vector<std::string> from_file = {" Input from  : file    ", " Output to   : file    ",
                                            " Data format : Alphanumerical: 2 dips          "};

std::size_t at(const std::string& console, const std::string& text) { return console.find(text); }

TEST_F(Program, StartsWithTheBannerTheSetUpsAndTheMenu) {
  ProgramRun r = run("\n9999\n");
  EXPECT_EQ(r.status, 0);
  const std::string& c = r.console;
  EXPECT_TRUE(has_block(c, {" @          MAIN PROGRAM: kelvorastrim            @",
                            " @               Version: 5.1                     @",
                            " @                  Date: 2025-04-17              @"}))
      << c;
  // In order: the console, the banner with the platform's answers and its pause, the
  // angle constants, the plot attributes, then (sub-plots set silently) the menu.
  std::vector<std::size_t> order = {at(c, " INITIALIZING INPUT/OUTPUT\n"), at(c, " MAIN PROGRAM: kelvorastrim"),
                                    at(c, " @      User: "), at(c, " @      Host: "), at(c, " @    System: Linux"),
                                    at(c, " @       CPU: "), at(c, " @             HIT RETURN TO CONTINUE "),
                                    at(c, " Initializing /anglerad/ block\n"), at(c, " INITIALIZING PLOT ATTRIBUTESS\n"),
                                    at(c, menu(from_file, true))};
  for (std::size_t k = 1; k < order.size(); ++k) EXPECT_LT(order[k - 1], order[k]) << k;
  EXPECT_LT(order.back(), std::string::npos);
  EXPECT_EQ(count_of(c, "subroutine ssubplot"), 0);
  // The platform's temporary files are gone; nothing was written in the folder.
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
}

TEST_F(Program, SectionBlockFollowsTheInputFormat) {
  const std::string c = run("\n52\n3\n52\n1\n9999\n").console;
  EXPECT_TRUE(has_block(c, {dashes, " INPUT DATA FORMAT", dashes, " Data format:                      Command",
                            " Alphanumerical: 2 dips           .......1", " Numerical: 2 dips                .......2",
                            " Alphanumerical: sect+depth+2dips .......3", " Numerical: sect+depth+2dips      .......4",
                            " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@"}));
  EXPECT_TRUE(has_block(c, {" Enter data format", " inside  [1,4]"}));
  std::vector<std::string> m = menus(c);
  ASSERT_EQ(m.size(), 3u);
  std::vector<std::string> sections = from_file;
  sections[2] = " Data format : Alphanumerical: sect+depth+2dips";
  EXPECT_EQ(m[1], menu(sections, true,
                       {" Core diameter :     6.0", " Part to plot  : Archive half E<->W", " VCD type      :     1",
                        " Plot section ..........................31 T"}));
  EXPECT_EQ(m[2], menu(from_file, true));
}

TEST_F(Program, SectionCommandsRunWhileHidden) {
  // 32 refuses a diameter that is not positive (each refusal pauses) and keeps asking.
  const std::string c = run("\n31\nn\n32\n-1\n\n0\n\n8.5\n33\n2\n34\n2\n52\n3\n9999\n").console;
  EXPECT_EQ(count_of(c, " should be greater than 0 ==> RETRYING\n"), 2);
  EXPECT_TRUE(has_block(c, {dashes, " SECTION CUT FOR PLOTS", dashes, " Section cut                       Command",
                            " Archive half E<->W .....................1", " Working half W<->E .....................2"}));
  EXPECT_TRUE(has_block(c, {dashes, " VCD TEMPLATE FOR SECTION PLOTS", dashes,
                            " VCD template                      Command", " Leg 180 : 150 cm in 2 boxes ............1",
                            " Leg 209 : 150 cm in 1 box ..............2"}));
  std::vector<std::string> m = menus(c);
  ASSERT_EQ(m.size(), 6u);
  for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(m[k].find("SECTION PLOT"), std::string::npos) << k;
  std::vector<std::string> sections = from_file;
  sections[2] = " Data format : Alphanumerical: sect+depth+2dips";
  EXPECT_EQ(m[5], menu(sections, true,
                       {" Core diameter :     8.5", " Part to plot  : Working half W<->E", " VCD type      :     2",
                        " Plot section ..........................31 F"}));
}

TEST_F(Program, UnknownCommandsShowTheMenuAgain) {
  const std::string c = run("\n0\n99\n9999\n").console;
  EXPECT_EQ(menus(c).size(), 3u);
  for (const char* echo : {" New value =             0", " New value =            99"})
    EXPECT_TRUE(has_block(c, {echo, " ..........................................",
                              " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
                              " @ main program kelvorastrim        v5.1 2025-04-17"}))
        << echo;
  EXPECT_EQ(c.find("ERROR"), std::string::npos);
  EXPECT_EQ(c.find("WARNING"), std::string::npos);
}

TEST_F(Program, RunFromTheDataFileToTheResultsFile) {
  write_file("kelvst_in.txt", help_examples);
  // Statistics plot off, the format help, then a run with the default names.
  ProgramRun r = run("\n21\nn\n53\n1000\n\n\n9999\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(count_of(r.console, " Examples :\n"), 4);
  EXPECT_TRUE(has_block(r.console, {" Read          2 DATA", " Converted     2 DATA", " Number of problematic data =     0",
                                    " input  file kelvst_in.txt closed", " output file kelvst_out.txt closed"}));
  EXPECT_EQ(r.console.find("OPENING"), r.console.find("OPENING fracture data"));  // no plot file
  std::vector<std::string> l = file_lines("kelvst_out.txt");
  ASSERT_EQ(l.size(), 4u);
  EXPECT_EQ(l[0].rfind("'help examples'\tinput file = kelvst_in.txt", 0), 0u) << l[0];
  EXPECT_NE(l[0].find("kelvorastrim_5.1 Command = 1000"), std::string::npos) << l[0];
  EXPECT_EQ(l[1], column_names);
  EXPECT_EQ(std::vector<std::string>(l.begin() + 2, l.end()), help_records);
  EXPECT_FALSE(std::filesystem::exists("kelvst_plot.ps"));
}

TEST_F(Program, RunFromTheKeyboardToTheScreen) {
  // Keyboard, screen, no plot; the default title, one record, then the end of the input.
  ProgramRun r = run("\n50\n2\n51\n2\n21\nn\n1000\n\nn\n16 E 50 N\ny\n9999\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(has_block(r.console, {dashes, " RESULTS", dashes, column_names, help_records[0]})) << r.console;
  EXPECT_TRUE(has_block(r.console, {" Read          1 DATA", " Converted     1 DATA"}));
  EXPECT_EQ(menus(r.console).back(), menu({" Input from  : keyboard", " Output to   : screen  ", from_file[2]}, false));
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
}

TEST_F(Program, SecondRunRefusesTheExistingResultsFile) {
  write_file("kelvst_in.txt", help_examples);
  // The second run is offered the same results file, refused (a pause), then given another.
  ProgramRun r = run("\n21\nn\n1000\n\n\n1000\n\n\n\nsecond.txt\n9999\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(count_of(r.console, " COULD NOT OPEN fracture data output FILE\n"), 1);
  std::vector<std::string> first = file_lines("kelvst_out.txt"), second = file_lines("second.txt");
  ASSERT_EQ(first.size(), 4u);
  ASSERT_EQ(second.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(first.begin() + 2, first.end()), help_records);
  EXPECT_EQ(std::vector<std::string>(second.begin() + 2, second.end()), help_records);
}

TEST_F(Program, PlotFileOpenedTwiceAndClosedTwice) {
  // 10: default page format and name; 10 again: a warning (pause); 20: the closing RETURN;
  // 20 again: a warning (pause).
  ProgramRun r = run("\n10\n\n\n10\n\n20\n\n20\n\n9999\n");
  const std::string& c = r.console;
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(count_of(c, joined({dashes, " OPENING STATISTICS PLOT FILE", dashes})), 2);
  std::size_t again = at(c, " Plot file or window is already opened\n"), closing = at(c, " Enter CR = Return to close"),
              closed = at(c, " The plot window or file is already closed\n");
  EXPECT_LT(again, closing);
  EXPECT_LT(closing, closed);
  EXPECT_LT(closed, std::string::npos);
  EXPECT_EQ(count_of(c, "CR = Return to close"), 1);
  EXPECT_EQ(gs_page_count("kelvst_plot.ps"), 1);
}

TEST_F(Program, QuitClosesAnOpenPlotFileFirst) {
  ProgramRun none = run("\n9999\n");
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.console.find("CR = Return to close"), std::string::npos);
  EXPECT_NE(none.console.find(" @ TERMINATED ON "), std::string::npos);

  ProgramRun open = run("\n10\n\n\n9999\n\n");
  EXPECT_EQ(open.status, 0);
  std::size_t closing = at(open.console, " Enter CR = Return to close");
  EXPECT_LT(closing, at(open.console, " The PostScript plot file is closed\n"));
  EXPECT_LT(at(open.console, " The PostScript plot file is closed\n"), at(open.console, " @ TERMINATED ON "));
  EXPECT_NE(at(open.console, " @ TERMINATED ON "), std::string::npos);
  EXPECT_TRUE(gs_render("kelvst_plot.ps").ok());
}

TEST_F(Program, EndOfInputAtTheMenuKeepsResultsAndPlot) {
  write_file("kelvst_in.txt", help_examples);
  // A run with a plot file (default page format and names), then no more answers.
  ProgramRun r = run("\n1000\n\n\n\n\n");
  EXPECT_NE(r.status, 0);
  EXPECT_TRUE(r.console.ends_with(" Enter command\n END OF INPUT ON THE CONSOLE ==> EXECUTION STOPPED\n"));
  EXPECT_EQ(r.console.find("TERMINATED ON"), std::string::npos);
  std::vector<std::string> l = file_lines("kelvst_out.txt");
  ASSERT_EQ(l.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(l.begin() + 2, l.end()), help_records);
  EXPECT_EQ(file_lines("kelvst_plot.ps").back(), "%%EOF");
  GsRun gs = gs_render("kelvst_plot.ps");
  EXPECT_TRUE(gs.ok()) << gs.output;
}

TEST_F(Program, SubplotLayoutMenu) {
  // 11, then the maps of sub-plots 13 and 3 (each asks whether to alter it), 0 does nothing,
  // 99 back; 50 the pictures; 99 back to the main menu.
  const std::string c = run("\n11\n10\n13\n\n3\n\n0\n99\n50\n99\n9999\n").console;
  EXPECT_TRUE(has_block(c, {"  xlcm  =     8.000  ylcm  =    22.500", "  xcm0  =     4.500  ycm0  =     2.000"}));
  EXPECT_TRUE(has_block(c, {" |xcm|   |  3.000   0.000|   |xu|   |  6.500|", " |   | = |               | * |  | + |       |",
                            " |ycm|   |  0.000   3.000|   |yu|   | 22.500|"}));
  EXPECT_EQ(count_of(c, " Do you want to alter this ?\n"), 2);
  EXPECT_TRUE(has_block(c, {" |  |    |    |    |  |", " |  | 15 |    | 14 |  |", " |  |    |    |    |  |"}));
  EXPECT_EQ(count_of(c, " MULTIPLE PLOTS LAYOUT\n"), 3);
  EXPECT_EQ(menus(c).size(), 2u);
}

}  // namespace
