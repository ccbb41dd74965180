#include <iostream>

#include "cli/answering_prompter.h"
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/result_job.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/job/job_file.h"
#include "core/library/recut_job.h"
#include "core/reports/layout_print.h"

namespace lumora::cli {
namespace {

constexpr Option kOptions[] = {
    {"--pieces", "LAYOUT:POS,...",
     "The broken pieces, each by its layout and its position on the layout (as labels name it).",
     OptionUse::kRequired},
    {"-o", "OUT", "The recut job's file (default: JOB's name with -recut, beside it)."},
    kCoilOption,
    kDataDirOption,
};

}  // namespace

const OptionTable kRecutOptions = kOptions;

int RunRecut(const Arguments& parsed) {
  ResultJob result_job;
  if (const auto error = result_job.Open(parsed)) return Fail(kExitUsage, *error);
  Job& job = result_job.job();
  std::string error;
  const auto broken = ParsePiecePlaces(parsed.Value("--pieces").value_or(""), error);
  if (!broken) return Fail(kExitUsage, "--pieces: " + error);
  const RecutJob recut =
      MakeWorkspaceRecutJob(job, result_job.result(), *broken, FileTitle(job.file_name));
  if (!recut.error.empty()) return Fail(kExitUsage, recut.error);
  const std::string out = parsed.Value("-o").value_or(RecutFileName(job));
  if (const auto failure = SaveFile(out, recut.bytes)) return Fail(kExitUsage, *failure);
  // The original job keeps which pieces went to the recut.
  if (const auto failure =
          RecordRecut(job, RecutRecords(result_job.result(), *broken, FileTitle(out)))) {
    return Fail(kExitUsage, *failure);
  }
  AnsweringPrompter prompter(std::cerr, false);
  if (!SaveJob(job, job.file_name, prompter)) return kExitUsage;
  std::cout << out << ": " << GeneralText(recut.pieces) << " piece(s) to cut again, "
            << GeneralText(recut.leftover_rows) << " leftover stock row(s) from the library, "
            << GeneralText(recut.sheet_rows) << " stock row(s) of the job\n";
  return kExitOk;
}

}  // namespace lumora::cli
