#include <iostream>

#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/result_job.h"
#include "cli/table_output.h"
#include "core/exports/export_tables.h"
#include "core/reports/layouts_load.h"
#include "core/reports/weights.h"

namespace lumora::cli {
namespace {

constexpr Option kOptions[] = {
    kCsvOption, kTableFileOption, kUnitOption, kCoilOption, kDataDirOption,
};

}  // namespace

const OptionTable kBreakoutOptions = kOptions;

int RunBreakout(const Arguments& parsed) {
  ResultJob result_job;
  if (const auto error = result_job.Open(parsed)) return Fail(kExitUsage, *error);
  const Job& job = result_job.job();
  const LoadedResult& result = result_job.result();
  const Weighing weighing = ResultWeighing(result, job.workspace);
  const PieceTable pieces = BreakoutExportTable(result, ReportUnit(job), weighing);
  if (!pieces.error.empty()) return Fail(kExitUsage, pieces.error);
  if (!weighing.known) std::cerr << StdoutText(MissingDensityText(result.basic.item)) << "\n";
  return OutputTables(parsed, {pieces.table});
}

}  // namespace lumora::cli
