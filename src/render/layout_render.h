#ifndef LUMORA_RENDER_LAYOUT_RENDER_H_
#define LUMORA_RENDER_LAYOUT_RENDER_H_

#include <QColor>
#include <QFont>
#include <QRectF>
#include <cstdint>
#include <string>
#include <vector>

#include "core/base/unit_and_orn.h"
#include "core/cuts/cut_settings.h"
#include "core/layouts/dia_settings.h"
#include "core/layouts/loaded_result.h"
#include "core/layouts/scrap.h"
#include "render/printed_line.h"

class QPagedPaintDevice;
class QPainter;

// The layout drawing on real targets: a view (the window, an image) and printed pages (a
// printer, a PDF file).
namespace lumora {

// What every drawing of a result needs besides the layout number.
struct LayoutLook {
  DiaSettings settings;
  Unit unit = Unit::kMm;
  ScrapLimits scrap;
  bool stretch = false;
  // What the drawing and the printed section add of the cut order.
  CutSettings cuts;
  // Every piece numbered in the order it leaves the table.
  bool breakout_numbers = false;
};

// The view's background around the sheet.
inline const QColor kViewBackground(236, 236, 236);

// Clears the area and draws layout n into it as the Layouts window shows it: the whole view of
// the area's shape.
void PaintLayoutView(QPainter& painter, const QRectF& area, const LoadedResult& result,
                     int layout_no, const LayoutLook& look);

// The height of an image `width` pixels wide that shows layout n in its own shape (ImageScale),
// and the drawing into it; a layout that is not there gets a square of background.
int LayoutImageHeight(const LoadedResult& result, int layout_no, int width);
void PaintLayoutImage(QPainter& painter, const QRectF& area, const LoadedResult& result,
                      int layout_no, const LayoutLook& look);

// "Courier New" at a size in points, or the typewriter font standing in for it.
QFont SectionFont(float size_pt);

// What printing a result's layouts takes: the report (report.tlf's bytes and each layout's
// section position) and the texts of the page header.
struct LayoutPrintJob {
  const LoadedResult* result = nullptr;
  LayoutLook look;
  std::string report;
  OneBasedList<int32_t> section_positions;
  std::string item;
  std::string job_file;
  // Today as MM/DD/YYYY; printed day first.
  std::string month_first_date;
  // The layouts to print, each on its own portrait page.
  std::vector<int> layouts;
  // How the section's lines come out; as they are without one.
  PrintedLineText line_text = nullptr;
};

// Prints the layouts on the device: each drawn to the page's scale with its report section
// below it; a section too long for the page continues on the next one. Answers false when the
// device could not be started.
bool PrintLayoutPages(QPagedPaintDevice& device, const LayoutPrintJob& job);

}  // namespace lumora

#endif  // LUMORA_RENDER_LAYOUT_RENDER_H_
