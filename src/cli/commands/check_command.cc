#include <iostream>

#include "cli/answering_prompter.h"
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/job_start.h"
#include "core/base/number_text.h"
#include "core/layouts/loaded_result.h"

namespace lumora::cli {

namespace {

constexpr Option kOptions[] = {
    {"--result", "",
     "Checks the job's stored layouts against the layout rules instead, one line a problem."},
    kCoilOption,
    kDataDirOption,
    kStrictOption};

// A result that breaks a rule of belonging to the job does not load: only these two remain.
std::string_view RuleName(ResultRule rule) { return rule == ResultRule::kCuts ? "cuts" : "plan"; }

// Whether the stored layouts keep the layout rules: what a cutter needs (cuts) and what a run
// promises (plan), which a hand edit may change.
int CheckStoredResult(const Arguments& parsed) {
  AnsweringPrompter prompter(std::cerr, false);
  CommandJob command_job;
  if (const auto error = command_job.Open(parsed, prompter)) return Fail(kExitUsage, *error);
  const ResultLoad load = LoadResult(command_job.job());
  if (!load.error.empty()) return Fail(kExitUsage, load.error);
  const std::vector<ResultProblem>& problems = load.result.problems;
  for (const ResultProblem& problem : problems) {
    std::cout << RuleName(problem.rule) << ": " << StdoutText(problem.text) << "\n";
  }
  const int count = static_cast<int>(problems.size());
  std::cout << GeneralText(load.result.LayoutCount()) << " layouts, " << GeneralText(count)
            << (count == 1 ? " problem\n" : " problems\n");
  return problems.empty() ? kExitOk : kExitRefused;
}

}  // namespace

const OptionTable kCheckOptions = kOptions;

int RunCheck(const Arguments& parsed) {
  if (parsed.positional.size() != 1) {
    return Fail(kExitUsage, parsed.usage);
  }
  if (parsed.Has("--result")) return CheckStoredResult(parsed);
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
