#ifndef LUMORA_CORE_RACKS_WORKSPACE_RACKS_H_
#define LUMORA_CORE_RACKS_WORKSPACE_RACKS_H_

#include <string>
#include <string_view>
#include <vector>

#include "core/base/unit_and_orn.h"
#include "core/base/workspace.h"
#include "core/layouts/loaded_result.h"
#include "core/racks/rack_plan.h"
#include "core/reports/label_codes.h"

// The rack plan and the labels as the data folder's files ask for them.
namespace lumora {

// The plan of a result over the data folder's racks.dat and Density.dat, with what the command
// or window tells beside it: the rack records left out, a missing density, a library without
// racks.
struct WorkspaceRackPlan {
  RackPlan plan;
  std::vector<std::string> notes;
};
WorkspaceRackPlan PlanWorkspaceRacks(const LoadedResult& result, const Workspace& workspace);

// Whether the labels print with additions (lblcode.set, or rack and slot by breakout.set) instead
// of from lbl.tlf.
bool LabelsHaveAdditions(const Workspace& workspace);

// The labels with their additions in the data folder's label order, each with its rack line when
// breakout.set asks for rack and slot.
CodedLabels WorkspaceCodedLabels(const LoadedResult& result, const Workspace& workspace, Unit unit,
                                 std::string_view job_name);

}  // namespace lumora

#endif  // LUMORA_CORE_RACKS_WORKSPACE_RACKS_H_
