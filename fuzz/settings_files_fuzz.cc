// charge.dat, dia.set, lbl.def, the switch files, racks.dat, Density.dat and leftovers.dat of any
// bytes: the first byte picks the file. A dia.set and a switch file read back as they are
// written, a dia.set with its width held to 1..5; every rack read is one a plan can fill.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/job/mirror_conversion.h"
#include "core/layouts/dia_settings.h"
#include "core/library/leftover_stock.h"
#include "core/racks/rack_library.h"
#include "core/reports/labels.h"
#include "core/reports/weights.h"
#include "core/tables/switch_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumora;
  if (size == 0) return 0;
  const std::string_view bytes = fuzz::BytesOf(data + 1, size - 1);
  switch (data[0] % 6) {
    case 0: {
      const ChargeTable charges = ChargeTableFromBytes(std::string(bytes));
      for (const std::string_view length : {"0", "12", "39.375", "-1", "1e30", "", "x"}) {
        ChargeableLength(length, charges);
      }
      ChargeableLength(bytes.substr(0, 16), charges);
      break;
    }
    case 1: {
      const DiaSettings settings = ReadDiaSettings(bytes);
      fuzz::Require(settings.line_width >= 1 && settings.line_width <= 5);
      fuzz::Require(ReadDiaSettings(DiaSettingsBytes(settings)) == settings);
      break;
    }
    case 2:
      ReadLabelGrid(bytes);
      break;
    case 3: {
      const std::vector<bool> switches = ReadSwitches(bytes, 3);
      fuzz::Require(switches.size() == 3 && ReadSwitches(SwitchBytes(switches), 3) == switches);
      break;
    }
    case 4:
      for (const Rack& rack : ReadRackLibrary(bytes).racks) {
        fuzz::Require(!rack.name.empty() && rack.slot_count >= 1 && rack.pieces_per_slot >= 1 &&
                      rack.most_kg > 0 && rack.l1 > 0 && rack.l2 > 0);
      }
      break;
    default:
      DensityOf(bytes, "FLOAT CLEAR");
      LeftoverSizes(bytes, "FLOAT CLEAR", "CLR", "6");
      break;
  }
  return 0;
}
