#include "core/shell/data_folder.h"

#include <cstdlib>
#include <filesystem>

#include "core/base/file_routines.h"
#include "core/shell/default_files.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
}

}  // namespace

std::string ResolveDataFolder(const std::optional<std::string>& data_dir_argument) {
  if (data_dir_argument && !data_dir_argument->empty()) return *data_dir_argument;
  if (const auto home = Environment("LUMORA_HOME")) return *home;
  if (const auto xdg = Environment("XDG_DATA_HOME")) return (fs::path(*xdg) / "lumora").string();
  const std::string home = Environment("HOME").value_or(".");
  return (fs::path(home) / ".local" / "share" / "lumora").string();
}

std::optional<std::string> SeedDataFolder(const std::string& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (!fs::is_directory(folder, error)) {
    return "Cannot create the data folder " + folder + (error ? ": " + error.message() : "");
  }
  for (const DefaultFile& file : DefaultFiles()) {
    const std::string path = (fs::path(folder) / std::string(file.name)).string();
    if (fs::exists(fs::symlink_status(path, error))) continue;
    if (const auto reason = WriteFileAtomically(path, file.bytes)) {
      return "Cannot write " + path + ": " + *reason;
    }
  }
  return std::nullopt;
}

}  // namespace lumora
