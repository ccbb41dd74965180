#ifndef LUMORA_CORE_ENGINE2D_ALTERNATE_RUN_H_
#define LUMORA_CORE_ENGINE2D_ALTERNATE_RUN_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/workspace.h"
#include "core/engine2d/engine_input.h"
#include "core/engine2d/engine_records.h"

// The alternate run: the pieces of one layout laid out anew on one piece of its stock with a
// single placement pattern, by the driver's passes with fewer choices.
namespace lumora {

// The alternate run's own text for an empty glass list; the other checks are the driver's.
inline constexpr std::string_view kAlternateNoGlassMessage = "No valid GLASS SIZES specfied.";

// The passes of an alternate run: 64 per glass size.
int32_t AlternatePasses(int glass_count);
// The first pass of an alternate run whose candidates use the random phase: the first k with
// 3 * k > total.
int32_t AlternateFirstRandomPass(int32_t total_passes);

struct AlternateRunResult {
  // The check message when the run was refused; then nothing else holds.
  std::string refusal;
  // The first arrangement found that takes every piece on one stock piece, in file
  // coordinates; empty when no pass found one.
  ElementList best;
};

// Runs the alternate run with the given pattern over stock and glass lists as written for it
// (sizes as typed, the quantities to lay out), the basic details and objective read from the
// job's grids. The random sequence starts from 2000 once for the whole run, so that the same
// input always gives the same answer. In coil mode the layout's coil (the stock with a
// quantity) is taken as long as the pieces need; the other coils stay out of reach.
AlternateRunResult AlternateRun(const EngineJob& job, StockList stocks, GlassList glasses,
                                int pattern, float trim_allowance);

// AlternateRun over the workspace's s.tlf and c.tlf; unless it was refused, the answer
// (possibly empty) replaces dia.tlf. A file that cannot be written is told in `refusal`.
AlternateRunResult AlternateRunFromFiles(const EngineJob& job, const Workspace& workspace,
                                         int pattern, float trim_allowance);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_ALTERNATE_RUN_H_
