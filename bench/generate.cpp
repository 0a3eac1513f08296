// Writes a fracture data file of N valid records: apparent dips of random planes seen in
// two directions, and some given as one apparent dip with the plane's strike. Without
// SECTIONS the file is in format 2 ("Numerical: 2 dips"); with it, in format 4
// ("Numerical: sect+depth+2dips"), one block of consecutive records per core section,
// each block spread down its section's 150 cm. With BAD, every BAD-th record (the second,
// the fourth, ... for 2) has a first dip of 95 degrees, which the run reports in an error
// frame and does not convert.
//   bench_generate N FILE [SECTIONS [BAD]]
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

int main(int argc, char** argv) {
  if (argc < 3 || argc > 5) {
    std::fprintf(stderr, "usage: %s N FILE [SECTIONS [BAD]]\n", argv[0]);
    return 2;
  }
  long n = std::atol(argv[1]);
  long sections = argc >= 4 ? std::atol(argv[3]) : 0;
  long bad = argc == 5 ? std::atol(argv[4]) : 0;
  long per_section = sections > 0 ? (n + sections - 1) / sections : 0;
  std::FILE* f = std::fopen(argv[2], "w");
  if (!f) {
    std::perror(argv[2]);
    return 1;
  }
  std::fprintf(f, sections > 0 ? "'benchmark cores'\n'section depth dipa1 dipdir1 dipa2 dipdir2'\n"
                                : "'benchmark cores'\n'dipa1 dipdir1 dipa2 dipdir2'\n");
  std::mt19937 gen(12345);
  std::uniform_real_distribution<double> strike_d(0.0, 360.0), dip_d(5.0, 85.0), off(-75.0, 75.0);
  const double r = M_PI / 180.0;
  for (long i = 0; i < n;) {
    double strike = strike_d(gen), dip = dip_d(gen);
    double dd = strike + 90.0;
    double az1 = std::fmod(dd + off(gen) + 360.0, 360.0), az2 = std::fmod(dd + off(gen) + 360.0, 360.0);
    double gap = std::fabs(std::remainder(az1 - az2, 180.0));
    if (gap < 15.0) continue;
    double a1 = std::atan(std::tan(dip * r) * std::cos((az1 - dd) * r)) / r;
    double a2 = std::atan(std::tan(dip * r) * std::cos((az2 - dd) * r)) / r;
    if (a1 < 1.0 || a2 < 1.0) continue;
    if (sections > 0)
      std::fprintf(f, "%ld %.1f ", i / per_section + 1, 150.0 * static_cast<double>(i % per_section) / per_section);
    if (bad > 0 && i % bad == bad - 1) a1 = 95.0;
    if (i % 5 == 4)
      std::fprintf(f, "%.1f %.1f 0 %.1f\n", a1, az1, strike);
    else
      std::fprintf(f, "%.1f %.1f %.1f %.1f\n", a1, az1, a2, az2);
    ++i;
  }
  return std::fclose(f) == 0 ? 0 : 1;
}
