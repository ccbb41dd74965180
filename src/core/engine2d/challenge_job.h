#ifndef LUMORA_CORE_ENGINE2D_CHALLENGE_JOB_H_
#define LUMORA_CORE_ENGINE2D_CHALLENGE_JOB_H_

#include <optional>
#include <string>

#include "core/engine2d/cutting_line.h"
#include "core/job/job.h"

namespace lumora {

// Makes the job's stock, glass and line data the batch of a line problem whose lengths are
// millimetres, as a challenge instance's are: a Sheet row for each run of sheets of one size
// with their flaws, a Glass row for each piece (its id as SR.NO, ORN 1 where it may not turn,
// in its stack at its place), and the rules as the "Cutting Line" settings. The challenge cuts
// without a kerf: KERF becomes 0, and B (MM) the least waste width. Answers why not, changing
// nothing, when the grids cannot hold the batch.
std::optional<std::string> LoadLineProblem(Job& job, const LineProblem& problem);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_CHALLENGE_JOB_H_
