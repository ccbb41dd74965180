#ifndef LUMORA_CLI_RESULT_JOB_H_
#define LUMORA_CLI_RESULT_JOB_H_

#include <optional>
#include <string>
#include <string_view>

#include "cli/arguments.h"
#include "cli/job_start.h"
#include "core/layouts/loaded_result.h"

namespace lumora::cli {

// The job of a command that reads an optimized job's result (report, labels, cuts): opened
// for the command and its result loaded.
class ResultJob {
 public:
  // Checks that the command got one job file and a --unit of MM or IN if any (else answers the
  // command's usage), opens the job and loads its result. Message boxes of the opening go to
  // stderr: stdout carries what the command prints. Answers the message to fail with when the
  // job cannot be opened or holds no sound result.
  std::optional<std::string> Open(const Arguments& parsed);

  Job& job() { return command_job_.job(); }
  const LoadedResult& result() const { return result_; }

 private:
  CommandJob command_job_;
  LoadedResult result_;
};

}  // namespace lumora::cli

#endif  // LUMORA_CLI_RESULT_JOB_H_
