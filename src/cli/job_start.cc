#include "cli/job_start.h"

#include "core/base/ascii_case.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/base/unit_and_orn.h"
#include "core/job/job_file.h"
#include "core/job/job_sections.h"
#include "core/job/job_tables.h"
#include "core/layouts/loaded_result.h"
#include "core/shell/data_folder.h"
#include "core/shell/start_stamp_claim.h"

namespace lumora::cli {
CommandJob::~CommandJob() {
  if (opened_) job_.workspace.RemoveWorkingFiles();
}

void CommandJob::Claim(const std::string& folder, bool coil) {
  ProgramSettings settings;
  settings.coil_mode = coil;
  job_ = MakeJob(Workspace{folder, ClaimStartStampNow(folder)}, settings);
  opened_ = true;
}

std::optional<std::string> CommandJob::Open(const std::string& file_name,
                                            const std::optional<std::string>& data_dir, bool coil,
                                            Prompter& prompter) {
  const std::string folder = ResolveDataFolder(data_dir);
  if (const auto error = SeedDataFolder(folder)) return error;
  // Read once before the workspace is claimed, so that a wrong path is told with its reason.
  const FileRead read = ReadFile(file_name, kJobFileLimit);
  if (!read.bytes) return "cannot read the job file " + file_name + ": " + read.reason;
  Claim(folder, coil || EndsWithIgnoringCase(file_name, ".sdr"));
  if (!OpenJob(job_, file_name, prompter)) return "cannot read the job file " + file_name;
  job_.file_name = file_name;
  TellStoredLayoutsNotice(job_, prompter);
  return std::nullopt;
}

std::optional<std::string> CommandJob::Open(const Arguments& parsed, Prompter& prompter) {
  if (const auto error =
          Open(parsed.positional[0], parsed.Value("--data-dir"), parsed.Has("--coil"), prompter)) {
    return error;
  }
  if (const auto unit = parsed.Value("--unit")) job_.settings.unit = ReadUnit(*unit);
  return std::nullopt;
}

std::optional<std::string> CommandJob::OpenNew(const Arguments& parsed, Prompter& prompter) {
  const std::string folder = ResolveDataFolder(parsed.Value("--data-dir"));
  if (const auto error = SeedDataFolder(folder)) return error;
  Claim(folder, parsed.Has("--coil"));
  const std::string defaults = job_.workspace.SettingsFile("Defaults");
  if (FileExists(defaults) && !OpenJob(job_, defaults, prompter)) {
    return "cannot read the job file " + defaults;
  }
  return std::nullopt;
}

bool UnitOptionValid(const Arguments& parsed) {
  const std::optional<std::string> unit = parsed.Value("--unit");
  return !unit || ReadUnit(*unit) != Unit::kOther;
}

CheckResult RunStartSequence(Job& job, Prompter& prompter, std::ostream& out) {
  const CheckResult result = StartOptimization(job, prompter);
  if (result.start) {
    out << "Trim allowance: " << GeneralText(job.settings.trim_allowance)
        << "  BLADE: " << job.basic.Text(1, basic_col::kBlade) << "\n";
  }
  return result;
}

}  // namespace lumora::cli
