#include "fuzz_support.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "core/base/file_routines.h"
#include "core/job/job_sections.h"
#include "core/shell/data_folder.h"

namespace lumora::fuzz {

PromptAnswer AgreeingPrompter::Ask(const Prompt& prompt) { return prompt.default_answer; }

namespace {

std::filesystem::path ScratchPath() {
  return std::filesystem::temp_directory_path() / ("lumora-fuzz-" + std::to_string(getpid()));
}

}  // namespace

const std::string& ScratchDataFolder() {
  static const std::string folder = [] {
    Require(!SeedDataFolder(ScratchPath().string()).has_value());
    std::atexit([] {
      std::error_code error;
      std::filesystem::remove_all(ScratchPath(), error);
    });
    return ScratchPath().string();
  }();
  return folder;
}

std::string TestDataBytes(std::string_view relative_path) {
  const std::optional<std::string> bytes = ReadFileBytes(
      std::string(LUMORA_TEST_DATA_DIR) + "/" + std::string(relative_path), kJobFileLimit);
  Require(bytes.has_value());
  return *bytes;
}

}  // namespace lumora::fuzz
