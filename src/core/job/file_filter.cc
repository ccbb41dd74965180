#include "core/job/file_filter.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace lumora {
namespace {

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (size_t start = 0;;) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

bool SameLetters(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// The part of a path after its last folder separator.
size_t FileNameStart(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? 0 : slash + 1;
}

// The extension of the path's file name, without its dot; empty when it has none.
std::string_view ExtensionOf(std::string_view path) {
  const std::string_view file = path.substr(FileNameStart(path));
  const size_t dot = file.rfind('.');
  return dot == std::string_view::npos || dot == 0 ? std::string_view() : file.substr(dot + 1);
}

}  // namespace

std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter) {
  const std::vector<std::string_view> parts = Split(filter, '|');
  std::vector<FileFilterEntry> entries;
  for (size_t i = 0; i < parts.size(); i += 2) {
    const std::string_view description = Trimmed(parts[i]);
    std::string_view pattern = i + 1 < parts.size() ? Trimmed(parts[i + 1]) : std::string_view();
    if (pattern.empty()) pattern = description;
    FileFilterEntry entry{std::string(description), {}};
    for (const std::string_view glob : Split(pattern, ' ')) {
      if (!glob.empty()) entry.patterns.emplace_back(glob);
    }
    if (!entry.patterns.empty()) entries.push_back(std::move(entry));
  }
  return entries;
}

std::string GlobExtension(std::string_view glob) {
  if (glob.size() < 3 || glob.substr(0, 2) != "*.") return {};
  const std::string_view extension = glob.substr(2);
  if (extension.find_first_of("*?[. ") != std::string_view::npos) return {};
  return std::string(extension);
}

std::string FilterExtension(std::string_view filter, size_t entry) {
  const std::vector<FileFilterEntry> entries = ParseFileFilter(filter);
  if (entry >= entries.size()) return {};
  for (const std::string& glob : entries[entry].patterns) {
    if (std::string extension = GlobExtension(glob); !extension.empty()) return extension;
  }
  return {};
}

std::string SaveNameWithExtension(std::string_view name, std::string_view filter,
                                  size_t chosen_entry) {
  const std::string extension = FilterExtension(filter, chosen_entry);
  if (extension.empty() || name.size() <= FileNameStart(name)) return std::string(name);
  const std::string_view typed = ExtensionOf(name);
  for (const FileFilterEntry& entry : ParseFileFilter(filter)) {
    for (const std::string& glob : entry.patterns) {
      const std::string known = GlobExtension(glob);
      if (!known.empty() && SameLetters(typed, known)) return std::string(name);
    }
  }
  std::string completed(name);
  while (completed.size() > FileNameStart(completed) + 1 && completed.back() == '.') {
    completed.pop_back();
  }
  return completed + "." + extension;
}

std::string SuggestedSaveName(std::string_view job_file, std::string_view filter) {
  if (job_file.empty()) return {};
  const std::string extension = FilterExtension(filter);
  const std::string_view own = ExtensionOf(job_file);
  std::string stem(job_file.substr(0, job_file.size() - (own.empty() ? 0 : own.size() + 1)));
  return extension.empty() ? stem : stem + "." + extension;
}

FileDialog WithSaveExtensions(FileDialog dialog) {
  return [dialog = std::move(dialog)](const FileDialogRequest& request) {
    std::optional<std::string> chosen = dialog(request);
    if (chosen && request.kind == FileDialogKind::kSave && !chosen->empty()) {
      *chosen = SaveNameWithExtension(*chosen, request.filter);
    }
    return chosen;
  };
}

}  // namespace lumora
