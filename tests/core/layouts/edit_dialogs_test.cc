#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/engine2d/engine_builders.h"
#include "core/layouts/edit_exchange.h"
#include "core/layouts/edit_form.h"
#include "core/layouts/layout_hit.h"
#include "core/reports/result_fixtures.h"
#include "core/tables/column_dictionary.h"
#include "support/scripted_prompter.h"

namespace lumora {
namespace {

using testing::Element;
using testing::HandMadeJob;
using testing::ListOf;
using testing::LoadHandMade;
using testing::ScriptedPrompter;

TEST(HitTestTest, TheLaterOfOverlappingElementsWinsAndOnlyPiecesAndLeftoversCount) {
  // A leftover drawn over part of a piece, then a piece over part of that leftover.
  const ElementList elements =
      ListOf<LayoutElement>({Element(kStockFrame, 0, 0, 3000, 2000), Element(1, 0, 0, 1000, 500),
                             Element(kFreeRect, 800, 0, 2000, 600), Element(2, 1800, 0, 2200, 400),
                             Element(kFullCut, 0, 1000, 3000, 1000),
                             Element(kStockFrame, 0, 0, 3000, 2000), Element(1, 0, 0, 3000, 2000)});
  const LayoutRange first{1, 5};
  EXPECT_EQ(HitTest(elements, first, 500, 250), 2);
  EXPECT_EQ(HitTest(elements, first, 900, 250), 3);
  EXPECT_EQ(HitTest(elements, first, 1900, 300), 4);
  EXPECT_EQ(HitTest(elements, first, 1000, 500), 3);  // edges belong to both
  EXPECT_EQ(HitTest(elements, first, 500, 1000), 0);  // the frame and the cut do not count
  EXPECT_EQ(HitTest(elements, first, -1, 0), 0);
  EXPECT_EQ(HitTest(elements, LayoutRange{6, 7}, 500, 250), 7);
  EXPECT_EQ(HitTest(elements, LayoutRange{6, 99}, 500, 250), 7);  // a range past the list
}

// Kerf 4 on a 3000 x 2000 sheet; glass 1 is 1200 x 800 for "ACME" serial 12.
const HandMadeJob kJob{
    4,
    {{"3000", "2000", "", "", "1"}},
    {{"1200", "800", "", "", "1", "", "", "", "ACME", "", "12"}, {"100", "100", "", "", "1"}}};
constexpr std::string_view kLayout =
    "1,-1,1,0,0,3004,2004,1,0\r\n1,1,1,0,0,804,1204,1,1\r\n1,-4,1,804,0,3004,1204,1,0\r\n"
    "1,-4,1,0,1204,404,1504,1,0\r\n1,2,1,404,1204,508,1308,1,1\r\n";

TEST(ToolTipTest, TellsWhatLiesUnderThePointer) {
  const ResultLoad load = LoadHandMade(kJob, kLayout);
  ASSERT_EQ(load.error, "");
  const LoadedResult& result = load.result;
  const char* tips[] = {"ADD Balance / Glass-Piece", "",
                        "1200 x 800  ACME  12",      "Balance 1200 x 2196",
                        "Scrap 296 x 400",           "100 x 100    "};
  for (int element : {0, 2, 3, 4, 5}) {
    EXPECT_EQ(ElementToolTip(result, element, Unit::kMm, {500, 300}), tips[element]) << element;
  }
  EXPECT_EQ(ElementToolTip(result, 2, Unit::kIn, {500, 300}), "47 1/4 x 31 1/2  ACME  12");
  EXPECT_EQ(ElementToolTip(result, 0, Unit::kIn, {500, 300}), "ADD Balance / Glass-Piece");
  EXPECT_EQ(ElementToolTip(result, 2, Unit::kOther, {500, 300}), "");
}

TEST(EditFileTest, TheWindowsRowIsPlainNumbersAndItReadsBackTheFirstFive) {
  const EditRow row{
      .xs = 10.5f, .ys = 0, .dim_x = 1200, .dim_y = 800, .orn = 2, .length = 3000, .width = 2000};
  EXPECT_EQ(EditRowBytes(row), "10.5,0,1200,800,2,3000,2000\r\n");
  const EditValues quoted = ReadEditValues("\"7\",\"8\",\"9\",\"10\",\"1\",\"3000\",\"x\"\r\n");
  EXPECT_EQ(quoted.xs, 7);
  EXPECT_EQ(quoted.dim_y, 10);
  EXPECT_EQ(quoted.orn, 1);
  const EditValues short_file = ReadEditValues("5,abc");
  EXPECT_EQ(short_file.xs, 5);
  EXPECT_EQ(short_file.ys, 0);
  EXPECT_EQ(short_file.orn, 0);
}

// Each mode's dialog: caption; buttons; Delete enabled; help topic and the help lines shown;
// the grid columns shown (1 XS, 2 YS, 3 DIM-X, 4 DIM-Y, 5 ORN).
TEST(EditFormTest, EachModeShowsItsCaptionsColumnsAndHelp) {
  const auto shown = [](const EditForm& form) {
    std::string text = form.caption + ";";
    for (const std::string& button : form.button_captions) text += " " + button;
    text += "; " + std::to_string(form.delete_enabled) + "; " + std::to_string(form.help_topic);
    for (const bool line : form.help_line_visible) text += line ? " 1" : " 0";
    text += ";";
    for (int col = 0; col <= edit_col::kWidth; ++col) {
      if (form.grid.ColWidth(col) != 0) text += " " + std::to_string(col);
    }
    return text;
  };
  using enum EditMode;
  const std::pair<EditMode, const char*> cases[] = {
      {kMove, "Delete / Move Existing Glass-Piece; Cancel Delete Move; 1; 38 1 1 0 1; 1 2 5"},
      {kModify, "Delete / Modify Existing Balance; Cancel Delete Modify; 1; 39 1 1 1 0; 1 2 3 4"},
      {kAddBalance,
       "Define Position & Size of New Balance; Cancel Delete Add; 0; 39 1 1 1 0; 1 2 3 4"},
      {kAddGlassPiece,
       "Define Position & Orientation of New Glass-Piece; Cancel Delete Add; 0; 38 1 1 0 1; 1 2 "
       "5"}};
  testing::TempFolder folder;
  for (const auto& [mode, expected] : cases) {
    const EditForm form = OpenEditForm(mode, Workspace{folder.path(), "1"});
    EXPECT_EQ(shown(form), expected);
    EXPECT_EQ(form.grid.Text(0, edit_col::kDimX), "DIM-X");
    EXPECT_EQ(form.grid.Rows(), 2);
  }
  EXPECT_EQ(EditHelpTopic(kEditDesignCaption), 39);
}

// ORN 1 puts the smaller size across, ORN 2 the larger; other values and a hidden ORN leave them.
TEST(EditFormTest, TheOrnRuleOnlyWorksWhileOrnIsShown) {
  struct Case {
    const char *dim_x, *dim_y, *orn;
    bool shown;
    const char *x_after, *y_after;
  };
  const Case cases[] = {{"1000", "500.5", "1", true, "500.5", "1000"},
                        {"500.5", "1000", "2", true, "1000", "500.5"},
                        {"1", "1000", "3", true, "1", "1000"},
                        {"1", "1000", "2", false, "1", "1000"}};
  for (const Case& c : cases) {
    Grid grid;
    ApplyFormatString(grid, BuildFormatString({"XS", "YS", "DIM-X", "DIM-Y", "ORN"}));
    grid.SetText(1, edit_col::kDimX, c.dim_x);
    grid.SetText(1, edit_col::kDimY, c.dim_y);
    grid.SetText(1, edit_col::kOrn, c.orn);
    if (!c.shown) grid.SetColWidth(edit_col::kOrn, 0);
    ApplyOrnRule(grid);
    EXPECT_EQ(grid.Text(1, edit_col::kDimX) + " " + grid.Text(1, edit_col::kDimY),
              std::string(c.x_after) + " " + c.y_after);
  }
}

TEST(AddNewTest, OneLinePerChoiceWithTheSizesInColumns) {
  GlassList glasses;
  for (const auto& [l1, customer, sr_no] :
       {std::tuple{2420.0f, "ACME", "6"}, {12345.125f, "A VERY LONG CUSTOMER\r\nNAME", "7"}}) {
    GlassRecord g;
    g.l1 = l1;
    g.l2 = 1810.5f;
    g.customer = customer;
    g.sr_no = sr_no;
    glasses.Append(g);
  }
  const std::string bytes = AddNewListBytes(glasses);
  const std::vector<std::string> lines = AddNewLines(bytes);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "Balance");
  //          1234567890123456789012345678901234567890123456
  EXPECT_EQ(lines[1], "Glass-Piece 2420     X 1810.5   ACME         6");
  // Sizes and names too long for their columns push on, but the entry keeps its one line.
  EXPECT_EQ(lines[2], "Glass-Piece 12345.125  X  1810.5A VERY LONG CUSTOMER  NAME 7");
  EXPECT_EQ(bytes.substr(0, 9), "Balance\r\n");
}

TEST(AddNewTest, NextNeedsASelectedLine) {
  ScriptedPrompter prompter;
  EXPECT_EQ(AddNewChoice(-1, prompter), std::nullopt);
  ASSERT_EQ(prompter.Texts(), std::vector<std::string>{"You have not selected any item"});
  EXPECT_EQ(prompter.prompts()[0].icon, PromptIcon::kInformation);
  EXPECT_EQ(AddNewChoice(0, prompter), 0);
  EXPECT_EQ(AddNewChoice(2, prompter), 2);
}

}  // namespace
}  // namespace lumora
