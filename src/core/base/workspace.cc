#include "core/base/workspace.h"

#include <array>
#include <chrono>
#include <ctime>
#include <filesystem>

#include "core/base/ascii_case.h"
#include "core/base/number_text.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

}  // namespace

std::string StartStampAt(int centiseconds_since_midnight) {
  return GeneralText(static_cast<float>(static_cast<double>(centiseconds_since_midnight) / 100.0));
}

int CentisecondsSinceMidnightNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto centiseconds =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000 /
      10;
  return (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) * 100 +
         static_cast<int>(centiseconds);
}

std::string StartStampNow() { return StartStampAt(CentisecondsSinceMidnightNow()); }

std::string Workspace::SettingsFile(std::string_view name) const {
  return (fs::path(data_folder) / std::string(name)).string();
}

std::string Workspace::WorkingFile(std::string_view name) const {
  return (fs::path(data_folder) / (stamp + std::string(name))).string();
}

void Workspace::RemoveWorkingFiles() const {
  constexpr std::array<std::string_view, 4> kExtensions = {".tlf", ".adj", ".tmp", ".lst"};
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(data_folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.size() <= stamp.size() || name.compare(0, stamp.size(), stamp) != 0) continue;
    // Working-file names start with a letter; a digit or point here belongs to a longer stamp.
    const char next = name[stamp.size()];
    if ((next >= '0' && next <= '9') || next == '.') continue;
    for (const std::string_view extension : kExtensions) {
      if (EndsWithIgnoringCase(name, extension)) {
        fs::remove(entry.path(), error);
        break;
      }
    }
  }
}

}  // namespace lumora
