#include "core/job/program_settings.h"

#include <algorithm>
#include <cmath>

#include "core/base/field_reader.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/base/unit_and_orn.h"
#include "core/tables/table_file.h"

namespace lumora {

void ReadMiscSettings(const Workspace& workspace, ProgramSettings& settings) {
  const auto bytes = ReadFileBytes(workspace.SettingsFile("misc.set"), kTableFileLimit);
  if (!bytes) return;
  FieldReader reader(*bytes);
  settings.unit = ReadUnit(reader.Next());
  // Whole numbers round half to even, as a 16-bit conversion of the numeric value does; values
  // beyond the 16-bit range are held at its ends instead of failing.
  const double efficiency = std::nearbyint(ReadDouble(reader.Next()));
  settings.efficiency = static_cast<int16_t>(std::clamp(efficiency, -32768.0, 32767.0));
  settings.move = ReadMoveSetting(reader.Next());
}

ScrapCriteria ReadScrapCriteria(const Workspace& workspace) {
  ScrapCriteria criteria;
  const auto bytes = ReadFileBytes(workspace.SettingsFile("scrap.dat"), kTableFileLimit);
  if (!bytes) return criteria;
  FieldReader reader(*bytes);
  criteria.first = ReadFloat(reader.Next());
  criteria.second = ReadFloat(reader.Next());
  return criteria;
}

}  // namespace lumora
