// A product library of any bytes, and after a zero byte a "Defaults" job of any bytes: every
// product it names is ordered, and the jobs planned from the order, at most one per piece, are
// cut into their sections.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/job/job_sections.h"
#include "core/library/library_files.h"
#include "core/library/product_library.h"
#include "core/library/product_loading.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumora;
  const std::string_view bytes = fuzz::BytesOf(data, size);
  const size_t split = bytes.find('\0');
  const std::string_view library = bytes.substr(0, split);
  std::optional<std::string> defaults_job;
  if (split != std::string_view::npos) defaults_job = std::string(bytes.substr(split + 1));

  static const std::vector<std::string> kQuantities = {"1", "3", "0", "-2", "2.5", "", "x", "1e9"};
  const std::vector<std::string> products = ProductNames(library);
  Grid orders = OpenOrderGrid(Workspace{fuzz::ScratchDataFolder(), "6.5"});
  orders.SetRows(static_cast<int>(products.size()) + 2);
  for (size_t i = 0; i < products.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    orders.SetText(row, order_col::kProducts, products[i]);
    orders.SetText(row, order_col::kQty, kQuantities[i % kQuantities.size()]);
    orders.SetText(row, order_col::kCustomer, i % 2 ? products[i] : std::string());
  }

  const std::vector<PlannedJob> jobs = PlanJobs(library, orders, defaults_job);
  fuzz::Require(jobs.size() <= ReadRecords(library, plm_col::kCount).size());
  for (const PlannedJob& job : jobs) {
    fuzz::Require(job.group.rfind("[MAT=", 0) == 0);
    fuzz::Require(!FileNameSafe(job.group).empty());
    SplitJobFile(job.bytes);
  }
  return 0;
}
