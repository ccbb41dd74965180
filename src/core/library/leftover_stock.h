#ifndef LUMORA_CORE_LIBRARY_LEFTOVER_STOCK_H_
#define LUMORA_CORE_LIBRARY_LEFTOVER_STOCK_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/workspace.h"
#include "core/deep/deep_optimization.h"
#include "core/deep/deep_settings_file.h"
#include "core/job/job.h"
#include "core/library/balance_export.h"
#include "core/tables/grid.h"

// Which stock came back from leftovers. mlm.dat keeps its seven fields, so the sizes the balance
// export adds to it as balances are registered beside it in leftovers.dat: ITEM, GRADE, THICK,
// L1 (MM), L2 (MM), one record per size. A stock row of a job is a leftover when its sizes are
// registered for the job's item, grade and thickness (THICK compared as a number, as the import
// compares it), whichever way round.
namespace lumora {

inline constexpr std::string_view kLeftoverRegisterFile = "leftovers.dat";

using deep::StockSizeMm;

// The register's bytes with the balance rows (scrap is not stock) of an export added, each
// size once.
std::string RegisterLeftovers(std::string_view register_bytes, std::string_view item,
                              std::string_view grade, std::string_view thick,
                              const std::vector<BalanceRow>& rows);

// The registered sizes of an item, grade and thickness.
std::vector<StockSizeMm> LeftoverSizes(std::string_view register_bytes, std::string_view item,
                                       std::string_view grade, std::string_view thick);

// The registered sizes of the job's Basic Details item, grade and thickness in the data folder.
std::vector<StockSizeMm> JobLeftoverSizes(const Job& job);

// Whether row r of a Sheet grid holds one of the sizes.
bool IsLeftoverRow(const Grid& sheet, int row, const std::vector<StockSizeMm>& sizes);

// The leftover settings (leftover.set's, or a run's own) and the job's leftover sizes, as a deep
// run takes them.
void ApplyLeftoverSettings(const Job& job, const LeftoverSettings& chosen, DeepSettings& settings);

}  // namespace lumora

#endif  // LUMORA_CORE_LIBRARY_LEFTOVER_STOCK_H_
