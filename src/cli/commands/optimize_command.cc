#include <unistd.h>

#include <cstdint>
#include <iostream>
#include <optional>
#include <string>

#include "cli/answering_prompter.h"
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/job_start.h"
#include "cli/progress_bar.h"
#include "core/base/number_text.h"
#include "core/deep/deep_optimization.h"
#include "core/deep/deep_progress.h"
#include "core/deep/deep_settings_file.h"
#include "core/engine2d/job_run.h"
#include "core/engine2d/line_job.h"
#include "core/engine2d/optimization.h"
#include "core/job/job_file.h"
#include "core/library/leftover_stock.h"
#include "core/reports/layouts_load.h"

namespace lumora::cli {
namespace {

constexpr Option kOptions[] = {
    kOutJobOption,
    kCoilOption,
    {"--eff", "N", "The run's efficiency instead of the data folder's."},
    {"--objective", "yield|layouts", "Maximum yield or minimum layouts instead of the job's."},
    {"--threads", "N", "Computes N passes at once, 1 to 1024 (default: one per core)."},
    {"--stop-after-pass", "K", "Stops the run after pass K, as Stop does."},
    {"--resume", "K", "Resumes a stopped run from pass K with the job's result."},
    {"--engine", "standard|deep",
     "The standard passes (the default) or the deep optimization beyond them."},
    {"--time-limit", "S", "Deep: seconds to search (default: deep.set of the data folder, 30)."},
    {"--budget", "N", "Deep: exactly N search steps instead of a time limit (repeatable)."},
    {"--seed", "N", "Deep: the seed of the search's random draws (default 1)."},
    {"--verbose", "", "Deep: prints what the search did: its steps, rejected results, times."},
    {"--leftovers-first", "on|off",
     "Deep: \"Use leftovers first\" for this run instead of leftover.set's."},
    {"--keep-one-leftover", "on|off",
     "Deep: \"Keep one leftover\" for this run instead of leftover.set's."},
    kDataDirOption,
    kStrictOption,
    {"--quiet", "", "Shows no progress bar (it is only shown on a terminal)."},
};

struct OptimizeOptions {
  std::string job_file;
  std::string out_file;
  std::optional<int16_t> efficiency;
  std::optional<Objective> objective;
  int threads = 0;
  std::optional<int32_t> stop_after_pass;
  std::optional<int32_t> resume_pass;
  bool deep = false;
  std::optional<double> time_limit;
  int64_t budget = 0;
  uint64_t seed = 1;
  std::optional<bool> leftovers_first;
  std::optional<bool> keep_one_leftover;
};

// An on|off option, left unset when it is not given.
std::optional<std::string> ReadSwitchOption(const Arguments& parsed, const std::string& name,
                                            std::optional<bool>& value) {
  const auto text = parsed.Value(name);
  if (!text) return std::nullopt;
  if (*text != "on" && *text != "off") return name + " is on or off, not '" + *text + "'";
  value = *text == "on";
  return std::nullopt;
}

std::optional<std::string> ReadOptions(const Arguments& parsed, OptimizeOptions& options) {
  if (parsed.positional.size() != 1) return parsed.usage;
  options.job_file = parsed.positional[0];
  options.out_file = parsed.Value("-o").value_or(options.job_file);

  std::optional<int> efficiency, threads, stop_after, resume, time_limit, budget, seed;
  for (const auto& error :
       {ReadWholeOption(parsed, "--eff", INT16_MIN, INT16_MAX, efficiency),
        ReadWholeOption(parsed, "--threads", 1, 1024, threads),
        ReadWholeOption(parsed, "--stop-after-pass", 1, INT32_MAX, stop_after),
        ReadWholeOption(parsed, "--resume", 0, INT32_MAX, resume),
        ReadWholeOption(parsed, "--time-limit", static_cast<int>(kMinDeepSeconds),
                        static_cast<int>(kMaxDeepSeconds), time_limit),
        ReadWholeOption(parsed, "--budget", 1, INT32_MAX, budget),
        ReadWholeOption(parsed, "--seed", 0, INT32_MAX, seed),
        ReadSwitchOption(parsed, "--leftovers-first", options.leftovers_first),
        ReadSwitchOption(parsed, "--keep-one-leftover", options.keep_one_leftover)}) {
    if (error) return error;
  }
  if (const auto engine = parsed.Value("--engine")) {
    if (*engine != "standard" && *engine != "deep") {
      return "--engine is standard or deep, not '" + *engine + "'";
    }
    options.deep = *engine == "deep";
  }
  if (time_limit) options.time_limit = static_cast<double>(*time_limit);
  if (budget) options.budget = *budget;
  if (seed) options.seed = static_cast<uint64_t>(*seed);
  if (efficiency) options.efficiency = static_cast<int16_t>(*efficiency);
  if (threads) options.threads = *threads;
  if (stop_after) options.stop_after_pass = static_cast<int32_t>(*stop_after);
  if (resume) options.resume_pass = static_cast<int32_t>(*resume);

  if (const auto objective = parsed.Value("--objective")) {
    if (*objective == "yield") {
      options.objective = Objective::kMaximumYield;
    } else if (*objective == "layouts") {
      options.objective = Objective::kMinimumLayouts;
    } else {
      return "--objective is yield or layouts, not '" + *objective + "'";
    }
  }
  return std::nullopt;
}

// The main window's status bar after a run, as the report of the written result sets it; the
// texts of a job without a result when no pass placed every piece.
std::string StatusLine(const Job& job) {
  const ResultStatus result = ResultStatusTexts(job);
  if (!result.error.empty()) return "Overall Yield (%) = NA  Total Layouts = NA  Profit = NA";
  return result.status.yield + "  " + result.status.layouts + "  " + result.status.profit;
}

}  // namespace

const OptionTable kOptimizeOptions = kOptions;

int RunOptimize(const Arguments& parsed) {
  OptimizeOptions options;
  if (const auto error = ReadOptions(parsed, options)) return Fail(kExitUsage, *error);

  AnsweringPrompter prompter(std::cout, parsed.Has("--strict"));
  CommandJob command_job;
  if (const auto error = command_job.Open(parsed, prompter)) return Fail(kExitUsage, *error);
  Job& job = command_job.job();
  if (!options.deep && HasLineData(EngineJobOf(job))) {
    std::cout << kNeedsDeepMessage << " Give --engine deep.\n";
    return kExitRefused;
  }
  if (options.objective) {
    job.maximum_yield = *options.objective == Objective::kMaximumYield;
    job.minimum_layouts = !job.maximum_yield;
  }
  if (!RunStartSequence(job, prompter, std::cout).start) {
    std::cout << "The run did not start.\n";
    return kExitRefused;
  }

  // The job file's result stands for the one a stopped run left in the open job.
  if (options.resume_pass) job.settings.resume_pass = *options.resume_pass;
  OptimizationSettings settings = JobRunSettings(job);
  if (options.efficiency) settings.efficiency = *options.efficiency;
  settings.threads = options.threads;

  const bool show_progress = !parsed.Has("--quiet") && isatty(STDERR_FILENO) == 1;
  ProgressBar bar(std::cerr);
  int32_t last_pass = 0;
  OptimizationCallbacks callbacks;
  callbacks.progress = [&](const ProgressFigures& figures) {
    last_pass = figures.pass;
    if (show_progress) bar.Update(figures);
  };
  callbacks.stop_requested = [&] {
    return options.stop_after_pass && last_pass >= *options.stop_after_pass;
  };
  OptimizationResult result;
  std::string figures;
  if (options.deep) {
    DeepSettings deep;
    deep.time_limit_seconds = options.time_limit.value_or(ReadDeepSeconds(job.workspace));
    deep.budget = options.budget;
    deep.seed = options.seed;
    deep.threads = options.threads;
    deep.trim_allowance = settings.trim_allowance;
    LeftoverSettings leftovers = ReadLeftoverSettings(job.workspace);
    leftovers.use_leftovers_first = options.leftovers_first.value_or(leftovers.use_leftovers_first);
    leftovers.keep_one_leftover = options.keep_one_leftover.value_or(leftovers.keep_one_leftover);
    ApplyLeftoverSettings(job, leftovers, deep);
    DeepCallbacks deep_callbacks;
    deep_callbacks.progress = [&](const DeepProgress& progress) {
      if (show_progress) bar.Update(DeepProgressFigures(progress, job.settings.coil_mode));
    };
    const DeepResult deep_result = RunDeepOptimization(EngineJobOf(job), deep, deep_callbacks);
    result = deep_result.result;
    if (parsed.Has("--verbose")) figures = DeepFiguresText(deep_result.figures) + "\n";
  } else {
    result = RunOptimization(EngineJobOf(job), settings, callbacks);
  }
  bar.Finish();
  std::cout << figures << result.message << "\n";
  if (result.end == OptimizationEnd::kRefused) return kExitDriverCheck;

  if (const auto error = StoreRunResult(job, result)) return Fail(kExitUsage, *error);
  if (!SaveJob(job, options.out_file, prompter)) return kExitUsage;
  std::cout << StatusLine(job) << "\n";
  return result.best.Empty() ? kExitNoResult : kExitOk;
}

}  // namespace lumora::cli
