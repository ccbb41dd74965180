#include <filesystem>
#include <iostream>

#include "cli/answering_prompter.h"
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/job_start.h"
#include "core/base/delimited_text.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/base/unit_and_orn.h"
#include "core/job/job_file.h"
#include "core/job/list_import_run.h"

namespace lumora::cli {
namespace {

constexpr Option kOptions[] = {
    {"--glass", "FILE", "The glass list to import: comma, semicolon or tab separated text."},
    {"--stock", "FILE", "The stock list to import into the Sheet (Coil) Specifications."},
    {"--map", "MAP", "Columns of the glass list by hand: L1=Width,L2=Height,QTY=3 ..."},
    {"--stock-map", "MAP", "Columns of the stock list by hand, as --map."},
    {"--unit", "MM|IN", "The unit of the lists' lengths (default: their headers, else the job's)."},
    {"--replace", "", "Replaces the rows of the grids instead of adding to them."},
    {"--strict", "", "Refuses lines that do not fit instead of leaving them out."},
    kCoilOption,
    kOutJobOption,
    kDataDirOption,
};

// One list of the command line, imported into its grid; the exit code when it stops the command.
std::optional<int> ImportOne(Job& job, const Arguments& parsed, ListKind kind,
                             const std::string& path, Prompter& prompter) {
  const FileRead read = ReadFile(path, kListFileLimit);
  if (!read.bytes) return Fail(kExitUsage, "cannot read the list " + path + ": " + read.reason);
  const DelimitedText text = ReadDelimitedText(*read.bytes);
  if (!text.error.empty()) return Fail(kExitUsage, path + ": " + text.error);
  const bool glass = kind == ListKind::kGlass;
  Grid& grid = glass ? job.glass : job.sheet;
  ImportMapping mapping = GuessMapping(text, kind, job.settings.unit);
  if (const auto unit = parsed.Value("--unit")) mapping.unit = ReadUnit(*unit);
  if (const auto map = parsed.Value(glass ? "--map" : "--stock-map")) {
    if (const auto error = ApplyMapText(mapping, text, kind, *map)) return Fail(kExitUsage, *error);
  }
  const std::vector<std::string>& targets = ImportTargets(kind);
  std::string shown;
  for (size_t t = 0; t < targets.size(); ++t) {
    if (mapping.columns[t] < 0) continue;
    shown += (shown.empty() ? "" : ", ") + targets[t] + " <- " +
             Latin1ToUtf8(SourceColumnName(text, mapping, mapping.columns[t]));
  }
  if (mapping.columns[0] < 0 || mapping.columns[1] < 0) {
    return Fail(kExitUsage, path + ": no column gives L1 and L2 (" +
                                (shown.empty() ? std::string("none matched") : shown) +
                                "); name them with " + (glass ? "--map" : "--stock-map") +
                                " L1=...,L2=...");
  }
  std::cout << path << ": " << shown << " (lengths in " << UnitText(mapping.unit) << ")\n";
  const ImportRows rows = BuildImportRows(text, mapping, kind, DataHeaders(grid));
  const ImportRun run{kind,
                      mapping.unit,
                      std::filesystem::path(path).filename().string(),
                      parsed.Has("--replace"),
                      job.workspace.WorkingFile("dia.tlf"),
                      {},
                      LoadChargeTable(job.workspace)};
  const int stored = ImportIntoGrid(grid, rows, run, prompter);
  if (stored == 0) return kExitRefused;
  job.settings.job_changed = true;
  std::cout << GeneralText(stored) << " rows imported into the "
            << (glass                    ? "Glass Size Specifications"
                : job.settings.coil_mode ? "Coil Specifications"
                                         : "Sheet Specifications")
            << "\n";
  return std::nullopt;
}

}  // namespace

const OptionTable kImportOptions = kOptions;

int RunImport(const Arguments& parsed) {
  if (parsed.positional.size() != 1 || (!parsed.Value("--glass") && !parsed.Value("--stock")) ||
      !UnitOptionValid(parsed)) {
    return Fail(kExitUsage, parsed.usage);
  }
  AnsweringPrompter prompter(std::cout, parsed.Has("--strict"));
  CommandJob command_job;
  if (const auto error = command_job.Open(parsed, prompter)) return Fail(kExitUsage, *error);
  Job& job = command_job.job();
  for (const auto& [option, kind] :
       {std::pair{"--glass", ListKind::kGlass}, std::pair{"--stock", ListKind::kStock}}) {
    const std::optional<std::string> path = parsed.Value(option);
    if (!path) continue;
    if (const auto exit_code = ImportOne(job, parsed, kind, *path, prompter)) return *exit_code;
  }
  const std::string& job_file = parsed.positional[0];
  return SaveJob(job, parsed.Value("-o").value_or(job_file), prompter) ? kExitOk : kExitUsage;
}

}  // namespace lumora::cli
