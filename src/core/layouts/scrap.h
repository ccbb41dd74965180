#ifndef LUMORA_CORE_LAYOUTS_SCRAP_H_
#define LUMORA_CORE_LAYOUTS_SCRAP_H_

#include "core/job/program_settings.h"

// Which leftovers are scrap: both sides are held against the two scrap criteria, the longer
// side against the larger one.
namespace lumora {

struct ScrapLimits {
  float larger = 0;
  float smaller = 0;
};

// The scrap criteria, the larger first whatever order they are stored in.
ScrapLimits GetScrapCriteria(const ScrapCriteria& stored);

// Whether the rectangle is scrap: it is a balance only when it has a positive size and its
// longer side exceeds the larger criterion and its shorter side the smaller one (strictly).
bool IsScrap(float x1, float y1, float x2, float y2, const ScrapLimits& limits);

}  // namespace lumora

#endif  // LUMORA_CORE_LAYOUTS_SCRAP_H_
