#include "core/base/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <functional>
#include <numeric>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace lumora {
namespace {

// A text function's table: each input followed by what it gives.
void ExpectTexts(const std::function<std::string(const std::string&)>& f,
                 const std::vector<std::string>& table) {
  for (size_t i = 0; i + 1 < table.size(); i += 2) {
    EXPECT_EQ(f(table[i]), table[i + 1]) << "of \"" << table[i] << "\"";
  }
}

std::string Nbsp(int count) { return std::string(static_cast<size_t>(count), kNoBreakSpace); }

TEST(LeadingNumber, ReadsOnlyTheLeadingNumberAndClamps) {
  ExpectTexts(
      [](const std::string& s) { return std::to_string(ReadDouble(s)); },
      {"  12.5mm", "12.500000", "+7",    "7.000000", "-.5",   "-0.500000", "5.",   "5.000000",
       "1e3",      "1.000000",  "1.2.3", "1.200000", "1 000", "1.000000",  "",     "0.000000",
       ".",        "0.000000",  "-",     "0.000000", "abc",   "0.000000",  "\t5",  "0.000000",
       "\xA0\x35", "0.000000",  "inf",   "0.000000", "nan",   "0.000000",  "0x10", "0.000000"});
  EXPECT_EQ(ReadFloat(std::string(50, '9')), FLT_MAX);
  EXPECT_EQ(ReadFloat("-" + std::string(50, '9')), -FLT_MAX);
  EXPECT_EQ(ReadDouble(std::string(400, '9')), DBL_MAX);
  EXPECT_EQ(ReadDouble("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_FALSE(std::signbit(ReadFloat("-0")));
  EXPECT_FALSE(std::signbit(ReadDouble("-0.000")));
  EXPECT_EQ(ReadFloat("0.1"), 0.1f);
  for (const char* whole : {" 12.5 ", "-3"}) EXPECT_TRUE(IsNumberText(whole)) << whole;
  for (const char* not_whole : {"48 3/4", "", "12a"}) EXPECT_FALSE(IsNumberText(not_whole));
}

TEST(WholeNumbers, OnlyAWholeNumberWithinItsRangeIsTaken) {
  // The text, the range, the number it gives (nullopt: refused).
  const std::tuple<std::string, int, int, std::optional<int>> cases[] = {
      {"3", 1, 9, 3},
      {" 3 ", 1, 9, 3},
      {"3.0", 1, 9, 3},
      {"-5", -9, 0, -5},
      {"1", 1, 1, 1},
      {"1.9", 1, 9, {}},
      {"3x", 1, 9, {}},
      {"", 0, 9, {}},
      {"1e3", 1, 9, {}},
      {"0", 1, 9, {}},
      {"10", 1, 9, {}},
      {"-1", 0, 9, {}},
      {std::string(20, '9'), INT_MIN, INT_MAX, {}},
  };
  for (const auto& [text, lo, hi, number] : cases) {
    EXPECT_EQ(ReadWholeNumber(text, lo, hi), number) << "of \"" << text << "\"";
  }
  EXPECT_EQ(WholeNumberWithin(NAN, INT_MIN, INT_MAX), std::nullopt);
}

TEST(GeneralText, ShortestFixedTextThatReadsBack) {
  ExpectTexts([](const std::string& s) { return GeneralText(std::stof(s)); },
              {"0",         "0",        "-0.0",       "0",          "2440",
               "2440",      "1219.5",   "1219.5",     "0.1",        "0.1",
               "-0.5",      "-0.5",     "1023.99994", "1023.99994", "1e-7",
               "0.0000001", "16777216", "16777216",   "1e20",       "100000002004087734272"});
  for (float v : {0.1f, 1.1f, 1023.99994f, 123456.789f, 3.3e-5f, -77.7f}) {
    EXPECT_EQ(ReadFloat(GeneralText(v)), v) << GeneralText(v);
  }
}

TEST(FormatPatterns, RoundTheDecimalTextHalfAwayFromZero) {
  // Text, pattern and result in one string each.
  // clang-format off
  for (const std::string_view c : {
           "9.995 0.00 10.00", "-9.995 0.00 -10.00", "0.125 0.00 0.13", "2.5 0 3", "-2.5 0 -3",
           "-0.004 0.00 0.00", "999.9996 0.000 1000.000", "12 0.000 12.000", "0.5 .00 .50",
           "-0.5 .00 -.50", "0 .00 .00", "0.9999999 .000000 1.000000", "abc 0.00 0.00",
           "5 00 05", "1.23825000000000e+03 0.00 1238.25", "9.52500000000000e+00 0.00 9.53",
           "0 00 00", "5.00000000000000e-03 0.00 0.01", "123 00 123", "1e-2000000000 0.00 0.00"}) {
    // clang-format on
    const size_t one = c.find(' '), two = c.rfind(' ');
    EXPECT_EQ(FormatDecimalText(std::string(c.substr(0, one)),
                                std::string(c.substr(one + 1, two - one - 1))),
              c.substr(two + 1))
        << c;
  }
  // An exponent beyond any double's, as a damaged file may hold, stays a text of bounded size.
  EXPECT_EQ(FormatDecimalText("1e2000000000", "0.00"), "1" + std::string(400, '0') + ".00");
  // The binary value of 0.145f lies below 0.145; the decimal text does not.
  EXPECT_EQ(FormatNumber(0.145f, "0.00"), "0.15");
  EXPECT_EQ(FormatNumber(1.005f, "0.00"), "1.01");
}

TEST(ColumnTexts, PadWithNoBreakSpaces) {
  // clang-format off
  const std::vector<std::string> cases = {
      PadLeft("12345678", 6), Nbsp(3) + "12345678", PadLeft("12", 2), "12", PadLeft("1234", 2),
      "1234", FmtDimMM("2440"), Nbsp(2) + "2440", FmtDimMM("1219.5"), Nbsp(2) + "1219.50",
      FmtArea("0.5"), Nbsp(6) + ".50", FmtPercent("99.999"), "100.00", FmtRate("4.5"),
      Nbsp(3) + "4.50", FmtQty("12"), Nbsp(3) + "12", FmtAmount("-1234"), Nbsp(5) + "-1234",
      FmtDimIN("24 1/2"), Nbsp(1) + "24 " + Nbsp(1) + "1/2", FmtDimIN("96"), Nbsp(1) + "96",
      FmtDimIN("3/4"), Nbsp(3) + " " + Nbsp(1) + "3/4", ToUnitText("1000", Unit::kIn), "39 3/8",
      ToUnitText("1000", Unit::kMm), "1000", TrimZeros(12.5f), "12.5", TrimZeros(12.0f), "12",
      TrimZeros(12.34f), "12.34", TrimZeros(0.004f), "0"};
  // clang-format on
  for (size_t i = 0; i + 1 < cases.size(); i += 2) EXPECT_EQ(cases[i], cases[i + 1]) << i;
  const float table[] = {1219.5f,  1219.5f,     12.3456f, 12.346f,      12345.678f,
                         12345.6f, -1234.5678f, -1234.5f, 123456789.0f, 123456789.0f};
  for (size_t i = 0; i + 1 < std::size(table); i += 2)
    EXPECT_EQ(To3Decimals(table[i]), table[i + 1]);
}

TEST(InchTexts, MillimetresToSixteenthsAndBack) {
  // 25.654 is 0.01 inch over, which never drops to the inch below; at 50.7 the nearest
  // sixteenth is the next whole inch.
  ExpectTexts(MMToInchText,
              {"2438.4", "96", "1000", "39 3/8", "330.2", "13", "12.7", "0 1/2", "25.654", "1 1/16",
               "50.7", "2", "-1000", "-39 3/8", "0", "0", "abc", "0"});
  ExpectTexts(InchTextToMM,
              {"48 3/4", "1238.25", "48.75", "1238.25", "3/4", "19.05", "0 3/8",  "9.53",
               " 1 ",    "25.4",    "2",     "50.8",    "10",  "254",   "-1 1/2", "-38.1",
               "5 1/0",  "127",     "",      "0",       "/",   "0"});
}

// Every sixteenth up to 400 inches, both ways: the inch text of the millimetre text of an
// inch text is that inch text again, and negative texts mirror positive ones.
TEST(InchTexts, EverySixteenthRoundTrips) {
  for (int sixteenths = 1; sixteenths <= 400 * 16; ++sixteenths) {
    const int part = sixteenths % 16, common = std::gcd(part, 16);
    std::string inch = std::to_string(sixteenths / 16);
    if (part != 0) inch += " " + std::to_string(part / common) + "/" + std::to_string(16 / common);
    const std::string mm = InchTextToMM(inch);
    ASSERT_EQ(MMToInchText(mm), inch) << mm;
    ASSERT_EQ(MMToInchText("-" + mm), "-" + inch) << mm;
    ASSERT_EQ(InchTextToMM("-" + inch), "-" + mm) << inch;
  }
}

}  // namespace
}  // namespace lumora
