#ifndef LUMORA_CORE_REPORTS_LABEL_CODES_H_
#define LUMORA_CORE_REPORTS_LABEL_CODES_H_

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/unit_and_orn.h"
#include "core/base/workspace.h"
#include "core/layouts/loaded_result.h"
#include "core/reports/labels.h"

// Labels that a cutter can find and scan: beside the designed texts the piece's layout and
// position on the sheet, and a code to scan. lbl.tlf stays as it is; these are printed instead of
// it when the settings ask for them.
namespace lumora {

// Its own file of the data folder, so that lbl.def keeps its six values: the layout-and-position
// line (0 or 1), then the code (0 none, 1 Code 128, 2 QR). All off when it is missing.
inline constexpr std::string_view kLabelCodeFileName = "lblcode.set";
inline constexpr std::string_view kLayoutPositionCaption = "Layout and position";
inline constexpr std::string_view kCodeCaption = "Code";

enum class LabelCode { kNone = 0, kCode128 = 1, kQr = 2 };
inline constexpr std::string_view kLabelCodeNames[] = {"None", "Code 128", "QR"};

struct LabelCodeSettings {
  bool layout_position = false;
  LabelCode code = LabelCode::kNone;

  // Whether the labels are printed with the additions instead of from lbl.tlf.
  bool Any() const { return layout_position || code != LabelCode::kNone; }
  bool operator==(const LabelCodeSettings&) const = default;
};

LabelCodeSettings ReadLabelCodeSettings(std::string_view bytes);
std::string LabelCodeSettingsBytes(const LabelCodeSettings& settings);
LabelCodeSettings LoadLabelCodeSettings(const Workspace& workspace);
std::optional<std::string> SaveLabelCodeSettings(const Workspace& workspace,
                                                 const LabelCodeSettings& settings);

struct CodedLabel {
  LabelTexts texts;
  // "LAYOUT   :" layout number, "  POS :" the piece's number on the layout.
  std::string position;
  // What the code holds: job name, layout, glass size in mm, customer and SR.NO, joined by ";".
  std::string code_text;
  // "RACK     :" the rack's name, "  SLOT :" the slot's number; empty when not asked for.
  std::string rack;
};

// More labels than this are refused: far more than any printer run.
inline constexpr size_t kMaxCodedLabels = 100000;

struct CodedLabels {
  std::vector<CodedLabel> labels;
  std::string error;
};
// Where a piece stands after the cut, as a label's rack line; empty for none.
using RackLine = std::function<std::string(const SheetPiece&)>;

// Every label of the result in the order asked, with its additions and, given rack_line, the
// rack line of each.
CodedLabels MakeCodedLabels(const LoadedResult& result, Unit unit, std::string_view job_name,
                            PieceOrder order = PieceOrder::kElement,
                            const RackLine& rack_line = {});

}  // namespace lumora

#endif  // LUMORA_CORE_REPORTS_LABEL_CODES_H_
