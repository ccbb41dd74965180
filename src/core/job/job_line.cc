#include "core/job/job_line.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/base/number_text.h"
#include "core/job/job_tables.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

// Whether the grid has the row and stores it.
bool Holds(const Grid& grid, RowId id) {
  const int row = grid.RowOf(id);
  return row > 0 && !RowIsBlank(grid, row);
}

}  // namespace

int RowQuantity(const Grid& grid, int row) {
  const double qty = std::floor(ReadDouble(grid.Text(row, size_col::kQty)));
  return static_cast<int>(std::clamp(qty, 0.0, static_cast<double>(kMostLineNumber)));
}

const std::vector<SheetFlaw>& JobLine::Flaws(RowId stock_row) const {
  static const std::vector<SheetFlaw> kNone;
  const auto found = flaws_.find(stock_row);
  return found == flaws_.end() ? kNone : found->second;
}

void JobLine::SetFlaws(RowId stock_row, std::vector<SheetFlaw> flaws) {
  if (flaws.empty()) {
    flaws_.erase(stock_row);
  } else {
    flaws_[stock_row] = std::move(flaws);
  }
}

std::optional<GlassStack> JobLine::Stack(RowId glass_row) const {
  const auto found = stacks_.find(glass_row);
  if (found == stacks_.end()) return std::nullopt;
  return found->second;
}

void JobLine::SetStack(RowId glass_row, const std::optional<GlassStack>& stack) {
  if (stack) {
    stacks_[glass_row] = *stack;
  } else {
    stacks_.erase(glass_row);
  }
}

bool JobLine::HasFlaws(const Grid& sheet) const {
  return std::any_of(flaws_.begin(), flaws_.end(),
                     [&sheet](const auto& entry) { return Holds(sheet, entry.first); });
}

bool JobLine::Any(const Grid& sheet, const Grid& glass) const {
  if (settings_ || HasFlaws(sheet)) return true;
  for (const auto& [row, stack] : stacks_) {
    if (Holds(glass, row)) return true;
  }
  return false;
}

}  // namespace lumora
