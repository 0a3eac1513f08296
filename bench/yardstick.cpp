// The bare job a run does, as fast as plainly written C++ does it: parse four numbers per
// line, convert in single precision, write one tab-separated line. The measure of the run.
//   bench_yardstick DATAFILE RESULTSFILE
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr std::size_t chunk = 1 << 20;
const float d2r = 3.14159274f / 180.0f, r2d = 180.0f / 3.14159274f;

struct Output {
  std::FILE* f;
  std::unique_ptr<char[]> buf{new char[chunk + 256]};
  std::size_t n = 0;
  void room() {
    if (n > chunk) {
      std::fwrite(buf.get(), 1, n, f);
      n = 0;
    }
  }
  void put(char c) { buf[n++] = c; }
  void f61(float v) {  // fixed point, one decimal, right-aligned in 6 columns
    char t[32];
    auto r = std::to_chars(t, t + sizeof t, v, std::chars_format::fixed, 1);
    std::size_t len = static_cast<std::size_t>(r.ptr - t);
    if (len > 6) {
      std::memset(&buf[n], '*', 6);
    } else {
      std::memset(&buf[n], ' ', 6 - len);
      std::memcpy(&buf[n + 6 - len], t, len);
    }
    n += 6;
    put('\t');
  }
};

float reduce360(float x) {
  x = std::fmod(x, 360.0f);
  return x < 0.0f ? x + 360.0f : x;
}

void convert(const float v[4], float& strike, float& dip) {
  if (std::fabs(v[2]) < 1e-4f) {
    float s = std::sin((v[1] - v[3]) * d2r);
    float sk = v[3];
    if (s < 0.0f) {
      sk = reduce360(sk + 180.0f);
      s = -s;
    }
    strike = reduce360(sk);
    dip = std::atan(std::tan(v[0] * d2r) / s) * r2d;
    return;
  }
  float a = (v[1] - v[3]) * d2r, s = std::sin(a), c = std::cos(a);
  float t1 = std::tan(v[0] * d2r), t2 = std::tan(v[2] * d2r);
  float b = std::atan((c - t2 / t1) / s);
  dip = std::atan(t1 / std::fabs(std::cos(b))) * r2d;
  strike = reduce360(b * r2d + v[1] - 90.0f);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s DATAFILE RESULTSFILE\n", argv[0]);
    return 2;
  }
  std::FILE* in = std::fopen(argv[1], "r");
  Output out{std::fopen(argv[2], "w")};
  if (!in || !out.f) {
    std::perror("open");
    return 1;
  }
  std::unique_ptr<char[]> buf(new char[chunk]);
  std::size_t have = 0;
  int lineno = 0;
  long records = 0;
  for (;;) {
    std::size_t got = std::fread(buf.get() + have, 1, chunk - have, in);
    std::size_t end = have + got;
    if (end == 0) break;
    std::size_t pos = 0;
    for (;;) {
      char* nl = static_cast<char*>(std::memchr(buf.get() + pos, '\n', end - pos));
      if (!nl) break;
      const char* p = buf.get() + pos;
      const char* e = nl;
      pos = static_cast<std::size_t>(nl - buf.get()) + 1;
      if (++lineno <= 2) continue;  // title and column names
      float v[4];
      int k = 0;
      while (k < 4) {
        while (p < e && (*p == ' ' || *p == '\t' || *p == ',')) ++p;
        auto r = std::from_chars(p, e, v[k]);
        if (r.ec != std::errc()) break;
        p = r.ptr;
        ++k;
      }
      if (k < 4) {
        std::fprintf(stderr, "unreadable line %d\n", lineno);
        return 1;
      }
      float strike, dip;
      convert(v, strike, dip);
      for (float x : v) out.f61(x);
      out.f61(strike);
      out.f61(dip);
      out.put(' ');
      out.put('\n');
      out.room();
      ++records;
    }
    have = end - pos;
    std::memmove(buf.get(), buf.get() + pos, have);
    if (got == 0) break;
  }
  std::fwrite(out.buf.get(), 1, out.n, out.f);
  std::fclose(out.f);
  std::fclose(in);
  std::fprintf(stderr, "%ld records\n", records);
  return 0;
}
