#ifndef LUMORA_CORE_REPORTS_WEIGHTS_H_
#define LUMORA_CORE_REPORTS_WEIGHTS_H_

#include <string>
#include <string_view>

#include "core/base/workspace.h"
#include "core/layouts/loaded_result.h"

// The weight of glass: the density of the job's item from Density.dat (kilograms per square
// metre and millimetre of thickness) times the job's THICK in millimetres times the area.
// Lengths are the millimetres the engine reads, whatever unit the job shows.
namespace lumora {

inline constexpr std::string_view kDensityFileName = "Density.dat";
// Float glass: 2500 kg per cubic metre.
inline constexpr double kFloatGlassDensity = 2.5;

// The second field of the first record of Density.dat whose first field is the item, read as a
// number; 0 when no record names the item.
double DensityOf(std::string_view density_bytes, std::string_view item);

struct Weighing {
  double kg_per_m2 = 0;  // density times thickness
  // Density.dat names the job's item with a density above 0.
  bool known = false;

  double Kg(float l1_mm, float l2_mm) const {
    return kg_per_m2 * (static_cast<double>(l1_mm) * l2_mm) / 1e6;
  }
};

// The weighing of a result's item and THICK by the workspace's Density.dat.
Weighing ResultWeighing(const LoadedResult& result, const Workspace& workspace);

// What a weight list says when the item has no density: "Density.dat has no density for <item>:
// its weights are 0."
std::string MissingDensityText(std::string_view item);

}  // namespace lumora

#endif  // LUMORA_CORE_REPORTS_WEIGHTS_H_
