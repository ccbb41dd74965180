#ifndef LUMORA_CORE_SHELL_JOB_RECOVERY_H_
#define LUMORA_CORE_SHELL_JOB_RECOVERY_H_

#include <optional>
#include <string>
#include <string_view>

#include "core/base/prompter.h"
#include "core/job/job.h"

// Nothing typed is lost when the program dies: while the desktop has a job with unsaved changes
// open, the job is kept in the data folder's recovery folder, saved as every job file is, with a
// record of the run that kept it. A normal end of the job removes what was kept; the next start
// after a crash or a power cut finds the job of a run that is gone and offers it back.
namespace lumora {

inline constexpr std::string_view kRecoveryFolder = "recovery";
inline constexpr std::string_view kRecoverQuestion = "Recover the job you were working on?";
// How often the desktop keeps the job being edited.
inline constexpr int kRecoveryIntervalSeconds = 60;

// A job a run kept: the job file, the record beside it and what the record says.
struct KeptJob {
  std::string job_path;     // <data>/recovery/<stamp>.opt, .sdr in coil mode
  std::string record_path;  // <data>/recovery/<stamp>.lst
  std::string file_name;    // the job's own file; empty for a job never saved
  std::string saved_at;     // when it was kept, "dd/mm/yyyy hh:mm" local time
  bool coil_mode = false;
};

// Now, local time, as a KeptJob's saved_at.
std::string RecoveryTimeNow();

// Keeps the job of this run when it has unsaved changes, replacing what the run kept before,
// and removes what was kept when it has none. Answers what could not be written.
std::optional<std::string> KeepJobForRecovery(Job& job, std::string_view saved_at);

// Removes what this run kept: the job is saved, closed or given up.
void DropKeptJob(const Workspace& workspace);

// The job kept by the run that saved last among the runs that are gone; never one of a run
// still running.
std::optional<KeptJob> FindRecoverableJob(const std::string& data_folder);

// kRecoverQuestion with the job's file (or "New job") and when it was saved.
std::string RecoverQuestionText(const KeptJob& kept);

// Once the kept job file is open in the job: it becomes an unsaved change of its own file
// again, and what was kept is removed.
void AdoptRecoveredJob(Job& job, const KeptJob& kept);

// Removes what a run kept, unopened.
void DiscardKeptJob(const KeptJob& kept);

}  // namespace lumora

#endif  // LUMORA_CORE_SHELL_JOB_RECOVERY_H_
