#ifndef LUMORA_CORE_CUTS_BREAKOUT_SETTINGS_H_
#define LUMORA_CORE_CUTS_BREAKOUT_SETTINGS_H_

#include <optional>
#include <string>
#include <string_view>

#include "core/base/workspace.h"

// What the breakout order adds to the drawing and the labels, in its own switch file of the
// data folder: the numbers on the pieces, the labels in breakout order, rack and slot on the
// labels. All off when the file is missing, so that lbl.tlf and the drawing stay as they are.
namespace lumora {

inline constexpr std::string_view kBreakoutSettingsFileName = "breakout.set";
inline constexpr std::string_view kBreakoutNumbersCaption = "Breakout numbers";
inline constexpr std::string_view kLabelsInBreakoutOrderCaption = "Labels in breakout order";
inline constexpr std::string_view kRackOnLabelsCaption = "Rack and slot on labels";

struct BreakoutSettings {
  bool numbers = false;
  bool labels_in_order = false;
  bool rack_on_labels = false;

  bool operator==(const BreakoutSettings&) const = default;
};

BreakoutSettings LoadBreakoutSettings(const Workspace& workspace);
// Replaces breakout.set. Returns the reason on failure.
std::optional<std::string> SaveBreakoutSettings(const Workspace& workspace,
                                                const BreakoutSettings& settings);

}  // namespace lumora

#endif  // LUMORA_CORE_CUTS_BREAKOUT_SETTINGS_H_
