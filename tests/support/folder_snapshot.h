#ifndef LUMORA_TESTS_SUPPORT_FOLDER_SNAPSHOT_H_
#define LUMORA_TESTS_SUPPORT_FOLDER_SNAPSHOT_H_

#include <map>
#include <string>
#include <vector>

namespace lumora::testing {

// Every file of a folder (not its subfolders' files) by name, with its bytes.
using FolderSnapshot = std::map<std::string, std::string>;
FolderSnapshot SnapshotFolder(const std::string& folder);

// The files added ("+name"), removed ("-name") and changed ("~name") from before to after.
std::vector<std::string> FolderChanges(const FolderSnapshot& before, const FolderSnapshot& after);

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_SUPPORT_FOLDER_SNAPSHOT_H_
