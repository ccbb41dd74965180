// Glass and stock lists read from any bytes: the first byte picks the list, the rest is the
// file. Every row that fits is stored, every cell that lands in the grid is one a table file can
// hold, and texts and counts keep within their columns.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/job/job.h"
#include "core/job/list_import.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/grid_clipboard.h"
#include "core/tables/table_file.h"
#include "fuzz_support.h"

namespace lumora::fuzz {
namespace {

void ImportList(std::string_view bytes) {
  if (bytes.empty()) return;
  const ListKind kind = bytes[0] % 2 == 0 ? ListKind::kGlass : ListKind::kStock;
  Job job = MakeJob(Workspace{ScratchDataFolder(), "1.5"}, ProgramSettings{});
  Grid& grid = kind == ListKind::kGlass ? job.glass : job.sheet;
  const DelimitedText text = ReadDelimitedText(bytes.substr(1));
  const ImportMapping mapping = GuessMapping(text, kind, bytes[0] & 2 ? Unit::kIn : Unit::kMm);
  ImportRows rows = BuildImportRows(text, mapping, kind, DataHeaders(grid));
  KeepRowsThatFit(rows, HeldRows(grid));
  // Every row that fits is stored, and the grid stays within its limit.
  const int stored = AddImportedRows(grid, rows, kind, mapping.unit, false, std::nullopt);
  Require(stored == static_cast<int>(rows.rows.size()));
  Require(grid.Rows() >= stored + 2 && grid.Rows() <= kMaxGridRows);
  for (int r = 1; r < grid.Rows(); ++r) {
    for (int c = 1; c < grid.Cols(); ++c) {
      const std::string& cell = grid.Text(r, c);
      Require(cell.find_first_of(",\"\r\n") == std::string::npos);
      // Lengths converted into the other unit's columns may run longer, as after typing.
      const ColumnInfo rules = DescribeColumn(grid.Text(0, c)).value_or(ColumnInfo{});
      if (rules.kind == 'S' || rules.kind == 'L') {
        Require(rules.max_length == 0 || static_cast<int>(cell.size()) <= rules.max_length);
      }
    }
  }
  TableBytes(grid);
}

}  // namespace
}  // namespace lumora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lumora::fuzz::ImportList(lumora::fuzz::BytesOf(data, size));
  return 0;
}
