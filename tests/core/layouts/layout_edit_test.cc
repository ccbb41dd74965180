#include "core/layouts/layout_edit.h"

#include <gtest/gtest.h>

#include <string>

#include "core/engine2d/engine_builders.h"
#include "core/job/job_tables.h"
#include "core/job/job_test_support.h"
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
    "1,-1,1,0,0,3004,2004,2,0\r\n1,1,1,0,0,1004,504,2,1\r\n1,2,1,1004,0,1808,604,2,2\r\n"
    "1,-4,1,1808,0,3004,604,2,0\r\n1,-4,1,0,604,3004,2004,2,0\r\n1,-6,1,0,604,3004,604,2,0\r\n"
    "2,-1,1,0,0,3004,2004,1,0\r\n2,2,1,0,0,804,604,1,2\r\n2,-4,1,804,0,3004,2004,1,0\r\n";

class LayoutEditTest : public ::testing::Test {
 protected:
  LayoutEditTest() : job_(MakeEditJob(folder_, kJob, kLayouts)), result_(LoadOrFail(job_)) {}
  // A click on layout n at (x, y) and the Edit dialog it opens, as the Layouts window does it.
  EditForm ClickAt(int layout_no, float x, float y) {
    range_ = RangeOfLayout(result_, layout_no);
    return Open(EditTargetOf(result_.elements, HitTest(result_.shown, range_, x, y)));
  }
  EditForm Add(int layout_no, int choice) {
    range_ = RangeOfLayout(result_, layout_no);
    return Open(AdditionOf(result_.glasses, choice).value());
  }
  EditForm Open(const EditTarget& target) {
    target_ = target;
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

// Each edit as the Layouts window makes it: a click on a piece or leftover of layout n (or a
// choice of Add New), keys typed into the dialog, a button, and the element it leaves.
TEST_F(LayoutEditTest, EditsStoreWhatTheDialogHolds) {
  struct Case {
    int layout_no;
    float x, y;
    int add;            // the Add New choice, -1 for a click at (x, y)
    const char* typed;  // "column=text;..." typed into the dialog's row
    const char* shown;  // DIM-X x DIM-Y and ORN as the dialog opens
    EditButton button;
    int count, index;
    LayoutElement expected;
    int spent;  // an element the edit spends, 0 for none
  };
  using enum EditButton;
  using testing::Element;
  const Case cases[] = {
      // The piece lies 1000 across and 500 down with ORN 1: the rule puts the smaller across.
      {1, 500, 250, -1, "1=100", "500x1000 1", kConfirm, 9, 2,
       Element(1, 100, 0, 604, 1004, 1, 2, 1, 1), 6},
      {1, 500, 250, -1, "5=2", "500x1000 1", kConfirm, 9, 2,
       Element(1, 0, 0, 1004, 504, 1, 2, 1, 2), 0},
      // A deleted piece leaves a kerf-square leftover with the layout's repeat.
      {1, 1500, 300, -1, "", "800x600 2", kDelete, 9, 3, Element(kFreeRect, 0, 0, 4, 4, 1, 2, 1, 0),
       0},
      // A balance added to an earlier layout ends exactly at LENGTH 3000 and WIDTH 2000 and
      // ends that layout.
      {1, 0, 0, 0, "1=2000;2=1000;3=1000;4=1000", "0x0 0", kConfirm, 10, 7,
       Element(kFreeRect, 2000, 1000, 3004, 2004, 1, 2, 1, 1), 0},
      // A piece added to the last layout takes its glass size; ORN 0 of the size opens as 1.
      {2, 0, 0, 2, "2=604", "600x800 1", kConfirm, 10, 10,
       Element(2, 0, 604, 604, 1408, 2, 1, 1, 1), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    ASSERT_EQ(WriteFileAtomically(job_.workspace.WorkingFile(kLayoutFileName), kLayouts),
              std::nullopt);
    result_ = LoadOrFail(job_);
    const ElementList before = result_.elements;
    EditForm form = c.add < 0 ? ClickAt(c.layout_no, c.x, c.y) : Add(c.layout_no, c.add);
    EXPECT_EQ(Cell(form, edit_col::kDimX) + "x" + Cell(form, edit_col::kDimY) + " " +
                  Cell(form, edit_col::kOrn),
              c.shown);
    for (const std::string& cell : testing::Split(c.typed, ';')) {
      Type(form, std::stoi(cell), cell.substr(cell.find('=') + 1));
    }
    Confirm(form, c.button, c.layout_no);
    ASSERT_EQ(result_.elements.Count(), c.count);
    EXPECT_EQ(result_.elements[c.index], c.expected);
    if (c.spent > 0) {
      EXPECT_EQ(result_.elements[c.spent].kind, kSpent);
    }
    if (c.count > before.Count()) {
      for (int i = c.index; i <= before.Count(); ++i) EXPECT_EQ(result_.elements[i + 1], before[i]);
      EXPECT_EQ(result_.LastOfLayout(c.layout_no), c.index);
    }
    // Undo and redo give back both states byte for byte.
    const std::string edited = DiaBytes(job_), dia = job_.workspace.WorkingFile(kLayoutFileName);
    EXPECT_EQ(history_.Undo(dia).layout_no, c.layout_no);
    EXPECT_EQ(DiaBytes(job_), kLayouts);
    EXPECT_EQ(history_.Redo(dia).layout_no, c.layout_no);
    EXPECT_EQ(DiaBytes(job_), edited);
  }
}

// A piece put onto another is asked about in its own words; any other edit that leaves its
// layout uncuttable names what it breaks. No keeps the layout.
TEST_F(LayoutEditTest, AnEditThatLeavesTheLayoutUncuttableAsksFirstAndNoKeepsIt) {
  struct Case {
    int layout_no;
    int add_glass;      // 0 edits piece 1 of layout 1
    const char* typed;  // "column=text"
    PromptAnswer answer;
    std::string question;
  };
  const std::string overlap = "It would overlap the 800 x 600 piece at XS ";
  const std::string turned =
      "It would break the layout rules:\nLayout 1: piece 2 lies in an orientation its ORN does "
      "not allow.\nStore it anyway?";
  using enum PromptAnswer;
  const Case cases[] = {{1, 0, "1=1000", kNo, overlap + "1004, YS 0. Store it there?"},
                        {1, 0, "1=1000", kYes, overlap + "1004, YS 0. Store it there?"},
                        {2, 2, "", kNo, overlap + "0, YS 0. Store it there?"},
                        {1, 0, "1=0", kNo, turned},
                        {1, 0, "1=0", kYes, turned}};
  // Glass 1 may lie only as its piece lies (ORN 2); the dialog puts the piece's smaller side
  // across, so moving it turns it.
  job_.glass.SetText(1, glass_col::kOrn, "2");
  result_ = LoadOrFail(job_);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.question);
    EditForm form = c.add_glass == 0 ? ClickAt(1, 500, 250) : Add(c.layout_no, c.add_glass);
    if (*c.typed != '\0') Type(form, std::stoi(c.typed), std::string(c.typed).substr(2));
    ScriptedPrompter prompter({c.answer});
    ASSERT_TRUE(PressEditButton(form, EditButton::kConfirm, prompter).close);
    ASSERT_EQ(CloseEditForm(form), std::nullopt);
    ASSERT_EQ(CommitEdit(job_.workspace, result_, c.layout_no, target_, history_, prompter),
              std::nullopt);
    ASSERT_EQ(prompter.prompts().size(), 1u);
    EXPECT_EQ(prompter.Texts()[0], c.question);
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

// Steps over dia.tlf, its contents after each: a change written, then recorded, as an edit
// makes it ('c'), undo ('u') and redo ('r') with the layout they return, the file replaced
// behind the history's back ('w') and a check for replacement ('x'). Writing the same bytes is no
// change, and a change after an undo forgets what had been undone.
TEST(LayoutHistoryTest, StepsThroughTheLatestChangesUntilTheFileIsReplaced) {
  struct Step {
    char op;
    const char* text;  // written, or the contents after an undo or redo
    int layout_no;     // recorded, or returned by an undo or redo
    bool can_undo;
  };
  // clang-format off
  const Step steps[] = {
      {'c', "A", 1, false}, {'c', "B", 1, true}, {'c', "C", 3, true}, {'u', "B", 3, true},
      {'u', "A", 1, false}, {'u', "A", 0, false}, {'r', "B", 1, true}, {'c', "D", 2, true},
      {'r', "D", 0, true}, {'u', "B", 2, true}, {'x', "B", 0, true},
      {'w', "new optimization", 0, true}, {'u', "new optimization", 0, false},
      {'c', "C", 1, true}, {'w', "", 0, true}, {'x', "", 0, false}};
  // clang-format on
  TempFolder folder;
  const std::string dia = folder.Write("dia.tlf", "A");
  LayoutHistory history;
  for (const Step& s : steps) {
    SCOPED_TRACE(std::string(1, s.op) + s.text);
    const std::string before = folder.Read("dia.tlf");
    if (s.op == 'c' || s.op == 'w') folder.Write("dia.tlf", s.text);
    if (s.op == 'c') history.Record(before, s.text, s.layout_no);
    const int returned = s.op == 'u'   ? history.Undo(dia).layout_no
                         : s.op == 'r' ? history.Redo(dia).layout_no
                                       : s.layout_no;
    EXPECT_EQ(returned, s.layout_no);
    if (s.op == 'x') history.ClearIfReplaced(dia);
    EXPECT_EQ(folder.Read("dia.tlf"), s.text);
    EXPECT_EQ(history.CanUndo(), s.can_undo);
  }
  // Only the latest changes are kept.
  for (int i = 1; i <= LayoutHistory::kMaxChanges + 5; ++i) {
    const std::string before = folder.Read("dia.tlf"), after = std::to_string(i);
    folder.Write("dia.tlf", after);
    history.Record(before, after, i);
  }
  int undone = 0;
  while (history.Undo(dia).layout_no != 0) ++undone;
  EXPECT_EQ(undone, LayoutHistory::kMaxChanges);
  EXPECT_EQ(folder.Read("dia.tlf"), "5");
}

}  // namespace
}  // namespace lumora
