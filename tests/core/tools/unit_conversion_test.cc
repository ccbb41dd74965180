#include "core/tools/unit_conversion.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lumora {
namespace {

constexpr int kMM = 0;
constexpr int kCM = 1;
constexpr int kMT = 2;
constexpr int kIN = 3;
constexpr int kFT = 4;

TEST(UnitConversionTest, ConvertsThroughSinglePrecisionFactors) {
  EXPECT_EQ(ConvertLength("1", kFT, kMM), "304.8000");
  EXPECT_EQ(ConvertLength("100", kMM, kIN), "3.9370");
  EXPECT_EQ(ConvertLength("48 3/4", kIN, kMM), "1238.2500");
  EXPECT_EQ(ConvertLength("1200", kMM, kIN), "47.2441");
  EXPECT_EQ(ConvertLength("2.5", kMT, kCM), "250.0000");
  EXPECT_EQ(ConvertLength("12", kIN, kFT), "1.0000");
  EXPECT_EQ(ConvertLength("7", kCM, kCM), "7.0000");
  EXPECT_EQ(ConvertLength("-25.4", kMM, kIN), "-1.0000");
}

TEST(UnitConversionTest, ReadsFractionsWithAndWithoutAWholePart) {
  EXPECT_EQ(ReadLengthInput("48 3/4"), 48.75);
  EXPECT_EQ(ReadLengthInput("3/4"), 0.75);
  EXPECT_EQ(ReadLengthInput("  10 1/2  "), 10.5);
  EXPECT_EQ(ReadLengthInput("10  1/2"), 10.5);
  // The numerator and denominator are leading numbers: what follows them is not read.
  EXPECT_EQ(ReadLengthInput("1 1/2 in"), 1.5);
  EXPECT_EQ(ReadLengthInput("48 /4"), 48.0);
}

TEST(UnitConversionTest, TextThatIsNoNumberConvertsAsZero) {
  EXPECT_EQ(ConvertLength("", kIN, kMM), "0.0000");
  EXPECT_EQ(ConvertLength("abc", kIN, kMM), "0.0000");
  EXPECT_EQ(ConvertLength(".", kFT, kMM), "0.0000");
  EXPECT_EQ(ConvertLength("12abc", kMM, kMM), "12.0000");
}

TEST(UnitConversionTest, AZeroDenominatorLeavesTheOutputAlone) {
  EXPECT_EQ(ConvertLength("48 3/0", kIN, kMM), std::nullopt);
  EXPECT_EQ(ConvertLength("3/", kIN, kMM), std::nullopt);
  EXPECT_EQ(ConvertLength("/", kIN, kMM), std::nullopt);
  EXPECT_EQ(ConvertLength("1/x", kIN, kMM), std::nullopt);
}

TEST(UnitConversionTest, HugeValuesStillGiveAText) {
  const std::optional<std::string> huge = ConvertLength("1/0.0000000000000000001", kFT, kMM);
  ASSERT_TRUE(huge.has_value());
  EXPECT_TRUE(huge->ends_with(".0000"));
  EXPECT_EQ(ConvertLength("1", 99, -3), "1.0000");
}

TEST(UnitPairTest, RemembersTheTwoListsInUnitTlf) {
  EXPECT_EQ(UnitPairBytes({kIN, kMM}), "\"in\",\"mm\"\r\n");
  EXPECT_EQ(ReadUnitPair("\"in\",\"mm\"\r\n"), (UnitPair{kIN, kMM}));
  EXPECT_EQ(ReadUnitPair("\"ft\",\"cm\""), (UnitPair{kFT, kCM}));
  EXPECT_EQ(ReadUnitPair(std::nullopt), (UnitPair{kMM, kMM}));
  EXPECT_EQ(ReadUnitPair("\"yd\",\"mt\"\r\n"), (UnitPair{kMM, kMT}));
  EXPECT_EQ(ReadUnitPair("\"in\""), (UnitPair{kIN, kMM}));
  EXPECT_EQ(ReadUnitPair(std::string("\0\xff\"", 3)), (UnitPair{kMM, kMM}));
}

}  // namespace
}  // namespace lumora
