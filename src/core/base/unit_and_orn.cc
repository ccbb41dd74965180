#include "core/base/unit_and_orn.h"

namespace lumora {

Unit ReadUnit(std::string_view text) {
  if (text == "MM") return Unit::kMm;
  if (text == "IN") return Unit::kIn;
  return Unit::kOther;
}

std::string_view UnitText(Unit unit) {
  switch (unit) {
    case Unit::kMm:
      return "MM";
    case Unit::kIn:
      return "IN";
    case Unit::kOther:
      break;
  }
  return {};
}

Orn OrnOfNumber(float value) {
  if (value == 0.0f) return Orn::kEither;
  if (value == 1.0f) return Orn::kL2AlongX;
  if (value == 2.0f) return Orn::kL1AlongX;
  return Orn::kNeither;
}

float OrnNumber(Orn orn) { return static_cast<float>(static_cast<int>(orn)); }

bool OrnAllows(Orn orn, int orientation) {
  if (orientation != 1 && orientation != 2) return false;
  return orn == Orn::kEither || static_cast<int>(orn) == orientation;
}

}  // namespace lumora
