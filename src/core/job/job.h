#ifndef LUMORA_CORE_JOB_JOB_H_
#define LUMORA_CORE_JOB_JOB_H_

#include <string>

#include "core/base/unit_and_orn.h"
#include "core/base/workspace.h"
#include "core/job/job_line.h"
#include "core/job/program_settings.h"
#include "core/tables/grid.h"

namespace lumora {

// The job being edited: the three job grids (the live copy; their Tags name the working
// tables), what it knows of the glass line, the Optimize menu's two check marks, the current
// file name and the shared file dialog's filter, together with the workspace and the
// program-wide settings they live in.
struct Job {
  Workspace workspace;
  ProgramSettings settings;
  Grid basic;
  Grid sheet;
  Grid glass;
  JobLine line;
  bool maximum_yield = true;
  bool minimum_layouts = false;
  // The job file's name as the file dialog gave it; empty for a new job.
  std::string file_name;
  std::string dialog_filter;
};

// A job with empty grids for the settings' mode, "Maximum Yield" checked and the file dialog
// filter of that mode.
Job MakeJob(const Workspace& workspace, const ProgramSettings& settings);

// The main window caption: "Base Module" (coil mode "Strandor"), followed by " - " and the file
// name in lower case once the job has a file.
std::string JobCaption(const Job& job);

// Choosing either Optimize menu entry flips both check marks.
void FlipObjective(Job& job);
// The options.tlf line: the two check marks as -1 or 0, comma separated, CR LF.
std::string OptionsLine(const Job& job);

// The unit switch as far as the job goes: sets the unit setting and makes the
// first column of that unit current in the Sheet and Glass grids.
void SwitchUnit(Job& job, Unit unit);

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_JOB_H_
