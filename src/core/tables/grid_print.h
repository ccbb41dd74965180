#ifndef LUMORA_CORE_TABLES_GRID_PRINT_H_
#define LUMORA_CORE_TABLES_GRID_PRINT_H_

#include <string>
#include <vector>

#include "core/tables/grid.h"

namespace lumora {

// A text to print: the heading repeated at the top of every page (none when empty), and the body.
struct PrintText {
  std::vector<std::string> heading;
  std::vector<std::string> body;
};

struct GridPrintRequest {
  // The job file's name; empty when the job has none.
  std::string job_file;
  // Today's date as the heading shows it.
  std::string date;
  // The caption of the grid's window.
  std::string caption;
  // Only the selected rows, else every data row.
  bool selection_only = false;
};

// The printed form of a grid. Heading: a blank line, "File: " + job file (when there is one),
// "Date: " + date, a blank line, the caption, a blank line and the column headers. Body: one line
// per row, then a blank line. Every column of nonzero width is padded with blanks to its
// dictionary width (at least its header's length; a header the dictionary does not know keeps
// the grid's width) and columns are one blank apart; the "REPORT" column is not padded. The
// trailing empty input row is not printed.
PrintText PrintGrid(const Grid& grid, const GridPrintRequest& request);

// One printed page: the heading (when there is one), an empty line, then body lines
// [first_body_line, first_body_line + body_lines).
struct PrintPage {
  int first_body_line = 0;
  int body_lines = 0;
};

// Splits a text into pages of `lines_per_page` lines each: a body line that would not fit starts
// the next page. A page always carries at least one body line, even under a heading taller than
// the page, so printing always ends. A text without body lines prints no page.
std::vector<PrintPage> PrintTextFile(const PrintText& text, int lines_per_page);

}  // namespace lumora

#endif  // LUMORA_CORE_TABLES_GRID_PRINT_H_
