#include "core/reports/layouts_load.h"

#include <optional>
#include <utility>

#include "core/base/file_routines.h"
#include "core/reports/balance_table.h"

namespace lumora {

ReportPaths WorkingReportPaths(const Workspace& workspace) {
  return ReportPaths{workspace.WorkingFile(kBalanceTableFileName),
                     workspace.WorkingFile(kReportFileName),
                     workspace.WorkingFile(kSheetsUsedFileName)};
}

ReportPaths ReportPathsIn(const std::string& folder) {
  const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  return ReportPaths{prefix + std::string(kBalanceTableFileName),
                     prefix + std::string(kReportFileName),
                     prefix + std::string(kSheetsUsedFileName)};
}

Unit ReportUnit(const Job& job) { return job.settings.unit == Unit::kIn ? Unit::kIn : Unit::kMm; }

ScrapLimits JobScrapCriteria(const Job& job) {
  return GetScrapCriteria(ReadScrapCriteria(job.workspace));
}

LayoutsLoad LoadLayouts(const Job& job, const ReportPaths& paths) {
  ResultLoad load = LoadResult(job);
  if (!load.error.empty()) return LayoutsLoad{{}, std::move(load.error)};

  const Unit unit = ReportUnit(job);
  const ScrapLimits scrap = JobScrapCriteria(job);
  const std::string balance_table = BalanceTableBytes(load.result, unit, scrap);
  Report report = GenerateReport(load.result, unit, scrap);

  LayoutsLoad layouts;
  const std::pair<const std::string&, const std::string&> files[] = {
      {paths.balance_table, balance_table},
      {paths.report, report.report},
      {paths.sheets_used, report.sheets_adj}};
  for (const auto& [path, bytes] : files) {
    if (auto error = SaveFile(path, bytes)) {
      layouts.error = std::move(*error);
      return layouts;
    }
  }
  layouts.view.result = std::move(load.result);
  layouts.view.section_positions = std::move(report.section_positions);
  layouts.view.status = StatusBarTexts(report.figures);
  return layouts;
}

ResultStatus ResultStatusTexts(const Job& job) {
  const ResultLoad load = LoadResult(job);
  if (!load.error.empty()) return ResultStatus{{}, load.error};
  const Report report = GenerateReport(load.result, ReportUnit(job), JobScrapCriteria(job));
  return ResultStatus{StatusBarTexts(report.figures), {}};
}

}  // namespace lumora
