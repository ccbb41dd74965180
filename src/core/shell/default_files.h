#ifndef LUMORA_CORE_SHELL_DEFAULT_FILES_H_
#define LUMORA_CORE_SHELL_DEFAULT_FILES_H_

#include <string_view>
#include <vector>

namespace lumora {

// One settings file that a new data folder starts with.
struct DefaultFile {
  std::string_view name;
  std::string_view bytes;
};

// The default settings files and the Defaults job, compiled in from data/defaults.
const std::vector<DefaultFile>& DefaultFiles();

}  // namespace lumora

#endif  // LUMORA_CORE_SHELL_DEFAULT_FILES_H_
