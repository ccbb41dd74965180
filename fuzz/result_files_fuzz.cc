// dia.tlf, s.tlf and c.tlf of any bytes: the first byte picks the reader.
#include <cstddef>
#include <cstdint>

#include "core/engine2d/result_files.h"
#include "core/layouts/loaded_result.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumora;
  if (size == 0) return 0;
  const std::string_view bytes = fuzz::BytesOf(data + 1, size - 1);
  switch (data[0] % 3) {
    case 0: {
      const LayoutFileRead read = ReadLayoutBytes(bytes);
      FindIndexDamage(read.elements, 3, 3);
      FindStructureDamage(read.elements);
      break;
    }
    case 1:
      ReadStockInputBytes(bytes);
      break;
    default:
      ReadGlassInputBytes(bytes);
      break;
  }
  return 0;
}
