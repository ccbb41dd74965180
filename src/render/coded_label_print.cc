#include "render/coded_label_print.h"

#include <zint.h>

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <memory>

#include "render/label_print.h"
#include "render/layout_render.h"
#include "render/pdf_document.h"

namespace lumora {
namespace {

constexpr float kLabelFontPt = 8.0f;
// The code's height in text lines: a QR square, a Code 128 strip.
constexpr int kQrLines = 8;
constexpr int kCode128Lines = 3;

int CodeLines(LabelCode code) {
  if (code == LabelCode::kQr) return kQrLines;
  return code == LabelCode::kCode128 ? kCode128Lines : 0;
}

// Draws the code of the text into the box: a QR code as large a square as fits at its left, a
// Code 128 over the box's width. Nothing when zint cannot encode the text.
void DrawCode(QPainter& painter, const QRectF& box, LabelCode code, const std::string& text) {
  const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(),
                                                                        ZBarcode_Delete);
  if (!symbol) return;
  symbol->symbology = code == LabelCode::kQr ? BARCODE_QRCODE : BARCODE_CODE128;
  symbol->show_hrt = 0;
  // The texts are Latin-1; zint takes UTF-8 and encodes it as each symbology wants.
  symbol->input_mode = UNICODE_MODE;
  const QByteArray utf8 = QString::fromLatin1(text).toUtf8();
  if (ZBarcode_Encode_and_Buffer_Vector(symbol.get(),
                                        reinterpret_cast<const unsigned char*>(utf8.constData()),
                                        static_cast<int>(utf8.size()), 0) >= ZINT_ERROR ||
      symbol->vector == nullptr || symbol->vector->width <= 0 || symbol->vector->height <= 0) {
    return;
  }
  const zint_vector& vector = *symbol->vector;
  double sx = box.width() / vector.width;
  double sy = box.height() / vector.height;
  if (code == LabelCode::kQr) sx = sy = std::min(sx, sy);
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  for (const zint_vector_rect* rect = vector.rectangles; rect != nullptr; rect = rect->next) {
    painter.drawRect(QRectF(box.left() + rect->x * sx, box.top() + rect->y * sy, rect->width * sx,
                            rect->height * sy));
  }
  painter.restore();
}

}  // namespace

bool PrintCodedLabels(QPagedPaintDevice& device, const std::vector<CodedLabel>& labels,
                      const LabelGrid& grid, const LabelCodeSettings& settings,
                      PrintedLineText line_text) {
  if (labels.empty()) return true;
  const QFont font = SectionFont(kLabelFontPt);
  const QFontMetricsF metrics(font, &device);
  const double line = metrics.lineSpacing();
  const double column = metrics.horizontalAdvance(QLatin1Char('0'));
  const size_t cols = static_cast<size_t>(std::max(1, grid.cols));
  const double pitch = std::max(1, grid.pitch) * column;
  const double left = (std::max(1, grid.first_col) - 1) * column;
  const double top = std::max(0, grid.top_lines) * line;
  const double gap = std::max(0, grid.gap_lines) * line;
  const bool racks = std::any_of(labels.begin(), labels.end(),
                                 [](const CodedLabel& label) { return !label.rack.empty(); });
  const int text_lines = 11 + (settings.layout_position ? 1 : 0) + (racks ? 1 : 0);
  const double label_height = (text_lines + CodeLines(settings.code)) * line;
  // As many rows as the page holds, at least one.
  const size_t rows = static_cast<size_t>(
      std::max(1.0, std::floor((device.height() - top + gap) / (label_height + gap))));

  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setFont(font);
  for (size_t i = 0; i < labels.size(); ++i) {
    const size_t row = i / cols % rows;
    if (i > 0 && i % (cols * rows) == 0) device.newPage();
    const double x = left + static_cast<double>(i % cols) * pitch;
    const double y = top + static_cast<double>(row) * (label_height + gap);
    const CodedLabel& label = labels[i];
    painter.setPen(Qt::black);
    double baseline = y + metrics.ascent();
    for (const int slot : kLabelSlotOrder) {
      painter.drawText(QPointF(x, baseline),
                       PrintedLine(label.texts[static_cast<size_t>(slot)], line_text));
      baseline += line;
    }
    if (settings.layout_position) {
      painter.drawText(QPointF(x, baseline), PrintedLine(label.position, line_text));
      baseline += line;
    }
    if (racks) painter.drawText(QPointF(x, baseline), PrintedLine(label.rack, line_text));
    if (settings.code != LabelCode::kNone) {
      const QRectF box(x, y + text_lines * line + line * 0.25, pitch - column,
                       CodeLines(settings.code) * line - line * 0.5);
      DrawCode(painter, box, settings.code, label.code_text);
    }
  }
  return painter.end();
}

std::optional<std::string> CodedLabelPdfBytes(const std::vector<CodedLabel>& labels,
                                              const LabelGrid& grid,
                                              const LabelCodeSettings& settings) {
  return PdfDocument("Labels", [&](QPdfWriter& writer) {
    SetLabelPageLayout(writer);
    return PrintCodedLabels(writer, labels, grid, settings);
  });
}

}  // namespace lumora
