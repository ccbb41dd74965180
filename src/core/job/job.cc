#include "core/job/job.h"

#include "core/base/ascii_case.h"
#include "core/job/job_grids.h"
#include "core/job/job_tables.h"

namespace lumora {
namespace {

void MakeCurrentColumn(Grid& grid, int col) {
  grid.col = col;
  grid.col_sel = col;
}

}  // namespace

Job MakeJob(const Workspace& workspace, const ProgramSettings& settings) {
  Job job;
  job.workspace = workspace;
  job.settings = settings;
  job.basic = MakeBasicGrid(workspace);
  job.sheet = MakeSheetGrid(workspace, settings.coil_mode);
  job.glass = MakeGlassGrid(workspace);
  job.dialog_filter = settings.coil_mode ? "*.sdr|*.sdr" : "*.opt|*.opt";
  return job;
}

std::string JobCaption(const Job& job) {
  std::string caption = job.settings.coil_mode ? "Strandor" : "Base Module";
  if (job.file_name.empty()) return caption;
  return caption + " - " + AsciiLower(job.file_name);
}

void FlipObjective(Job& job) {
  job.maximum_yield = !job.maximum_yield;
  job.minimum_layouts = !job.minimum_layouts;
}

std::string OptionsLine(const Job& job) {
  return std::string(job.maximum_yield ? "-1" : "0") + "," + (job.minimum_layouts ? "-1" : "0") +
         "\r\n";
}

void SwitchUnit(Job& job, Unit unit) {
  job.settings.unit = unit;
  const int col = unit == Unit::kIn ? size_col::kL1Inch : size_col::kL1;
  MakeCurrentColumn(job.sheet, col);
  MakeCurrentColumn(job.glass, col);
}

}  // namespace lumora
