#include "core/base/file_routines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <utility>

#include "core/base/ascii_case.h"
#include "core/base/number_text.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

// Glob match of one file name: "*" matches any run of bytes; the part after the pattern's last
// "." compares without letter case, because names such as "sheets.Adj" are spelt both ways.
bool MatchesWildcard(std::string_view pattern, std::string_view name, bool fold_case) {
  if (pattern.empty()) return name.empty();
  if (pattern[0] == '*') {
    for (size_t skip = 0; skip <= name.size(); ++skip) {
      if (MatchesWildcard(pattern.substr(1), name.substr(skip), fold_case)) return true;
    }
    return false;
  }
  if (name.empty()) return false;
  const bool same =
      fold_case ? AsciiLower(pattern[0]) == AsciiLower(name[0]) : pattern[0] == name[0];
  if (!same) return false;
  const bool now_fold = fold_case || (pattern[0] == '.' && pattern.find('.', 1) == pattern.npos);
  return MatchesWildcard(pattern.substr(1), name.substr(1), now_fold);
}

std::string ErrnoText() { return std::strerror(errno); }

// "16 MB", "512 bytes": a size limit as messages name it.
std::string SizeText(size_t bytes) {
  constexpr size_t kMegabyte = 1024 * 1024;
  if (bytes >= kMegabyte && bytes % kMegabyte == 0) {
    return GeneralText(static_cast<int>(bytes / kMegabyte)) + " MB";
  }
  return GeneralText(static_cast<int>(bytes)) + " bytes";
}

// A complete temporary file beside its target (path empty when it could not be written, with
// the reason).
struct Temporary {
  std::string path;
  std::string reason;
};

Temporary WriteTemporary(const std::string& path, std::string_view bytes) {
  const fs::path target(path);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return {"", ErrnoText()};
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      const std::string reason = ErrnoText();
      ::close(fd);
      ::unlink(temporary.c_str());
      return {"", reason};
    }
    data += written;
    left -= static_cast<size_t>(written);
  }
  // Keep the permissions of the file being replaced; a new file gets the usual ones.
  struct stat old_info;
  const mode_t mode = ::stat(path.c_str(), &old_info) == 0 ? (old_info.st_mode & 07777) : 0644;
  ::fchmod(fd, mode);
  const bool synced = ::fsync(fd) == 0;
  const std::string sync_reason = synced ? "" : ErrnoText();
  if (::close(fd) != 0 || !synced) {
    const std::string reason = synced ? ErrnoText() : sync_reason;
    ::unlink(temporary.c_str());
    return {"", reason};
  }
  return {temporary, ""};
}

// Renames a temporary file over its target; the temporary goes when that fails.
std::optional<std::string> RenameOver(const std::string& temporary, const std::string& path) {
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const std::string reason = ErrnoText();
    ::unlink(temporary.c_str());
    return reason;
  }
  return std::nullopt;
}

}  // namespace

bool FileExists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsFileEmpty(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return true;
  return info.st_size == 0;
}

std::vector<std::string> MatchingFiles(const std::string& pattern) {
  const fs::path pattern_path(pattern);
  const fs::path folder =
      pattern_path.has_parent_path() ? pattern_path.parent_path() : fs::path(".");
  const std::string name_pattern = pattern_path.filename().string();
  std::vector<std::string> files;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (!entry.is_regular_file(error)) continue;
    if (MatchesWildcard(name_pattern, entry.path().filename().string(), false)) {
      files.push_back(entry.path().string());
    }
  }
  return files;
}

void DeleteFiles(const std::string& pattern) {
  std::error_code error;
  for (const std::string& file : MatchingFiles(pattern)) fs::remove(file, error);
}

FileRead ReadFile(const std::string& path, size_t limit) {
  // Without O_NONBLOCK opening a pipe would wait for a writer before it could be refused.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {std::nullopt, ErrnoText()};
  const auto refuse = [fd](std::string reason) {
    ::close(fd);
    return FileRead{std::nullopt, std::move(reason)};
  };
  struct stat info;
  if (::fstat(fd, &info) != 0) return refuse(ErrnoText());
  if (S_ISDIR(info.st_mode)) return refuse("it is a folder");
  if (!S_ISREG(info.st_mode)) return refuse("it is not a regular file");
  const std::string too_large = "it is larger than " + SizeText(limit);
  if (static_cast<uintmax_t>(info.st_size) > limit) return refuse(too_large);
  // The size is only a hint: a file may grow while it is read, and /proc files say 0.
  std::string bytes(std::min(static_cast<size_t>(info.st_size), limit) + 1, '\0');
  size_t filled = 0;
  while (true) {
    if (filled == bytes.size()) {
      if (filled > limit) return refuse(too_large);
      bytes.resize(std::min(bytes.size() * 2, limit + 1));
    }
    const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return refuse(ErrnoText());
    if (got == 0) break;
    filled += static_cast<size_t>(got);
  }
  ::close(fd);
  bytes.resize(filled);
  return {std::move(bytes), ""};
}

std::optional<std::string> ReadFileBytes(const std::string& path, size_t limit) {
  return ReadFile(path, limit).bytes;
}

ScratchFile::ScratchFile(std::string_view name_start) {
  std::error_code error;
  const fs::path folder = fs::temp_directory_path(error);
  if (error) return;
  std::string pattern = (folder / (std::string(name_start) + "XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return;
  ::close(fd);
  path_ = std::move(pattern);
}

ScratchFile::~ScratchFile() {
  if (!path_.empty()) ::unlink(path_.c_str());
}

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const Temporary temporary = WriteTemporary(path, bytes);
  if (temporary.path.empty()) return temporary.reason;
  return RenameOver(temporary.path, path);
}

std::string SaveFailureText(const SaveFailure& failure) {
  return "Could not save " + failure.file + ": " + failure.reason;
}

std::optional<std::string> SaveFile(const std::string& path, std::string_view bytes) {
  if (const auto reason = WriteFileAtomically(path, bytes)) return SaveFailureText({path, *reason});
  return std::nullopt;
}

std::optional<SaveFailure> WriteFilesAtomically(const std::vector<FileBytes>& files) {
  std::vector<std::string> temporaries;
  const auto drop_temporaries = [&temporaries](size_t from) {
    for (size_t i = from; i < temporaries.size(); ++i) ::unlink(temporaries[i].c_str());
  };
  for (const FileBytes& file : files) {
    Temporary temporary = WriteTemporary(file.path, file.bytes);
    if (temporary.path.empty()) {
      drop_temporaries(0);
      return SaveFailure{file.path, temporary.reason};
    }
    temporaries.push_back(std::move(temporary.path));
  }
  for (size_t i = 0; i < files.size(); ++i) {
    if (auto reason = RenameOver(temporaries[i], files[i].path)) {
      drop_temporaries(i + 1);
      return SaveFailure{files[i].path, std::move(*reason)};
    }
  }
  return std::nullopt;
}

}  // namespace lumora
