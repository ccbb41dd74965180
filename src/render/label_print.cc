#include "render/label_print.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "core/reports/label_pages.h"
#include "render/layout_render.h"

namespace lumora {
namespace {

constexpr float kLabelFontPt = 8.0f;
constexpr double kMarginInch = 0.25;

}  // namespace

void SetLabelPageLayout(QPagedPaintDevice& device) {
  device.setPageOrientation(QPageLayout::Portrait);
  device.setPageMargins(QMarginsF(kMarginInch, kMarginInch, kMarginInch, kMarginInch),
                        QPageLayout::Inch);
}

bool PrintLabelPages(QPagedPaintDevice& device, std::string_view label_bytes,
                     PrintedLineText line_text) {
  const QFont font = SectionFont(kLabelFontPt);
  const QFontMetricsF metrics(font, &device);
  const double line_height = metrics.lineSpacing();
  const int lines_per_page = static_cast<int>(std::floor(device.height() / line_height));
  const std::vector<std::vector<std::string>> pages = LabelPages(label_bytes, lines_per_page);
  if (pages.empty()) return true;

  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setFont(font);
  painter.setPen(Qt::black);
  for (size_t p = 0; p < pages.size(); ++p) {
    if (p > 0) device.newPage();
    double y = metrics.ascent();
    for (const std::string& line : pages[p]) {
      if (!line.empty()) {
        painter.drawText(QPointF(0, y), PrintedLine(line, line_text));
      }
      y += line_height;
    }
  }
  return painter.end();
}

}  // namespace lumora
