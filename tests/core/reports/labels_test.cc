#include "core/reports/labels.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "result_fixtures.h"

namespace lumora {
namespace {

using ::testing::ElementsAre;
using testing::HandMadeJob;
using ::testing::HasSubstr;
using testing::LoadHandMade;

// A 1000 x 1000 sheet, no kerf; glass size 1 is 254 x 127 (10 x 5 inches), size 2 is 100 x 100.
HandMadeJob LabelJob(const std::string& first_qty, const std::string& second_qty) {
  return HandMadeJob{0,
                     {{"1000", "1000", "", "", "9", "", "", "", "", "1"}},
                     {{"254", "127", "", "", first_qty, "", "", "", "ACME", "1", "S1", "R1",
                       "SITE1", "AC1", "DEPOT", "1 MAIN ST"},
                      {"100", "100", "", "", second_qty, "", "", "", "CITY", "1", "S2"}}};
}

std::string Piece(int layout, int kind, int repeat) {
  return GeneralText(layout) + "," + GeneralText(kind) + ",1,0,0,10,10," + GeneralText(repeat) +
         ",1\r\n";
}

std::vector<std::string> QtyLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::istringstream in(bytes);
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("QTY")) lines.push_back(line.substr(0, line.size() - 1));
  }
  return lines;
}

TEST(LabelsTest, SevenLabelsInRowsOfThreeTwoRowsToAPage) {
  std::string dia = "1,-1,1,0,0,1000,1000,1,0\r\n";
  for (int i = 0; i < 7; ++i) dia += Piece(1, 1, 1);
  const ResultLoad load = LoadHandMade(LabelJob("7", "1"), dia);
  ASSERT_EQ(load.error, "");
  const LabelFile labels = ComposeLabels(load.result, {2, 3, 1, 20, 1, 1}, Unit::kMm);
  ASSERT_EQ(labels.error, "");

  // The eleven lines of a row of labels numbered first .. last, each text in a 20-column cell.
  auto row = [](int first, int last) {
    const std::vector<std::string> texts = {
        "FROM     :DEPOT",  "ADDRESS  :1 MAIN ST", "CUSTOMER :ACME", "A/C      :AC1",
        "SITE     :SITE1",  "ITEM     :TEST ITEM", "SR.NO    :S1",   "SIZE(MM) :254 x 127",
        "SIZE(IN) :10 x 5", "QTY      :",          "REF      :R1"};
    std::string lines;
    for (const std::string& text : texts) {
      for (int k = first; k <= last; ++k) {
        const std::string cell = text == "QTY      :" ? text + GeneralText(k) + "/7" : text;
        lines += k < last ? cell + std::string(20 - cell.size(), ' ') : cell;
      }
      lines += "\r\n";
    }
    return lines;
  };
  EXPECT_EQ(labels.bytes,
            "\r\n" + row(1, 3) + "\r\n" + row(4, 6) + "\r\n" + "*\r\n\r\n" + row(7, 7) + "\r\n");
}

TEST(LabelsTest, EverySheetOfALayoutGetsItsLabelsNumberedOnAcrossLayouts) {
  const std::string dia = "1,-1,1,0,0,1000,1000,2,0\r\n" + Piece(1, 1, 2) + Piece(1, 1, 2) +
                          Piece(1, 2, 2) + "1,-4,1,20,20,30,30,2,0\r\n" +
                          "2,-1,1,0,0,1000,1000,1,0\r\n" + Piece(2, 1, 1);
  const ResultLoad load = LoadHandMade(LabelJob("5", "2"), dia);
  ASSERT_EQ(load.error, "");
  const LabelFile labels = ComposeLabels(load.result, {100, 1, 1, 0, 0, 0}, Unit::kMm);
  EXPECT_THAT(QtyLines(labels.bytes),
              ElementsAre("QTY      :1/5", "QTY      :2/5", "QTY      :1/2", "QTY      :3/5",
                          "QTY      :4/5", "QTY      :2/2", "QTY      :5/5"));
}

TEST(LabelsTest, InInchesTheInchSizeComesFirst) {
  const ResultLoad load =
      LoadHandMade(LabelJob("1", "1"), "1,-1,1,0,0,1000,1000,1,0\r\n" + Piece(1, 1, 1));
  ASSERT_EQ(load.error, "");
  EXPECT_THAT(ComposeLabels(load.result, {1, 1, 1, 40, 0, 0}, Unit::kIn).bytes,
              HasSubstr("SIZE(IN) :10 x 5\r\nSIZE(MM) :254 x 127\r\n"));
}

TEST(LabelsTest, ADefinitionWithoutColumnsStillPutsOneLabelInARow) {
  const ResultLoad load = LoadHandMade(
      LabelJob("2", "1"), "1,-1,1,0,0,1000,1000,1,0\r\n" + Piece(1, 1, 1) + Piece(1, 1, 1));
  ASSERT_EQ(load.error, "");
  const LabelFile labels = ComposeLabels(load.result, ReadLabelGrid(""), Unit::kMm);
  EXPECT_EQ(labels.error, "");
  EXPECT_THAT(QtyLines(labels.bytes), ElementsAre("QTY      :1/2", "QTY      :2/2"));
}

TEST(LabelsTest, AnEndlessSheetCountIsRefusedInsteadOfFillingMemory) {
  const ResultLoad load = LoadHandMade(
      LabelJob("1", "1"), "1,-1,1,0,0,1000,1000,1000000000,0\r\n1,1,1,0,0,10,10,1000000000,1\r\n");
  ASSERT_EQ(load.error, "");
  const LabelFile labels = ComposeLabels(load.result, {4, 2, 1, 40, 2, 2}, Unit::kMm);
  EXPECT_EQ(labels.error, "Too many labels: lbl.tlf would pass 16 MB.");
  EXPECT_EQ(labels.bytes, "");
}

TEST(LabelGridTest, ReadsTheNearestShortIntegers) {
  const LabelGrid grid = ReadLabelGrid("\"4.5\",\"2.5\",\"-1.6\",\"x\",\"70000\"\r\n");
  EXPECT_EQ(grid.rows, 4);
  EXPECT_EQ(grid.cols, 2);
  EXPECT_EQ(grid.first_col, -2);
  EXPECT_EQ(grid.pitch, 0);
  EXPECT_EQ(grid.top_lines, 32767);
  EXPECT_EQ(grid.gap_lines, 0);
}

}  // namespace
}  // namespace lumora
