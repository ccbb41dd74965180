#include "core/reports/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

namespace lumora {
namespace {

std::string Nbsp(int count) { return std::string(static_cast<size_t>(count), kNoBreakSpace); }

TEST(LeadingNumber, ReadsOnlyTheLeadingNumber) {
  EXPECT_EQ(ReadDouble("  12.5mm"), 12.5);
  EXPECT_EQ(ReadDouble("+7"), 7.0);
  EXPECT_EQ(ReadDouble("-.5"), -0.5);
  EXPECT_EQ(ReadDouble("5."), 5.0);
  EXPECT_EQ(ReadDouble("1e3"), 1.0);
  EXPECT_EQ(ReadDouble("1.2.3"), 1.2);
  EXPECT_EQ(ReadDouble("1 000"), 1.0);
  for (const char* nothing : {"", ".", "-", "abc", "\t5", "\xA0" "5", "inf", "nan", "0x10"}) {
    EXPECT_EQ(ReadDouble(nothing), 0.0) << nothing;
  }
}

TEST(LeadingNumber, ClampsAndNeverGivesNegativeZero) {
  EXPECT_EQ(ReadFloat(std::string(50, '9')), FLT_MAX);
  EXPECT_EQ(ReadFloat("-" + std::string(50, '9')), -FLT_MAX);
  EXPECT_EQ(ReadDouble(std::string(400, '9')), DBL_MAX);
  EXPECT_EQ(ReadDouble("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_FALSE(std::signbit(ReadFloat("-0")));
  EXPECT_FALSE(std::signbit(ReadDouble("-0.000")));
  EXPECT_EQ(ReadFloat("0.1"), 0.1f);
}

TEST(LeadingNumber, NumberTextMustBeWhole) {
  EXPECT_TRUE(IsNumberText(" 12.5 "));
  EXPECT_TRUE(IsNumberText("-3"));
  EXPECT_FALSE(IsNumberText("48 3/4"));
  EXPECT_FALSE(IsNumberText(""));
  EXPECT_FALSE(IsNumberText("12a"));
}

TEST(GeneralText, ShortestFixedTextThatReadsBack) {
  EXPECT_EQ(GeneralText(0.0f), "0");
  EXPECT_EQ(GeneralText(-0.0f), "0");
  EXPECT_EQ(GeneralText(2440.0f), "2440");
  EXPECT_EQ(GeneralText(1219.5f), "1219.5");
  EXPECT_EQ(GeneralText(0.1f), "0.1");
  EXPECT_EQ(GeneralText(-0.5f), "-0.5");
  EXPECT_EQ(GeneralText(1023.99994f), "1023.99994");
  EXPECT_EQ(GeneralText(1e-7f), "0.0000001");
  EXPECT_EQ(GeneralText(1e20f), "100000002004087734272");
  EXPECT_EQ(GeneralText(16777216.0f), "16777216");
  for (float v : {0.1f, 1.1f, 1023.99994f, 123456.789f, 3.3e-5f, -77.7f}) {
    EXPECT_EQ(ReadFloat(GeneralText(v)), v) << GeneralText(v);
  }
}

TEST(FormatPatterns, RoundTheDecimalTextHalfAwayFromZero) {
  EXPECT_EQ(FormatDecimalText("9.995", "0.00"), "10.00");
  EXPECT_EQ(FormatDecimalText("-9.995", "0.00"), "-10.00");
  EXPECT_EQ(FormatDecimalText("0.125", "0.00"), "0.13");
  EXPECT_EQ(FormatDecimalText("2.5", "0"), "3");
  EXPECT_EQ(FormatDecimalText("-2.5", "0"), "-3");
  EXPECT_EQ(FormatDecimalText("-0.004", "0.00"), "0.00");
  EXPECT_EQ(FormatDecimalText("999.9996", "0.000"), "1000.000");
  EXPECT_EQ(FormatDecimalText("12", "0.000"), "12.000");
  EXPECT_EQ(FormatDecimalText("0.5", ".00"), ".50");
  EXPECT_EQ(FormatDecimalText("-0.5", ".00"), "-.50");
  EXPECT_EQ(FormatDecimalText("0", ".00"), ".00");
  EXPECT_EQ(FormatDecimalText("0.9999999", ".000000"), "1.000000");
  EXPECT_EQ(FormatDecimalText("1.23825000000000e+03", "0.00"), "1238.25");
  EXPECT_EQ(FormatDecimalText("9.52500000000000e+00", "0.00"), "9.53");
  EXPECT_EQ(FormatDecimalText("5.00000000000000e-03", "0.00"), "0.01");
  EXPECT_EQ(FormatDecimalText("abc", "0.00"), "0.00");
  // An exponent beyond any double's, as a damaged file may hold, stays a text of bounded size.
  EXPECT_EQ(FormatDecimalText("1e-2000000000", "0.00"), "0.00");
  EXPECT_EQ(FormatDecimalText("1e2000000000", "0.00"), "1" + std::string(400, '0') + ".00");
  EXPECT_EQ(FormatDecimalText("5", "00"), "05");
  EXPECT_EQ(FormatDecimalText("0", "00"), "00");
  EXPECT_EQ(FormatDecimalText("123", "00"), "123");
  // The binary value of 0.145f lies below 0.145; the decimal text does not.
  EXPECT_EQ(FormatNumber(0.145f, "0.00"), "0.15");
  EXPECT_EQ(FormatNumber(1.005f, "0.00"), "1.01");
}

TEST(ColumnTexts, PadWithNoBreakSpaces) {
  EXPECT_EQ(PadLeft("12345678", 6), Nbsp(3) + "12345678");
  EXPECT_EQ(PadLeft("12", 2), "12");
  EXPECT_EQ(PadLeft("1234", 2), "1234");
  EXPECT_EQ(FmtDimMM("2440"), Nbsp(2) + "2440");
  EXPECT_EQ(FmtDimMM("1219.5"), Nbsp(2) + "1219.50");
  EXPECT_EQ(FmtArea("0.5"), Nbsp(6) + ".50");
  EXPECT_EQ(FmtPercent("99.999"), "100.00");
  EXPECT_EQ(FmtRate("4.5"), Nbsp(3) + "4.50");
  EXPECT_EQ(FmtQty("12"), Nbsp(3) + "12");
  EXPECT_EQ(FmtAmount("-1234"), Nbsp(5) + "-1234");
  EXPECT_EQ(FmtDimIN("24 1/2"), Nbsp(1) + "24 " + Nbsp(1) + "1/2");
  EXPECT_EQ(FmtDimIN("96"), Nbsp(1) + "96");
  EXPECT_EQ(FmtDimIN("3/4"), Nbsp(3) + " " + Nbsp(1) + "3/4");
}

TEST(InchTexts, MillimetresToSixteenths) {
  EXPECT_EQ(MMToInchText("2438.4"), "96");
  EXPECT_EQ(MMToInchText("1000"), "39 3/8");
  EXPECT_EQ(MMToInchText("330.2"), "13");
  EXPECT_EQ(MMToInchText("12.7"), "0 1/2");
  EXPECT_EQ(MMToInchText("25.654"), "1 1/16");  // 0.01 inch over never drops to the inch below
  EXPECT_EQ(MMToInchText("50.7"), "2");         // the nearest sixteenth is the next whole inch
  EXPECT_EQ(MMToInchText("-1000"), "-39 3/8");
  EXPECT_EQ(MMToInchText("0"), "0");
  EXPECT_EQ(MMToInchText("abc"), "0");
}

TEST(InchTexts, InchTextsToMillimetres) {
  EXPECT_EQ(InchTextToMM("48 3/4"), "1238.25");
  EXPECT_EQ(InchTextToMM("48.75"), "1238.25");
  EXPECT_EQ(InchTextToMM("3/4"), "19.05");
  EXPECT_EQ(InchTextToMM("0 3/8"), "9.53");
  EXPECT_EQ(InchTextToMM(" 1 "), "25.4");
  EXPECT_EQ(InchTextToMM("2"), "50.8");
  EXPECT_EQ(InchTextToMM("10"), "254");
  EXPECT_EQ(InchTextToMM("-1 1/2"), "-38.1");
  EXPECT_EQ(InchTextToMM("5 1/0"), "127");
  EXPECT_EQ(InchTextToMM(""), "0");
  EXPECT_EQ(InchTextToMM("/"), "0");
}

// Every sixteenth up to 400 inches, both ways: the inch text of the millimetre text of an
// inch text is that inch text again, and negative texts mirror positive ones.
TEST(InchTexts, EverySixteenthRoundTrips) {
  for (int sixteenths = 1; sixteenths <= 400 * 16; ++sixteenths) {
    int whole = sixteenths / 16;
    int numerator = sixteenths % 16;
    int denominator = 16;
    while (numerator != 0 && numerator % 2 == 0) {
      numerator /= 2;
      denominator /= 2;
    }
    const std::string inch = numerator == 0 ? std::to_string(whole)
                                            : std::to_string(whole) + " " +
                                                  std::to_string(numerator) + "/" +
                                                  std::to_string(denominator);
    const std::string mm = InchTextToMM(inch);
    ASSERT_EQ(MMToInchText(mm), inch) << mm;
    ASSERT_EQ(MMToInchText("-" + mm), "-" + inch) << mm;
    ASSERT_EQ(InchTextToMM("-" + inch), "-" + mm) << inch;
  }
}

TEST(TrimmedNumbers, TrimZerosAndThreeDecimals) {
  EXPECT_EQ(TrimZeros(12.5f), "12.5");
  EXPECT_EQ(TrimZeros(12.0f), "12");
  EXPECT_EQ(TrimZeros(12.34f), "12.34");
  EXPECT_EQ(TrimZeros(0.004f), "0");
  EXPECT_EQ(To3Decimals(1219.5f), 1219.5f);
  EXPECT_EQ(To3Decimals(12.3456f), 12.346f);
  EXPECT_EQ(To3Decimals(12345.678f), 12345.6f);
  EXPECT_EQ(To3Decimals(-1234.5678f), -1234.5f);
  EXPECT_EQ(To3Decimals(123456789.0f), 123456789.0f);
  EXPECT_EQ(ToUnitText("1000", Unit::kIn), "39 3/8");
  EXPECT_EQ(ToUnitText("1000", Unit::kMm), "1000");
}

}  // namespace
}  // namespace lumora
