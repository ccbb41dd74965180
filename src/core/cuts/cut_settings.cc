#include "core/cuts/cut_settings.h"

#include "core/base/file_routines.h"
#include "core/tables/switch_file.h"
#include "core/tables/table_file.h"

namespace lumora {

CutSettings ReadCutSettings(std::string_view bytes) {
  const std::vector<bool> switches = ReadSwitches(bytes, 2);
  return CutSettings{switches[0], switches[1]};
}

std::string CutSettingsBytes(const CutSettings& settings) {
  return SwitchBytes({settings.cut_order, settings.all_dimensions});
}

CutSettings LoadCutSettings(const Workspace& workspace) {
  const std::optional<std::string> bytes =
      ReadFileBytes(workspace.SettingsFile(kCutSettingsFileName), kTableFileLimit);
  return bytes ? ReadCutSettings(*bytes) : CutSettings{};
}

std::optional<std::string> SaveCutSettings(const Workspace& workspace,
                                           const CutSettings& settings) {
  return WriteFileAtomically(workspace.SettingsFile(kCutSettingsFileName),
                             CutSettingsBytes(settings));
}

}  // namespace lumora
