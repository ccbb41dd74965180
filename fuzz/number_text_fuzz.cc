// The leading-number rule, the unit conversions and the number formats over any text; a read
// single-precision number is always finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/base/number_text.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumora;
  const std::string_view text = fuzz::BytesOf(data, size);
  const double value = ReadDouble(text);
  const float single = ReadFloat(text);
  fuzz::Require(!std::isnan(single) && std::isfinite(single));
  IsNumberText(text);
  const std::string inches = MMToInchText(text);
  const std::string mm = InchTextToMM(text);
  ReadDouble(inches);
  ReadDouble(mm);
  ToUnitText(text, Unit::kIn);
  TrimBlanks(text);
  FormatDecimalText(text, "0.00");
  if (std::isfinite(value)) {
    GeneralText(single);
    TrimZeros(single);
  }
  return 0;
}
