#ifndef LUMORA_CORE_SHELL_START_STAMP_CLAIM_H_
#define LUMORA_CORE_SHELL_START_STAMP_CLAIM_H_

#include <string>

namespace lumora {

// The working file that marks a start stamp as taken in its data folder. It is a working file
// like any other, so exit removes it with the rest.
inline constexpr const char* kStampClaimFile = "run.lst";

// The start stamp of a new run in the data folder: the stamp of the given moment, or of the
// first later centisecond (wrapping at midnight) whose stamp no file of the folder carries yet.
// The stamp is claimed by creating its claim file exclusively, with the ClaimRecord of this
// process in it, so two processes starting at the same moment never share a stamp, and a run
// never takes over the working files a crashed run left under the same stamp. The working
// files of runs whose claimer is gone are removed first. When the folder takes no file at all,
// the stamp of the moment is given unclaimed.
std::string ClaimStartStamp(const std::string& data_folder, int centiseconds_since_midnight);

// ClaimStartStamp for now, local time.
std::string ClaimStartStampNow(const std::string& data_folder);

}  // namespace lumora

#endif  // LUMORA_CORE_SHELL_START_STAMP_CLAIM_H_
