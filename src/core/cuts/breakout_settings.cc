#include "core/cuts/breakout_settings.h"

#include <vector>

#include "core/base/file_routines.h"
#include "core/tables/switch_file.h"
#include "core/tables/table_file.h"

namespace lumora {

BreakoutSettings LoadBreakoutSettings(const Workspace& workspace) {
  const std::vector<bool> switches =
      ReadSwitches(ReadFileBytes(workspace.SettingsFile(kBreakoutSettingsFileName), kTableFileLimit)
                       .value_or(""),
                   3);
  return BreakoutSettings{switches[0], switches[1], switches[2]};
}

std::optional<std::string> SaveBreakoutSettings(const Workspace& workspace,
                                                const BreakoutSettings& settings) {
  return WriteFileAtomically(
      workspace.SettingsFile(kBreakoutSettingsFileName),
      SwitchBytes({settings.numbers, settings.labels_in_order, settings.rack_on_labels}));
}

}  // namespace lumora
