#ifndef LUMORA_CORE_DEEP_KEPT_LEFTOVER_H_
#define LUMORA_CORE_DEEP_KEPT_LEFTOVER_H_

#include "core/engine2d/engine_records.h"

// "Keep one leftover": the unused part of a result's last sheet kept as one rectangle, as a
// glass line leaves the rest of its last plate for the next job. Beyond the farthest piece, on
// the side that leaves the larger rectangle across the whole usable width, the leftovers and
// full cuts give way to one leftover, parted from the pieces by one full cut.
namespace lumora {

// Changes the last layout of the result (engine coordinates, its stocks as prepared) and answers
// whether it did. A side is taken only where the first-stage cuts run across it, where the kept
// rectangle and any leftover it cuts short keep both sides at least min_side (B (MM) in sheet
// mode), and where the rectangle is larger than nothing.
bool KeepOneLeftover(ElementList& elements, const StockList& stocks, float min_side);

}  // namespace lumora

#endif  // LUMORA_CORE_DEEP_KEPT_LEFTOVER_H_
