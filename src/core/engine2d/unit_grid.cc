#include "core/engine2d/unit_grid.h"

#include <climits>
#include <cmath>

#include "core/base/number_text.h"

namespace lumora {
namespace {

constexpr double kWholeTolerance = 1e-3;
// Finer grids make the packing's tables larger than they help: a job with lengths in
// thousandths of a millimetre is packed on a grid of hundredths.
constexpr int kScales[] = {1, 10, 100};

bool AllWhole(const std::vector<double>& lengths, int scale) {
  for (double length : lengths) {
    const double scaled = length * scale;
    if (std::fabs(scaled - std::round(scaled)) > kWholeTolerance * scale) return false;
  }
  return true;
}

}  // namespace

std::optional<int> WholeScale(const std::vector<double>& lengths) {
  for (int scale : kScales) {
    if (AllWhole(lengths, scale)) return scale;
  }
  return std::nullopt;
}

int UnitsDown(double length, double unit) {
  return WholeNumberWithin(std::floor(length / unit + kWholeTolerance), INT_MIN, INT_MAX)
      .value_or(INT_MAX);
}

int UnitsUp(double length, double unit) {
  return WholeNumberWithin(std::ceil(length / unit - kWholeTolerance), INT_MIN, INT_MAX)
      .value_or(INT_MAX);
}

}  // namespace lumora
