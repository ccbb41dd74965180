#include <iostream>

#include "cli/answering_prompter.h"
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/job_start.h"

namespace lumora::cli {

namespace {

constexpr Option kOptions[] = {kCoilOption, kDataDirOption, kStrictOption};

}  // namespace

const OptionTable kCheckOptions = kOptions;

int RunCheck(const Arguments& parsed) {
  if (parsed.positional.size() != 1) {
    return Fail(kExitUsage, parsed.usage);
  }
  AnsweringPrompter prompter(std::cout, parsed.Has("--strict"));
  CommandJob command_job;
  if (const auto error = command_job.Open(parsed, prompter)) return Fail(kExitUsage, *error);
  if (!RunStartSequence(command_job.job(), prompter, std::cout).start) {
    std::cout << "The run would not start.\n";
    return kExitRefused;
  }
  std::cout << "The run would start.\n";
  return kExitOk;
}

}  // namespace lumora::cli
