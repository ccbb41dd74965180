#ifndef LUMORA_CORE_RACKS_RACK_LIBRARY_H_
#define LUMORA_CORE_RACKS_RACK_LIBRARY_H_

#include <string>
#include <string_view>
#include <vector>

// The rack library racks.dat in the data folder: the racks and harps cut pieces are stood in,
// one record each: RACK (its name), SLOTS, PIECES (the most pieces a slot holds), LOAD (KG) (the
// most the rack carries) and L1 (MM), L2 (MM) (the largest piece it takes, either way round).
namespace lumora {

inline constexpr std::string_view kRackLibraryFileName = "racks.dat";

const std::vector<std::string>& RackLibraryHeaders();

struct Rack {
  std::string name;
  int slot_count = 0;
  int pieces_per_slot = 0;
  double most_kg = 0;
  float l1 = 0;
  float l2 = 0;

  // Whether a piece of these sides stands in the rack, turned as it needs.
  bool Takes(float side_a, float side_b) const;
};

struct RackLibrary {
  std::vector<Rack> racks;
  // The records left out, each "Rack row N (<name>): <why>."
  std::vector<std::string> skipped;
};

// The racks of racks.dat's bytes. A record needs a name, whole SLOTS and PIECES from 1 to 32767,
// a LOAD (KG) above 0 and both sides above 0; any other is left out and named.
RackLibrary ReadRackLibrary(std::string_view bytes);

}  // namespace lumora

#endif  // LUMORA_CORE_RACKS_RACK_LIBRARY_H_
