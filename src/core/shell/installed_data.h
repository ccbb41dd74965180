#ifndef LUMORA_CORE_SHELL_INSTALLED_DATA_H_
#define LUMORA_CORE_SHELL_INSTALLED_DATA_H_

#include <string>

namespace lumora {

// Where the data that comes with the program lies (the manual in help/, the example jobs in
// examples/): share/lumora beside the folder of the executable (<prefix>/bin/../share/lumora)
// when it is there, else the source tree's data folder of a program run from its build tree.
// Empty when neither is a folder.
std::string InstalledDataFolder(const std::string& executable_folder,
                                const std::string& source_data_folder);

}  // namespace lumora

#endif  // LUMORA_CORE_SHELL_INSTALLED_DATA_H_
