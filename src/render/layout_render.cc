#include "render/layout_render.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/cuts/cut_drawing.h"
#include "core/cuts/cut_list.h"
#include "core/layouts/layout_drawing.h"
#include "core/reports/layout_print.h"
#include "render/painter_canvas.h"

namespace lumora {
namespace {

float PointsAcross(const QPainter& painter, double pixels) {
  const double dpi = painter.device() != nullptr ? painter.device()->logicalDpiX() : 96;
  return static_cast<float>(pixels * 72.0 / dpi);
}

// Draws one layout on the page; answers where its sheet went in the page's user scale.
UserScale DrawOnPage(QPainter& painter, const QRectF& page, const LayoutPrintJob& job,
                     int layout_no) {
  const Box sheet = FrameBox(*job.result, layout_no);
  const UserScale scale =
      PrintScale(sheet.Width(), sheet.Height(), static_cast<float>(page.width()),
                 static_cast<float>(page.height()), job.look.stretch);
  PainterCanvas canvas(painter, page, scale);
  const DrawOptions options = PaperDrawOptions(job.look.settings, job.look.unit, job.look.scrap,
                                               scale, PointsAcross(painter, page.width()));
  DrawLayoutAndCuts(*job.result, layout_no, options, job.look.cuts, canvas,
                    job.look.breakout_numbers);
  return scale;
}

bool HasLayout(const LoadedResult& result, int layout_no) {
  return layout_no >= 1 && layout_no <= result.LayoutCount();
}

void PaintInScale(QPainter& painter, const QRectF& area, const LoadedResult& result, int layout_no,
                  const LayoutLook& look, const UserScale& scale) {
  PainterCanvas canvas(painter, area, scale);
  const DrawOptions options = ScreenDrawOptions(look.settings, look.unit, look.scrap, scale,
                                                PointsAcross(painter, area.width()));
  DrawLayoutAndCuts(result, layout_no, options, look.cuts, canvas, look.breakout_numbers);
}

}  // namespace

void PaintLayoutView(QPainter& painter, const QRectF& area, const LoadedResult& result,
                     int layout_no, const LayoutLook& look) {
  painter.fillRect(area, kViewBackground);
  if (!HasLayout(result, layout_no)) return;
  const Box sheet = FrameBox(result, layout_no);
  const double aspect = area.height() > 0 ? area.width() / area.height() : 1.0;
  PaintInScale(
      painter, area, result, layout_no, look,
      ScreenScale(sheet.Width(), sheet.Height(), look.stretch, static_cast<float>(aspect)));
}

int LayoutImageHeight(const LoadedResult& result, int layout_no, int width) {
  if (!HasLayout(result, layout_no)) return width;
  const Box sheet = FrameBox(result, layout_no);
  const UserScale scale = ImageScale(sheet.Width(), sheet.Height());
  const double height = std::round(static_cast<double>(width) * scale.height / scale.width);
  return static_cast<int>(std::clamp(height, 1.0, static_cast<double>(width) * 64));
}

void PaintLayoutImage(QPainter& painter, const QRectF& area, const LoadedResult& result,
                      int layout_no, const LayoutLook& look) {
  painter.fillRect(area, kViewBackground);
  if (!HasLayout(result, layout_no)) return;
  const Box sheet = FrameBox(result, layout_no);
  PaintInScale(painter, area, result, layout_no, look, ImageScale(sheet.Width(), sheet.Height()));
}

QFont SectionFont(float size_pt) {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(size_pt);
  return font;
}

bool PrintLayoutPages(QPagedPaintDevice& device, const LayoutPrintJob& job) {
  if (job.result == nullptr) return false;
  device.setPageOrientation(QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QRectF page(0, 0, device.width(), device.height());
  const float page_width_mm = static_cast<float>(device.widthMM());
  const float page_height_mm = static_cast<float>(device.heightMM());
  const double pixels_per_mm = page.width() / std::max(1.0f, page_width_mm);

  const QFontMetricsF section_metrics(SectionFont(kSectionFontPt), &device);
  const double per_point_mm = pixels_per_mm * kSectionFontPt;
  const FontMetricsPerPoint per_point{
      static_cast<float>(section_metrics.lineSpacing() / per_point_mm),
      static_cast<float>(section_metrics.horizontalAdvance(QLatin1Char('0')) / per_point_mm)};
  const SectionOptions section_options{job.look.settings.On(DiaFlag::kBasicDetailsList),
                                       job.look.settings.On(DiaFlag::kBalanceList)};

  bool first_page = true;
  for (const int layout_no : job.layouts) {
    if (layout_no < 1 || layout_no > job.result->LayoutCount()) continue;
    if (!first_page) device.newPage();
    first_page = false;
    const UserScale scale = DrawOnPage(painter, page, job, layout_no);

    const int32_t position =
        layout_no <= job.section_positions.Count() ? job.section_positions[layout_no] : 0;
    std::vector<std::string> lines =
        PrintedSectionLines(job.report, position, section_options, job.item, job.look.unit,
                            job.job_file, job.month_first_date);
    if (job.look.cuts.cut_order) {
      lines.push_back("");
      for (std::string& line : LayoutCutList(*job.result, layout_no, job.look.unit)) {
        lines.push_back(std::move(line));
      }
    }
    const SectionPlacement placement = PlaceSection(
        scale, FrameBox(*job.result, layout_no), page_width_mm, page_height_mm, lines, per_point);
    const QFont font = SectionFont(placement.font_pt);
    const QFontMetricsF metrics(font, &device);
    painter.setFont(font);
    painter.setPen(Qt::black);
    double x = placement.x * pixels_per_mm;
    double y = placement.y * pixels_per_mm;
    int room = placement.lines_under_drawing;
    for (const std::string& line : lines) {
      if (room == 0) {
        device.newPage();
        x = 0;
        y = 0;
        room = placement.lines_per_further_page;
      }
      painter.drawText(QPointF(x, y + metrics.ascent()), PrintedLine(line, job.line_text));
      y += metrics.lineSpacing();
      --room;
    }
  }
  return painter.end();
}

}  // namespace lumora
