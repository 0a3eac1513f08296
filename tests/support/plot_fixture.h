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

  // Opens the plot file as page control does: the device layer's opening with the given
  // console answers, then the maps and the line width, text height and font brought into
  // the new file. Console output is discarded.
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

// Sets the plot attributes and colour table to their values after start-up.
void set_startup_attributes();
