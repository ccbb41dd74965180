#include "core/deep/free_rect_packing.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace lumora::deep {
namespace {

// Pieces placed as "piece@x,y", then the first-stage cuts and their direction.
TEST(PackInOrder, PutsEachPieceInTheTightestSpaceAndNamesTheWholeCuts) {
  struct Case {
    std::vector<std::array<int, 2>> sizes;  // width and height; both orientations allowed
    std::string packed;
  };
  for (const Case& c : {Case{{{10, 6}, {4, 4}, {6, 4}, {5, 5}}, "0@0,0 1@0,6 2@4,6 across 6"},
                        Case{{{4, 8}, {6, 5}, {6, 5}, {4, 2}}, "0@0,0 1@4,0 2@4,5 3@0,8 down 4"}}) {
    DeepProblem problem;
    problem.stocks.push_back({0, 10, 10, 1, 100, 10, 0});
    std::vector<int> order;
    for (const auto& [w, h] : c.sizes) {
      order.push_back(static_cast<int>(problem.pieces.size()));
      problem.pieces.push_back({0, {0, w, h}, {0, h, w}, 1, double(w * h)});
    }
    const SheetPattern pattern = PackInOrder(problem, 0, order);
    std::string text;
    for (const PlacedPiece& placed : pattern.pieces) {
      text += std::to_string(placed.piece) + "@" + std::to_string(placed.rect.x) + "," +
              std::to_string(placed.rect.y) + " ";
    }
    text += pattern.cuts_across ? "across" : "down";
    for (int cut : pattern.stage_cuts) text += " " + std::to_string(cut);
    EXPECT_EQ(text, c.packed);
  }
}

}  // namespace
}  // namespace lumora::deep
