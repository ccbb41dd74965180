#ifndef LUMORA_CLI_RENDER_LABEL_PDF_H_
#define LUMORA_CLI_RENDER_LABEL_PDF_H_

#include <optional>
#include <string>
#include <string_view>

// The labels command's way to paper, kept apart so that only this library sees Qt.
namespace lumora::cli {

// lbl.tlf's bytes printed to an A4 PDF document as the desktop prints them; nullopt when the
// PDF writer could not be started.
std::optional<std::string> LabelPdfBytes(std::string_view label_bytes);

}  // namespace lumora::cli

#endif  // LUMORA_CLI_RENDER_LABEL_PDF_H_
