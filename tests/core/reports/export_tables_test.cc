#include "core/reports/export_tables.h"

#include <gtest/gtest.h>

#include "core/cuts/cut_list.h"
#include "core/cuts/cut_settings.h"
#include "core/job/job_tables.h"
#include "core/layouts/layouts_load.h"
#include "core/reports/balance_table.h"
#include "core/reports/job_export.h"
#include "core/reports/report.h"
#include "core/reports/spreadsheet_files.h"
#include "core/tables/column_dictionary.h"
#include "result_fixtures.h"

namespace lumora {
namespace {

using testing::OpenReportJob;
using testing::TempFolder;

double ColumnSum(const ExportTable& table, size_t col) {
  double sum = 0;
  for (const auto& row : table.rows) sum += row[col].number.value_or(0);
  return sum;
}

// The summaries add up to the report's own figures, in m² for millimetres and ft² for inches.
TEST(ExportTables, SummariesAddUpToTheReportInTheJobsAreaUnit) {
  struct Case {
    const char* job;
    const char* unit;
    double square_mm_per_area;
    const char* area_header;
    bool lengths_are_numbers;
  };
  for (const Case& c : {Case{"sheet_job.opt", "MM", 1e6, "Sheet Area(m\xB2)", true},
                        Case{"sheet_job.opt", "IN", 92903.04, "Sheet Area(ft\xB2)", false},
                        Case{"coil_job.sdr", "MM", 1e6, "Sheet Area(m\xB2)", true}}) {
    TempFolder folder;
    const Job job = OpenReportJob(folder, c.job, c.unit);
    const Unit unit = ReadUnit(c.unit);
    const ResultLoad load = LoadResult(job);
    ASSERT_EQ(load.error, "") << c.job;
    const ReportFigures figures = GenerateReport(load.result, unit, {500, 300}).figures;
    const double to_square_feet = c.square_mm_per_area / 92903.04;

    const ExportTable layouts = LayoutSummaryTable(load.result, unit);
    EXPECT_EQ(layouts.headers[6], c.area_header) << c.job << c.unit;
    EXPECT_EQ(static_cast<int>(layouts.rows.size()), figures.layout_count) << c.job;
    EXPECT_NEAR(ColumnSum(layouts, 6) * to_square_feet, figures.sheet_area, 0.01) << c.job;
    EXPECT_EQ(layouts.rows[0][1].number.has_value(), c.lengths_are_numbers) << c.job << c.unit;

    const ExportTable glass = GlassSummaryTable(load.result, unit);
    EXPECT_NEAR(ColumnSum(glass, 6) * to_square_feet, figures.glass_area, 0.01) << c.job;
    EXPECT_NEAR(ColumnSum(glass, 8), figures.glass_amount, 1) << c.job;

    const ExportTable balances = BalanceExportTable(load.result, unit, {500, 300});
    EXPECT_EQ(balances.headers, BalanceTableHeaders());
    EXPECT_FALSE(balances.rows.empty()) << c.job;

    const ExportTable cuts = CutExportTable(load.result, unit);
    double cut_length = 0;
    size_t cut_count = 0;
    for (const LayoutCuts& layout : CutOrderOfResult(load.result).layouts) {
      cut_length += layout.total_length;
      cut_count += layout.cuts.size();
    }
    ASSERT_EQ(cuts.rows.size(), cut_count) << c.job;
    ASSERT_GT(cut_count, 0u) << c.job;
    EXPECT_EQ(cuts.rows[0][4].number.has_value(), c.lengths_are_numbers) << c.job << c.unit;
    if (c.lengths_are_numbers) {
      EXPECT_NEAR(ColumnSum(cuts, 6), cut_length, 0.5) << c.job;
    }
    // Exported with all the rest only when the layouts show the cut order.
    EXPECT_NE(AvailableExportParts(job).back(), ExportPart::kCuts);
    ASSERT_EQ(SaveCutSettings(job.workspace, {true, false}), std::nullopt);
    EXPECT_EQ(AvailableExportParts(job).back(), ExportPart::kCuts);
  }
}

TEST(ExportTables, GridCellsAreNumbersOnlyInNumberColumns) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString(GlassHeaders()));
  grid.SetRows(4);
  for (const auto& [col, text] :
       std::vector<std::pair<int, std::string>>{{glass_col::kL1, "1200.5"},
                                                {glass_col::kL1Inch, "47 1/4"},
                                                {glass_col::kQty, "2"},
                                                {glass_col::kCustomer, "123"},
                                                {glass_col::kRef, "A, \"B\"\xE9"}}) {
    grid.SetText(1, col, text);
  }
  grid.SetColWidth(glass_col::kSite, 0);
  const ExportTable table = GridExportTable(grid, "Glass");
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.headers.size(), GlassHeaders().size() - 1);
  EXPECT_EQ(table.rows[0][0].number, 1200.5);
  EXPECT_FALSE(table.rows[0][2].number);
  EXPECT_EQ(table.rows[0][4].number, 2);
  EXPECT_FALSE(table.rows[0][8].number);

  const ExportTable small{"T", {"L1", "REF"}, {{{"1200.5", 1200.5}, {"A, \"B\"\xE9", {}}}}};
  EXPECT_EQ(CsvBytes(small), "L1,REF\r\n1200.5,\"A, \"\"B\"\"\xC3\xA9\"\r\n");
}

}  // namespace
}  // namespace lumora
