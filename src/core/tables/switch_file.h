#ifndef LUMORA_CORE_TABLES_SWITCH_FILE_H_
#define LUMORA_CORE_TABLES_SWITCH_FILE_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Settings files of on/off switches, kept beside the designed settings files so that those keep
// their bytes: one line per switch in a fixed order, "1" for on and "0" for off. A missing file
// or line, or a line that reads as 0, is off.
namespace lumora {

std::vector<bool> ReadSwitches(std::string_view bytes, size_t count);
std::string SwitchBytes(const std::vector<bool>& switches);

}  // namespace lumora

#endif  // LUMORA_CORE_TABLES_SWITCH_FILE_H_
