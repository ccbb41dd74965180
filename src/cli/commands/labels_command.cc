#include <iostream>

#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/result_job.h"
#include "core/base/file_routines.h"
#include "core/layouts/loaded_result.h"
#include "core/racks/workspace_racks.h"
#include "core/reports/label_codes.h"
#include "core/reports/label_pages.h"
#include "core/reports/layout_print.h"
#include "core/reports/layouts_load.h"
#include "render/coded_label_print.h"
#include "render/label_pdf.h"

namespace lumora::cli {

namespace {

constexpr Option kOptions[] = {
    kUnitOption,
    {"-o", "FILE", "Writes the labels to FILE (default lbl.tlf; with --pdf only when given)."},
    {"--pdf", "FILE",
     "Prints the labels to the PDF file FILE (with the additions of lblcode.set and "
     "breakout.set)."},
    kCoilOption,
    kDataDirOption,
};

}  // namespace

const OptionTable kLabelsOptions = kOptions;

int RunLabels(const Arguments& parsed) {
  ResultJob result_job;
  if (const auto error = result_job.Open(parsed)) return Fail(kExitUsage, *error);
  Job& job = result_job.job();
  const LoadedResult& result = result_job.result();

  const LabelFile labels = ComposeWorkspaceLabels(result, job.workspace, ReportUnit(job));
  if (!labels.error.empty()) return Fail(kExitUsage, labels.error);

  const std::optional<std::string> pdf_file = parsed.Value("--pdf");
  // With --pdf the label text is only kept when -o asks for it.
  if (!pdf_file || parsed.Value("-o")) {
    const std::string out = parsed.Value("-o").value_or(std::string(kLabelFileName));
    if (const auto error = SaveFile(out, labels.bytes)) return Fail(kExitUsage, *error);
  }
  if (!pdf_file) return kExitOk;
  if (labels.bytes.empty()) return Fail(kExitUsage, "The result has no pieces to label.");
  std::optional<std::string> pdf;
  if (LabelsHaveAdditions(job.workspace)) {
    const CodedLabels coded =
        WorkspaceCodedLabels(result, job.workspace, ReportUnit(job), FileTitle(job.file_name));
    if (!coded.error.empty()) return Fail(kExitUsage, coded.error);
    pdf = CodedLabelPdfBytes(coded.labels, WorkspaceLabelGrid(job.workspace),
                             LoadLabelCodeSettings(job.workspace));
  } else {
    pdf = LabelPdfBytes(labels.bytes);
  }
  if (!pdf) return Fail(kExitUsage, "could not start the PDF writer");
  if (const auto error = SaveFile(*pdf_file, *pdf)) return Fail(kExitUsage, *error);
  return kExitOk;
}

}  // namespace lumora::cli
