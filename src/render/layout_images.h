#ifndef LUMORA_RENDER_LAYOUT_IMAGES_H_
#define LUMORA_RENDER_LAYOUT_IMAGES_H_

#include <optional>
#include <string>

#include "core/layouts/loaded_result.h"
#include "render/layout_render.h"

// Layouts drawn to files by a program without windows; each call runs its own offscreen Qt.
namespace lumora {

// Layout n as the Layouts window draws it, in a PNG image of width pixels (at 96 dots per
// inch) of the layout's own shape; empty when it could not be drawn.
std::string LayoutPngBytes(const LoadedResult& result, int layout_no, const LayoutLook& look,
                           int width);

// The same drawing as an SVG document width units wide.
std::string LayoutSvgBytes(const LoadedResult& result, int layout_no, const LayoutLook& look,
                           int width);

// The job's layouts printed to an A4 PDF document; nullopt when the PDF writer could not be
// started.
std::optional<std::string> LayoutPdfBytes(const LayoutPrintJob& job);

}  // namespace lumora

#endif  // LUMORA_RENDER_LAYOUT_IMAGES_H_
