#include "core/cuts/cut_settings.h"

#include "core/base/field_reader.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/tables/table_file.h"

namespace lumora {

CutSettings ReadCutSettings(std::string_view bytes) {
  FieldReader reader(bytes);
  CutSettings settings;
  settings.cut_order = ReadDouble(reader.Next()) != 0;
  settings.all_dimensions = ReadDouble(reader.Next()) != 0;
  return settings;
}

std::string CutSettingsBytes(const CutSettings& settings) {
  return std::string(settings.cut_order ? "1\r\n" : "0\r\n") +
         (settings.all_dimensions ? "1\r\n" : "0\r\n");
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
