#include "core/layouts/layout_history.h"

#include <gtest/gtest.h>

#include "core/tables/file_routines.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::TempFolder;

class LayoutHistoryTest : public ::testing::Test {
 protected:
  LayoutHistoryTest() : dia_(folder_.Write("dia.tlf", "A")) {}

  // A change of dia.tlf as an edit makes it: the file is written, then recorded.
  void Change(const std::string& after, int layout_no) {
    const std::string before = folder_.Read("dia.tlf");
    folder_.Write("dia.tlf", after);
    history_.Record(before, after, layout_no);
  }

  TempFolder folder_;
  std::string dia_;
  LayoutHistory history_;
};

TEST_F(LayoutHistoryTest, StepsBackAndForthThroughTheChanges) {
  Change("B", 1);
  Change("C", 3);
  EXPECT_EQ(history_.Undo(dia_).layout_no, 3);
  EXPECT_EQ(folder_.Read("dia.tlf"), "B");
  EXPECT_EQ(history_.Undo(dia_).layout_no, 1);
  EXPECT_EQ(folder_.Read("dia.tlf"), "A");
  EXPECT_EQ(history_.Undo(dia_).layout_no, 0);  // nothing left to undo
  EXPECT_EQ(history_.Redo(dia_).layout_no, 1);
  EXPECT_EQ(folder_.Read("dia.tlf"), "B");

  // A new change after an undo forgets what had been undone.
  Change("D", 2);
  EXPECT_FALSE(history_.CanRedo());
  EXPECT_EQ(history_.Undo(dia_).layout_no, 2);
  EXPECT_EQ(folder_.Read("dia.tlf"), "B");
}

TEST_F(LayoutHistoryTest, ALayoutFileReplacedBehindItsBackEndsTheHistory) {
  Change("B", 1);
  history_.ClearIfReplaced(dia_);
  EXPECT_TRUE(history_.CanUndo());
  folder_.Write("dia.tlf", "new optimization");
  EXPECT_EQ(history_.Undo(dia_).layout_no, 0);
  EXPECT_EQ(folder_.Read("dia.tlf"), "new optimization");
  EXPECT_FALSE(history_.CanUndo());

  Change("C", 1);
  folder_.Write("dia.tlf", "");
  history_.ClearIfReplaced(dia_);
  EXPECT_FALSE(history_.CanUndo());
}

TEST_F(LayoutHistoryTest, KeepsOnlyTheLatestChangesAndNoEmptyOnes) {
  Change("A", 1);  // changes nothing
  EXPECT_FALSE(history_.CanUndo());
  for (int i = 1; i <= LayoutHistory::kMaxChanges + 5; ++i) Change(std::to_string(i), i);
  int undone = 0;
  while (history_.Undo(dia_).layout_no != 0) ++undone;
  EXPECT_EQ(undone, LayoutHistory::kMaxChanges);
  EXPECT_EQ(folder_.Read("dia.tlf"), "5");
}

}  // namespace
}  // namespace lumora
