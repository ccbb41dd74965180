#ifndef LUMORA_RENDER_PDF_DOCUMENT_H_
#define LUMORA_RENDER_PDF_DOCUMENT_H_

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QPdfWriter;

namespace lumora {

// An A4 PDF document titled title, printed by print under an offscreen Qt application (print
// sets the page margins it wants); nullopt when print answers that the writer could not start.
std::optional<std::string> PdfDocument(std::string_view title,
                                       const std::function<bool(QPdfWriter&)>& print);

}  // namespace lumora

#endif  // LUMORA_RENDER_PDF_DOCUMENT_H_
