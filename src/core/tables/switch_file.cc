#include "core/tables/switch_file.h"

#include "core/base/field_reader.h"
#include "core/base/number_text.h"

namespace lumora {

std::vector<bool> ReadSwitches(std::string_view bytes, size_t count) {
  FieldReader reader(bytes);
  std::vector<bool> switches;
  for (size_t i = 0; i < count; ++i) switches.push_back(ReadDouble(reader.Next()) != 0);
  return switches;
}

std::string SwitchBytes(const std::vector<bool>& switches) {
  std::string bytes;
  for (const bool on : switches) bytes += on ? "1\r\n" : "0\r\n";
  return bytes;
}

}  // namespace lumora
