#ifndef LUMORA_CORE_LAYOUTS_DIA_SETTINGS_H_
#define LUMORA_CORE_LAYOUTS_DIA_SETTINGS_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/workspace.h"

// The layout settings of dia.set: what the layout view and the printout show, and the pen width
// on paper.
namespace lumora {

inline constexpr std::string_view kDiaSettingsFileName = "dia.set";

// The check boxes in file order (their index in the settings window).
enum class DiaFlag {
  kBasicDetailsList = 0,
  kSheetDimensions,
  kMarginDimensions,
  kOnlyFirstInBlock,
  kGlassDimensions,
  kGlassActualDimensions,
  kGlassDescription,
  kGlassColor,
  kBalanceDimensions,
  kBalanceBoundries,
  kBalanceList,
};
inline constexpr int kDiaFlagCount = 11;
inline constexpr int kMinLineWidth = 1;
inline constexpr int kMaxLineWidth = 5;

// The caption of each check box, by index.
inline constexpr std::array<std::string_view, kDiaFlagCount> kDiaFlagCaptions = {
    "Basic Details List", "Sheet Dimensions",        "Margin Dimensions", "Only First In Block",
    "Glass Dimensions",   "Glass Actual Dimensions", "Glass Description", "Glass Color",
    "Balance Dimensions", "Balance Boundries",       "Balance List"};
inline constexpr std::string_view kLineWidthCaption = "Line Width for Printing";

struct DiaSettings {
  std::array<bool, kDiaFlagCount> flags{};
  // The pen width on paper, 1 to 5; 1 when dia.set is missing.
  int line_width = kMinLineWidth;

  bool On(DiaFlag flag) const { return flags[static_cast<size_t>(flag)]; }
  void Set(DiaFlag flag, bool on) { flags[static_cast<size_t>(flag)] = on; }
  bool operator==(const DiaSettings&) const = default;
};

// Reads dia.set's bytes: eleven states (any non-zero number is on) and the width, which is
// held to 1..5. Fields the bytes lack read as off and as width 1.
DiaSettings ReadDiaSettings(std::string_view bytes);
// The twelve lines of dia.set: each state as 0 or 1 in index order, then the width.
std::string DiaSettingsBytes(const DiaSettings& settings);

// The data folder's dia.set, or `previous` when there is none.
DiaSettings LoadDiaSettings(const Workspace& workspace, const DiaSettings& previous);
// Whether the data folder has a dia.set (the settings window then shows its values).
bool HasDiaSettings(const Workspace& workspace);
// Replaces dia.set. Returns the reason on failure.
std::optional<std::string> SaveDiaSettings(const Workspace& workspace, const DiaSettings& settings);

}  // namespace lumora

#endif  // LUMORA_CORE_LAYOUTS_DIA_SETTINGS_H_
