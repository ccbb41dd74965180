#include "core/reports/labels.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "core/reports/label_codes.h"
#include "core/reports/label_pages.h"
#include "result_fixtures.h"

namespace lumora {
namespace {

using ::testing::ElementsAre;
using testing::HandMadeJob;
using testing::LoadHandMade;

// A 1000 x 1000 sheet, no kerf; glass size 1 is 254 x 127 (10 x 5 inches), size 2 is 100 x 100.
HandMadeJob LabelJob(const std::string& first_qty, const std::string& second_qty) {
  return HandMadeJob{0,
                     {{"1000", "1000", "", "", "9", "", "", "", "", "1"}},
                     {{"254", "127", "", "", first_qty, "", "", "", "ACME", "1", "S1", "R1",
                       "SITE1", "AC1", "DEPOT", "1 MAIN ST"},
                      {"100", "100", "", "", second_qty, "", "", "", "CITY", "1", "S2"}}};
}

// A piece of glass size `kind` in the sheet's corner, its L2 along X.
std::string Piece(int layout, int kind, int repeat) {
  return GeneralText(layout) + "," + GeneralText(kind) +
         (kind == 1 ? ",1,0,0,127,254," : ",1,0,0,100,100,") + GeneralText(repeat) + ",1\r\n";
}

// One sheet with `count` pieces of glass size 1.
ResultLoad LoadPieces(const HandMadeJob& job, int count) {
  std::string dia = "1,-1,1,0,0,1000,1000,1,0\r\n";
  for (int i = 0; i < count; ++i) dia += Piece(1, 1, 1);
  return LoadHandMade(job, dia);
}

std::vector<std::string> QtyLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::istringstream in(bytes);
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("QTY")) lines.push_back(line.substr(0, line.size() - 1));
  }
  return lines;
}

TEST(LabelsTest, SevenLabelsOfTheWorkspaceDefinitionInRowsOfThreeTwoRowsToAPage) {
  const ResultLoad load = LoadPieces(LabelJob("7", "1"), 7);
  ASSERT_EQ(load.error, "");
  testing::TempFolder folder;
  folder.Write("lbl.def", "\"2\",\"3\",\"1\",\"20\",\"1\",\"1\"\r\n");
  const LabelFile labels = ComposeWorkspaceLabels(load.result, {folder.path(), "1"}, Unit::kMm);
  ASSERT_EQ(labels.error, "");
  EXPECT_EQ(labels.bytes, testing::TestDataBytes("reports/labels_seven_in_rows_of_three.tlf"));
  // In inches the inch size comes first.
  EXPECT_EQ(ComposeWorkspaceLabels(load.result, {folder.path(), "1"}, Unit::kIn).bytes,
            testing::TestDataBytes("reports/labels_seven_in_inches.tlf"));
  const auto pages = LabelPages(labels.bytes, 200);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].size(), 1u + 2u * (11u + 1u));
  EXPECT_EQ(pages[1].size(), 1u + 11u + 1u);
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

TEST(LabelsTest, WithoutADefinitionEveryLabelIsAPageAndTheFirstHasNoBreakBeforeIt) {
  const ResultLoad load = LoadPieces(LabelJob("2", "1"), 2);
  ASSERT_EQ(load.error, "");
  testing::TempFolder folder;
  const LabelFile labels = ComposeWorkspaceLabels(load.result, {folder.path(), "1"}, Unit::kMm);
  EXPECT_EQ(labels.error, "");
  EXPECT_FALSE(labels.bytes.starts_with("*"));
  EXPECT_THAT(QtyLines(labels.bytes), ElementsAre("QTY      :1/2", "QTY      :2/2"));
  EXPECT_EQ(LabelPages(labels.bytes, 100).size(), 2u);
}

TEST(LabelsTest, AnEndlessSheetCountIsRefusedInsteadOfFillingMemory) {
  const ResultLoad load = LoadHandMade(
      LabelJob("1", "1"), "1,-1,1,0,0,1000,1000,1000000000,0\r\n" + Piece(1, 1, 1000000000));
  ASSERT_EQ(load.error, "");
  const LabelFile labels = ComposeLabels(load.result, {4, 2, 1, 40, 2, 2}, Unit::kMm);
  EXPECT_EQ(labels.error, "Too many labels: lbl.tlf would pass 16 MB.");
  EXPECT_EQ(labels.bytes, "");
}

TEST(LabelPageSplitTest, AStarLineStartsAPageAndALongPageGoesOnOnTheNextSheet) {
  EXPECT_THAT(LabelPages("a\r\nb\r\n*\r\nc\r\n", 10),
              ElementsAre(ElementsAre("a", "b"), ElementsAre("c")));
  EXPECT_THAT(LabelPages("a\nb\nc\nd\ne", 2),
              ElementsAre(ElementsAre("a", "b"), ElementsAre("c", "d"), ElementsAre("e")));
  // A full page that ends where a "*" stands gives no blank sheet; two "*" in a row do.
  EXPECT_THAT(LabelPages("a\r\nb\r\n*\r\nc\r\n", 2),
              ElementsAre(ElementsAre("a", "b"), ElementsAre("c")));
  EXPECT_THAT(LabelPages("a\r\n*\r\n*\r\nb\r\n", 5),
              ElementsAre(ElementsAre("a"), ElementsAre(), ElementsAre("b")));
  EXPECT_THAT(LabelPages("\r\n\r\nx *\r\n", 0),
              ElementsAre(ElementsAre(""), ElementsAre(""), ElementsAre("x *")));
  EXPECT_TRUE(LabelPages("", 10).empty());
  EXPECT_THAT(LabelPages(std::string("\0\r\r\n", 4), 10),
              ElementsAre(ElementsAre(std::string("\0\r", 2))));
}

TEST(LabelSettingsTest, GridAndCodesReadWithinBoundsAndCodesWriteBack) {
  // The label grid takes the nearest short integers.
  const LabelGrid grid = ReadLabelGrid("\"4.5\",\"2.5\",\"-1.6\",\"x\",\"70000\"\r\n");
  EXPECT_EQ(std::vector<int>(
                {grid.rows, grid.cols, grid.first_col, grid.pitch, grid.top_lines, grid.gap_lines}),
            std::vector<int>({4, 2, -2, 0, 32767, 0}));
  const std::pair<std::string, LabelCodeSettings> cases[] = {
      {"", {false, LabelCode::kNone}},
      {"1\r\n2\r\n", {true, LabelCode::kQr}},
      {"0\r\n1\r\n", {false, LabelCode::kCode128}},
      {"-1\r\n3\r\n", {true, LabelCode::kNone}},
      {"x\r\n1.5\r\n", {false, LabelCode::kNone}}};
  for (const auto& [bytes, settings] : cases) {
    EXPECT_EQ(ReadLabelCodeSettings(bytes), settings) << bytes;
    EXPECT_EQ(ReadLabelCodeSettings(LabelCodeSettingsBytes(settings)), settings) << bytes;
  }
}

}  // namespace
}  // namespace lumora
