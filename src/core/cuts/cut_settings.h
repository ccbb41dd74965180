#ifndef LUMORA_CORE_CUTS_CUT_SETTINGS_H_
#define LUMORA_CORE_CUTS_CUT_SETTINGS_H_

#include <optional>
#include <string>
#include <string_view>

#include "core/base/workspace.h"

// The layout settings beyond dia.set, in their own file of the data folder so that dia.set
// keeps its twelve lines: one line per setting, 0 or 1, all off when the file is missing.
namespace lumora {

inline constexpr std::string_view kCutSettingsFileName = "cuts.set";
inline constexpr std::string_view kCutOrderCaption = "Cut order";
inline constexpr std::string_view kAllDimensionsCaption = "All dimensions";

struct CutSettings {
  // The cuts numbered on the drawing and listed under it.
  bool cut_order = false;
  // Every cut's position from the sheet's origin beside the sheet.
  bool all_dimensions = false;

  bool operator==(const CutSettings&) const = default;
};

CutSettings ReadCutSettings(std::string_view bytes);
std::string CutSettingsBytes(const CutSettings& settings);

CutSettings LoadCutSettings(const Workspace& workspace);
// Replaces cuts.set. Returns the reason on failure.
std::optional<std::string> SaveCutSettings(const Workspace& workspace, const CutSettings& settings);

}  // namespace lumora

#endif  // LUMORA_CORE_CUTS_CUT_SETTINGS_H_
