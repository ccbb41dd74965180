#include "core/engine2d/cutting_line.h"

#include <utility>

namespace lumora {

LineProblem Transposed(const LineProblem& problem) {
  LineProblem turned = problem;
  turned.rules.first_cut =
      problem.rules.first_cut == FirstCut::kVertical ? FirstCut::kHorizontal : FirstCut::kVertical;
  for (LineSheet& sheet : turned.sheets) {
    std::swap(sheet.width, sheet.height);
    for (LineFlaw& flaw : sheet.flaws) {
      std::swap(flaw.x, flaw.y);
      std::swap(flaw.w, flaw.h);
    }
  }
  for (LinePiece& piece : turned.pieces) std::swap(piece.width, piece.height);
  return turned;
}

}  // namespace lumora
