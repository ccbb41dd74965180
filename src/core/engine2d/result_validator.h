#ifndef LUMORA_CORE_ENGINE2D_RESULT_VALIDATOR_H_
#define LUMORA_CORE_ENGINE2D_RESULT_VALIDATOR_H_

#include <string>
#include <vector>

#include "core/engine2d/engine_input.h"
#include "core/engine2d/engine_records.h"

// Checks a result against its job, whichever engine made it or however it was edited: every
// layout on a stock the job has, pieces inside the usable area with their size (kerf included)
// and an orientation their ORN allows, no two pieces closer than the cut width, every layout
// cut edge to edge stage after stage, every piece wanted placed exactly once, no more sheets
// than there are, and in sheet mode no leftover with a side below B (MM).
namespace lumora {

// The problems found, one sentence each naming the layout; empty for a valid result.
// `prepared` is the job as a run prepares it (kerf added, sorted) and `elements` are in engine
// coordinates.
std::vector<std::string> ValidateEngineResult(const EngineInput& prepared, float trim_allowance,
                                              bool coil_mode, const ElementList& elements);

// The same for a result as dia.tlf holds it (file coordinates) against the job's grids; for a
// job that knows its glass line, also every rule of the line (RecoverLineTree,
// ValidateCuttingTree), each finding naming the glass row's piece or the cut.
std::vector<std::string> ValidateResult(const EngineJob& job, float trim_allowance,
                                        const ElementList& dia);

// The rules of the job's glass line a result (file coordinates) breaks, each naming the piece or
// the cut, as the table would cut the result; the job's line settings or their defaults.
std::vector<std::string> LineRuleFindings(const EngineJob& job, const ElementList& dia);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_RESULT_VALIDATOR_H_
