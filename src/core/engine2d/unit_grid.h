#ifndef LUMORA_CORE_ENGINE2D_UNIT_GRID_H_
#define LUMORA_CORE_ENGINE2D_UNIT_GRID_H_

#include <optional>
#include <vector>

// Millimetre lengths as whole units of a grid, for the searches that pack on integers.
namespace lumora {

// Units per millimetre: 1, 10 or 100, the first on which every length is whole (within a
// thousandth of a millimetre); nullopt when none is.
std::optional<int> WholeScale(const std::vector<double>& lengths);

// A length in units of `unit` millimetres, rounded down or up; a length no int holds is held at
// the largest int, longer than anything it is compared with.
int UnitsDown(double length, double unit);
int UnitsUp(double length, double unit);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_UNIT_GRID_H_
