#include <iostream>
#include <optional>
#include <string>

#include "cli/answering_prompter.h"
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/job_start.h"
#include "core/cuts/cut_list.h"
#include "core/layouts/layouts_load.h"
#include "core/layouts/loaded_result.h"
#include "core/reports/number_text.h"

namespace lumora::cli {
namespace {

constexpr std::string_view kUsage =
    "usage: cuts JOB [--layout N] [--csv] [--unit MM|IN] [--coil] [--data-dir DIR]";

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
  const std::optional<std::string> unit = parsed.Value("--unit");
  if (parsed.positional.size() != 1 || (unit && *unit != "MM" && *unit != "IN")) {
    return Fail(kExitUsage, kUsage);
  }
  AnsweringPrompter prompter(std::cerr, false);
  CommandJob command_job;
  if (const auto error = command_job.Open(parsed, prompter)) return Fail(kExitUsage, *error);
  Job& job = command_job.job();
  const ResultLoad load = LoadResult(job);
  if (!load.error.empty()) return Fail(kExitUsage, load.error);

  const std::optional<std::string> layout = parsed.Value("--layout");
  const int only = layout ? static_cast<int>(ReadDouble(*layout)) : 0;
  if (layout && (only < 1 || only > load.result.LayoutCount())) {
    return Fail(kExitUsage, "there is no layout " + *layout + ": the result has " +
                                GeneralText(load.result.LayoutCount()));
  }
  const ResultCuts cuts = CutOrderOfResult(load.result);
  std::cout << (parsed.Has("--csv") ? CutsCsv(cuts, only) : CutsText(cuts, only, ReportUnit(job)));
  return kExitOk;
}

}  // namespace lumora::cli
