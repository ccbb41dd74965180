#include "gui/tables/grid_printing.h"

#include <QDate>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace lumora {

QFont PrintFont(int point_size, bool bold) {
  QFont font(QStringLiteral("Courier New"), point_size);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setBold(bold);
  return font;
}

bool PrintOnPrinter(QPrinter& printer, const PrintText& text, PrintedLineText line_text) {
  printer.setPageOrientation(QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QFont heading_font = PrintFont(11, true);
  const QFont body_font = PrintFont(11, false);
  const QFontMetrics heading_metrics(heading_font, &printer);
  const QFontMetrics body_metrics(body_font, &printer);
  const int line_height = std::max(heading_metrics.lineSpacing(), body_metrics.lineSpacing());
  const int lines_per_page = printer.height() / std::max(1, line_height);

  int y = 0;
  auto print_line = [&](const std::string& line, const QFontMetrics& metrics) {
    painter.drawText(0, y + metrics.ascent(), PrintedLine(line, line_text));
    y += line_height;
  };
  const std::vector<PrintPage> pages = PrintTextFile(text, lines_per_page);
  for (size_t p = 0; p < pages.size(); ++p) {
    if (p > 0) printer.newPage();
    y = 0;
    if (!text.heading.empty()) {
      painter.setFont(heading_font);
      for (const std::string& line : text.heading) print_line(line, heading_metrics);
      y += line_height;
    }
    painter.setFont(body_font);
    for (int i = 0; i < pages[p].body_lines; ++i) {
      print_line(text.body[static_cast<size_t>(pages[p].first_body_line + i)], body_metrics);
    }
  }
  return painter.end();
}

std::string PrintDate() {
  return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")).toStdString();
}

}  // namespace lumora
