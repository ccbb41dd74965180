#include "core/exports/job_export.h"

#include <algorithm>

#include "core/base/ascii_case.h"
#include "core/base/file_routines.h"
#include "core/cuts/cut_settings.h"
#include "core/exports/spreadsheet_files.h"
#include "core/reports/layouts_load.h"

namespace lumora {
namespace {

constexpr std::pair<std::string_view, ExportPart> kPartNames[] = {
    {"glass", ExportPart::kGlass},   {"stock", ExportPart::kStock},
    {"report", ExportPart::kReport}, {"balances", ExportPart::kBalances},
    {"cuts", ExportPart::kCuts},     {"weights", ExportPart::kWeights},
};

}  // namespace

std::optional<std::vector<ExportPart>> ParseExportParts(std::string_view text) {
  std::vector<ExportPart> parts;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = std::min(text.find(',', start), text.size());
    const std::string_view name = text.substr(start, comma - start);
    start = comma + 1;
    const auto* found = std::find_if(std::begin(kPartNames), std::end(kPartNames),
                                     [&](const auto& entry) { return entry.first == name; });
    if (found == std::end(kPartNames)) return std::nullopt;
    if (std::find(parts.begin(), parts.end(), found->second) == parts.end()) {
      parts.push_back(found->second);
    }
  }
  return parts;
}

std::vector<ExportPart> AvailableExportParts(const Job& job) {
  if (IsFileEmpty(job.workspace.WorkingFile("dia.tlf"))) {
    return {ExportPart::kGlass, ExportPart::kStock};
  }
  std::vector<ExportPart> parts = {ExportPart::kGlass, ExportPart::kStock, ExportPart::kReport,
                                   ExportPart::kWeights, ExportPart::kBalances};
  if (LoadCutSettings(job.workspace).cut_order) parts.push_back(ExportPart::kCuts);
  return parts;
}

JobExport BuildJobExport(const Job& job, const std::vector<ExportPart>& parts) {
  JobExport result;
  const Unit unit = ReportUnit(job);
  std::optional<ResultLoad> load;
  for (const ExportPart part : parts) {
    switch (part) {
      case ExportPart::kGlass:
        result.tables.push_back(GridExportTable(job.glass, "Glass Size Specifications"));
        continue;
      case ExportPart::kStock:
        result.tables.push_back(GridExportTable(
            job.sheet, job.settings.coil_mode ? "Coil Specifications" : "Sheet Specifications"));
        continue;
      case ExportPart::kReport:
      case ExportPart::kBalances:
      case ExportPart::kCuts:
      case ExportPart::kWeights:
        break;
    }
    if (!load) load = LoadResult(job);
    if (!load->error.empty()) {
      result.error = load->error;
      return result;
    }
    if (part == ExportPart::kReport) {
      result.tables.push_back(LayoutSummaryTable(load->result, unit));
      result.tables.push_back(GlassSummaryTable(load->result, unit));
    } else if (part == ExportPart::kWeights) {
      result.tables.push_back(
          WeightExportTable(load->result, ResultWeighing(load->result, job.workspace)));
    } else if (part == ExportPart::kBalances) {
      result.tables.push_back(BalanceExportTable(load->result, unit, JobScrapCriteria(job)));
    } else {
      result.tables.push_back(CutExportTable(load->result, unit));
    }
  }
  return result;
}

std::optional<std::string> WriteExportFile(const std::vector<ExportTable>& tables,
                                           const std::string& path) {
  if (EndsWithIgnoringCase(path, ".xlsx")) return WriteWorkbook(tables, path);
  // The byte order mark makes spreadsheets take the accents as UTF-8.
  std::string bytes = "\xEF\xBB\xBF";
  for (size_t i = 0; i < tables.size(); ++i) {
    if (tables.size() > 1) {
      bytes += (i > 0 ? "\r\n" : "") + CsvBytes({"", {tables[i].name}, {}});
    }
    bytes += CsvBytes(tables[i]);
  }
  return SaveFile(path, bytes);
}

}  // namespace lumora
