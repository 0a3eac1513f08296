#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "gral_lib/format.h"
#include "gral_lib/freeformat.h"

namespace {

std::string I(long long v, int w) { return Line().i(v, w).str(); }
std::string F(float v, int w, int d) { return Line().f(v, w, d).str(); }
std::string G(float v, int w, int d) { return Line().g(v, w, d).str(); }
std::string E(float v, int w, int d) { return Line().e(v, w, d).str(); }
std::string ES(float v, int w, int d) { return Line().es(v, w, d).str(); }

TEST(Formatter, IntegersTextsAndFlags) {
  EXPECT_EQ(I(5, 2), " 5");
  EXPECT_EQ(I(-5, 2), "-5");
  EXPECT_EQ(I(-10, 2), "**");
  EXPECT_EQ(I(123, 2), "**");
  EXPECT_EQ(I(-2147483648LL, 11), "-2147483648");
  EXPECT_EQ(Line().a("abc", 5).str(), "  abc");
  EXPECT_EQ(Line().a("abcdef", 4).str(), "abcd");
  EXPECT_EQ(Line().a("ab  ").str(), "ab  ");  // trailing blanks are kept
  EXPECT_EQ(Line().l(true, 2).l(false, 1).str(), " TF");
  EXPECT_EQ(Line().x().rep('*', 3).x(2).str(), " ***  ");
  EXPECT_EQ(fit("abc", 5), "abc  ");
  EXPECT_EQ(fit("abcdef", 2), "ab");
}

TEST(Formatter, FixedPoint) {
  EXPECT_EQ(F(3.14159f, 6, 2), "  3.14");
  EXPECT_EQ(F(-3.14159f, 6, 2), " -3.14");
  EXPECT_EQ(F(123.456f, 6, 1), " 123.5");
  EXPECT_EQ(F(9.96f, 5, 1), " 10.0");
  EXPECT_EQ(F(0.5f, 4, 2), "0.50");
  EXPECT_EQ(F(0.5f, 3, 2), ".50");    // the zero before the point goes first
  EXPECT_EQ(F(-0.5f, 4, 2), "-.50");
  EXPECT_EQ(F(-0.5f, 3, 2), "***");
  EXPECT_EQ(F(5.0f, 3, 0), " 5.");     // no decimals still writes the point
  EXPECT_EQ(F(12345.0f, 5, 0), "*****");
  EXPECT_EQ(F(-0.01f, 5, 1), "  0.0");  // a value rounding to zero carries no sign
  EXPECT_EQ(F(-0.0f, 6, 1), "   0.0");
  EXPECT_EQ(F(359.96f, 6, 1), " 360.0");
  EXPECT_EQ(F(1.0e20f, 6, 1), "******");
  EXPECT_EQ(F(std::numeric_limits<float>::quiet_NaN(), 6, 1), "   NaN");
  EXPECT_EQ(F(std::numeric_limits<float>::infinity(), 5, 0), "  Inf");
  EXPECT_EQ(F(-std::numeric_limits<float>::infinity(), 9, 0), "-Infinity");
  EXPECT_EQ(F(std::numeric_limits<float>::infinity(), 2, 0), "**");
}

TEST(Formatter, GeneralSwitchesBetweenFixedAndExponent) {
  EXPECT_EQ(G(1.0f, 12, 6), " 1.00000    ");
  EXPECT_EQ(G(120.0f, 14, 4), "     120.0    ");
  EXPECT_EQ(G(0.25f, 14, 4), "    0.2500    ");
  EXPECT_EQ(G(0.099996f, 14, 4), "    0.1000    ");  // rounds up into the fixed range
  EXPECT_EQ(G(0.05f, 14, 4), "    0.5000E-01");
  EXPECT_EQ(G(12346.0f, 14, 4), "    0.1235E+05");
  EXPECT_EQ(G(9999.6f, 14, 4), "    0.1000E+05");   // rounds up out of the fixed range
  EXPECT_EQ(G(1234.0f, 14, 4), "     1234.    ");
  EXPECT_EQ(G(100.0f, 12, 6), " 100.000    ");
  EXPECT_EQ(G(-1234567.0f, 12, 6), "-.123457E+07");
  EXPECT_EQ(G(0.0f, 14, 4), "     0.000    ");
  EXPECT_EQ(G(3.4028235e38f, 30, 7), "                 0.3402823E+39");
  EXPECT_EQ(G(std::numeric_limits<float>::quiet_NaN(), 14, 4), "           NaN");
  EXPECT_EQ(G(1.0e-40f, 8, 4), "********");
}

TEST(Formatter, ExponentForms) {
  EXPECT_EQ(E(1234.6f, 12, 4), "  0.1235E+04");
  EXPECT_EQ(E(-0.001f, 10, 3), "-0.100E-02");
  EXPECT_EQ(E(-0.001f, 9, 3), "-.100E-02");
  EXPECT_EQ(ES(1234.6f, 12, 4), "  1.2346E+03");
  EXPECT_EQ(ES(-0.5f, 10, 2), " -5.00E-01");
  EXPECT_EQ(ES(0.0f, 10, 2), "  0.00E+00");
}

TEST(Formatter, ExtremeDigitCountsAndWidths) {
  // Digits a float does not have are zeros; a field is at most 1024 columns; nothing throws.
  const std::string tenth = "100000001490116119384765625" + std::string(103, '0');  // 0.1f exactly
  EXPECT_EQ(E(0.1f, 140, 130) + ES(0.1f, 140, 129), "    0." + tenth + "E+00     1." + tenth.substr(1) + "E-01");
  EXPECT_EQ(G(0.1f, 10, 200) + ES(2.5f, 9, -3) + F(1.5f, 5, -2), "******       2.E+00   2.");
  EXPECT_EQ(F(1.5f, 3000, 2) + F(0.5f, 1100, 5000), std::string(1020, ' ') + "1.50" + std::string(1024, '*'));
  EXPECT_EQ(Line().x(1 << 30).rep('-', 5000).str(), std::string(1024, ' ') + std::string(1024, '-'));
}

// i_whole and f_whole: iN and fW.D where the number fits, its own width where it does not.
TEST(Formatter, WholeFieldsWidenOnlyForANumberThatDoesNotFit) {
  EXPECT_EQ(Line().i_whole(99999, 5).i_whole(7, 3).i_whole(-9999, 5).str(), I(99999, 5) + I(7, 3) + I(-9999, 5));
  EXPECT_EQ(Line().i_whole(100000, 5).x().i_whole(-10000, 5).x().i_whole(-9223372036854775807LL - 1, 3).str(),
            "100000 -10000 -9223372036854775808");
  EXPECT_EQ(Line().f_whole(99999.5f, 9, 3).f_whole(0.5f, 3, 2).f_whole(-9999.5f, 9, 3).str(),
            F(99999.5f, 9, 3) + F(0.5f, 3, 2) + F(-9999.5f, 9, 3));
  EXPECT_EQ(Line().f_whole(9999999.0f, 9, 3).x().f_whole(-10000.0f, 9, 3).x().f_whole(-0.5f, 3, 2).x()
                .f_whole(std::numeric_limits<float>::infinity(), 2, 0).str(),
            "9999999.000 -10000.000 -0.50 Infinity");
}

// The quick ways into a character buffer (or a register) give what put_f and put_i append, also at the
// edges of the fields they take (for fW.D up to 16 columns, 2 decimals, values below 1e7)
// and beyond them.
TEST(Formatter, FieldsIntoABufferAsAppended) {
  const float values[] = {0.0f,     -0.0f,   0.004f,   -0.005f,  0.005f,   0.015f,  0.125f,  0.375f,   -0.5f,
                          9.995f,   9.996f,  99.995f,  368.55f,  -419.58f, 2.5f,    3.5f,    1234.5f,  65535.99f,
                          99999.0f, 1.0e6f,  -9999999.0f, 1.0e7f, 3.0e9f,  1.0e20f, std::numeric_limits<float>::quiet_NaN(),
                          -std::numeric_limits<float>::infinity()};
  for (float v : values) {
    for (int d = -1; d <= 3; ++d) {
      for (int w = 0; w <= 18; ++w) {
        const std::string appended = F(v, w, d);
        std::string written(appended.size(), '?');
        put_f(written.data(), v, w, d);
        EXPECT_EQ(written, appended) << v << " f" << w << "." << d;
        Field16 field;
        if (small_field(field, v, w, d)) {
          char bytes[16];
          std::memcpy(bytes, &field.low, 8);
          std::memcpy(bytes + 8, &field.high, 8);
          EXPECT_EQ(std::string(bytes, static_cast<std::size_t>(w)), appended) << v << " f" << w << "." << d;
        }
      }
    }
  }
  for (long long v : {0LL, 7LL, -7LL, 12345LL, -12345LL, 123456LL, -2147483648LL, -9223372036854775807LL - 1}) {
    for (int w = 0; w <= 22; ++w) {
      const std::string appended = I(v, w);
      std::string written(appended.size(), '?');
      put_i(written.data(), v, w);
      EXPECT_EQ(written, appended) << v << " i" << w;
    }
  }
}

TEST(FreeFormat, SeparatorsQuotesAndSlash) {
  int i = 0;
  float r = 0;
  std::string t(6, ' ');
  EXPECT_EQ(read_list("12, 3.5 \t'ab cd'", {&i, &r, &t}), ListStatus::ok);
  EXPECT_EQ(i, 12);
  EXPECT_FLOAT_EQ(r, 3.5f);
  EXPECT_EQ(t, "ab cd ");
  std::string whole;
  EXPECT_EQ(read_list("\"it\"\"s\" rest", {&whole}), ListStatus::ok);
  EXPECT_EQ(whole, "it\"s");
  i = 7;
  int count = -1;
  EXPECT_EQ(read_list("1 / 2", {&r, &i}, &count), ListStatus::slash);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(i, 7);  // untouched after the slash
  EXPECT_EQ(read_list("1,,2", {&i, &i, &i}), ListStatus::unreadable);
  EXPECT_EQ(read_list("5", {&i, &r}), ListStatus::end_of_input);
}

TEST(FreeFormat, NullValuesKeptInDataRecords) {
  LineSupplier none = [](std::string&) { return false; };
  int i = 7, j = 8, k = 9;
  int count = -1;
  EXPECT_EQ(read_list(",,3", none, {&i, &j, &k}, NullValue::keep, &count), ListStatus::ok);
  EXPECT_EQ(i, 7);
  EXPECT_EQ(j, 8);
  EXPECT_EQ(k, 3);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(read_list("1,,2", none, {&i, &j, &k}, NullValue::keep), ListStatus::ok);
  EXPECT_EQ(i, 1);
  EXPECT_EQ(j, 8);
  EXPECT_EQ(k, 2);
  EXPECT_EQ(read_list("1,,", none, {&i, &j, &k}, NullValue::keep), ListStatus::end_of_input);
  EXPECT_EQ(read_list("1,,2", none, {&i, &j, &k}), ListStatus::unreadable);
}

TEST(FreeFormat, RecordRunsOverLinesSkippingBlankOnes) {
  std::vector<std::string> lines = {"", "  ", "3 4"};
  std::size_t k = 0;
  LineSupplier more = [&](std::string& l) {
    if (k >= lines.size()) return false;
    l = lines[k++];
    return true;
  };
  float a = 0, b = 0, c = 0;
  EXPECT_EQ(read_list("1.5,", more, {&a, &b, &c}), ListStatus::ok);
  EXPECT_FLOAT_EQ(a, 1.5f);
  EXPECT_FLOAT_EQ(b, 3.0f);
  EXPECT_FLOAT_EQ(c, 4.0f);
}

TEST(FreeFormat, OnlyOrdinaryDecimalNumbers) {
  float r = 1;
  int i = 1;
  for (const char* ok : {"5", "-5.", ".5", "+1.5e3", "2D2", "1E-3", "0"}) EXPECT_TRUE(parse_real(ok, r)) << ok;
  EXPECT_TRUE(parse_real("2d2", r));
  EXPECT_FLOAT_EQ(r, 200.0f);
  // Only the value decides: any length is read; too small for single precision is 0.
  const std::string z(70, '0');
  const std::pair<std::string, float> cases[] = {{z + "12.5", 12.5f},     {"-" + z + "12.5" + z, -12.5f},
                                                 {"0." + z + "1e72", 10.0f}, {"0.12345678901" + z, 0.12345679f},
                                                 {"-1e-50", 0.0f},           {"2D-60", 0.0f},
                                                 {"0." + z + "1", 0.0f}};
  for (const auto& [text, value] : cases) EXPECT_TRUE(parse_real(text, r) && r == value) << text;
  EXPECT_FALSE(parse_real("1" + z, r) || parse_real("0.00" + z + "1e120", r));
  for (const char* bad : {"nan", "NaN", "inf", "-Infinity", "0x1p3", "1e40", "-1e39", ".", "e5", "5e",
                          "5abc", "1.2.3", "--1", ""})
    EXPECT_FALSE(parse_real(bad, r)) << bad;
  EXPECT_TRUE(parse_int("-2147483648", i));
  EXPECT_EQ(i, -2147483648);
  EXPECT_TRUE(parse_int("+12", i));
  EXPECT_EQ(i, 12);
  for (const char* bad : {"2147483648", "5.", "1e3", "0x10", "12a", "+", ""}) EXPECT_FALSE(parse_int(bad, i)) << bad;
  std::string t;
  EXPECT_EQ(read_list("'5'", {&i}), ListStatus::unreadable);  // a quoted item is a text
  EXPECT_EQ(read_list("nan", {&r}), ListStatus::unreadable);
}

}  // namespace
