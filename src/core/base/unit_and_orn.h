#ifndef LUMORA_CORE_BASE_UNIT_AND_ORN_H_
#define LUMORA_CORE_BASE_UNIT_AND_ORN_H_

#include <string_view>

// The two coded values the job and settings files hold as text or numbers: the unit setting
// and a glass size's ORN. They are read into these types where a file or grid is read and
// written back from them, so that the logic never compares their texts.
namespace lumora {

// The unit setting. kOther before the first job is opened, or when misc.set holds neither
// "MM" nor "IN".
enum class Unit { kOther, kMm, kIn };

// "MM" and "IN" as written; kOther for any other text.
Unit ReadUnit(std::string_view text);
// "MM", "IN", or empty for kOther.
std::string_view UnitText(Unit unit);

// A glass size's ORN: the orientations its pieces may lie in. Orientation 1 lays the piece's L2
// along X, orientation 2 its L1. Any number but 0, 1 and 2 allows neither, so such a piece is
// never placed (the checks refuse it before a run).
enum class Orn { kNeither = -1, kEither = 0, kL2AlongX = 1, kL1AlongX = 2 };

// The ORN of a number as the files hold it: 0, 1 and 2 exactly, anything else kNeither.
Orn OrnOfNumber(float value);
// The number the files hold: 0, 1, 2, and -1 for kNeither.
float OrnNumber(Orn orn);
// Whether a piece may lie in the orientation; only 1 and 2 are orientations.
bool OrnAllows(Orn orn, int orientation);

}  // namespace lumora

#endif  // LUMORA_CORE_BASE_UNIT_AND_ORN_H_
