#ifndef LUMORA_CORE_REPORTS_LAYOUTS_LOAD_H_
#define LUMORA_CORE_REPORTS_LAYOUTS_LOAD_H_

#include <cstdint>
#include <string>

#include "core/base/unit_and_orn.h"
#include "core/job/job.h"
#include "core/layouts/loaded_result.h"
#include "core/layouts/scrap.h"
#include "core/reports/report.h"

// What the Layouts window does when it opens, without the window: load the result, write the
// balance and scrap table and the report, and give the status-bar texts.
namespace lumora {

// Where the three files go.
struct ReportPaths {
  std::string balance_table;  // offcut.tlf
  std::string report;         // report.tlf
  std::string sheets_used;    // sheets.Adj
};
// The working files of the workspace, as the Layouts window writes them.
ReportPaths WorkingReportPaths(const Workspace& workspace);
// offcut.tlf, report.tlf and sheets.Adj in a folder.
ReportPaths ReportPathsIn(const std::string& folder);

// The display unit of the job: inches when the unit setting says so, else millimetres.
Unit ReportUnit(const Job& job);
// The scrap criteria of the data folder's scrap.dat, the larger first.
ScrapLimits JobScrapCriteria(const Job& job);

// What the Layouts window keeps while it is open.
struct LayoutsView {
  LoadedResult result;
  // By layout number: the 1-based byte position of the layout's section in report.tlf.
  OneBasedList<int32_t> section_positions;
  StatusTexts status;
};

struct LayoutsLoad {
  LayoutsView view;
  // Why there is nothing to show: no result, a damaged layout file, or "Could not save
  // <file>: <reason>".
  std::string error;
};

// Loads the job's working dia.tlf, then writes offcut.tlf, report.tlf and sheets.Adj, in the
// job's unit and with its scrap criteria. Nothing is written when the result does not load.
LayoutsLoad LoadLayouts(const Job& job, const ReportPaths& paths);

// The three status-bar texts of the job's result in its working dia.tlf, or the error that
// LoadResult gives. Writes nothing.
struct ResultStatus {
  StatusTexts status;
  std::string error;
};
ResultStatus ResultStatusTexts(const Job& job);

}  // namespace lumora

#endif  // LUMORA_CORE_REPORTS_LAYOUTS_LOAD_H_
