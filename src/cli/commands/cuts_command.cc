#include <iostream>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/result_job.h"
#include "core/base/number_text.h"
#include "core/cuts/cut_list.h"
#include "core/engine2d/engine_records.h"
#include "core/layouts/loaded_result.h"
#include "core/reports/layouts_load.h"

namespace lumora::cli {
namespace {

constexpr Option kOptions[] = {
    {"--layout", "N", "Lists the cuts of layout N only (the totals stay those of the job)."},
    {"--csv", "", "Prints one CSV line per cut, lengths in millimetres."},
    kUnitOption,
    kCoilOption,
    kDataDirOption,
};

}  // namespace

const OptionTable kCutsOptions = kOptions;

int RunCuts(const Arguments& parsed) {
  ResultJob result_job;
  if (const auto error = result_job.Open(parsed)) return Fail(kExitUsage, *error);
  const LoadedResult& result = result_job.result();

  std::optional<int> layout;
  if (const auto error = ReadWholeOption(parsed, "--layout", 1, kMaxListCount, layout)) {
    return Fail(kExitUsage, *error);
  }
  if (layout && *layout > result.LayoutCount()) {
    return Fail(kExitUsage, "there is no layout " + GeneralText(*layout) + ": the result has " +
                                GeneralText(result.LayoutCount()));
  }
  const int only = layout.value_or(0);
  const ResultCuts cuts = CutOrderOfResult(result);
  std::cout << (parsed.Has("--csv") ? CutsCsv(cuts, only)
                                    : CutsText(cuts, only, ReportUnit(result_job.job())));
  return kExitOk;
}

}  // namespace lumora::cli
