#include <cstdint>
#include <iostream>
#include <optional>
#include <string>

#include "cli/answering_prompter.h"
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/job_start.h"
#include "core/base/number_text.h"
#include "core/job/job_file.h"
#include "core/layouts/alternate_arrangement.h"
#include "core/reports/layouts_load.h"

namespace lumora::cli {
namespace {

constexpr Option kOptions[] = {
    {"--layout", "L", "The layout to arrange anew.", OptionUse::kRequired},
    {"--tries", "N", "How many times Try Next is chosen before Keep (default 0)."},
    kCoilOption,
    kOutJobOption,
    kDataDirOption,
};

// A dialog button's caption without its access-key mark.
std::string ButtonText(AlternateChoice choice) {
  std::string text(kAlternateChoiceCaptions[static_cast<size_t>(choice)]);
  std::erase(text, '&');
  return text;
}

}  // namespace

const OptionTable kAlternateOptions = kOptions;

int RunAlternate(const Arguments& parsed) {
  if (parsed.positional.size() != 1 || !parsed.Value("--layout"))
    return Fail(kExitUsage, parsed.usage);
  std::optional<int> layout_option;
  std::optional<int> tries_option;
  for (const auto& error : {ReadWholeOption(parsed, "--layout", 1, kMaxListCount, layout_option),
                            ReadWholeOption(parsed, "--tries", 0, kMaxListCount, tries_option)}) {
    if (error) return Fail(kExitUsage, *error);
  }
  const int layout_no = layout_option.value_or(1);
  const int tries = tries_option.value_or(0);
  const std::string job_file = parsed.positional[0];

  AnsweringPrompter prompter(std::cout, false);
  CommandJob command_job;
  if (const auto error = command_job.Open(parsed, prompter)) return Fail(kExitUsage, *error);
  Job& job = command_job.job();
  ResultLoad load = LoadResult(job);
  if (!load.error.empty()) return Fail(kExitUsage, load.error);
  if (layout_no > load.result.LayoutCount()) {
    return Fail(kExitUsage, "--layout " + GeneralText(layout_no) + ": the result has " +
                                GeneralText(load.result.LayoutCount()) + " layouts");
  }

  if (const auto error = BeginAlternateArrangement(job.workspace, load.result.elements)) {
    return Fail(kExitUsage, *error);
  }
  int16_t pattern_counter = 0;
  for (int round = 0; round <= tries; ++round) {
    const AlternateSearch search =
        SearchAlternateArrangement(job, load.result, layout_no, pattern_counter, prompter);
    if (!search.error.empty()) return Fail(kExitUsage, search.error);
    // Every pattern was tried: the next round could find nothing either.
    if (!search.found) return kExitRefused;
    const AlternateChoice choice =
        round < tries ? AlternateChoice::kTryNext : AlternateChoice::kKeep;
    std::cout << AlternateCaption(pattern_counter) << ": " << ButtonText(choice) << "\n";
    load = LoadResult(job);
    if (!load.error.empty()) return Fail(kExitUsage, load.error);
  }

  if (!SaveJob(job, parsed.Value("-o").value_or(job_file), prompter)) return kExitUsage;
  const ResultStatus status = ResultStatusTexts(job);
  std::cout << status.status.yield << "  " << status.status.layouts << "  " << status.status.profit
            << "\n";
  return kExitOk;
}

}  // namespace lumora::cli
