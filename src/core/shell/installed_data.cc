#include "core/shell/installed_data.h"

#include <filesystem>
#include <system_error>

namespace lumora {

std::string InstalledDataFolder(const std::string& executable_folder,
                                const std::string& source_data_folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (!executable_folder.empty()) {
    const fs::path installed =
        (fs::path(executable_folder) / ".." / "share" / "lumora").lexically_normal();
    if (fs::is_directory(installed, error)) return installed.string();
  }
  if (!source_data_folder.empty() && fs::is_directory(source_data_folder, error)) {
    return source_data_folder;
  }
  return {};
}

}  // namespace lumora
