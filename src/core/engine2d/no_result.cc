#include "core/engine2d/no_result.h"

#include <algorithm>
#include <utility>

#include "core/base/number_text.h"

namespace lumora {
namespace {

// More names than this make the line longer than the window shows.
constexpr size_t kMostSizesNamed = 5;

std::string SizeText(const GlassRecord& glass) {
  return GeneralText(glass.l1_as_read) + " x " + GeneralText(glass.l2_as_read);
}

std::string NeverPlaced(const GlassList& glasses, const std::vector<bool>& placed) {
  std::vector<std::string> names;
  bool any_placed = false;
  for (int g = 1; g <= glasses.Count(); ++g) {
    if (!(glasses[g].qty > 0)) continue;  // merged onto another record
    if (placed[static_cast<size_t>(g)]) {
      any_placed = true;
      continue;
    }
    const std::string name = SizeText(glasses[g]);
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  if (!any_placed) return "no glass piece could be placed";
  if (names.empty()) return "";
  std::string text = "glass sizes never placed: ";
  for (size_t i = 0; i < std::min(names.size(), kMostSizesNamed); ++i) {
    text += (i == 0 ? "" : ", ") + names[i];
  }
  if (names.size() > kMostSizesNamed) {
    text += " and " + GeneralText(static_cast<int>(names.size() - kMostSizesNamed)) + " more";
  }
  return text;
}

}  // namespace

NoResultEvidence::NoResultEvidence(const GlassList& glasses)
    : glasses_(glasses), placed_(static_cast<size_t>(glasses.Count()) + 1, false) {}

void NoResultEvidence::Note(const PassOutcome& outcome) {
  noted_ = true;
  for (const LayoutElement& element : outcome.result) {
    if (element.kind > 0 && element.kind < static_cast<int>(placed_.size())) {
      placed_[static_cast<size_t>(element.kind)] = true;
    }
  }
  stock_used_up_ |= outcome.shortfall == PassShortfall::kStockUsedUp;
  nothing_fits_ |= outcome.shortfall == PassShortfall::kNothingFits;
  narrow_balance_ |= outcome.shortfall == PassShortfall::kNarrowBalance;
}

std::string NoResultEvidence::Explanation(float b_mm, bool coil_mode, int16_t efficiency) const {
  std::vector<std::string> reasons;
  if (!noted_) reasons.push_back("EFF " + GeneralText(efficiency) + " runs no pass");
  if (std::string never = NeverPlaced(glasses_, placed_); noted_ && !never.empty()) {
    reasons.push_back(std::move(never));
  }
  const std::string stock = coil_mode ? "coil" : "sheet";
  if (narrow_balance_) {
    reasons.push_back("no layout for the glass left keeps every balance side at least B (MM) " +
                      GeneralText(b_mm));
  }
  if (nothing_fits_) {
    reasons.push_back("the glass left fits no " + stock +
                      " left once margins and trim allowance are taken off");
  }
  if (stock_used_up_) reasons.push_back("the " + stock + "s ran out");
  std::string text = "No complete result: ";
  for (size_t i = 0; i < reasons.size(); ++i) text += (i == 0 ? "" : "; ") + reasons[i];
  return text + ".";
}

}  // namespace lumora
