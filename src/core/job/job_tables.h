#ifndef LUMORA_CORE_JOB_JOB_TABLES_H_
#define LUMORA_CORE_JOB_JOB_TABLES_H_

#include <string>
#include <vector>

namespace lumora {

// The data-column headers of the three job grids, in file order.
const std::vector<std::string>& BasicDetailsHeaders();
const std::vector<std::string>& SheetHeaders();
const std::vector<std::string>& GlassHeaders();
// The columns of a flaw list, as an import reads it into cells (flaw_col).
const std::vector<std::string>& FlawListHeaders();

// 1-based column numbers of the job grids, as the tables store them.
namespace basic_col {
inline constexpr int kItem = 1, kGrade = 2, kThick = 3, kBlade = 4, kMinCut = 5, kKerf = 6,
                     kNote = 7, kTolerance = 8, kB = 9, kL1 = 10, kL2 = 11;
}
// The columns the Sheet and Glass grids share, numbered alike: the lengths in both units and
// the quantity. Code that serves either grid addresses them here.
namespace size_col {
inline constexpr int kL1 = 1, kL2 = 2, kL1Inch = 3, kL2Inch = 4, kQty = 5;
}
namespace sheet_col {
inline constexpr int kL1 = size_col::kL1, kL2 = size_col::kL2, kL1Inch = size_col::kL1Inch,
                     kL2Inch = size_col::kL2Inch, kQty = size_col::kQty, kMarginLeft = 6,
                     kMarginTop = 7, kMarginRight = 8, kMarginBottom = 9, kCostPerSqFt = 10;
}
namespace glass_col {
inline constexpr int kL1 = size_col::kL1, kL2 = size_col::kL2, kL1Inch = size_col::kL1Inch,
                     kL2Inch = size_col::kL2Inch, kQty = size_col::kQty, kOrn = 6, kChargeL1 = 7,
                     kChargeL2 = 8, kCustomer = 9, kPricePerSqFt = 10, kSrNo = 11, kRef = 12,
                     kSite = 13, kAccount = 14, kFrom = 15, kAddress = 16;
}

// Columns a glass list may give that the job keeps in its line data beside the Glass grid,
// numbered after the grid's own.
namespace glass_line_col {
inline constexpr int kStack = glass_col::kAddress + 1, kSequence = glass_col::kAddress + 2;
}
// The columns of a flaw list: where the flaw lies (millimetres, or inches in the second four),
// on which sheet, and of which stock row.
namespace flaw_col {
inline constexpr int kX = 1, kY = 2, kWidth = 3, kHeight = 4, kSheet = 5, kRow = 6, kXInch = 7,
                     kYInch = 8, kWidthInch = 9, kHeightInch = 10;
}

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_JOB_TABLES_H_
