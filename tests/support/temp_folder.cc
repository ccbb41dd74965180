#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "core/base/file_routines.h"
#include "core/job/job_sections.h"

namespace lumora::testing {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "lumora-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot create a temporary folder";
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code error;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, error);
  std::filesystem::remove_all(path_, error);
}

std::string TempFolder::File(std::string_view name) const {
  return path_ + "/" + std::string(name);
}

std::string TempFolder::Write(std::string_view name, std::string_view bytes) const {
  const std::string path = File(name);
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::string TempFolder::Read(std::string_view name) const {
  return ReadFileBytes(File(name), kJobFileLimit).value_or("");
}

std::string TestDataBytes(std::string_view relative_path) {
  const std::string path = std::string(LUMORA_TEST_DATA_DIR) + "/" + std::string(relative_path);
  const auto bytes = ReadFileBytes(path, kJobFileLimit);
  if (!bytes) ADD_FAILURE() << "missing test data " << path;
  return bytes.value_or("");
}

}  // namespace lumora::testing
