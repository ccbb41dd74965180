#include "core/layouts/scrap.h"

#include <utility>

namespace lumora {

ScrapLimits GetScrapCriteria(const ScrapCriteria& stored) {
  ScrapLimits limits{stored.first, stored.second};
  if (limits.larger < limits.smaller) std::swap(limits.larger, limits.smaller);
  return limits;
}

bool IsScrap(float x1, float y1, float x2, float y2, const ScrapLimits& limits) {
  const float w = x2 - x1;
  const float h = y2 - y1;
  if (w <= 0 || h <= 0) return true;
  const float longer = w >= h ? w : h;
  const float shorter = w >= h ? h : w;
  return !(longer > limits.larger && shorter > limits.smaller);
}

}  // namespace lumora
