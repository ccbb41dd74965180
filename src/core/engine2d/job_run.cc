#include "core/engine2d/job_run.h"

#include "core/base/file_routines.h"
#include "core/engine2d/result_files.h"
#include "core/engine2d/result_validator.h"

namespace lumora {

EngineJob EngineJobOf(const Job& job) {
  return EngineJob{.basic = job.basic,
                   .sheet = job.sheet,
                   .glass = job.glass,
                   .coil_mode = job.settings.coil_mode,
                   .maximum_yield_checked = job.maximum_yield,
                   .minimum_layouts_checked = job.minimum_layouts,
                   .line = &job.line};
}

OptimizationSettings JobRunSettings(const Job& job) {
  OptimizationSettings settings;
  settings.efficiency = FileExists(job.workspace.SettingsFile("misc.set")) ? job.settings.efficiency
                                                                           : kDefaultEfficiency;
  settings.trim_allowance = job.settings.trim_allowance;
  settings.resume_pass = job.settings.resume_pass;
  if (settings.resume_pass > 0) {
    settings.saved_result = ReadLayoutFile(job.workspace.WorkingFile(kLayoutFileName)).elements;
  }
  return settings;
}

std::optional<std::string> StoreRunResult(Job& job, const OptimizationResult& result) {
  if (result.end == OptimizationEnd::kRefused) return std::nullopt;
  const std::string path = job.workspace.WorkingFile(kLayoutFileName);
  if (const auto error = WriteLayoutFile(path, result.best)) {
    job.settings.resume_pass = 0;
    return SaveFailureText({path, *error});
  }
  job.settings.resume_pass = result.resume_pass;
  if (result.best.Empty()) return std::nullopt;
  const std::vector<std::string> problems =
      ValidateResult(EngineJobOf(job), job.settings.trim_allowance, result.best);
  if (problems.empty()) return std::nullopt;
  return ProblemList(kRunResultBreaksRules, problems);
}

}  // namespace lumora
