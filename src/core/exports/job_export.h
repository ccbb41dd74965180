#ifndef LUMORA_CORE_EXPORTS_JOB_EXPORT_H_
#define LUMORA_CORE_EXPORTS_JOB_EXPORT_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/exports/export_tables.h"
#include "core/job/job.h"

// What of a job goes out to a spreadsheet, and into which file.
namespace lumora {

enum class ExportPart { kGlass, kStock, kReport, kBalances, kCuts, kWeights };

// "glass", "stock", "report", "balances", "cuts", "weights", comma separated; nullopt names an
// unknown part.
std::optional<std::vector<ExportPart>> ParseExportParts(std::string_view text);

// Every part the job has: the two lists, and the report, the weights and the balances once it was
// optimized, with the cut list when the layouts show the cut order.
std::vector<ExportPart> AvailableExportParts(const Job& job);

struct JobExport {
  std::vector<ExportTable> tables;
  // Why the result parts cannot be exported ("This file was not optimized." ...).
  std::string error;
};

// The tables of the parts, from the job's grids and its result in the working dia.tlf, lengths
// in the job's unit; the report gives two tables, its layout and its glass summary, and the
// weights those of the layouts by the data folder's Density.dat.
JobExport BuildJobExport(const Job& job, const std::vector<ExportPart>& parts);

// Writes the tables by the file's extension: ".xlsx" one workbook, a sheet per table; anything
// else CSV, where several tables follow one another, each under a line with its name and an
// empty line between them. Returns SaveFailureText on failure.
std::optional<std::string> WriteExportFile(const std::vector<ExportTable>& tables,
                                           const std::string& path);

}  // namespace lumora

#endif  // LUMORA_CORE_EXPORTS_JOB_EXPORT_H_
