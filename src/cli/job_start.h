#ifndef LUMORA_CLI_JOB_START_H_
#define LUMORA_CLI_JOB_START_H_

#include <optional>
#include <ostream>
#include <string>

#include "cli/arguments.h"
#include "core/job/job.h"
#include "core/job/job_check.h"

// What the commands that start an optimization share: the job opened in a workspace of the data
// folder, and the start sequence answered without a person.
namespace lumora::cli {

// A job opened for one command. Its working files live in the data folder under a fresh start
// stamp and are removed when the value goes.
class CommandJob {
 public:
  CommandJob() = default;
  ~CommandJob();
  CommandJob(const CommandJob&) = delete;
  CommandJob& operator=(const CommandJob&) = delete;

  // Resolves and seeds the data folder (--data-dir, else as ResolveDataFolder says) and opens
  // the job file in coil mode when coil is set or the file name ends in ".sdr", else in sheet
  // mode. Message boxes of the opening (the earlier-version notice, stored layouts that break
  // the layout rules) go to the prompter.
  // Returns the message to show when the data folder or the job file cannot be used.
  std::optional<std::string> Open(const std::string& file_name,
                                  const std::optional<std::string>& data_dir, bool coil,
                                  Prompter& prompter);

  // Opens a command's one job file (its first positional argument) with the command's
  // --data-dir and --coil, and shows lengths in --unit when the command was given one.
  std::optional<std::string> Open(const Arguments& parsed, Prompter& prompter);

  // A new job as "&New" makes it: from the "Defaults" job of the command's data folder when it
  // has one. Returns the message to show when the data folder or "Defaults" cannot be used.
  std::optional<std::string> OpenNew(const Arguments& parsed, Prompter& prompter);

  Job& job() { return job_; }

 private:
  // Makes the job, of that mode, in a workspace it claims in the data folder.
  void Claim(const std::string& folder, bool coil);

  Job job_;
  bool opened_ = false;
};

// Whether the command's --unit, when it was given, names a unit ("MM" or "IN").
bool UnitOptionValid(const Arguments& parsed);

// Runs StartOptimization on the job, answering through the prompter (an AnsweringPrompter on
// the command line). When the run would start, prints the trim allowance and the BLADE written
// into Basic Details to out.
CheckResult RunStartSequence(Job& job, Prompter& prompter, std::ostream& out);

}  // namespace lumora::cli

#endif  // LUMORA_CLI_JOB_START_H_
