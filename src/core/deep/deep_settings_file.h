#ifndef LUMORA_CORE_DEEP_DEEP_SETTINGS_FILE_H_
#define LUMORA_CORE_DEEP_DEEP_SETTINGS_FILE_H_

#include <optional>
#include <string>

#include "core/base/workspace.h"

// deep.set in the data folder: one record, the deep optimization's time limit in seconds, in
// the style of misc.set. A missing or unreadable file gives the default.
namespace lumora {

inline constexpr const char* kDeepSettingsFile = "deep.set";
inline constexpr double kMinDeepSeconds = 1;
inline constexpr double kMaxDeepSeconds = 86400;

// The time limit of deep.set, whole seconds within [1, 86400]; 30 without a usable value.
double ReadDeepSeconds(const Workspace& workspace);
// Stores the time limit; the message "Could not save <file>: <reason>" when it cannot.
std::optional<std::string> WriteDeepSeconds(const Workspace& workspace, double seconds);

}  // namespace lumora

#endif  // LUMORA_CORE_DEEP_DEEP_SETTINGS_FILE_H_
