#ifndef LUMORA_CORE_DEEP_DEEP_SETTINGS_FILE_H_
#define LUMORA_CORE_DEEP_DEEP_SETTINGS_FILE_H_

#include <optional>
#include <string>
#include <string_view>

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

// leftover.set in the data folder, a switch file: how the deep optimization treats the stock
// that came back from the material library's leftovers. Both off when it is missing.
inline constexpr const char* kLeftoverSettingsFile = "leftover.set";
inline constexpr std::string_view kUseLeftoversFirstCaption = "Use leftovers first";
inline constexpr std::string_view kKeepOneLeftoverCaption = "Keep one leftover";

struct LeftoverSettings {
  bool use_leftovers_first = false;
  bool keep_one_leftover = false;
};
LeftoverSettings ReadLeftoverSettings(const Workspace& workspace);
// Stores the switches; the message "Could not save <file>: <reason>" when it cannot.
std::optional<std::string> WriteLeftoverSettings(const Workspace& workspace,
                                                 const LeftoverSettings& settings);

}  // namespace lumora

#endif  // LUMORA_CORE_DEEP_DEEP_SETTINGS_FILE_H_
