#include <iostream>

#include "cli/answering_prompter.h"
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/job_start.h"
#include "core/exports/job_export.h"

namespace lumora::cli {
namespace {

constexpr Option kOptions[] = {
    {"-o", "FILE", "The file to write: .xlsx a workbook with a sheet per table, else CSV.",
     OptionUse::kRequired},
    {"--what", "PARTS",
     "glass, stock, report, balances, cuts, weights, comma separated (default: all the job "
     "has)."},
    kUnitOption,
    kCoilOption,
    kDataDirOption,
};

}  // namespace

const OptionTable kExportOptions = kOptions;

int RunExport(const Arguments& parsed) {
  const std::optional<std::string> out = parsed.Value("-o");
  if (parsed.positional.size() != 1 || !out || !UnitOptionValid(parsed)) {
    return Fail(kExitUsage, parsed.usage);
  }
  std::optional<std::vector<ExportPart>> parts;
  if (const auto what = parsed.Value("--what")) {
    parts = ParseExportParts(*what);
    if (!parts) {
      return Fail(kExitUsage,
                  "--what takes glass, stock, report, balances, cuts, weights: " + *what);
    }
  }
  AnsweringPrompter prompter(std::cerr, false);
  CommandJob command_job;
  if (const auto error = command_job.Open(parsed, prompter)) return Fail(kExitUsage, *error);
  const Job& job = command_job.job();
  const JobExport tables = BuildJobExport(job, parts.value_or(AvailableExportParts(job)));
  if (!tables.error.empty()) return Fail(kExitUsage, tables.error);
  if (const auto error = WriteExportFile(tables.tables, *out)) return Fail(kExitUsage, *error);
  for (const ExportTable& table : tables.tables) {
    std::cout << table.name << ": " << table.rows.size() << " rows\n";
  }
  return kExitOk;
}

}  // namespace lumora::cli
