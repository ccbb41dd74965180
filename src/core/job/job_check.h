#ifndef LUMORA_CORE_JOB_JOB_CHECK_H_
#define LUMORA_CORE_JOB_JOB_CHECK_H_

#include <string>

#include "core/base/prompter.h"
#include "core/job/job.h"
#include "core/tables/grid.h"

// The start of an optimization: the trim allowance, "BLADE", and the checks of the stock and
// glass tables with their questions and refusals.
namespace lumora {

// The job grid that should get the focus after the checks.
enum class JobGridId { kNone, kBasic, kSheet, kGlass };

struct CheckResult {
  bool start = false;
  // The grid to focus; its current row is already the offending row where there is one.
  JobGridId focus = JobGridId::kNone;
};

// The trim allowance of a Basic Details grid: the numeric value of "T (MM)" plus 0.001, added
// in double and rounded once to float.
float TrimAllowance(const Grid& basic);

// The "BLADE" text: the general text of 2 t + the largest stock side + 1, summed in float.
std::string BladeText(float trim_allowance, float largest_stock_side);

// Examines the job before a run, in order: a Sheet or Glass grid without data rows starts at
// once; coil rows get "QTY" "99999"; every 0 among L1, L2, QTY of a stock row and then of a
// glass row asks whether to proceed; "BLADE" is written; the first glass row that does not fit
// the largest stock side, the first usable glass row whose size plus the kerf is not bigger
// than the trim allowance, the first glass row no stock can take, in sheet mode a B (MM) above
// the smaller usable side of every sheet (the cursor on B (MM)), the first stock and then glass
// quantity above 99999 and a glass area above the stock area refuse; finally "Start
// OPTIMIZATION?". Uses the trim allowance of the settings.
CheckResult CheckJob(Job& job, Prompter& prompter);

// "&Start Optimization" up to the run: sets the trim allowance, saves the job as the working
// tmp.tlf (a failure is told and refuses), runs CheckJob, and when it answers start, sets the
// job changed flag. The desktop closes the result views before it calls this, and runs the
// optimization, "Save As..." and the Layouts and Report views after a start.
CheckResult StartOptimization(Job& job, Prompter& prompter);

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_JOB_CHECK_H_
