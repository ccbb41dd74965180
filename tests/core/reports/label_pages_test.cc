#include "core/reports/label_pages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "result_fixtures.h"

namespace lumora {
namespace {

using ::testing::ElementsAre;
using testing::HandMadeJob;
using testing::LoadHandMade;
using Pages = std::vector<std::vector<std::string>>;

// One 2000 x 2000 sheet with `pieces` pieces of glass size 1 (QTY `qty`), 100 x 100 each.
ResultLoad PiecesOnOneSheet(int pieces, const std::string& qty) {
  const HandMadeJob job{0,
                        {{"2000", "2000", "", "", "1", "", "", "", "", "1"}},
                        {{"100", "100", "", "", qty, "", "", "", "ACME", "1", "S1"}}};
  std::string dia = "1,-1,1,0,0,2000,2000,1,0\r\n";
  for (int i = 0; i < pieces; ++i) dia += "1,1,1,0,0,100,100,1,1\r\n";
  return LoadHandMade(job, dia);
}

std::vector<std::string> QtyTexts(const Pages& pages) {
  std::vector<std::string> texts;
  for (const auto& page : pages) {
    for (const std::string& line : page) {
      if (line.starts_with("QTY")) texts.push_back(line);
    }
  }
  return texts;
}

class LabelPagesTest : public ::testing::Test {
 protected:
  LabelFile Compose(const ResultLoad& load, const std::string& definition) {
    folder_.Write("lbl.def", definition);
    return ComposeWorkspaceLabels(load.result, Workspace{folder_.path(), "1"}, Unit::kMm);
  }

  testing::TempFolder folder_;
};

TEST_F(LabelPagesTest, SevenLabelsInTwoRowsOfThreeBreakThePageBeforeTheSeventh) {
  const ResultLoad load = PiecesOnOneSheet(7, "7");
  ASSERT_EQ(load.error, "");
  const LabelFile labels = Compose(load, "\"2\",\"3\",\"1\",\"30\",\"2\",\"1\"\r\n");
  ASSERT_EQ(labels.error, "");
  const Pages pages = LabelPages(labels.bytes, 200);
  ASSERT_EQ(pages.size(), 2u);
  // VS empty lines, two rows of eleven lines each followed by VP empty lines.
  EXPECT_EQ(pages[0].size(), 2u + 2u * (11u + 1u));
  EXPECT_EQ(pages[1].size(), 2u + 11u + 1u);
  for (const auto& page : pages) {
    EXPECT_EQ(page[0], "");
    EXPECT_EQ(page[1], "");
    EXPECT_EQ(page[2].substr(0, 4), "FROM");
  }
  EXPECT_EQ(pages[0][11], std::string("QTY      :1/7") + std::string(17, ' ') + "QTY      :2/7" +
                              std::string(17, ' ') + "QTY      :3/7");
  EXPECT_EQ(QtyTexts(pages).back(), "QTY      :7/7");
}

TEST_F(LabelPagesTest, WithoutADefinitionEveryLabelIsAPageAndTheFirstHasNoBreakBeforeIt) {
  const ResultLoad load = PiecesOnOneSheet(2, "2");
  ASSERT_EQ(load.error, "");
  const LabelFile labels =
      ComposeWorkspaceLabels(load.result, Workspace{folder_.path(), "1"}, Unit::kMm);
  EXPECT_FALSE(labels.bytes.starts_with("*"));
  const Pages pages = LabelPages(labels.bytes, 100);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(QtyTexts(pages), (std::vector<std::string>{"QTY      :1/2", "QTY      :2/2"}));
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

}  // namespace
}  // namespace lumora
