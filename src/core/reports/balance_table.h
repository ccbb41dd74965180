#ifndef LUMORA_CORE_REPORTS_BALANCE_TABLE_H_
#define LUMORA_CORE_REPORTS_BALANCE_TABLE_H_

#include <string>
#include <string_view>
#include <vector>

#include "core/base/unit_and_orn.h"
#include "core/base/workspace.h"
#include "core/layouts/loaded_result.h"
#include "core/layouts/scrap.h"
#include "core/tables/grid.h"

namespace lumora {

inline constexpr std::string_view kBalanceTableFileName = "offcut.tlf";

// The columns of the Balance And Scrap Table: "LAYOUT", "L1", "L2", "QTY", "TAG".
const std::vector<std::string>& BalanceTableHeaders();

// The bytes of offcut.tlf: one record per leftover and margin strip that keeps a positive size
// once the kerf is taken off, in element order: LAYOUT, L1 and L2 (the longer side first, in
// the display unit), QTY (the layout's sheet count) and TAG (the sheet's CP/SFT for a balance,
// "SCRAP" otherwise).
std::string BalanceTableBytes(const LoadedResult& result, Unit unit, const ScrapLimits& scrap);

// The grid of the Balance And Scrap Table: the workspace's offcut.tlf under its columns.
Grid LoadBalanceTableGrid(const Workspace& workspace);

}  // namespace lumora

#endif  // LUMORA_CORE_REPORTS_BALANCE_TABLE_H_
