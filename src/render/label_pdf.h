#ifndef LUMORA_RENDER_LABEL_PDF_H_
#define LUMORA_RENDER_LABEL_PDF_H_

#include <optional>
#include <string>
#include <string_view>

// Labels on paper for a program without windows.
namespace lumora {

// lbl.tlf's bytes printed to an A4 PDF document as the desktop prints them; nullopt when the
// PDF writer could not be started.
std::optional<std::string> LabelPdfBytes(std::string_view label_bytes);

}  // namespace lumora

#endif  // LUMORA_RENDER_LABEL_PDF_H_
