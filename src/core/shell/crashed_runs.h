#ifndef LUMORA_CORE_SHELL_CRASHED_RUNS_H_
#define LUMORA_CORE_SHELL_CRASHED_RUNS_H_

#include <string>
#include <string_view>

// Working files that runs which crashed left in a data folder. A run's claim file names the
// process that claimed its stamp, so a later start can tell a crashed run from a live one.
namespace lumora {

// What the claim file of this process holds: "PID START HOST", START being the process's
// start time in clock ticks after boot, which tells a reused process id apart.
std::string ClaimRecord();

// Whether the claim record names a process of this host that no longer runs. A record that
// cannot be read (empty, as an older run or one claiming this very moment writes it) or that
// names another host is never taken for gone.
bool ClaimerIsGone(std::string_view record);

// Removes the working files of every stamp in the folder whose claimer is gone.
void RemoveCrashedRunFiles(const std::string& data_folder);

}  // namespace lumora

#endif  // LUMORA_CORE_SHELL_CRASHED_RUNS_H_
