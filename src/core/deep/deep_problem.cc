#include "core/deep/deep_problem.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

#include "core/base/number_text.h"
#include "core/base/unit_and_orn.h"
#include "core/engine2d/unit_grid.h"

namespace lumora::deep {
namespace {

// The packing's tables grow with the stock's sides in units: a grid that would give a side
// more units than this is made coarser, its pieces rounded up, as long as no glass size that
// fits its stock stops fitting.
constexpr double kMostUnitsASide = 20000;

// Millimetres per unit: the coarsest grid on which every length is whole; lengths finer than a
// hundredth are packed on hundredths, pieces rounded up.
double UnitOf(const std::vector<double>& lengths) {
  const std::optional<int> whole = WholeScale(lengths);
  const int scale = whole.value_or(100);
  int64_t divisor = 0;
  for (double length : lengths) {
    const auto scaled = static_cast<int64_t>(std::llround(length * scale));
    if (scaled > 0) divisor = std::gcd(divisor, scaled);
  }
  if (divisor == 0 || !whole) divisor = 1;
  return static_cast<double>(divisor) / scale;
}

// Whether every glass that fits a stock's usable area on a grid of `unit`, in an orientation
// its ORN allows, still fits it on a grid of `coarser`.
bool KeepsEveryFit(const StockList& stocks, const GlassList& glasses, double unit, double coarser) {
  const auto fits = [](double along_x, double along_y, double width, double height, double u) {
    return UnitsUp(along_x, u) <= UnitsDown(width, u) &&
           UnitsUp(along_y, u) <= UnitsDown(height, u);
  };
  for (const StockRecord& stock : stocks) {
    if (!(stock.qty > 0)) continue;
    const double width = static_cast<double>(stock.l2) - stock.m_l - stock.m_r;
    const double height = static_cast<double>(stock.l1) - stock.m_t - stock.m_b;
    for (const GlassRecord& glass : glasses) {
      for (int o = 1; o <= 2; ++o) {
        const double along_x = o == 1 ? glass.l2 : glass.l1;
        const double along_y = o == 1 ? glass.l1 : glass.l2;
        if (glass.qty >= 1 && OrnAllows(glass.orn, o) &&
            fits(along_x, along_y, width, height, unit) &&
            !fits(along_x, along_y, width, height, coarser)) {
          return false;
        }
      }
    }
  }
  return true;
}

}  // namespace

bool PieceFitsStock(const PieceSize& piece, const StockSize& stock) {
  for (size_t o = 1; o <= 2; ++o) {
    if (piece.x[o] > 0 && piece.x[o] <= stock.width && piece.y[o] <= stock.height) return true;
  }
  return false;
}

bool FewPiecesPerSize(const DeepProblem& problem) {
  constexpr double kFewPiecesPerSize = 2;
  double pieces = 0;
  for (const PieceSize& piece : problem.pieces) pieces += piece.demand;
  return pieces < kFewPiecesPerSize * static_cast<double>(problem.pieces.size());
}

bool HoldsStockSize(const std::vector<StockSizeMm>& sizes, float l1, float l2) {
  return std::any_of(sizes.begin(), sizes.end(), [l1, l2](const StockSizeMm& size) {
    return (size[0] == l1 && size[1] == l2) || (size[0] == l2 && size[1] == l1);
  });
}

DeepProblem MakeDeepProblem(const StockList& stocks, const GlassList& glasses, bool coil_mode,
                            const StockValuation& valuation) {
  std::vector<double> lengths;
  for (const StockRecord& stock : stocks) {
    lengths.push_back(static_cast<double>(stock.l2) - stock.m_l - stock.m_r);
    lengths.push_back(static_cast<double>(stock.l1) - stock.m_t - stock.m_b);
  }
  for (const GlassRecord& glass : glasses) {
    lengths.push_back(glass.l1);
    lengths.push_back(glass.l2);
  }
  DeepProblem problem;
  problem.coil_mode = coil_mode;
  problem.charge_unused_leftovers = valuation.leftovers_first && !coil_mode;
  problem.unit_mm = UnitOf(lengths);
  double longest_side = 0;
  for (const StockRecord& stock : stocks) {
    longest_side =
        std::max({longest_side, static_cast<double>(stock.l1), static_cast<double>(stock.l2)});
  }
  // A coarser grid must not lose a glass size its stock holds: sheet sides are rounded down
  // and pieces up, so a piece as long as the usable side could outgrow it.
  while (longest_side / problem.unit_mm > kMostUnitsASide &&
         KeepsEveryFit(stocks, glasses, problem.unit_mm, problem.unit_mm * 2)) {
    problem.unit_mm *= 2;
  }
  for (int s = 1; s <= stocks.Count(); ++s) {
    const StockRecord& stock = stocks[s];
    StockSize size;
    size.stock_index = s;
    size.width = UnitsDown(static_cast<double>(stock.l2) - stock.m_l - stock.m_r, problem.unit_mm);
    size.height = UnitsDown(static_cast<double>(stock.l1) - stock.m_t - stock.m_b, problem.unit_mm);
    size.quantity = stock.qty;
    size.frame_area = static_cast<double>(stock.l1) * stock.l2;
    size.frame_width = stock.l2;
    size.margin_top = stock.m_t;
    size.leftover =
        !coil_mode && HoldsStockSize(valuation.leftover_sizes, stock.l1_as_read, stock.l2_as_read);
    if (size.leftover && valuation.leftovers_first) size.cost_share = kLeftoverCostShare;
    if (size.width > 0 && size.height > 0 && stock.qty > 0) problem.stocks.push_back(size);
  }
  for (int g = 1; g <= glasses.Count(); ++g) {
    const GlassRecord& glass = glasses[g];
    if (!(glass.qty >= 1)) continue;
    PieceSize piece;
    piece.glass_index = g;
    piece.demand = static_cast<int>(std::min(glass.qty, 1e9f));
    const int along_l1 = UnitsUp(glass.l1, problem.unit_mm);
    const int along_l2 = UnitsUp(glass.l2, problem.unit_mm);
    // Orientation 1 lays L2 along x, orientation 2 lays L1 along x.
    if (OrnAllows(glass.orn, 1)) {
      piece.x[1] = along_l2;
      piece.y[1] = along_l1;
    }
    if (OrnAllows(glass.orn, 2)) {
      piece.x[2] = along_l1;
      piece.y[2] = along_l2;
    }
    piece.area = static_cast<double>(along_l1) * along_l2;
    problem.pieces.push_back(piece);
  }
  return problem;
}

}  // namespace lumora::deep
