#include "core/tools/unit_conversion.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace lumora {
namespace {

constexpr int kMM = 0, kCM = 1, kMT = 2, kIN = 3, kFT = 4;

// Through single-precision factors; text that is no number converts as zero, a zero
// denominator leaves the output alone (no text), a unit off the list counts as mm. Numerator and
// denominator are leading numbers: what follows them is not read.
TEST(UnitConversionTest, ConvertsTypedLengths) {
  struct Case {
    std::string input;
    int from, to;
    std::optional<std::string> output;
  };
  for (const Case& c :
       std::vector<Case>{{"1", kFT, kMM, "304.8000"},        {"100", kMM, kIN, "3.9370"},
                         {"48 3/4", kIN, kMM, "1238.2500"},  {"1200", kMM, kIN, "47.2441"},
                         {"2.5", kMT, kCM, "250.0000"},      {"12", kIN, kFT, "1.0000"},
                         {"7", kCM, kCM, "7.0000"},          {"-25.4", kMM, kIN, "-1.0000"},
                         {"3/4", kIN, kIN, "0.7500"},        {"  10 1/2  ", kIN, kIN, "10.5000"},
                         {"10  1/2", kIN, kIN, "10.5000"},   {"1 1/2 in", kIN, kIN, "1.5000"},
                         {"48 /4", kIN, kIN, "48.0000"},     {"", kIN, kMM, "0.0000"},
                         {"abc", kIN, kMM, "0.0000"},        {".", kFT, kMM, "0.0000"},
                         {"12abc", kMM, kMM, "12.0000"},     {"1", 99, -3, "1.0000"},
                         {"1", kIN, 5, "25.4000"},           {"1", 5, kCM, "0.1000"},
                         {"48 3/0", kIN, kMM, std::nullopt}, {"3/", kIN, kMM, std::nullopt},
                         {"/", kIN, kMM, std::nullopt},      {"1/x", kIN, kMM, std::nullopt}}) {
    EXPECT_EQ(ConvertLength(c.input, c.from, c.to), c.output) << c.input;
  }
  EXPECT_EQ(ReadLengthInput("48 3/4"), 48.75);
  // Huge values still give a text.
  EXPECT_TRUE(ConvertLength("1/0.0000000000000000001", kFT, kMM).value_or("").ends_with(".0000"));
}

TEST(UnitPairTest, RemembersTheTwoListsInUnitTlf) {
  EXPECT_EQ(UnitPairBytes({kIN, kMM}), "\"in\",\"mm\"\r\n");
  EXPECT_EQ(UnitPairBytes({5, -1}), "\"mm\",\"mm\"\r\n");
  for (const auto& [bytes, pair] : std::vector<std::pair<std::optional<std::string>, UnitPair>>{
           {"\"in\",\"mm\"\r\n", {kIN, kMM}},
           {"\"ft\",\"cm\"", {kFT, kCM}},
           {std::nullopt, {kMM, kMM}},
           {"\"yd\",\"mt\"\r\n", {kMM, kMT}},
           {"\"in\"", {kIN, kMM}},
           {std::string("\0\xff\"", 3), {kMM, kMM}}}) {
    EXPECT_EQ(ReadUnitPair(bytes), pair) << bytes.value_or("no file");
  }
}

}  // namespace
}  // namespace lumora
