#include <filesystem>
#include <iostream>
#include <system_error>

#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/result_job.h"
#include "core/base/file_routines.h"
#include "core/reports/layouts_load.h"
#include "core/tables/table_file.h"

namespace lumora::cli {
namespace {

constexpr Option kOptions[] = {
    kUnitOption,
    kCoilOption,
    {"--out-dir", "DIR",
     "Writes the three files into DIR, made if missing (default: the current folder)."},
    kDataDirOption,
};

}  // namespace

const OptionTable kReportOptions = kOptions;

int RunReport(const Arguments& parsed) {
  // A damaged result writes nothing, not even the folder.
  ResultJob result_job;
  if (const auto error = result_job.Open(parsed)) return Fail(kExitUsage, *error);
  Job& job = result_job.job();

  const std::string out_dir = parsed.Value("--out-dir").value_or(".");
  std::error_code made;
  std::filesystem::create_directories(out_dir, made);
  if (made) return Fail(kExitUsage, "cannot make the folder " + out_dir + ": " + made.message());
  const ReportPaths paths = ReportPathsIn(out_dir);
  const LayoutsLoad load = LoadLayouts(job, paths);
  if (!load.error.empty()) return Fail(kExitUsage, load.error);
  const std::optional<std::string> report = ReadFileBytes(paths.report, kTableFileLimit);
  if (!report) return Fail(kExitUsage, "cannot read " + paths.report);
  std::cout << StdoutText(*report);
  std::cerr << load.view.status.yield << "\n"
            << load.view.status.layouts << "\n"
            << load.view.status.profit << "\n";
  return kExitOk;
}

}  // namespace lumora::cli
