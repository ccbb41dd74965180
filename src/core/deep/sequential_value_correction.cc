#include "core/deep/sequential_value_correction.h"

#include <algorithm>

namespace lumora::deep {
namespace {

// The most stock per piece area a correction counts: a piece left alone on a nearly empty sheet
// would otherwise be worth many times its area, and the next plans would chase it at the cost
// of every other piece.
constexpr double kMostCostRatio = 1.5;

}  // namespace

SequentialValueCorrection::SequentialValueCorrection(const DeepProblem& problem,
                                                     double correction_rate, double jitter)
    : problem_(problem), correction_rate_(correction_rate), jitter_(jitter) {
  for (const PieceSize& piece : problem.pieces) values_.push_back(piece.area);
}

std::vector<double> SequentialValueCorrection::Jittered(ChainRandom& random) const {
  std::vector<double> values = values_;
  for (double& value : values) value *= 1 + jitter_ * (2 * random.Next() - 1);
  return values;
}

void SequentialValueCorrection::Correct(const Construction& construction, const Plan& plan) {
  const double unit_area = problem_.unit_mm * problem_.unit_mm;
  std::vector<double> cost(values_.size(), 0.0);
  std::vector<double> placed(values_.size(), 0.0);
  for (const PlannedLayout& layout : plan.layouts) {
    double piece_area = 0;
    for (const PlacedPiece& piece : layout.pattern.pieces) {
      piece_area += problem_.pieces[static_cast<size_t>(piece.piece)].area * unit_area;
    }
    // A piece is worth the glass it takes: a cheap leftover must not make its pieces worthless
    // to the sheets that follow.
    const double ratio =
        std::min(kMostCostRatio, construction.AreaOf(layout.pattern) / std::max(piece_area, 1e-9));
    for (const PlacedPiece& piece : layout.pattern.pieces) {
      const auto p = static_cast<size_t>(piece.piece);
      cost[p] += ratio * layout.repeat;
      placed[p] += layout.repeat;
    }
  }
  for (size_t p = 0; p < values_.size(); ++p) {
    if (placed[p] <= 0) continue;
    const double target = problem_.pieces[p].area * cost[p] / placed[p];
    values_[p] = (1 - correction_rate_) * values_[p] + correction_rate_ * target;
  }
}

}  // namespace lumora::deep
