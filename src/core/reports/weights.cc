#include "core/reports/weights.h"

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/tables/table_file.h"

namespace lumora {

double DensityOf(std::string_view density_bytes, std::string_view item) {
  for (const auto& record : ReadRecords(density_bytes, 2)) {
    if (record[0] == item) return ReadDouble(record[1]);
  }
  return 0;
}

Weighing ResultWeighing(const LoadedResult& result, const Workspace& workspace) {
  const double density = DensityOf(
      ReadFileBytes(workspace.SettingsFile(kDensityFileName), kTableFileLimit).value_or(""),
      result.basic.item);
  Weighing weighing;
  weighing.known = density > 0;
  if (weighing.known && result.basic.thick > 0) weighing.kg_per_m2 = density * result.basic.thick;
  return weighing;
}

std::string MissingDensityText(std::string_view item) {
  return std::string(kDensityFileName) + " has no density for " + std::string(item) +
         ": its weights are 0.";
}

}  // namespace lumora
