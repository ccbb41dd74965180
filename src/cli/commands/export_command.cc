#include <iostream>
#include <string>

#include "cli/answering_prompter.h"
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/job_start.h"
#include "core/base/field_reader.h"
#include "core/base/file_routines.h"
#include "core/engine2d/challenge_export.h"
#include "core/engine2d/job_run.h"
#include "core/engine2d/result_files.h"
#include "core/exports/job_export.h"

namespace lumora::cli {
namespace {

constexpr Option kOptions[] = {
    {"-o", "FILE", "The file to write: .xlsx a workbook with a sheet per table, else CSV.",
     OptionUse::kRequired},
    {"--what", "PARTS",
     "glass, stock, report, balances, cuts, weights, comma separated (default: all the job "
     "has); or\n"
     "      cutting-tree: the result as the 2018 ROADEF/EURO challenge's cutting tree."},
    kUnitOption,
    kCoilOption,
    kDataDirOption,
};

// The job's result as the challenge's cutting tree.
int ExportTree(const Job& job, const std::string& out) {
  const LayoutFileRead dia =
      ReadLayoutFile(job.workspace.WorkingFile(std::string(kLayoutFileName)));
  if (!dia.damage.empty()) return Fail(kExitUsage, "The layout file is damaged: " + dia.damage);
  const CuttingTreeExport tree = ExportCuttingTree(EngineJobOf(job), dia.elements);
  if (!tree.error.empty()) return Fail(kExitUsage, tree.error);
  if (const auto error = WriteFileAtomically(out, tree.bytes)) return Fail(kExitUsage, *error);
  std::cout << "cutting tree: " << CountLines(tree.bytes) - 1 << " nodes\n";
  return kExitOk;
}

}  // namespace

const OptionTable kExportOptions = kOptions;

int RunExport(const Arguments& parsed) {
  const std::optional<std::string> out = parsed.Value("-o");
  if (parsed.positional.size() != 1 || !out || !UnitOptionValid(parsed)) {
    return Fail(kExitUsage, parsed.usage);
  }
  const bool tree = parsed.Value("--what") == "cutting-tree";
  std::optional<std::vector<ExportPart>> parts;
  if (const auto what = parsed.Value("--what"); what && !tree) {
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
  if (tree) return ExportTree(job, *out);
  const JobExport tables = BuildJobExport(job, parts.value_or(AvailableExportParts(job)));
  if (!tables.error.empty()) return Fail(kExitUsage, tables.error);
  if (const auto error = WriteExportFile(tables.tables, *out)) return Fail(kExitUsage, *error);
  for (const ExportTable& table : tables.tables) {
    std::cout << table.name << ": " << table.rows.size() << " rows\n";
  }
  return kExitOk;
}

}  // namespace lumora::cli
