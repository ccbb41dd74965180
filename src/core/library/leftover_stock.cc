#include "core/library/leftover_stock.h"

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/deep/deep_settings_file.h"
#include "core/job/job_tables.h"
#include "core/library/material_library.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

constexpr int kRegisterFields = 5;

}  // namespace

std::string RegisterLeftovers(std::string_view register_bytes, std::string_view item,
                              std::string_view grade, std::string_view thick,
                              const std::vector<BalanceRow>& rows) {
  std::vector<StockSizeMm> known = LeftoverSizes(register_bytes, item, grade, thick);
  std::string bytes(register_bytes);
  if (!bytes.empty() && bytes.back() != '\n') bytes += "\r\n";
  for (const BalanceRow& row : rows) {
    const StockSizeMm size = {ReadFloat(row.l1), ReadFloat(row.l2)};
    if (row.tag == kScrapTag || !(size[0] > 0 && size[1] > 0) ||
        deep::HoldsStockSize(known, size[0], size[1])) {
      continue;
    }
    known.push_back(size);
    bytes +=
        QuotedLine({std::string(item), std::string(grade), std::string(thick), row.l1, row.l2});
  }
  return bytes;
}

std::vector<StockSizeMm> LeftoverSizes(std::string_view register_bytes, std::string_view item,
                                       std::string_view grade, std::string_view thick) {
  std::vector<StockSizeMm> sizes;
  const float thickness = ReadFloat(thick);
  for (const auto& record : ReadRecords(register_bytes, kRegisterFields)) {
    if (record[0] != item || record[1] != grade || ReadFloat(record[2]) != thickness) continue;
    sizes.push_back({ReadFloat(record[3]), ReadFloat(record[4])});
  }
  return sizes;
}

std::vector<StockSizeMm> JobLeftoverSizes(const Job& job) {
  return LeftoverSizes(
      ReadFileBytes(job.workspace.SettingsFile(kLeftoverRegisterFile), kTableFileLimit)
          .value_or(""),
      TrimBlanks(job.basic.Text(1, basic_col::kItem)),
      TrimBlanks(job.basic.Text(1, basic_col::kGrade)), job.basic.Text(1, basic_col::kThick));
}

bool IsLeftoverRow(const Grid& sheet, int row, const std::vector<StockSizeMm>& sizes) {
  if (row < 1 || row >= sheet.Rows()) return false;
  return deep::HoldsStockSize(sizes, ReadFloat(sheet.Text(row, sheet_col::kL1)),
                              ReadFloat(sheet.Text(row, sheet_col::kL2)));
}

void ApplyLeftoverSettings(const Job& job, const LeftoverSettings& chosen, DeepSettings& settings) {
  settings.valuation.leftovers_first = chosen.use_leftovers_first;
  settings.keep_one_leftover = chosen.keep_one_leftover;
  if (chosen.use_leftovers_first) settings.valuation.leftover_sizes = JobLeftoverSizes(job);
}

}  // namespace lumora
