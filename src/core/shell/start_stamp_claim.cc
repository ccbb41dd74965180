#include "core/shell/start_stamp_claim.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <unordered_set>

#include "core/base/workspace.h"
#include "core/shell/crashed_runs.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

constexpr int kCentisecondsPerDay = 24 * 3600 * 100;

bool IsStampCharacter(char c) { return (c >= '0' && c <= '9') || c == '.'; }

// The stamps the folder's file names begin with: a run of digits and points followed by the
// rest of a name. Settings and library files begin with a letter and give none.
std::unordered_set<std::string> StampsInUse(const std::string& folder) {
  std::unordered_set<std::string> stamps;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    size_t length = 0;
    while (length < name.size() && IsStampCharacter(name[length])) ++length;
    if (length > 0 && length < name.size()) stamps.insert(name.substr(0, length));
  }
  return stamps;
}

enum class Claim { kClaimed, kTaken, kImpossible };

Claim TryClaim(const std::string& folder, const std::string& stamp) {
  const std::string path = Workspace{folder, stamp}.WorkingFile(kStampClaimFile);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd >= 0) {
    // A claim without its record is only ever taken for a live run's: a short write costs
    // nothing but the cleaning after a crash.
    const std::string record = ClaimRecord();
    [[maybe_unused]] const ssize_t written = ::write(fd, record.data(), record.size());
    ::close(fd);
    return Claim::kClaimed;
  }
  return errno == EEXIST ? Claim::kTaken : Claim::kImpossible;
}

}  // namespace

std::string ClaimStartStamp(const std::string& data_folder, int centiseconds_since_midnight) {
  const int moment = (centiseconds_since_midnight % kCentisecondsPerDay + kCentisecondsPerDay) %
                     kCentisecondsPerDay;
  RemoveCrashedRunFiles(data_folder);
  const std::unordered_set<std::string> in_use = StampsInUse(data_folder);
  for (int step = 0; step < kCentisecondsPerDay; ++step) {
    const std::string stamp = StartStampAt((moment + step) % kCentisecondsPerDay);
    if (in_use.contains(stamp)) continue;
    switch (TryClaim(data_folder, stamp)) {
      case Claim::kClaimed:
      case Claim::kImpossible:
        return stamp;
      case Claim::kTaken:
        break;
    }
  }
  return StartStampAt(moment);
}

std::string ClaimStartStampNow(const std::string& data_folder) {
  return ClaimStartStamp(data_folder, CentisecondsSinceMidnightNow());
}

}  // namespace lumora
