#include <iostream>

#include "cli/answering_prompter.h"
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/job_start.h"
#include "core/base/field_reader.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/job/job_file.h"
#include "core/job/job_tables.h"
#include "core/library/balance_export.h"
#include "core/library/library_files.h"
#include "core/library/material_library.h"
#include "core/library/stock_import.h"
#include "core/reports/balance_table.h"
#include "core/reports/layouts_load.h"
#include "core/shell/data_folder.h"
#include "core/tables/table_file.h"

namespace lumora::cli {
namespace {

constexpr Option kOptions[] = {kDataDirOption};

int Merge(const Arguments& parsed) {
  if (!parsed.positional.empty()) return Fail(kExitUsage, parsed.usage);
  const std::string folder = ResolveDataFolder(parsed.Value("--data-dir"));
  if (const auto error = SeedDataFolder(folder)) return Fail(kExitUsage, *error);
  const std::string path = Workspace{folder, ""}.SettingsFile(kMaterialLibraryFile);
  const auto before = ReadFileBytes(path, kTableFileLimit);
  if (!before) {
    std::cout << path << ": no material library\n";
    return kExitOk;
  }
  if (const auto reason = MergeLibrary(path)) {
    return Fail(kExitUsage, SaveFailureText({path, *reason}));
  }
  std::cout << path << ": " << GeneralText(CountLines(*before)) << " record(s), "
            << GeneralText(CountLines(ReadFileBytes(path, kTableFileLimit).value_or("")))
            << " after merging\n";
  return kExitOk;
}

int Import(const Arguments& parsed) {
  if (parsed.positional.size() != 1) return Fail(kExitUsage, parsed.usage);
  const std::string& file = parsed.positional[0];
  AnsweringPrompter prompter(std::cout, false);
  CommandJob command_job;
  if (const auto error = command_job.Open(file, parsed.Value("--data-dir"), false, prompter)) {
    return Fail(kExitUsage, *error);
  }
  Job& job = command_job.job();
  const ImportResult result =
      ImportStock(job.workspace, job.basic, job.sheet, job.settings, prompter, {});
  switch (result.outcome) {
    case ImportOutcome::kImported:
      return SaveJob(job, file, prompter) ? kExitOk : kExitUsage;
    case ImportOutcome::kNotFound:
    case ImportOutcome::kSelectItem:
      return Fail(kExitRefused, "no stock of item '" + job.basic.Text(1, basic_col::kItem) +
                                    "' in " + job.workspace.SettingsFile(kMaterialLibraryFile));
    case ImportOutcome::kDeclined:
    case ImportOutcome::kFailed:
      break;
  }
  return kExitUsage;
}

// The balance export of the Balance And Scrap Table: the job's leftovers into the library, the
// sheets it used out of it.
int Export(const Arguments& parsed) {
  if (parsed.positional.size() != 1) return Fail(kExitUsage, parsed.usage);
  AnsweringPrompter prompter(std::cout, false);
  CommandJob command_job;
  if (const auto error =
          command_job.Open(parsed.positional[0], parsed.Value("--data-dir"), false, prompter)) {
    return Fail(kExitUsage, *error);
  }
  Job& job = command_job.job();
  const LayoutsLoad load = LoadLayouts(job, WorkingReportPaths(job.workspace));
  if (!load.error.empty()) return Fail(kExitUsage, load.error);
  return ExportBalances(job, LoadBalanceTableGrid(job.workspace), prompter) ==
                 ExportOutcome::kExported
             ? kExitOk
             : kExitUsage;
}

}  // namespace

const OptionTable kLibraryOptions = kOptions;

int RunLibrary(const Arguments& parsed) {
  if (parsed.positional.empty()) return Fail(kExitUsage, parsed.usage);
  Arguments action_arguments = parsed;
  action_arguments.positional.erase(action_arguments.positional.begin());
  const std::string& action = parsed.positional.front();
  if (action == "merge") return Merge(action_arguments);
  if (action == "import") return Import(action_arguments);
  if (action == "export") return Export(action_arguments);
  return Fail(kExitUsage, parsed.usage);
}

}  // namespace lumora::cli
