// A job file of any bytes: cut into its sections, and opened into a job of a scratch data
// folder, which either loads it or says why not; a loaded job saves again, opens again with the
// same line data, and goes through the checks before a run.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/base/file_routines.h"
#include "core/job/job.h"
#include "core/job/job_check.h"
#include "core/job/job_file.h"
#include "core/job/job_sections.h"
#include "core/job/line_table.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumora;
  const std::string_view bytes = fuzz::BytesOf(data, size);
  SplitJobFile(bytes);

  const Workspace workspace{fuzz::ScratchDataFolder(), "2.5"};
  const std::string file_name = workspace.SettingsFile("fuzzed.opt");
  fuzz::Require(!WriteFileAtomically(file_name, std::string(bytes)).has_value());
  Job job = MakeJob(workspace, ProgramSettings{});
  fuzz::AgreeingPrompter prompter;
  if (OpenJob(job, file_name, prompter)) {
    fuzz::Require(job.basic.Rows() >= 2 && job.sheet.Rows() >= 2 && job.glass.Rows() >= 2);
    fuzz::Require(SaveJob(job, workspace.SettingsFile("saved.opt"), prompter));
    Job saved = MakeJob(workspace, ProgramSettings{});
    fuzz::Require(OpenJob(saved, workspace.SettingsFile("saved.opt"), prompter));
    fuzz::Require(LineTableBytes(saved.line, saved.sheet, saved.glass) ==
                  LineTableBytes(job.line, job.sheet, job.glass));
    job.settings.trim_allowance = TrimAllowance(job.basic);
    CheckJob(job, prompter);
  }
  return 0;
}
