#include "core/job/mirror_conversion.h"

#include "core/base/field_reader.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/job/job_tables.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

double InchTextValueInMM(std::string_view inch_text) { return ReadDouble(InchTextToMM(inch_text)); }

void SetPositiveOrEmpty(Grid& grid, int row, int col, const std::string& text) {
  grid.SetText(row, col, ReadDouble(text) > 0.0 ? text : "");
}

}  // namespace

ChargeTable LoadChargeTable(const Workspace& workspace) {
  return ChargeTableFromBytes(ReadFileBytes(workspace.SettingsFile("charge.dat"), kTableFileLimit));
}

ChargeTable ChargeTableFromBytes(const std::optional<std::string>& bytes) {
  if (!bytes) return std::nullopt;
  std::vector<ChargeRange> ranges;
  FieldReader reader(*bytes);
  while (!reader.AtEnd()) {
    ChargeRange range;
    range.lower_mm = InchTextValueInMM(reader.Next());
    range.upper_mm = InchTextValueInMM(reader.Next());
    range.chargeable = reader.Next();
    ranges.push_back(std::move(range));
  }
  return ranges;
}

std::string ChargeableLength(std::string_view inch_text, const ChargeTable& charges) {
  if (!charges) return "";
  const double x = InchTextValueInMM(inch_text);
  for (const ChargeRange& range : *charges) {
    if (x > range.lower_mm && x <= range.upper_mm) return range.chargeable;
  }
  return "";
}

bool IsColumnLockedByUnit(Unit unit, int col) {
  if (unit == Unit::kIn) return col == 1 || col == 2;
  if (unit == Unit::kMm) return col == 3 || col == 4;
  return false;
}

void ApplyMirrorConversion(Grid& grid, int row, int col) {
  switch (col) {
    case size_col::kL1:
    case size_col::kL2:
      SetPositiveOrEmpty(grid, row, col + 2, MMToInchText(grid.Text(row, col)));
      break;
    case size_col::kL1Inch:
    case size_col::kL2Inch:
      SetPositiveOrEmpty(grid, row, col - 2, InchTextToMM(grid.Text(row, col)));
      break;
    default:
      break;
  }
}

void UpdateChargeableLengths(Grid& glass, int row, int col, const ChargeTable& charges) {
  if (col == glass_col::kL1 || col == glass_col::kL1Inch) {
    SetPositiveOrEmpty(glass, row, glass_col::kChargeL1,
                       ChargeableLength(glass.Text(row, glass_col::kL1Inch), charges));
  } else if (col == glass_col::kL2 || col == glass_col::kL2Inch) {
    SetPositiveOrEmpty(glass, row, glass_col::kChargeL2,
                       ChargeableLength(glass.Text(row, glass_col::kL2Inch), charges));
  }
}

}  // namespace lumora
