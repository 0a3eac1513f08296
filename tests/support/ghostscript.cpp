#include "support/ghostscript.h"

#include <png.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

std::string quoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

GsRun run_command(const std::string& command) {
  GsRun run;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
  int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

struct PngCloser {
  png_structp png;
  png_infop info;
  ~PngCloser() { png_destroy_read_struct(&png, &info, nullptr); }
};

GsImage read_png(const std::string& path) {
  GsImage image;
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return image;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return image;
  png_infop info = png_create_info_struct(png);
  PngCloser closer{png, info};
  if (!info || setjmp(png_jmpbuf(png))) return image;
  png_init_io(png, file.get());
  png_read_png(png, info, PNG_TRANSFORM_STRIP_16 | PNG_TRANSFORM_EXPAND, nullptr);
  const int width = static_cast<int>(png_get_image_width(png, info));
  const int height = static_cast<int>(png_get_image_height(png, info));
  const int channels = png_get_channels(png, info);
  if (channels < 3) return image;
  png_bytepp rows = png_get_rows(png, info);
  image.pixels.reserve(static_cast<std::size_t>(width * height));
  for (int row = 0; row < height; ++row)
    for (int column = 0; column < width; ++column) {
      png_bytep p = rows[row] + column * channels;
      image.pixels.push_back(Rgb{p[0], p[1], p[2]});
    }
  image.width = width;
  image.height = height;
  return image;
}

}  // namespace

GsRun gs_run(const std::string& file, const std::string& device, const std::vector<std::string>& extra) {
  std::string command = "gs -q -dSAFER -dBATCH -dNOPAUSE -sPAPERSIZE=a4 -sDEVICE=" + device;
  // Appended piece by piece: GCC 12 at -O3 warns (-Wrestrict) on " " + a temporary.
  for (const std::string& arg : extra) {
    command += ' ';
    command += quoted(arg);
  }
  command += ' ';
  command += quoted(file);
  return run_command(command);
}

GsRun gs_render(const std::string& file) { return gs_run(file, "nullpage"); }

int gs_page_count(const std::string& file) {
  GsRun run = gs_run(file, "bbox");
  if (!run.ok()) return -1;
  int pages = 0;
  for (std::size_t p = run.output.find("%%BoundingBox:"); p != std::string::npos;
       p = run.output.find("%%BoundingBox:", p + 1))
    ++pages;
  return pages;
}

std::string gs_text(const std::string& file) { return gs_run(file, "txtwrite", {"-sOutputFile=-"}).output; }

GsImage gs_image(const std::string& file, int page) {
  std::string pattern = file + ".page%d.png";
  GsRun run = gs_run(file, "png16m", {"-r72", "-sOutputFile=" + pattern});
  if (!run.ok()) return GsImage{};
  GsImage image = read_png(file + ".page" + std::to_string(page) + ".png");
  for (int k = 1; std::filesystem::remove(file + ".page" + std::to_string(k) + ".png"); ++k) {
  }
  return image;
}

Rgb gs_pixel(const std::string& file, int page, int x, int y) {
  GsImage image = gs_image(file, page);
  if (x < 0 || x >= image.width || y < 0 || y >= image.height) return Rgb{};
  return image.at(x, y);
}
