#include <iostream>
#include <optional>
#include <string>

#include "cli/answering_prompter.h"
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/job_start.h"
#include "core/base/ascii_case.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/cuts/breakout_settings.h"
#include "core/cuts/cut_settings.h"
#include "core/engine2d/engine_records.h"
#include "core/exports/layouts_dxf.h"
#include "core/layouts/dia_settings.h"
#include "core/reports/layout_print.h"
#include "core/reports/layouts_load.h"
#include "core/tables/table_file.h"
#include "render/layout_images.h"

namespace lumora::cli {
namespace {

constexpr int kDefaultWidth = 1600;
constexpr int kMaxWidth = 20000;

constexpr Option kOptions[] = {
    {"--layout", "N", "Draws layout N (default 1)."},
    {"--all", "", "Prints every layout on its own page (.pdf), or draws them all (.dxf).",
     OptionUse::kOrPrevious},
    kUnitOption,
    kCoilOption,
    kDataDirOption,
    {"--width", "PX", "The image's width in pixels, 1 to 20000 (default 1600)."},
    {"-o", "FILE", "The file to write: .png, .svg, .pdf or .dxf (every layout, millimetres).",
     OptionUse::kRequired},
};

enum class Output { kPng, kSvg, kPdf, kDxf };

std::optional<Output> OutputOf(const std::string& file) {
  if (EndsWithIgnoringCase(file, ".png")) return Output::kPng;
  if (EndsWithIgnoringCase(file, ".svg")) return Output::kSvg;
  if (EndsWithIgnoringCase(file, ".pdf")) return Output::kPdf;
  if (EndsWithIgnoringCase(file, ".dxf")) return Output::kDxf;
  return std::nullopt;
}

}  // namespace

const OptionTable kRenderOptions = kOptions;

int RunRender(const Arguments& parsed) {
  const std::optional<std::string> out = parsed.Value("-o");
  const std::optional<Output> output = out ? OutputOf(*out) : std::nullopt;
  if (parsed.positional.size() != 1 || !output || !UnitOptionValid(parsed) ||
      (parsed.Has("--all") && parsed.Value("--layout"))) {
    return Fail(kExitUsage, parsed.usage);
  }
  if (parsed.Has("--all") && *output != Output::kPdf && *output != Output::kDxf) {
    return Fail(kExitUsage, "--all prints every layout on its own page: it needs a .pdf file");
  }
  if (*output == Output::kDxf && parsed.Value("--layout")) {
    return Fail(kExitUsage, "a .dxf file holds every layout: use --all");
  }
  std::optional<int> width;
  std::optional<int> layout;
  for (const auto& error : {ReadWholeOption(parsed, "--width", 1, kMaxWidth, width),
                            ReadWholeOption(parsed, "--layout", 1, kMaxListCount, layout)}) {
    if (error) return Fail(kExitUsage, *error);
  }

  AnsweringPrompter prompter(std::cerr, false);
  CommandJob command_job;
  if (const auto error = command_job.Open(parsed, prompter)) return Fail(kExitUsage, *error);
  Job& job = command_job.job();
  const ReportPaths paths = WorkingReportPaths(job.workspace);
  const LayoutsLoad load = LoadLayouts(job, paths);
  if (!load.error.empty()) return Fail(kExitUsage, load.error);
  const LoadedResult& result = load.view.result;

  const int layout_no = layout.value_or(1);
  if (layout_no > result.LayoutCount()) {
    return Fail(kExitUsage, "there is no layout " + GeneralText(layout_no) + ": the result has " +
                                GeneralText(result.LayoutCount()));
  }

  LayoutLook look;
  look.settings = LoadDiaSettings(job.workspace, DiaSettings{});
  look.unit = ReportUnit(job);
  look.scrap = JobScrapCriteria(job);
  look.cuts = LoadCutSettings(job.workspace);
  look.breakout_numbers = LoadBreakoutSettings(job.workspace).numbers;

  std::string bytes;
  if (*output == Output::kDxf) {
    DxfExport dxf = LayoutsDxf(result, look.scrap);
    if (!dxf.error.empty()) return Fail(kExitUsage, dxf.error);
    bytes = std::move(dxf.bytes);
  } else if (*output == Output::kPng) {
    bytes = LayoutPngBytes(result, layout_no, look, width.value_or(kDefaultWidth));
  } else if (*output == Output::kSvg) {
    bytes = LayoutSvgBytes(result, layout_no, look, width.value_or(kDefaultWidth));
  } else {
    LayoutPrintJob print;
    print.result = &result;
    print.look = look;
    print.report = ReadFileBytes(paths.report, kTableFileLimit).value_or("");
    print.section_positions = load.view.section_positions;
    print.item = result.basic.item;
    print.job_file = job.file_name;
    print.month_first_date = TodayMonthFirst();
    if (parsed.Has("--all")) {
      for (int n = 1; n <= result.LayoutCount(); ++n) print.layouts.push_back(n);
    } else {
      print.layouts.push_back(layout_no);
    }
    const std::optional<std::string> pdf = LayoutPdfBytes(print);
    if (!pdf) return Fail(kExitUsage, "could not start the PDF writer");
    bytes = *pdf;
  }
  if (bytes.empty()) return Fail(kExitUsage, "could not draw " + *out);
  if (const auto error = WriteFileAtomically(*out, bytes)) {
    return Fail(kExitUsage, "could not write " + *out + ": " + *error);
  }
  return kExitOk;
}

}  // namespace lumora::cli
