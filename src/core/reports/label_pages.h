#ifndef LUMORA_CORE_REPORTS_LABEL_PAGES_H_
#define LUMORA_CORE_REPORTS_LABEL_PAGES_H_

#include <string>
#include <string_view>
#include <vector>

#include "core/base/unit_and_orn.h"
#include "core/base/workspace.h"
#include "core/layouts/loaded_result.h"
#include "core/reports/labels.h"

// Labels as they go to the printer: composed by the data folder's lbl.def and cut into pages.
namespace lumora {

// The page grid of the workspace's lbl.def (a missing file is a grid of zeros).
LabelGrid WorkspaceLabelGrid(const Workspace& workspace);

// The order of the labels by the workspace's breakout.set: element order unless it asks for the
// breakout order.
PieceOrder WorkspaceLabelOrder(const Workspace& workspace);

// The labels of a result by the page grid in the workspace's lbl.def (a missing file is a
// grid of zeros), in the workspace's label order.
LabelFile ComposeWorkspaceLabels(const LoadedResult& result, const Workspace& workspace, Unit unit);

// The printed pages of lbl.tlf's bytes: every line is printed unchanged except a line "*",
// which starts a new page; a page with more lines than the paper holds (lines_per_page, at
// least 1) goes on on the next sheet. Lines end at LF, a CR before it dropped; a last line
// without a line end counts. No lines, no pages.
std::vector<std::vector<std::string>> LabelPages(std::string_view bytes, int lines_per_page);

}  // namespace lumora

#endif  // LUMORA_CORE_REPORTS_LABEL_PAGES_H_
