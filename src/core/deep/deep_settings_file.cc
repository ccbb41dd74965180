#include "core/deep/deep_settings_file.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/base/field_reader.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/deep/deep_optimization.h"
#include "core/tables/switch_file.h"
#include "core/tables/table_file.h"

namespace lumora {

double ReadDeepSeconds(const Workspace& workspace) {
  const auto bytes = ReadFileBytes(workspace.SettingsFile(kDeepSettingsFile), kTableFileLimit);
  if (!bytes) return kDefaultDeepSeconds;
  FieldReader reader(*bytes);
  const std::string text = reader.Next();
  const double seconds = std::nearbyint(ReadDouble(text));
  if (!IsNumberText(text) || !(seconds >= kMinDeepSeconds && seconds <= kMaxDeepSeconds)) {
    return kDefaultDeepSeconds;
  }
  return seconds;
}

std::optional<std::string> WriteDeepSeconds(const Workspace& workspace, double seconds) {
  const double held = std::clamp(std::nearbyint(seconds), kMinDeepSeconds, kMaxDeepSeconds);
  return SaveFile(workspace.SettingsFile(kDeepSettingsFile),
                  QuotedField(GeneralText(static_cast<int>(held))) + "\r\n");
}

LeftoverSettings ReadLeftoverSettings(const Workspace& workspace) {
  const std::vector<bool> switches = ReadSwitches(
      ReadFileBytes(workspace.SettingsFile(kLeftoverSettingsFile), kTableFileLimit).value_or(""),
      2);
  return LeftoverSettings{switches[0], switches[1]};
}

std::optional<std::string> WriteLeftoverSettings(const Workspace& workspace,
                                                 const LeftoverSettings& settings) {
  return SaveFile(workspace.SettingsFile(kLeftoverSettingsFile),
                  SwitchBytes({settings.use_leftovers_first, settings.keep_one_leftover}));
}

}  // namespace lumora
