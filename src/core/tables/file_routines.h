#ifndef LUMORA_CORE_TABLES_FILE_ROUTINES_H_
#define LUMORA_CORE_TABLES_FILE_ROUTINES_H_

#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// True when the file's length can be read, whatever the length.
bool FileExists(const std::string& path);
// True when the file is missing or has length 0.
bool IsFileEmpty(const std::string& path);
// Deletes the files matching a pattern whose last component may hold "*" wildcards; the
// extension after the last "." matches without regard to letter case. Missing files are fine.
void DeleteFiles(const std::string& pattern);

// The whole file as bytes, or nullopt when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Replaces a file atomically: the bytes go to a temporary file in the same folder, which is then
// renamed over the target, so a failure leaves the earlier file as it was. Returns the reason
// on failure, nullopt on success.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace lumora

#endif  // LUMORA_CORE_TABLES_FILE_ROUTINES_H_
