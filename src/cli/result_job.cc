#include "cli/result_job.h"

#include <iostream>
#include <utility>

#include "cli/answering_prompter.h"

namespace lumora::cli {

std::optional<std::string> ResultJob::Open(const Arguments& parsed) {
  if (parsed.positional.size() != 1 || !UnitOptionValid(parsed)) return parsed.usage;
  AnsweringPrompter prompter(std::cerr, false);
  if (const auto error = command_job_.Open(parsed, prompter)) return error;
  ResultLoad load = LoadResult(command_job_.job());
  if (!load.error.empty()) return std::move(load.error);
  result_ = std::move(load.result);
  return std::nullopt;
}

}  // namespace lumora::cli
