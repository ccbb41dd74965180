#ifndef LUMORA_CORE_BASE_FILE_ROUTINES_H_
#define LUMORA_CORE_BASE_FILE_ROUTINES_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// A file that could not be written, and why.
struct SaveFailure {
  std::string file;
  std::string reason;
};

// "Could not save <file>: <reason>", the one text every failed write is told with.
std::string SaveFailureText(const SaveFailure& failure);

// WriteFileAtomically whose failure comes back as SaveFailureText.
std::optional<std::string> SaveFile(const std::string& path, std::string_view bytes);

// One file of a set written together.
struct FileBytes {
  std::string path;
  std::string bytes;
};

// Writes every file of the set or none: all bytes go to temporary files first, and only when
// every one is complete are they renamed over their targets, so a full disk or a read-only
// folder leaves all earlier files as they were. Answers the first file that failed.
std::optional<SaveFailure> WriteFilesAtomically(const std::vector<FileBytes>& files);

// The regular files matching a DeleteFiles pattern, as folder + "/" + name.
std::vector<std::string> MatchingFiles(const std::string& pattern);

}  // namespace lumora

#endif  // LUMORA_CORE_BASE_FILE_ROUTINES_H_
