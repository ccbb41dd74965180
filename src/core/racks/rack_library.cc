#include "core/racks/rack_library.h"

#include <algorithm>
#include <optional>

#include "core/base/number_text.h"
#include "core/engine2d/engine_records.h"
#include "core/tables/table_file.h"

namespace lumora {

const std::vector<std::string>& RackLibraryHeaders() {
  static const std::vector<std::string> headers = {"RACK",      "SLOTS",   "PIECES",
                                                   "LOAD (KG)", "L1 (MM)", "L2 (MM)"};
  return headers;
}

bool Rack::Takes(float side_a, float side_b) const {
  return std::max(side_a, side_b) <= std::max(l1, l2) &&
         std::min(side_a, side_b) <= std::min(l1, l2);
}

RackLibrary ReadRackLibrary(std::string_view bytes) {
  RackLibrary library;
  int row = 0;
  for (const auto& record : ReadRecords(bytes, static_cast<int>(RackLibraryHeaders().size()))) {
    ++row;
    if (std::all_of(record.begin(), record.end(), [](const std::string& f) { return f.empty(); })) {
      continue;
    }
    Rack rack;
    rack.name = std::string(TrimBlanks(record[0]));
    const std::optional<int> slots = ReadWholeNumber(record[1], 1, kMaxListCount);
    const std::optional<int> pieces = ReadWholeNumber(record[2], 1, kMaxListCount);
    rack.most_kg = ReadDouble(record[3]);
    rack.l1 = ReadFloat(record[4]);
    rack.l2 = ReadFloat(record[5]);
    std::string why;
    if (rack.name.empty()) {
      why = "it has no name";
    } else if (!slots || !pieces) {
      why = "SLOTS and PIECES must be whole numbers from 1 to 32767";
    } else if (!(rack.most_kg > 0)) {
      why = "its LOAD (KG) is not above 0";
    } else if (!(rack.l1 > 0 && rack.l2 > 0)) {
      why = "its L1 (MM) and L2 (MM) are not above 0";
    }
    if (!why.empty()) {
      library.skipped.push_back("Rack row " + GeneralText(row) +
                                (rack.name.empty() ? "" : " (" + rack.name + ")") + ": " + why +
                                ".");
      continue;
    }
    rack.slot_count = *slots;
    rack.pieces_per_slot = *pieces;
    library.racks.push_back(std::move(rack));
  }
  return library;
}

}  // namespace lumora
