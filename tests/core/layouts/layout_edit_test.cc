#include "core/layouts/layout_edit.h"

#include <gtest/gtest.h>

#include <string>

#include "core/engine2d/engine_builders.h"
#include "core/layouts/edit_fixtures.h"
#include "core/tables/grid_keys.h"
#include "support/scripted_prompter.h"

namespace lumora {
namespace {

using testing::DiaBytes;
using testing::HandMadeJob;
using testing::LoadOrFail;
using testing::MakeEditJob;
using testing::ScriptedPrompter;
using testing::TempFolder;

// A 3000 x 2000 sheet, kerf 4; glass 1 is 500 x 1000 (L1 x L2), glass 2 800 x 600 "ACME" 7.
// Layout 1 is cut twice, layout 2 once (x along L1):
//
//   layout 1                            layout 2
//   +---------+-------+--------------+  +-------+-------------------+
//   | 1 (ORN1)|  2    |  leftover 4  |  |  2    |                   |
//   +---------+       |              |  +-------+   leftover 9      |
//   |         +-------+--------------+  |                           |
//   |  leftover 5 (below the cut 6)  |  |                           |
//   +--------------------------------+  +---------------------------+
const HandMadeJob kJob{
    4,
    {{"3000", "2000", "", "", "5"}},
    {{"500", "1000", "", "", "2"}, {"800", "600", "", "", "3", "", "", "", "ACME", "", "7"}}};
constexpr std::string_view kLayouts =
    "1,-1,1,0,0,3004,2004,2,0\r\n"
    "1,1,1,0,0,1004,504,2,1\r\n"
    "1,2,1,1004,0,1808,604,2,2\r\n"
    "1,-4,1,1808,0,3004,604,2,0\r\n"
    "1,-4,1,0,604,3004,2004,2,0\r\n"
    "1,-6,1,0,604,3004,604,2,0\r\n"
    "2,-1,1,0,0,3004,2004,1,0\r\n"
    "2,2,1,0,0,804,604,1,2\r\n"
    "2,-4,1,804,0,3004,2004,1,0\r\n";

class LayoutEditTest : public ::testing::Test {
 protected:
  LayoutEditTest() : job_(MakeEditJob(folder_, kJob, kLayouts)), result_(LoadOrFail(job_)) {}

  // A click on layout n at (x, y) and the Edit dialog it opens, as the Layouts window does it.
  EditForm ClickAt(int layout_no, float x, float y) {
    range_ = RangeOfLayout(result_, layout_no);
    target_ = EditTargetOf(result_.elements, HitTest(result_.shown, range_, x, y));
    EXPECT_EQ(WriteEditFile(job_.workspace, result_, range_, target_), std::nullopt);
    return OpenEditForm(target_.mode, job_.workspace);
  }
  EditForm Add(int layout_no, int choice) {
    range_ = RangeOfLayout(result_, layout_no);
    target_ = AdditionOf(result_.glasses, choice).value();
    EXPECT_EQ(WriteEditFile(job_.workspace, result_, range_, target_), std::nullopt);
    return OpenEditForm(target_.mode, job_.workspace);
  }
  // Presses a button that closes the dialog, stores it and applies the edit.
  void Confirm(EditForm& form, EditButton button, int layout_no) {
    ScriptedPrompter prompter;
    const EditButtonOutcome outcome = PressEditButton(form, button, prompter);
    ASSERT_TRUE(outcome.close);
    EXPECT_TRUE(outcome.job_changed);
    ASSERT_EQ(CloseEditForm(form), std::nullopt);
    ASSERT_EQ(CommitEdit(job_.workspace, result_, layout_no, target_, history_, prompter),
              std::nullopt);
    EXPECT_TRUE(prompter.prompts().empty());
    result_ = LoadOrFail(job_);
  }
  // Keys as the dialog's grid takes them: the key rules, then the orientation rule.
  static void Type(EditForm& form, int col, std::string_view text) {
    form.grid.col = col;
    GridKeyDown(form.grid, kKeyDelete);
    for (const char c : text) TypeKey(form.grid, c, false);
    ApplyOrnRule(form.grid);
  }
  static std::string Cell(const EditForm& form, int col) { return form.grid.Text(1, col); }

  TempFolder folder_;
  Job job_;
  LoadedResult result_;
  LayoutRange range_;
  EditTarget target_;
  LayoutHistory history_;
};

TEST_F(LayoutEditTest, MovingAPieceOpensItByTheOrnRuleAndStoresItTurned) {
  // The piece lies 1000 across and 500 down with ORN 1: the rule puts the smaller size across.
  EditForm form = ClickAt(1, 500, 250);
  EXPECT_EQ(target_.element, 2);
  EXPECT_EQ(form.caption, "Delete / Move Existing Glass-Piece");
  EXPECT_EQ(Cell(form, edit_col::kDimX), "500");
  EXPECT_EQ(Cell(form, edit_col::kDimY), "1000");
  Type(form, edit_col::kXs, "100");
  Confirm(form, EditButton::kConfirm, 1);

  const LayoutElement& moved = result_.elements[2];
  EXPECT_EQ(moved, testing::Element(1, 100, 0, 604, 1004, 1, 2, 1, 1));
  EXPECT_EQ(result_.elements[6].kind, kSpent);  // the layout's full-length cut
  EXPECT_EQ(result_.elements[9], testing::Element(kFreeRect, 804, 0, 3004, 2004, 2, 1, 1, 0));
}

TEST_F(LayoutEditTest, TypingOrnTwoTurnsThePieceBack) {
  EditForm form = ClickAt(1, 500, 250);
  Type(form, edit_col::kOrn, "2");
  EXPECT_EQ(Cell(form, edit_col::kDimX), "1000");
  EXPECT_EQ(Cell(form, edit_col::kDimY), "500");
  Confirm(form, EditButton::kConfirm, 1);
  EXPECT_EQ(result_.elements[2], testing::Element(1, 0, 0, 1004, 504, 1, 2, 1, 2));
}

TEST_F(LayoutEditTest, DeletingAPieceLeavesAKerfSquareLeftoverWithTheLayoutsRepeat) {
  EditForm form = ClickAt(1, 1500, 300);
  EXPECT_EQ(target_.element, 3);
  Confirm(form, EditButton::kDelete, 1);
  EXPECT_EQ(result_.elements.Count(), 9);
  EXPECT_EQ(result_.elements[3], testing::Element(kFreeRect, 0, 0, 4, 4, 1, 2, 1, 0));
}

TEST_F(LayoutEditTest, ABalanceAddedToAnEarlierLayoutEndsThatLayout) {
  const ElementList before = result_.elements;
  EditForm form = Add(1, 0);
  EXPECT_EQ(form.caption, "Define Position & Size of New Balance");
  EXPECT_FALSE(form.delete_enabled);
  Type(form, edit_col::kXs, "2000");
  Type(form, edit_col::kYs, "1000");
  Type(form, edit_col::kDimX, "1000");  // ends exactly at LENGTH 3000
  Type(form, edit_col::kDimY, "1000");  // and at WIDTH 2000
  Confirm(form, EditButton::kConfirm, 1);

  ASSERT_EQ(result_.elements.Count(), 10);
  EXPECT_EQ(result_.elements[7], testing::Element(kFreeRect, 2000, 1000, 3004, 2004, 1, 2, 1, 1));
  for (int i = 7; i <= 9; ++i) EXPECT_EQ(result_.elements[i + 1], before[i]);
  EXPECT_EQ(result_.LastOfLayout(1), 7);
}

TEST_F(LayoutEditTest, AGlassPieceAddedToTheLastLayoutTakesItsGlassSizeAndOrientation) {
  EditForm form = Add(2, 2);
  EXPECT_EQ(form.caption, "Define Position & Orientation of New Glass-Piece");
  EXPECT_EQ(Cell(form, edit_col::kOrn), "1");  // ORN 0 of the glass size opens as 1
  EXPECT_EQ(Cell(form, edit_col::kDimX), "600");
  Type(form, edit_col::kYs, "604");
  Confirm(form, EditButton::kConfirm, 2);
  ASSERT_EQ(result_.elements.Count(), 10);
  EXPECT_EQ(result_.elements[10], testing::Element(2, 0, 604, 604, 1408, 2, 1, 1, 1));
}

TEST_F(LayoutEditTest, APiecePutOntoAnotherAsksFirstAndNoKeepsTheLayout) {
  struct Case {
    int layout_no;
    int add_glass;  // 0 moves piece 1 of layout 1
    PromptAnswer answer;
  };
  const Case cases[] = {
      {1, 0, PromptAnswer::kNo}, {1, 0, PromptAnswer::kYes}, {2, 2, PromptAnswer::kNo}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.add_glass);
    EditForm form = c.add_glass == 0 ? ClickAt(1, 500, 250) : Add(c.layout_no, c.add_glass);
    if (c.add_glass == 0) Type(form, edit_col::kXs, "1000");
    ScriptedPrompter prompter({c.answer});
    ASSERT_TRUE(PressEditButton(form, EditButton::kConfirm, prompter).close);
    ASSERT_EQ(CloseEditForm(form), std::nullopt);
    ASSERT_EQ(CommitEdit(job_.workspace, result_, c.layout_no, target_, history_, prompter),
              std::nullopt);
    ASSERT_EQ(prompter.prompts().size(), 1u);
    EXPECT_EQ(prompter.Texts()[0],
              c.layout_no == 1 ? "It would overlap the 800 x 600 piece at XS 1004, YS 0. Store it "
                                 "there?"
                               : "It would overlap the 800 x 600 piece at XS 0, YS 0. Store it "
                                 "there?");
    EXPECT_EQ(prompter.prompts()[0].default_answer, PromptAnswer::kNo);
    EXPECT_EQ(DiaBytes(job_) == kLayouts, c.answer == PromptAnswer::kNo);
    WriteFileAtomically(job_.workspace.WorkingFile(kLayoutFileName), std::string(kLayouts));
  }
}

TEST_F(LayoutEditTest, ThePositionMustStayOnTheSheet) {
  EditForm form = Add(1, 0);
  Type(form, edit_col::kXs, "2001");
  Type(form, edit_col::kDimX, "1000");
  ScriptedPrompter prompter;
  EXPECT_FALSE(PressEditButton(form, EditButton::kConfirm, prompter).close);
  Type(form, edit_col::kXs, "0");
  Type(form, edit_col::kYs, "1000.5");
  Type(form, edit_col::kDimY, "1000");
  EXPECT_FALSE(PressEditButton(form, EditButton::kConfirm, prompter).close);
  ASSERT_EQ(prompter.prompts().size(), 2u);
  EXPECT_EQ(prompter.Texts()[0], "3000Out of sheet length ");
  EXPECT_EQ(prompter.Texts()[1], "2000Out of sheet width ");
  EXPECT_EQ(prompter.prompts()[0].icon, PromptIcon::kCritical);
  EXPECT_EQ(Cell(form, edit_col::kYs), "1000.5");  // the user's values stay
}

TEST_F(LayoutEditTest, CancelLeavesNoEditFileAndNothingChanges) {
  EditForm form = ClickAt(1, 500, 250);
  ScriptedPrompter prompter;
  const EditButtonOutcome outcome = PressEditButton(form, EditButton::kCancel, prompter);
  EXPECT_TRUE(outcome.close);
  EXPECT_FALSE(outcome.job_changed);
  ASSERT_EQ(CloseEditForm(form), std::nullopt);
  EXPECT_FALSE(FileExists(job_.workspace.WorkingFile(kEditFileName)));
  EXPECT_TRUE(FileExists(job_.workspace.WorkingFile(kEditCancelFileName)));
  EXPECT_EQ(DiaBytes(job_), kLayouts);
}

TEST_F(LayoutEditTest, ADialogClosedWithoutOrnStillLeavesAReadableResult) {
  EditForm form = ClickAt(1, 500, 250);
  Type(form, edit_col::kOrn, "");
  ASSERT_EQ(CloseEditForm(form), std::nullopt);  // the window's own close: no button rules
  ScriptedPrompter prompter;
  ASSERT_EQ(CommitEdit(job_.workspace, result_, 1, target_, history_, prompter), std::nullopt);
  result_ = LoadOrFail(job_);
  EXPECT_EQ(result_.elements[2].orientation, 1);
}

TEST_F(LayoutEditTest, UndoAndRedoGiveBackBothStatesByteForByte) {
  EditForm form = ClickAt(1, 1500, 300);
  Confirm(form, EditButton::kDelete, 1);
  const std::string edited = DiaBytes(job_);
  ASSERT_NE(edited, kLayouts);
  const std::string dia = job_.workspace.WorkingFile(kLayoutFileName);

  ASSERT_TRUE(history_.CanUndo());
  EXPECT_EQ(history_.Undo(dia).layout_no, 1);
  EXPECT_EQ(DiaBytes(job_), kLayouts);
  EXPECT_FALSE(history_.CanUndo());
  EXPECT_EQ(history_.Redo(dia).layout_no, 1);
  EXPECT_EQ(DiaBytes(job_), edited);
  EXPECT_FALSE(history_.CanRedo());
}

TEST(EditUnitTest, InchesAskToSwitchFirst) {
  ScriptedPrompter prompter({PromptAnswer::kCancel, PromptAnswer::kOk});
  EXPECT_EQ(AskEditUnit(Unit::kMm, prompter), EditUnitAnswer::kGoOn);
  EXPECT_TRUE(prompter.prompts().empty());
  EXPECT_EQ(AskEditUnit(Unit::kIn, prompter), EditUnitAnswer::kStop);
  EXPECT_EQ(AskEditUnit(Unit::kIn, prompter), EditUnitAnswer::kSwitchToMM);
  ASSERT_EQ(prompter.prompts().size(), 2u);
  EXPECT_EQ(prompter.prompts()[0].text, kEditUnitQuestion);
  EXPECT_EQ(prompter.prompts()[0].buttons, PromptButtons::kOkCancel);
}

}  // namespace
}  // namespace lumora
