#include "core/shell/job_recovery.h"

#include <ctime>
#include <filesystem>
#include <sstream>
#include <system_error>
#include <vector>

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/job/job_file.h"
#include "core/shell/crashed_runs.h"

namespace lumora {
namespace {

// A record holds three short lines; anything longer is not one of ours.
constexpr size_t kRecordLimit = 64 * 1024;

namespace fs = std::filesystem;

std::string Folder(const std::string& data_folder) {
  return (fs::path(data_folder) / kRecoveryFolder).string();
}

std::string KeptFile(const Workspace& workspace, std::string_view extension) {
  return Folder(workspace.data_folder) + "/" + workspace.stamp + std::string(extension);
}

// Keeps the first message SaveJob tells instead of showing it, for the caller to tell.
class KeptMessage : public Prompter {
 public:
  PromptAnswer Ask(const Prompt& prompt) override {
    if (!text.has_value()) text = prompt.text;
    return prompt.default_answer;
  }
  std::optional<std::string> text;
};

// The lines of a record: the claim of the run that kept the job, the job's file, the time.
std::vector<std::string> RecordLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::istringstream in(bytes);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string TwoDigits(int value) { return FormatNumber(static_cast<float>(value), "00"); }

}  // namespace

std::string RecoveryTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return TwoDigits(local.tm_mday) + "/" + TwoDigits(local.tm_mon + 1) + "/" +
         GeneralText(local.tm_year + 1900) + " " + TwoDigits(local.tm_hour) + ":" +
         TwoDigits(local.tm_min);
}

std::optional<std::string> KeepJobForRecovery(Job& job, std::string_view saved_at) {
  const Workspace& workspace = job.workspace;
  if (!job.settings.job_changed) {
    DropKeptJob(workspace);
    return std::nullopt;
  }
  std::error_code error;
  fs::create_directories(Folder(workspace.data_folder), error);
  if (error) return SaveFailureText({Folder(workspace.data_folder), error.message()});
  KeptMessage told;
  if (!SaveJob(job, KeptFile(workspace, job.settings.coil_mode ? ".sdr" : ".opt"), told)) {
    return told.text;
  }
  std::string claim = ClaimRecord();
  while (!claim.empty() && (claim.back() == '\n' || claim.back() == '\r')) claim.pop_back();
  return SaveFile(KeptFile(workspace, ".lst"),
                  claim + "\r\n" + job.file_name + "\r\n" + std::string(saved_at) + "\r\n");
}

// A kept file that cannot be removed is offered again at the next start, where it shows.
void DropKeptJob(const Workspace& workspace) {
  // The record goes first: a job file without one is never offered.
  for (const char* extension : {".lst", ".opt", ".sdr"}) {
    std::error_code offered_again;
    fs::remove(KeptFile(workspace, extension), offered_again);
  }
}

std::optional<KeptJob> FindRecoverableJob(const std::string& data_folder) {
  std::optional<KeptJob> latest;
  fs::file_time_type latest_time;
  std::error_code error;
  for (fs::directory_iterator it(Folder(data_folder), error), end; !error && it != end;
       it.increment(error)) {
    const fs::path record = it->path();
    if (record.extension() != ".lst") continue;
    const std::optional<std::string> bytes = ReadFileBytes(record.string(), kRecordLimit);
    if (!bytes) continue;
    const std::vector<std::string> lines = RecordLines(*bytes);
    if (lines.size() < 3 || !ClaimerIsGone(lines[0])) continue;
    KeptJob kept;
    kept.record_path = record.string();
    kept.file_name = lines[1];
    kept.saved_at = lines[2];
    for (const bool coil : {false, true}) {
      fs::path job = record;
      job.replace_extension(coil ? ".sdr" : ".opt");
      if (FileExists(job.string())) {
        kept.job_path = job.string();
        kept.coil_mode = coil;
      }
    }
    std::error_code no_time;
    const fs::file_time_type time = fs::last_write_time(record, no_time);
    if (kept.job_path.empty() || (latest && time <= latest_time)) continue;
    latest = std::move(kept);
    latest_time = time;
  }
  return latest;
}

std::string RecoverQuestionText(const KeptJob& kept) {
  return std::string(kRecoverQuestion) + "\n\n" +
         (kept.file_name.empty() ? std::string("New job") : kept.file_name) + ", saved " +
         kept.saved_at;
}

void AdoptRecoveredJob(Job& job, const KeptJob& kept) {
  job.file_name = kept.file_name;
  job.settings.job_changed = true;
  DiscardKeptJob(kept);
}

void DiscardKeptJob(const KeptJob& kept) {
  for (const std::string& path : {kept.record_path, kept.job_path}) {
    std::error_code offered_again;
    fs::remove(path, offered_again);
  }
}

}  // namespace lumora
