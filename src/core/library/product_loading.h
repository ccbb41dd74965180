#ifndef LUMORA_CORE_LIBRARY_PRODUCT_LOADING_H_
#define LUMORA_CORE_LIBRARY_PRODUCT_LOADING_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/prompter.h"
#include "core/base/workspace.h"
#include "core/tables/grid.h"

// Load Products: an order of products becomes job files, one per material, with the pieces of
// the product library multiplied by the ordered quantities.
namespace lumora {

// 1-based columns of the order grid loadprod.tlf.
namespace order_col {
inline constexpr int kProducts = 1, kQty = 2, kCustomer = 3;
}  // namespace order_col

// The extension the generated job files get.
inline constexpr std::string_view kGeneratedJobExtension = ".OPT";

// The order grid of Load Products, empty: loadprod.tlf of the data folder is deleted first.
Grid OpenOrderGrid(const Workspace& workspace);
// Load Products closes: loadprod.tlf goes.
void CloseOrderGrid(const Workspace& workspace);

// The material group of a piece: "[MAT=" + MAT + ",GRADE=" + GRADE + ",THICK=" + THICK + "]",
// THICK as its general number text.
std::string MaterialGroupName(std::string_view mat, std::string_view grade, std::string_view thick);

// The text with every character that some file system refuses in a file name (control
// characters, / \ : * ? " < > |) replaced by "_".
std::string FileNameSafe(std::string_view text);

// One job file to generate: its material group and the job file's bytes.
struct PlannedJob {
  std::string group;
  std::string bytes;
};

// The job files an order grid asks for, one per material group in order of first appearance.
// An order line with a product and a quantity above 0 takes every plm.dat record of its product
// whose CUSTOMER is empty or the order's; each piece becomes a Glass Size Specifications row
// with LENGTH as "L1 (MM)", WIDTH as "L2 (MM)", pieces per product times the ordered quantity
// as "QTY", the order's customer as "CUSTOMER", the product as "REF" and the record's customer
// as "SITE". Each job is the "Defaults" job (defaults_job; nullopt when there is none) with MAT,
// GRADE and THICK in place of ITEM, GRADE and THICK of its Basic Details row, the pieces ahead
// of any glass rows of the template, and no layouts.
std::vector<PlannedJob> PlanJobs(std::string_view product_library, const Grid& orders,
                                 const std::optional<std::string>& defaults_job);

// Where the generated files go: folder (empty for the current one) + base name + the file-name
// safe group name + extension.
struct JobFileNaming {
  std::string folder;
  std::string base_name;
  std::string extension = std::string(kGeneratedJobExtension);

  // The file name of a group as the user sees it: base name + safe group name + extension.
  std::string FileName(std::string_view group) const;
  // The path it is written to.
  std::string Path(std::string_view group) const;
};

// "Load": plans the jobs from the data folder's plm.dat and "Defaults", writes all job files
// or none (atomically, see WriteFilesAtomically), and then deletes the files an earlier
// generation with the same base name and extension left (base name + "[MAT=" ... + extension;
// other files are left alone) that the new one did not replace. Tells
// "Could not generate '<base>' files." when no group was formed (the earlier files go all the
// same), a failed write as "Could not save <file>: <reason>" (nothing written, nothing
// deleted), else "<count> '<base>' file(s) starting from <first file name> generated.".
struct GeneratedJobs {
  std::vector<std::string> files;  // the paths written, in group order
  int planned = 0;                 // the jobs the orders asked for
};
GeneratedJobs GenerateJobs(const Workspace& workspace, const Grid& orders,
                           const JobFileNaming& naming, Prompter& prompter);

}  // namespace lumora

#endif  // LUMORA_CORE_LIBRARY_PRODUCT_LOADING_H_
