#ifndef LUMORA_CORE_SHELL_DATA_FOLDER_H_
#define LUMORA_CORE_SHELL_DATA_FOLDER_H_

#include <optional>
#include <string>
#include <vector>

namespace lumora {

// The data folder: the --data-dir argument when given, else $LUMORA_HOME, else
// $XDG_DATA_HOME/lumora, else ~/.local/share/lumora.
std::string ResolveDataFolder(const std::optional<std::string>& data_dir_argument);

// Creates the folder when needed and writes each default settings file that is not there yet;
// a user's file is never overwritten. Returns the reason when the folder cannot be prepared.
std::optional<std::string> SeedDataFolder(const std::string& folder);

}  // namespace lumora

#endif  // LUMORA_CORE_SHELL_DATA_FOLDER_H_
