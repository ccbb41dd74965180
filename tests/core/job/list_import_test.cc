#include "core/job/list_import.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "core/base/number_text.h"
#include "core/job/flaw_import.h"
#include "core/job/job_tables.h"
#include "core/job/list_import_run.h"
#include "core/job/mirror_conversion.h"
#include "job_test_support.h"
#include "support/scripted_prompter.h"

namespace lumora {
namespace {

using testing::ScriptedPrompter;
using testing::TempFolder;

const ChargeTable kCharges =
    ChargeTableFromBytes("\"0\",\"24\",\"24\"\r\n\"24\",\"48\",\"48\"\r\n");

// The data cells of a row, commas between them, trailing empty cells left off.
std::string RowText(const Grid& grid, int row) {
  std::string text;
  for (int c = 1; c < grid.Cols(); ++c) text += (c > 1 ? "," : "") + grid.Text(row, c);
  return text.substr(0, text.find_last_not_of(',') + 1);
}

// The data rows of a grid, "|" between them, without its empty input row.
std::string Rows(const Grid& grid) {
  std::vector<std::string> rows;
  for (int r = 1; r + 1 < grid.Rows(); ++r) rows.push_back(RowText(grid, r));
  return testing::Join(rows);
}

TEST(ChargeableLength, BoundsBelongToTheRangeTheyCloseAndChargeDatIsRead) {
  const std::pair<const char*, const char*> cases[] = {
      {"24", "24"}, {"24.5", "48"}, {"24 1/16", "48"}, {"0", ""}, {"48 1/16", ""}};
  for (const auto& [inches, charged] : cases) {
    EXPECT_EQ(ChargeableLength(inches, kCharges), charged) << inches;
  }
  EXPECT_EQ(ChargeableLength("24", std::nullopt), "");
  TempFolder folder;
  const Workspace workspace{folder.path(), "1"};
  EXPECT_FALSE(LoadChargeTable(workspace).has_value());
  folder.Write("charge.dat", "\"0\",\"12 1/2\",\"13\"\r\n\"12 1/2\",\"20\"");
  const ChargeTable charges = LoadChargeTable(workspace);
  EXPECT_EQ(ChargeableLength("12 1/2", charges), "13");
  EXPECT_EQ(ChargeableLength("13", charges), "");
}

TEST(ColumnLock, TheUnitLocksTheOtherUnitsColumns) {
  for (int col = 1; col <= 5; ++col) {
    EXPECT_EQ(IsColumnLockedByUnit(Unit::kIn, col), col == 1 || col == 2) << col;
    EXPECT_EQ(IsColumnLockedByUnit(Unit::kMm, col), col == 3 || col == 4) << col;
    EXPECT_FALSE(IsColumnLockedByUnit(Unit::kOther, col)) << col;
  }
}

// Typing into one row, in turn: each unit fills the other (a length that is not positive clears
// it) and the chargeable lengths; typing elsewhere changes nothing else.
TEST(MirrorConversion, EachUnitFillsTheOtherAndTheChargeableLengths) {
  TempFolder folder;
  Grid glass = testing::MakeTestJob(folder).glass;
  glass.SetRows(3);
  const std::tuple<int, const char*, const char*> cases[] = {
      // column, text typed, row after
      {glass_col::kL1, "1200", "1200,,47 1/4,,,,48"},
      {glass_col::kL2, "2438.4", "1200,2438.4,47 1/4,96,,,48"},
      {glass_col::kL1, "", ",2438.4,,96"},
      {glass_col::kQty, "5", ",2438.4,,96,5"},
      {glass_col::kL2Inch, "24 1/2", ",622.3,,24 1/2,5,,,48"},
      {glass_col::kL1, "609.6", "609.6,622.3,24,24 1/2,5,,24,48"},
      {glass_col::kL1Inch, "-3", ",622.3,-3,24 1/2,5,,,48"},
      {glass_col::kChargeL2, "50", ",622.3,-3,24 1/2,5,,,50"},
  };
  for (const auto& [col, text, row] : cases) {
    glass.SetText(1, col, text);
    ApplyMirrorConversion(glass, 1, col);
    UpdateChargeableLengths(glass, 1, col, kCharges);
    EXPECT_EQ(RowText(glass, 1), row) << col << " " << text;
  }
}

TEST(ListImport, FileShapesLandInTheirColumnsOrAreToldByLine) {
  // The file, the unit, a --map text, the glass rows it gives ("|" between them), the line told
  // of (0: none).
  const std::tuple<std::string, const char*, const char*, const char*, int> cases[] = {
      // Semicolons, a decimal comma, the header in another order.
      {"Qty;Height;Width\r\n2;800,5;1200\r\n", "MM", "", "1200,800.5,47 1/4,31 1/2,2,,48,48,,,1",
       0},
      {"L1,L2,QTY,Customer\n1000,500,1,\"Smith, John\"\n", "MM", "",
       "1000,500,39 3/8,19 11/16,1,,48,24,Smith John,,1", 0},
      // Tabs, inch fractions by the header's unit.
      {"Width (in)\tHeight (in)\tPcs\n48 3/4\t24,5\t3\n", "MM", "",
       "1238.25,622.3,48 3/4,24.5,3,,,48,,,1", 0},
      {"L1,L2,QTY,CLIENT\n1000,500,1,M\xC3\xBCller\n", "MM", "",
       "1000,500,39 3/8,19 11/16,1,,48,24,M\xFCller,,1", 0},
      // Blank lines, letters in QTY.
      {"L1,L2,QTY\n\n1000,500,1x\n , ,\n900,400,2\n", "MM", "",
       "900,400,35 7/16,15 3/4,2,,48,24,,,1", 3},
      // No header: the grid's order.
      {"1000;500;2;2\n", "MM", "", "1000,500,39 3/8,19 11/16,2,2,48,24,,,1", 0},
      // A first line of numbers from 9 is data too, and every row gets a grid row.
      {"900;950;9\n800;400;1\n", "MM", "",
       "900,950,35 7/16,37 3/8,9,,48,48,,,1|800,400,31 1/2,15 3/4,1,,48,24,,,2", 0},
      // A text cut to its column.
      {"L1,L2,QTY,CUSTOMER\n1000,500,1,ABCDEFGHIJKLMNOP\n", "MM", "",
       "1000,500,39 3/8,19 11/16,1,,48,24,ABCDEFGHIJKL,,1", 2},
      // Unknown header words mapped by hand.
      {"Breite;Hoehe;Anzahl;Ausrichtung\n1000;500;2;3\n", "MM",
       "L1=Breite,L2=2,QTY=anzahl,ORN=Ausrichtung", "", 2},
      // A SR.NO from the file is kept; a row without one gets its row number.
      {"Pos;Width;Height;Qty\n7;1000;500;1\n;900;400;1\n", "MM", "",
       "1000,500,39 3/8,19 11/16,1,,48,24,,,7|900,400,35 7/16,15 3/4,1,,48,24,,,2", 0},
      // Unit IN for a file without one.
      {"L1,L2,QTY\n12 1/2,10,1\n", "IN", "", "317.5,254,12 1/2,10,1,,24,24,,,1", 0},
  };
  for (const auto& [bytes, unit, map, glass_rows, issue_line] : cases) {
    SCOPED_TRACE(glass_rows);
    const DelimitedText text = ReadDelimitedText(bytes);
    ImportMapping mapping = GuessMapping(text, ListKind::kGlass, ReadUnit(unit));
    ASSERT_FALSE(ApplyMapText(mapping, text, ListKind::kGlass, map));
    const ImportRows rows = BuildImportRows(text, mapping, ListKind::kGlass, GlassHeaders());
    TempFolder folder;
    Job job = testing::MakeTestJob(folder);
    AddImportedRows(job.glass, rows, ListKind::kGlass, mapping.unit, false, kCharges);
    EXPECT_EQ(Rows(job.glass), glass_rows);
    EXPECT_EQ(RowText(job.glass, job.glass.Rows() - 1), "");
    ASSERT_EQ(rows.issues.size(), issue_line > 0 ? 1u : 0u);
    if (issue_line > 0) {
      EXPECT_EQ(rows.issues[0].line, issue_line);
    }
  }
}

// Flaws land on the sheet their list names, with ROW or counted through the stock list; a glass
// list's stacks go into the line data.
TEST(ListImport, FlawsFindTheirSheetsAndStacksTheirRows) {
  // The flaw list, its unit, the flaws placed ("row/sheet:x,y,w,h", "|" between them), the
  // issues told ("line:reason").
  const std::tuple<std::string, const char*, const char*, const char*> cases[] = {
      {"X;Y;Width;Height;Row;Sheet\n10;20;5;5;2;1\n0;0;;;1;2\n", "MM", "2/1:10,20,5,5|1/2:0,0,0,0",
       ""},
      // Sheets counted through the list: row 1 has two, row 2 three.
      {"PLATE_ID;X;Y\n3;1;2\n5;1,5;2\n6;1;2\n", "MM", "2/1:1,2,0,0|2/3:1.5,2,0,0",
       "4:the stock list has no sheet 6 - line left out"},
      {"X,Y,W,H,ROW,SHEET\n1 1/2,1,1,1,1,1\n", "IN", "1/1:38.1,25.4,25.4,25.4", ""},
      {"X,Y,W,H,ROW,SHEET\n990,0,20,0,1,1\n,5,1,1,1,1\n5,5,1,1,3,1\n5,5,1,1,1,3\n", "MM", "",
       "2:the flaw reaches beyond its sheet - line left out|3:X and Y are needed - line left "
       "out|4:ROW 3 is no row of the stock list - line left out|5:row 1 has no sheet 3 - line "
       "left out"},
  };
  Grid sheet(2, static_cast<int>(SheetHeaders().size()) + 1);
  testing::Fill(sheet, "1000,600,,,2;2000,1000,,,3");
  for (const auto& [bytes, unit, placed, issues] : cases) {
    SCOPED_TRACE(bytes);
    const DelimitedText text = ReadDelimitedText(bytes);
    const ImportMapping mapping = GuessMapping(text, ListKind::kFlaw, ReadUnit(unit));
    const FlawPlacement placement = PlaceFlaws(
        BuildImportRows(text, mapping, ListKind::kFlaw, FlawListHeaders()), sheet, mapping.unit);
    std::vector<std::string> texts;
    for (const auto& [row, f] : placement.flaws) {
      texts.push_back(GeneralText(sheet.RowOf(row)) + "/" + GeneralText(f.sheet) + ":" +
                      GeneralText(f.x) + "," + GeneralText(f.y) + "," + GeneralText(f.width) + "," +
                      GeneralText(f.height));
    }
    EXPECT_EQ(testing::Join(texts), placed);
    texts.clear();
    for (const ImportIssue& issue : placement.issues) {
      texts.push_back(GeneralText(issue.line) + ":" + issue.reason);
    }
    EXPECT_EQ(testing::Join(texts), issues);
  }

  const DelimitedText text =
      ReadDelimitedText("L1;L2;QTY;Stack;Seq\n900;400;1;R7;2\n800;300;1;;4\n700;300;1;R7;\n");
  const ImportRows rows = BuildImportRows(text, GuessMapping(text, ListKind::kGlass, Unit::kMm),
                                          ListKind::kGlass, GlassHeaders());
  TempFolder folder;
  Job job = testing::MakeTestJob(folder);
  AddImportedRows(job.glass, rows, ListKind::kGlass, Unit::kMm, false, kCharges, &job.line);
  EXPECT_EQ(job.line.Stack(job.glass.RowIdOf(1)), (GlassStack{"R7", 2}));
  EXPECT_EQ(job.line.Stack(job.glass.RowIdOf(2)), std::nullopt);
  EXPECT_EQ(job.line.Stack(job.glass.RowIdOf(3)), (GlassStack{"R7", 0}));
}

TEST(ListImport, MapTextNamesWhatIsWrong) {
  const DelimitedText text = ReadDelimitedText("Width,Height\n1,2\n");
  for (const char* map : {"L9=Width", "L1=Depth", "L1=3", "L1"}) {
    ImportMapping mapping = GuessMapping(text, ListKind::kStock, Unit::kMm);
    EXPECT_TRUE(ApplyMapText(mapping, text, ListKind::kStock, map)) << map;
  }
}

// Answers in the order asked: change confirmation, replace, lines that do not fit. The grid's
// room counts the rows it holds, none when they are replaced; the lines beyond it are told
// together, and what is stored is what is answered.
TEST(ListImport, AsksThenStoresWhatFits) {
  // Whether there are layouts, rows held, good lines before a bad one (negative: that many and no
  // bad line), the answers, how many were asked, rows stored, rows held after, the text of the last
  // question.
  const std::tuple<bool, int, int, const char*, size_t, int, int, std::string> cases[] = {
      {true, 1, 1, "N", 1, 0, 1, ""},                    // optimized, No keeps all
      {true, 1, 1, "YNY", 3, 1, 2, "Line 3: "},          // optimized, Yes, append, go on
      {false, 1, 1, "NN", 2, 0, 1, "Import the other"},  // bad lines refused
      {false, 1, 1, "YY", 2, 1, 1, ""},                  // replace
      {false, 1, 1, "C", 1, 0, 1, "Replace them"},       // cancel at replace
      {false, 0, -2, "", 0, 2, 2, ""},                   // a clean list comes in unasked
      {false, 10, 32760, "NY", 2, 32755, 32765,
       "Lines 32757-32762: the list holds at most 32765 rows, 10 of them there already - left "
       "out"},
      {false, 10, 32766, "YY", 2, 32765, 32765,
       "Lines 32767-32768: the list holds at most 32765 rows - left out"},
      {false, 0, 32770, "N", 1, 0, 0, "Lines 32767-32772: "},
      {false, 32765, 3, "N", 2, 0, 32765, "holds no rows to import.\n\nLines 2-5: the list"},
  };
  for (const auto& [optimized, held, lines, answers, asked, stored, held_after, question] : cases) {
    SCOPED_TRACE(answers);
    DelimitedText text;
    text.rows.push_back({1, {"L1", "L2", "QTY"}});
    const int good = std::abs(lines);
    for (int line = 2; line <= good + 1; ++line) text.rows.push_back({line, {"900", "400", "2"}});
    if (lines > 0) text.rows.push_back({good + 2, {"x", "1", "1"}});
    TempFolder folder;
    Job job = testing::MakeTestJob(folder);
    job.sheet.SetRows(held + 2);
    if (held > 0) job.sheet.SetText(held, sheet_col::kQty, "1");
    const std::string dia = folder.Write("100.5dia.tlf", optimized ? "\"1\"\r\n" : "");
    ScriptedPrompter prompter(testing::Answers(answers));
    const ImportMapping mapping = GuessMapping(text, ListKind::kStock, Unit::kMm);
    const ImportRows rows = BuildImportRows(text, mapping, ListKind::kStock, SheetHeaders());
    ImportRun run;
    run.kind = ListKind::kStock;
    run.file_name = "stock.csv";
    run.dia_path = dia;
    EXPECT_EQ(ImportIntoGrid(job.sheet, rows, run, prompter), stored);
    EXPECT_EQ(HeldRows(job.sheet), held_after);
    ASSERT_EQ(prompter.prompts().size(), asked);
    if (asked > 0) {
      EXPECT_THAT(prompter.prompts().back().text, ::testing::HasSubstr(question));
    }
  }
}

}  // namespace
}  // namespace lumora
