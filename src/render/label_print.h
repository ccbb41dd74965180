#ifndef LUMORA_RENDER_LABEL_PRINT_H_
#define LUMORA_RENDER_LABEL_PRINT_H_

#include <QString>
#include <string_view>

#include "render/printed_line.h"

class QPagedPaintDevice;

// Labels on paper: lbl.tlf printed line by line, for the printer and for PDF files alike.
namespace lumora {

// The page the labels are printed on: portrait, with margins of a quarter inch all round (what
// most printers cannot print on anyway), so that HS and VS count from the same corner on every
// printer and in a PDF file. The paper size stays the device's.
void SetLabelPageLayout(QPagedPaintDevice& device);

// Prints lbl.tlf's bytes in "Courier New" 8 (or the typewriter font standing in for it): every
// line unchanged (Latin-1, or as line_text shows it), a line "*" starts a new page, and a page
// longer than the paper goes on on the next sheet. Nothing is printed for no lines. Answers
// false when the device could not be started.
bool PrintLabelPages(QPagedPaintDevice& device, std::string_view label_bytes,
                     PrintedLineText line_text = nullptr);

}  // namespace lumora

#endif  // LUMORA_RENDER_LABEL_PRINT_H_
