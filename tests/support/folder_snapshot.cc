#include "support/folder_snapshot.h"

#include <filesystem>

#include "core/base/file_routines.h"
#include "core/job/job_sections.h"

namespace lumora::testing {

FolderSnapshot SnapshotFolder(const std::string& folder) {
  FolderSnapshot files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (!entry.is_regular_file()) continue;
    files[entry.path().filename().string()] =
        ReadFileBytes(entry.path().string(), kJobFileLimit).value_or("");
  }
  return files;
}

std::vector<std::string> FolderChanges(const FolderSnapshot& before, const FolderSnapshot& after) {
  std::vector<std::string> changes;
  for (const auto& [name, bytes] : before) {
    const auto found = after.find(name);
    if (found == after.end()) {
      changes.push_back("-" + name);
    } else if (found->second != bytes) {
      changes.push_back("~" + name);
    }
  }
  for (const auto& [name, bytes] : after) {
    if (!before.contains(name)) changes.push_back("+" + name);
  }
  return changes;
}

}  // namespace lumora::testing
