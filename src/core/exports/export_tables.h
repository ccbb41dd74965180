#ifndef LUMORA_CORE_EXPORTS_EXPORT_TABLES_H_
#define LUMORA_CORE_EXPORTS_EXPORT_TABLES_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/unit_and_orn.h"
#include "core/cuts/breakout_order.h"
#include "core/layouts/loaded_result.h"
#include "core/layouts/scrap.h"
#include "core/reports/weights.h"
#include "core/tables/grid.h"

// The lists and results of a job as tables for spreadsheets: one header row, then cells that are
// numbers where the value is one.
namespace lumora {

struct ExportCell {
  std::string text;  // Latin-1
  std::optional<double> number;
  // Shown with two decimals, as the report shows areas, yields and amounts.
  bool two_decimals = false;
};

struct ExportTable {
  std::string name;
  std::vector<std::string> headers;
  std::vector<std::vector<ExportCell>> rows;
};

ExportCell TwoDecimalsCell(double value);
ExportCell TextCell(std::string text);
ExportCell WholeCell(int64_t value);

// The columns of a list of pieces cut, and one piece's cells: its number over the job, the
// layout, the sheet of the layout, its breakout number on the layout and its position in element
// order, the glass size, customer, SR.NO and its weight in kilograms.
std::vector<std::string> PieceHeaders(Unit unit);
std::vector<ExportCell> PieceCells(const LoadedResult& result, const SheetPiece& piece, Unit unit,
                                   double kg);

// The table in a grid for a window to show: a column per header, as wide as its longest text,
// a row per row and an empty row after them, as a table file loads.
Grid TableGrid(const ExportTable& table);

// The grid's visible columns with its headers and its rows that hold text. A cell of a column
// other than free text that reads wholly as a number is that number.
ExportTable GridExportTable(const Grid& grid, std::string name);

// One row per layout: its number, the sheet size, how many sheets are cut to it, the pieces it
// gives, its yield and the sheet and glass areas, in m² for a job in millimetres and ft² for
// one in inches.
ExportTable LayoutSummaryTable(const LoadedResult& result, Unit unit);
// One row per glass size produced, as the report's glass summary: the sizes, the quantities
// produced and wanted, customer, Sr.No, the chargeable area (m² or ft²), SP/SFT and the amount.
ExportTable GlassSummaryTable(const LoadedResult& result, Unit unit);
// The Balance And Scrap Table as its window shows it.
ExportTable BalanceExportTable(const LoadedResult& result, Unit unit, const ScrapLimits& scrap);
// The cut order of every layout, a row per cut as the Layouts window lists it: the layout, the
// cut's number and stage, the axis its position is measured on, the position, start and length.
ExportTable CutExportTable(const LoadedResult& result, Unit unit);
// The weights of every layout in kilograms: a sheet of its stock, its pieces on one sheet, and
// its pieces on all its sheets.
ExportTable WeightExportTable(const LoadedResult& result, const Weighing& weighing);

// Every piece of every sheet cut in the order the pieces leave the table, in the columns of
// PieceHeaders. The rows stop at kMostListedPieces and the error says so.
struct PieceTable {
  ExportTable table;
  std::string error;
};
PieceTable BreakoutExportTable(const LoadedResult& result, Unit unit, const Weighing& weighing);

}  // namespace lumora

#endif  // LUMORA_CORE_EXPORTS_EXPORT_TABLES_H_
