// A fuzzed dia.tlf read against a fixed optimized job: it loads as a result, from which the
// report (a section per layout), the balance table and the labels are made, or it is told as not
// optimized or damaged; read once as the sheet job and once as a coil job.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/base/file_routines.h"
#include "core/engine2d/job_run.h"
#include "core/job/job.h"
#include "core/job/job_file.h"
#include "core/layouts/loaded_result.h"
#include "core/reports/balance_table.h"
#include "core/reports/labels.h"
#include "core/reports/report.h"
#include "fuzz_support.h"

namespace lumora::fuzz {
namespace {

Job FixedJob() {
  const Workspace workspace{ScratchDataFolder(), "3.5"};
  const std::string file_name = workspace.SettingsFile("fixed.opt");
  Require(!WriteFileAtomically(file_name, TestDataBytes("reports/sheet_job.opt")).has_value());
  Job job = MakeJob(workspace, ProgramSettings{});
  AgreeingPrompter prompter;
  Require(OpenJob(job, file_name, prompter));
  return job;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace
}  // namespace lumora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumora;
  static const Job job = fuzz::FixedJob();
  static const EngineJob sheet_job = EngineJobOf(job);
  static const EngineJob coil_job{job.basic, job.sheet, job.glass, true};
  for (const EngineJob* engine_job : {&sheet_job, &coil_job}) {
    const ResultLoad load = LoadResultFromBytes(*engine_job, fuzz::BytesOf(data, size));
    if (!load.error.empty()) {
      fuzz::Require(load.error == kNotOptimizedMessage ||
                    fuzz::StartsWith(load.error, kDamagedLayoutPrefix));
      continue;
    }
    const ScrapLimits scrap{300, 100};
    for (const Unit unit : {Unit::kMm, Unit::kIn}) {
      const Report report = GenerateReport(load.result, unit, scrap);
      fuzz::Require(report.section_positions.Count() == load.result.LayoutCount());
      BalanceTableBytes(load.result, unit, scrap);
      ComposeLabels(load.result, LabelGrid{2, 2, 1, 30, 1, 1}, unit);
    }
  }
  return 0;
}
