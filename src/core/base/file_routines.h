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

// A file's bytes, or why there are none.
struct FileRead {
  std::optional<std::string> bytes;
  // When bytes is empty: "it is a folder", "it is larger than 16 MB", "No such file or
  // directory" ...
  std::string reason;
};

// The one way a file is read: only a regular file of at most `limit` bytes. A folder, a device,
// a pipe or a larger file is refused unread, so a wrong path neither blocks nor fills the
// memory. Each format names its limit beside its reader.
FileRead ReadFile(const std::string& path, size_t limit);

// ReadFile's bytes alone, for readers that take an unreadable file as a missing one.
std::optional<std::string> ReadFileBytes(const std::string& path, size_t limit);

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

// An empty private file in the temporary folder for a library that only writes to a path; the
// file goes with the value, on an exception too. The path is empty when none could be made.
class ScratchFile {
 public:
  // The name starts with `name_start` ("lumora-xlsx-").
  explicit ScratchFile(std::string_view name_start);
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The regular files matching a DeleteFiles pattern, as folder + "/" + name.
std::vector<std::string> MatchingFiles(const std::string& pattern);

}  // namespace lumora

#endif  // LUMORA_CORE_BASE_FILE_ROUTINES_H_
