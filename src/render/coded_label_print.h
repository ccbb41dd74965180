#ifndef LUMORA_RENDER_CODED_LABEL_PRINT_H_
#define LUMORA_RENDER_CODED_LABEL_PRINT_H_

#include <optional>
#include <string>
#include <vector>

#include "core/reports/label_codes.h"
#include "core/reports/labels.h"
#include "render/printed_line.h"

class QPagedPaintDevice;

// Labels with their layout and position and a code to scan, drawn by zint.
namespace lumora {

// Prints the labels in "Courier New" 8 on the label page (SetLabelPageLayout): COLS labels
// across from column HS, HP columns apart, VS empty lines at the top of a page; each label its
// eleven texts in the order of lbl.tlf, the layout line when asked for, the rack line when the
// labels have one, then the code under
// them; rows of labels VP lines apart for as long as the page holds them. Answers false when the
// device could not be started.
bool PrintCodedLabels(QPagedPaintDevice& device, const std::vector<CodedLabel>& labels,
                      const LabelGrid& grid, const LabelCodeSettings& settings,
                      PrintedLineText line_text = nullptr);

// The same to an A4 PDF document; nullopt when the PDF writer could not be started.
std::optional<std::string> CodedLabelPdfBytes(const std::vector<CodedLabel>& labels,
                                              const LabelGrid& grid,
                                              const LabelCodeSettings& settings);

}  // namespace lumora

#endif  // LUMORA_RENDER_CODED_LABEL_PRINT_H_
