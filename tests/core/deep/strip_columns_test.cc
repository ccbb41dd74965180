#include "core/deep/strip_columns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumora::deep {
namespace {

// Columns written as "width:piece piece ..." joined by "|", then what is left of the bounds.
TEST(MixedColumns, StacksPiecesOfOtherWidthsAndKeepsTheBounds) {
  struct Case {
    std::vector<StripPiece> options;
    std::vector<int> bounds;
    std::string columns;
  };
  for (const Case& c : {Case{{{0, 1, 10, 6}, {1, 1, 8, 4}}, {1, 1}, "10:0 1|left 0 0"},
                        Case{{{0, 1, 5, 5}}, {3}, "5:0 0|5:0|left 0"},
                        Case{{{0, 1, 4, 10}, {1, 2, 6, 3}}, {1, 2}, "6:1 1|4:0|left 0 0"}}) {
    std::vector<int> bounds = c.bounds;
    std::string text;
    for (const Column& column : MixedColumns(c.options, 10, 10, {1, 1}, bounds)) {
      text += std::to_string(column.width) + ":";
      for (const StripPiece& piece : column.pieces) text += std::to_string(piece.piece) + " ";
      text.back() = '|';
    }
    text += "left";
    for (int bound : bounds) text += " " + std::to_string(bound);
    EXPECT_EQ(text, c.columns);
  }
}

}  // namespace
}  // namespace lumora::deep
