#ifndef LUMORA_CORE_LIBRARY_PRODUCT_LIBRARY_H_
#define LUMORA_CORE_LIBRARY_PRODUCT_LIBRARY_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/prompter.h"
#include "core/base/workspace.h"
#include "core/tables/grid.h"

// The product library plm.dat: per product the glass pieces it is made of, and the pick list of
// product names it feeds.
namespace lumora {

// 1-based columns of plm.dat and of the Product Library Manager grid.
namespace plm_col {
inline constexpr int kProduct = 1, kCustomer = 2, kMat = 3, kGrade = 4, kThick = 5, kLength = 6,
                     kWidth = 7, kQty = 8;
inline constexpr int kCount = 8;
}  // namespace plm_col

const std::vector<std::string>& ProductLibraryHeaders();

// The Product Library Manager's grid: plm.dat loaded, then pointed at the working plm.tlf.
Grid LoadProductLibraryGrid(const Workspace& workspace);

// Each non-empty PRODUCT of plm.dat once, in first-seen order.
std::vector<std::string> ProductNames(std::string_view library_bytes);

// Rewrites products.lst with the product names of plm.dat, one quoted entry per line. Returns
// the reason when it could not be written.
std::optional<std::string> BuildProductList(const Workspace& workspace);

// Closing the Product Library Manager: asks "Save Changes?"; Yes points the grid at plm.dat,
// sorts it ascending on PRODUCT (which stores it) and rebuilds the product list. Answers false
// only when a write failed (and was told).
bool CloseProductLibrary(Grid& grid, const Workspace& workspace, Prompter& prompter);

}  // namespace lumora

#endif  // LUMORA_CORE_LIBRARY_PRODUCT_LIBRARY_H_
