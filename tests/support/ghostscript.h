// Test helpers that render plot files with Ghostscript (gs): whether a file renders
// without error, its page count, its text, and the colour of a pixel.
#pragma once

#include <string>
#include <vector>

struct GsRun {
  int status = -1;     // exit status of gs
  std::string output;  // everything gs wrote on its standard output and error
  // Rendered: exit status 0 and no "Error" in the output.
  bool ok() const { return status == 0 && output.find("Error") == std::string::npos; }
};

// Renders file on A4 paper with the given device; extra arguments go before the file name.
GsRun gs_run(const std::string& file, const std::string& device, const std::vector<std::string>& extra = {});
// Renders file with the nullpage device.
GsRun gs_render(const std::string& file);
// Number of pages, as the bbox device counts them; -1 when the file does not render.
int gs_page_count(const std::string& file);
// The text shown on the pages, as the txtwrite device extracts it.
std::string gs_text(const std::string& file);

struct Rgb {
  int r = -1, g = -1, b = -1;
  bool operator==(const Rgb&) const = default;
};
// Colour of the pixel at (x, y) points from the lower-left corner of the portrait A4 page,
// rendered at 72 dots per inch with the png16m device; r = -1 when it cannot be read.
Rgb gs_pixel(const std::string& file, int page, int x, int y);

// A page rendered at 72 dots per inch: one pixel per point.
struct GsImage {
  int width = 0, height = 0;  // 0 when the page cannot be read
  std::vector<Rgb> pixels;    // row by row from the top
  // The pixel at (x, y) points from the lower-left corner.
  Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>((height - 1 - y) * width + x)]; }
};
GsImage gs_image(const std::string& file, int page);
