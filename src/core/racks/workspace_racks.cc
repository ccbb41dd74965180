#include "core/racks/workspace_racks.h"

#include "core/base/file_routines.h"
#include "core/cuts/breakout_settings.h"
#include "core/reports/label_pages.h"
#include "core/tables/table_file.h"

namespace lumora {

WorkspaceRackPlan PlanWorkspaceRacks(const LoadedResult& result, const Workspace& workspace) {
  const RackLibrary library = ReadRackLibrary(
      ReadFileBytes(workspace.SettingsFile(kRackLibraryFileName), kTableFileLimit).value_or(""));
  const Weighing weighing = ResultWeighing(result, workspace);
  WorkspaceRackPlan planned{PlanRacks(result, library.racks, weighing), library.skipped};
  if (library.racks.empty()) {
    planned.notes.push_back(workspace.SettingsFile(kRackLibraryFileName) + " holds no rack.");
  }
  if (!weighing.known) planned.notes.push_back(MissingDensityText(result.basic.item));
  return planned;
}

bool LabelsHaveAdditions(const Workspace& workspace) {
  return LoadLabelCodeSettings(workspace).Any() || LoadBreakoutSettings(workspace).rack_on_labels;
}

CodedLabels WorkspaceCodedLabels(const LoadedResult& result, const Workspace& workspace, Unit unit,
                                 std::string_view job_name) {
  const PieceOrder order = WorkspaceLabelOrder(workspace);
  if (!LoadBreakoutSettings(workspace).rack_on_labels) {
    return MakeCodedLabels(result, unit, job_name, order);
  }
  const WorkspaceRackPlan planned = PlanWorkspaceRacks(result, workspace);
  if (!planned.plan.error.empty()) return {{}, planned.plan.error};
  // The plan lists every piece in breakout order, so a piece's number over the job finds it.
  const RackPlan& plan = planned.plan;
  return MakeCodedLabels(result, unit, job_name, order, [&plan](const SheetPiece& piece) {
    return RackLineOf(plan, plan.pieces[static_cast<size_t>(piece.job_breakout - 1)]);
  });
}

}  // namespace lumora
