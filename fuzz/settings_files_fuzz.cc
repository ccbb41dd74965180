// charge.dat, dia.set and lbl.def of any bytes: the first byte picks the file. A dia.set reads
// back as it is written, with its width held to 1..5.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/job/mirror_conversion.h"
#include "core/layouts/dia_settings.h"
#include "core/reports/labels.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumora;
  if (size == 0) return 0;
  const std::string_view bytes = fuzz::BytesOf(data + 1, size - 1);
  switch (data[0] % 3) {
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
    default:
      ReadLabelGrid(bytes);
      break;
  }
  return 0;
}
