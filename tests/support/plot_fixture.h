// Test fixture for the plot engine: a temporary working folder, the plot records reset to
// their start-up state, and plot files opened, closed and checked with Ghostscript.
#pragma once

#include <string>
#include <vector>

#include "support/console_capture.h"

class PlotTest : public ConsoleTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Opens the plot file with plinit in mode 3 (no name question; the stored scales and
  // attributes brought into the new file) with the given console answers. Console output
  // is discarded.
  void open_plot(const std::string& answers = "\n", const std::string& name = "plot.ps");
  // Closes the plot file (answering the wait for Return), checks that Ghostscript renders
  // it without error, and returns its lines. Console output is discarded.
  std::vector<std::string> close_plot();
  // The lines of the plot file name in the working folder.
  static std::vector<std::string> file_lines(const std::string& name);
  // What was drawn on the pages: the lines after the first page's line and the width sent
  // with it, up to the trailer's "showpage".
  static std::vector<std::string> drawing(const std::vector<std::string>& lines);

  std::string folder_;  // the temporary working folder
  std::string plot_name_;

 private:
  std::string previous_folder_;
};
