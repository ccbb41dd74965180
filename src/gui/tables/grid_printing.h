#ifndef LUMORA_GUI_TABLES_GRID_PRINTING_H_
#define LUMORA_GUI_TABLES_GRID_PRINTING_H_

#include <QFont>
#include <string>

#include "core/tables/grid_print.h"
#include "render/printed_line.h"

class QPrinter;

namespace lumora {

// "Courier New" in the size, or the typewriter font standing in for it where it is missing.
QFont PrintFont(int point_size, bool bold);

// Prints the text page by page on a portrait page: at the top of every page the heading in
// "Courier New" 11 bold and an empty line, then as many body lines in "Courier New" 11 regular
// as fit. Answers false when the printer could not be started.
bool PrintOnPrinter(QPrinter& printer, const PrintText& text, PrintedLineText line_text = nullptr);

// The date printed in grid headings: today, day first (25/03/2024).
std::string PrintDate();

}  // namespace lumora

#endif  // LUMORA_GUI_TABLES_GRID_PRINTING_H_
