#include <iostream>

#include "cli/answering_prompter.h"
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/job_start.h"
#include "core/layouts/layouts_load.h"
#include "core/layouts/loaded_result.h"
#include "core/reports/labels.h"
#include "core/tables/file_routines.h"

namespace lumora::cli {

int RunLabels(const std::vector<std::string>& args) {
  constexpr std::string_view kUsage =
      "usage: labels JOB [--unit MM|IN] [-o FILE] [--coil] [--data-dir DIR]";
  Arguments parsed;
  if (const auto error =
          ParseArguments(args, {{"--unit", "-o", "--data-dir"}, {"--coil"}}, parsed)) {
    return Fail(kExitUsage, *error);
  }
  const std::optional<std::string> unit = parsed.Value("--unit");
  if (parsed.positional.size() != 1 || (unit && *unit != "MM" && *unit != "IN")) {
    return Fail(kExitUsage, kUsage);
  }
  AnsweringPrompter prompter(std::cerr, false);
  CommandJob command_job;
  if (const auto error = command_job.Open(parsed.positional[0], parsed.Value("--data-dir"),
                                          parsed.Has("--coil"), prompter)) {
    return Fail(kExitUsage, *error);
  }
  Job& job = command_job.job();
  if (unit) job.settings.unit = *unit;

  const ResultLoad load = LoadResult(job);
  if (!load.error.empty()) return Fail(kExitUsage, load.error);
  const std::optional<std::string> definition =
      ReadFileBytes(job.workspace.SettingsFile(kLabelDefinitionFileName));
  const LabelFile labels =
      ComposeLabels(load.result, ReadLabelGrid(definition.value_or("")), ReportUnit(job));
  if (!labels.error.empty()) return Fail(kExitUsage, labels.error);
  const std::string out = parsed.Value("-o").value_or(std::string(kLabelFileName));
  if (const auto reason = WriteFileAtomically(out, labels.bytes)) {
    return Fail(kExitUsage, "Could not save " + out + ": " + *reason);
  }
  return kExitOk;
}

}  // namespace lumora::cli
