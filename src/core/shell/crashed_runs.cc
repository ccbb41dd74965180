#include "core/shell/crashed_runs.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <sstream>
#include <vector>

#include "core/base/file_routines.h"
#include "core/base/workspace.h"
#include "core/shell/start_stamp_claim.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

// A claim record and /proc/PID/stat are one short line each.
constexpr size_t kRecordLimit = 64 * 1024;

std::string HostName() {
  char name[256] = {};
  if (gethostname(name, sizeof(name) - 1) != 0) return "?";
  return name[0] == '\0' ? "?" : name;
}

// Field 22 of /proc/PID/stat, or empty when the process or /proc is not there. The fields
// are counted after the command name, which may hold blanks and parentheses of its own.
std::string StartTicks(long pid) {
  const auto stat = ReadFileBytes("/proc/" + std::to_string(pid) + "/stat", kRecordLimit);
  if (!stat) return "";
  const size_t close = stat->rfind(')');
  if (close == std::string::npos) return "";
  std::istringstream fields(stat->substr(close + 1));
  std::string field;
  for (int i = 3; i <= 22 && fields >> field; ++i) {
    if (i == 22) return field;
  }
  return "";
}

}  // namespace

std::string ClaimRecord() {
  const long pid = static_cast<long>(getpid());
  const std::string ticks = StartTicks(pid);
  return std::to_string(pid) + " " + (ticks.empty() ? "0" : ticks) + " " + HostName() + "\n";
}

bool ClaimerIsGone(std::string_view record) {
  std::istringstream fields{std::string(record)};
  long pid = 0;
  std::string ticks;
  std::string host;
  if (!(fields >> pid >> ticks >> host) || pid <= 0 || host != HostName()) return false;
  if (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) return true;
  // The id runs again: it is the claimer unless it started at another moment.
  const std::string now = StartTicks(pid);
  return ticks != "0" && !now.empty() && now != ticks;
}

void RemoveCrashedRunFiles(const std::string& data_folder) {
  const std::string claim_name = kStampClaimFile;
  std::vector<std::string> gone;
  std::error_code error;
  for (fs::directory_iterator it(data_folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.size() <= claim_name.size() ||
        name.compare(name.size() - claim_name.size(), claim_name.size(), claim_name) != 0) {
      continue;
    }
    const std::string stamp = name.substr(0, name.size() - claim_name.size());
    if (stamp.find_first_not_of("0123456789.") != std::string::npos) continue;
    const auto record = ReadFileBytes(it->path().string(), kRecordLimit);
    if (record && ClaimerIsGone(*record)) gone.push_back(stamp);
  }
  for (const std::string& stamp : gone) Workspace{data_folder, stamp}.RemoveWorkingFiles();
}

}  // namespace lumora
