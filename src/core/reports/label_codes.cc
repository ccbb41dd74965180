#include "core/reports/label_codes.h"

#include <algorithm>
#include <cmath>

#include "core/base/field_reader.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/tables/table_file.h"

namespace lumora {

LabelCodeSettings ReadLabelCodeSettings(std::string_view bytes) {
  FieldReader reader(bytes);
  LabelCodeSettings settings;
  settings.layout_position = ReadDouble(reader.Next()) != 0;
  const double code = ReadDouble(reader.Next());
  if (code == 1) settings.code = LabelCode::kCode128;
  if (code == 2) settings.code = LabelCode::kQr;
  return settings;
}

std::string LabelCodeSettingsBytes(const LabelCodeSettings& settings) {
  return std::string(settings.layout_position ? "1\r\n" : "0\r\n") +
         GeneralText(static_cast<int>(settings.code)) + "\r\n";
}

LabelCodeSettings LoadLabelCodeSettings(const Workspace& workspace) {
  const std::optional<std::string> bytes =
      ReadFileBytes(workspace.SettingsFile(kLabelCodeFileName), kTableFileLimit);
  return bytes ? ReadLabelCodeSettings(*bytes) : LabelCodeSettings{};
}

std::optional<std::string> SaveLabelCodeSettings(const Workspace& workspace,
                                                 const LabelCodeSettings& settings) {
  return WriteFileAtomically(workspace.SettingsFile(kLabelCodeFileName),
                             LabelCodeSettingsBytes(settings));
}

CodedLabels MakeCodedLabels(const LoadedResult& result, Unit unit, std::string_view job_name,
                            PieceOrder order, const RackLine& rack_line) {
  CodedLabels coded;
  const bool all = ForEachLabelPiece(result, order, [&](const LabelPiece& label) {
    if (coded.labels.size() == kMaxCodedLabels) return false;
    const SheetPiece& piece = label.piece;
    const GlassRecord& glass = result.glasses[piece.glass_index];
    coded.labels.push_back(
        {MakeLabel(result, piece.glass_index, label.running_number, unit),
         "LAYOUT   :" + GeneralText(piece.layout_no) + "  POS :" + GeneralText(piece.position),
         std::string(job_name) + ";" + GeneralText(piece.layout_no) + ";" + GeneralText(glass.l1) +
             "x" + GeneralText(glass.l2) + ";" + glass.customer + ";" + glass.sr_no,
         rack_line ? rack_line(piece) : std::string()});
    return true;
  });
  if (!all) {
    return {{},
            "Too many labels: more than " + GeneralText(static_cast<int>(kMaxCodedLabels)) +
                " pieces."};
  }
  return coded;
}

}  // namespace lumora
