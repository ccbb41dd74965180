#include "core/engine2d/engine_input.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/base/number_text.h"
#include "core/engine2d/engine_math.h"
#include "core/job/job_tables.h"

namespace lumora {
namespace {

constexpr float kCoilQuantity = 100000.0f;

float Number(const Grid& grid, int row, int col) { return ReadFloat(grid.Text(row, col)); }

BasicDetails ReadBasicDetails(const Grid& grid) {
  using namespace basic_col;
  BasicDetails basic;
  basic.item = grid.Text(1, kItem);
  basic.grade = grid.Text(1, kGrade);
  basic.thick = Number(grid, 1, kThick);
  basic.blade = Number(grid, 1, kBlade);
  basic.min_cut = Number(grid, 1, kMinCut);
  basic.kerf = Number(grid, 1, kKerf);
  basic.note = grid.Text(1, kNote);
  basic.t_mm = Number(grid, 1, kTolerance);
  basic.b_mm = Number(grid, 1, kB);
  basic.l1_mm = Number(grid, 1, kL1);
  basic.l2_mm = Number(grid, 1, kL2);
  return basic;
}

StockRecord ReadStockRow(const Grid& grid, int row) {
  using namespace sheet_col;
  StockRecord stock;
  stock.l1 = Number(grid, row, kL1);
  stock.l2 = Number(grid, row, kL2);
  stock.l1_in = grid.Text(row, kL1Inch);
  stock.l2_in = grid.Text(row, kL2Inch);
  stock.qty = Number(grid, row, kQty);
  stock.m_l = Number(grid, row, kMarginLeft);
  stock.m_t = Number(grid, row, kMarginTop);
  stock.m_r = Number(grid, row, kMarginRight);
  stock.m_b = Number(grid, row, kMarginBottom);
  stock.cp_sft = Number(grid, row, kCostPerSqFt);
  stock.l1_as_read = stock.l1;
  stock.l2_as_read = stock.l2;
  stock.grid_row = row;
  return stock;
}

GlassRecord ReadGlassRow(const Grid& grid, int row) {
  using namespace glass_col;
  GlassRecord glass;
  glass.l1 = Number(grid, row, kL1);
  glass.l2 = Number(grid, row, kL2);
  glass.l1_in = grid.Text(row, kL1Inch);
  glass.l2_in = grid.Text(row, kL2Inch);
  glass.qty = Number(grid, row, kQty);
  glass.orn = OrnOfNumber(Number(grid, row, kOrn));
  glass.chl1_in = grid.Text(row, kChargeL1);
  glass.chl2_in = grid.Text(row, kChargeL2);
  glass.customer = grid.Text(row, kCustomer);
  glass.sp_sft = Number(grid, row, kPricePerSqFt);
  glass.sr_no = grid.Text(row, kSrNo);
  glass.ref = grid.Text(row, kRef);
  glass.site = grid.Text(row, kSite);
  glass.ac = grid.Text(row, kAccount);
  glass.from = grid.Text(row, kFrom);
  glass.address = grid.Text(row, kAddress);
  glass.l1_as_read = glass.l1;
  glass.l2_as_read = glass.l2;
  glass.grid_row = row;
  return glass;
}

bool IsUsableStock(const StockRecord& stock, float blade_as_typed) {
  return stock.l1 - (stock.m_t + stock.m_b) > 0 && stock.l2 - (stock.m_l + stock.m_r) > 0 &&
         stock.qty > 0 && blade_as_typed >= stock.l2;
}

bool IsUsableGlass(const GlassRecord& glass) {
  return glass.l1 > 0 && glass.l2 > 0 && glass.qty > 0;
}

// Equal in every field but the quantity (the sizes as read follow the sizes).
bool SameExceptQuantity(const StockRecord& a, const StockRecord& b) {
  return a.cp_sft == b.cp_sft && a.l1 == b.l1 && a.l1_in == b.l1_in && a.m_b == b.m_b &&
         a.m_l == b.m_l && a.m_r == b.m_r && a.m_t == b.m_t && a.l2 == b.l2 && a.l2_in == b.l2_in;
}

bool SameExceptQuantity(const GlassRecord& a, const GlassRecord& b) {
  return a.l1 == b.l1 && a.l2 == b.l2 && a.l1_in == b.l1_in && a.l2_in == b.l2_in &&
         a.orn == b.orn && a.customer == b.customer && a.chl1_in == b.chl1_in &&
         a.chl2_in == b.chl2_in && a.ac == b.ac && a.site == b.site && a.sr_no == b.sr_no &&
         a.ref == b.ref && a.from == b.from && a.sp_sft == b.sp_sft && a.address == b.address;
}

// The sizes as one key, -0 and +0 alike since they compare equal.
template <typename Record>
uint64_t SizeKey(const Record& record) {
  const auto bits = [](float value) { return std::bit_cast<uint32_t>(value == 0 ? 0.0f : value); };
  return uint64_t{bits(record.l1)} << 32 | bits(record.l2);
}

// Records equal in all but quantity become one: the group's quantities, summed in list order,
// end on its last record and the others keep 0. Only records of the same size are compared, so
// that a job of thousands of sizes takes time in proportion to its rows.
template <typename List>
void MergeDuplicates(List& list) {
  std::unordered_map<uint64_t, std::vector<int>> holders_by_size;
  for (int i = 1; i <= list.Count(); ++i) {
    std::vector<int>& holders = holders_by_size[SizeKey(list[i])];
    const auto holder = std::find_if(holders.begin(), holders.end(),
                                     [&](int h) { return SameExceptQuantity(list[h], list[i]); });
    if (holder == holders.end()) {
      holders.push_back(i);
      continue;
    }
    list[i].qty = list[*holder].qty + list[i].qty;
    list[*holder].qty = 0;
    *holder = i;
  }
}

// A record merged away leads to the first record of its size that still has a quantity and
// equals it: the one its quantity went to.
template <typename List>
std::vector<int> IndexOfRows(const List& list, const Grid& grid) {
  std::unordered_map<uint64_t, std::vector<int>> holders_by_size;
  for (int i = 1; i <= list.Count(); ++i) {
    if (list[i].qty != 0) holders_by_size[SizeKey(list[i])].push_back(i);
  }
  std::vector<int> index(static_cast<size_t>(std::max(grid.Rows(), 0)), 0);
  for (int i = 1; i <= list.Count(); ++i) {
    const int row = list[i].grid_row;
    if (row < 1 || row >= grid.Rows()) continue;
    int holder = i;
    if (list[i].qty == 0) {
      const auto size = holders_by_size.find(SizeKey(list[i]));
      if (size != holders_by_size.end()) {
        const auto found = std::find_if(size->second.begin(), size->second.end(), [&](int h) {
          return SameExceptQuantity(list[i], list[h]);
        });
        if (found != size->second.end()) holder = *found;
      }
    }
    index[static_cast<size_t>(row)] = holder;
  }
  return index;
}

template <typename List>
void AddKerfTo(List& list, float kerf) {
  for (auto& record : list) {
    record.l1 = record.l1 + kerf;
    record.l2 = record.l2 + kerf;
  }
}

template <typename List>
void RestoreSizes(List& list) {
  for (auto& record : list) {
    record.l1 = record.l1_as_read;
    record.l2 = record.l2_as_read;
  }
}

// The passes swap areas and positions, not records: a pass costs a comparison per record, and
// a job of thousands of sizes would otherwise move whole records millions of times.
template <typename List>
void SortListByArea(List& list) {
  const int n = list.Count();
  std::vector<float> areas(static_cast<size_t>(n) + 1);
  std::vector<int> from(static_cast<size_t>(n) + 1);
  for (int index = 1; index <= n; ++index) {
    areas[static_cast<size_t>(index)] = list[index].l1 * list[index].l2;
    from[static_cast<size_t>(index)] = index;
  }
  for (int gap = (n + 1) / 2; gap > 0; --gap) {
    const int64_t blocks = RoundHalfEvenQuotient(n + 1, gap);
    for (int64_t block = 1; block <= blocks - 1; ++block) {
      const int64_t start = 1 + (block - 1) * gap;
      const int64_t stop = std::min<int64_t>(start + gap - 1, n - gap);
      for (int64_t i = start; i <= stop; ++i) {
        const auto index = static_cast<size_t>(i);
        if (areas[index + static_cast<size_t>(gap)] > areas[index]) {
          std::swap(areas[index], areas[index + static_cast<size_t>(gap)]);
          std::swap(from[index], from[index + static_cast<size_t>(gap)]);
        }
      }
    }
  }
  List sorted;
  sorted.Reserve(n);
  for (int index = 1; index <= n; ++index) sorted.Append(list[from[static_cast<size_t>(index)]]);
  list = std::move(sorted);
}

}  // namespace

EngineInput PrepareEngineInput(const EngineJob& job) {
  EngineInput input;
  input.basic = ReadBasicDetails(job.basic);

  for (int row = 1; row <= job.sheet.Rows() - 2; ++row) {
    StockRecord stock = ReadStockRow(job.sheet, row);
    if (job.coil_mode) stock.qty = kCoilQuantity;
    if (IsUsableStock(stock, input.basic.blade)) input.stocks.Append(stock);
  }
  for (int row = 1; row <= job.glass.Rows() - 2; ++row) {
    GlassRecord glass = ReadGlassRow(job.glass, row);
    if (IsUsableGlass(glass)) input.glasses.Append(glass);
  }

  if (job.maximum_yield_checked) input.objective = Objective::kMaximumYield;
  if (job.minimum_layouts_checked) input.objective = Objective::kMinimumLayouts;

  MergeDuplicateStock(input.stocks);
  MergeDuplicateGlass(input.glasses);
  return input;
}

void MergeDuplicateStock(StockList& stocks) { MergeDuplicates(stocks); }

std::vector<int> StockIndexOfRows(const StockList& stocks, const Grid& sheet) {
  return IndexOfRows(stocks, sheet);
}

std::vector<int> GlassIndexOfRows(const GlassList& glasses, const Grid& glass) {
  return IndexOfRows(glasses, glass);
}

void MergeDuplicateGlass(GlassList& glasses) { MergeDuplicates(glasses); }

void AddKerf(StockList& stocks, GlassList& glasses, float kerf) {
  if (kerf == 0) return;
  AddKerfTo(stocks, kerf);
  AddKerfTo(glasses, kerf);
}

void RemoveKerf(StockList& stocks, GlassList& glasses, float kerf) {
  if (kerf == 0) return;
  RestoreSizes(stocks);
  RestoreSizes(glasses);
}

void SortByArea(StockList& stocks, GlassList& glasses) {
  SortListByArea(stocks);
  SortListByArea(glasses);
}

EngineInput PrepareRunLists(const EngineJob& job) {
  EngineInput input = PrepareEngineInput(job);
  AddKerf(input.stocks, input.glasses, input.basic.kerf);
  SortByArea(input.stocks, input.glasses);
  return input;
}

}  // namespace lumora
