#include <iostream>

#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/result_job.h"
#include "cli/table_output.h"
#include "core/base/number_text.h"
#include "core/racks/workspace_racks.h"
#include "core/reports/layouts_load.h"

namespace lumora::cli {
namespace {

constexpr Option kOptions[] = {
    kCsvOption, kTableFileOption, kUnitOption, kCoilOption, kDataDirOption,
};

}  // namespace

const OptionTable kRacksOptions = kOptions;

int RunRacks(const Arguments& parsed) {
  ResultJob result_job;
  if (const auto error = result_job.Open(parsed)) return Fail(kExitUsage, *error);
  const Job& job = result_job.job();
  const LoadedResult& result = result_job.result();
  const WorkspaceRackPlan planned = PlanWorkspaceRacks(result, job.workspace);
  if (!planned.plan.error.empty()) return Fail(kExitUsage, planned.plan.error);
  for (const std::string& note : planned.notes) std::cerr << StdoutText(note) << "\n";
  const int pieces = static_cast<int>(planned.plan.pieces.size());
  std::cerr << GeneralText(pieces) << " pieces: " << GeneralText(pieces - planned.plan.unplaced)
            << " in racks, " << GeneralText(planned.plan.unplaced) << " not racked\n";
  return OutputTables(parsed, RackPlanTables(planned.plan, result, ReportUnit(job)));
}

}  // namespace lumora::cli
