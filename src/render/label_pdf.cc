#include "render/label_pdf.h"

#include <QPdfWriter>

#include "render/label_print.h"
#include "render/pdf_document.h"

namespace lumora {

std::optional<std::string> LabelPdfBytes(std::string_view label_bytes) {
  return PdfDocument("Labels", [label_bytes](QPdfWriter& writer) {
    SetLabelPageLayout(writer);
    return PrintLabelPages(writer, label_bytes);
  });
}

}  // namespace lumora
