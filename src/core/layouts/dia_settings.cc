#include "core/layouts/dia_settings.h"

#include <algorithm>
#include <cmath>

#include "core/base/field_reader.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/tables/table_file.h"

namespace lumora {

DiaSettings ReadDiaSettings(std::string_view bytes) {
  FieldReader reader(bytes);
  DiaSettings settings;
  for (bool& flag : settings.flags) flag = ReadDouble(reader.Next()) != 0;
  const double width = std::round(ReadDouble(reader.Next()));
  settings.line_width = static_cast<int>(std::clamp<double>(width, kMinLineWidth, kMaxLineWidth));
  return settings;
}

std::string DiaSettingsBytes(const DiaSettings& settings) {
  std::string bytes;
  for (const bool flag : settings.flags) bytes += flag ? "1\r\n" : "0\r\n";
  bytes += GeneralText(std::clamp(settings.line_width, kMinLineWidth, kMaxLineWidth)) + "\r\n";
  return bytes;
}

DiaSettings LoadDiaSettings(const Workspace& workspace, const DiaSettings& previous) {
  const std::string path = workspace.SettingsFile(kDiaSettingsFileName);
  if (!FileExists(path)) return previous;
  const std::optional<std::string> bytes = ReadFileBytes(path, kTableFileLimit);
  return bytes ? ReadDiaSettings(*bytes) : previous;
}

bool HasDiaSettings(const Workspace& workspace) {
  return FileExists(workspace.SettingsFile(kDiaSettingsFileName));
}

std::optional<std::string> SaveDiaSettings(const Workspace& workspace,
                                           const DiaSettings& settings) {
  return WriteFileAtomically(workspace.SettingsFile(kDiaSettingsFileName),
                             DiaSettingsBytes(settings));
}

}  // namespace lumora
