#include "core/job/list_import.h"

#include <gtest/gtest.h>

#include "core/job/job_tables.h"
#include "core/job/list_import_run.h"
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

// Text as a spreadsheet's "Unicode text" saves it: UTF-16 little endian after its byte order mark.
std::string Utf16Le(std::string_view latin1) {
  std::string bytes = "\xFF\xFE";
  for (const char c : latin1) bytes += {c, '\0'};
  return bytes;
}

struct ImportCase {
  const char* name;
  std::string bytes;
  const char* unit;
  const char* map;
  std::vector<std::string> rows;
  std::vector<int> issue_lines;
};

TEST(ListImport, FileShapesLandInTheirColumnsOrAreToldByLine) {
  const std::vector<ImportCase> cases = {
      {"semicolons, decimal comma, header in another order",
       "Qty;Height;Width\r\n2;800,5;1200\r\n",
       "MM",
       "",
       {"1200,800.5,47 1/4,31 1/2,2,,48,48"},
       {}},
      {"quoted customer with a comma",
       "L1,L2,QTY,Customer\n1000,500,1,\"Smith, John\"\n",
       "MM",
       "",
       {"1000,500,39 3/8,19 11/16,1,,48,24,Smith John"},
       {}},
      {"tabs, inch fractions by the header's unit",
       "Width (in)\tHeight (in)\tPcs\n48 3/4\t24,5\t3\n",
       "MM",
       "",
       {"1238.25,622.3,48 3/4,24.5,3,,,48"},
       {}},
      {"BOM and UTF-8 accents",
       "\xEF\xBB\xBFL1,L2,QTY,CLIENT\n1000,500,1,M\xC3\xBCller\n",
       "MM",
       "",
       {"1000,500,39 3/8,19 11/16,1,,48,24,M\xFCller"},
       {}},
      {"Latin-1 stays",
       "L1,L2,QTY,CLIENT\n1000,500,1,M\xFCller\n",
       "MM",
       "",
       {"1000,500,39 3/8,19 11/16,1,,48,24,M\xFCller"},
       {}},
      {"blank lines, letters in QTY",
       "L1,L2,QTY\n\n1000,500,1x\n , ,\n900,400,2\n",
       "MM",
       "",
       {"900,400,35 7/16,15 3/4,2,,48,24"},
       {3}},
      {"no header, the grid's order",
       "1000;500;2;2\n",
       "MM",
       "",
       {"1000,500,39 3/8,19 11/16,2,2,48,24"},
       {}},
      {"a text cut to its column",
       "L1,L2,QTY,CUSTOMER\n1000,500,1,ABCDEFGHIJKLMNOP\n",
       "MM",
       "",
       {"1000,500,39 3/8,19 11/16,1,,48,24,ABCDEFGHIJKL"},
       {2}},
      {"unknown header words mapped by hand",
       "Breite;Hoehe;Anzahl;Ausrichtung\n1000;500;2;3\n",
       "MM",
       "L1=Breite,L2=2,QTY=anzahl,ORN=Ausrichtung",
       {},
       {2}},
      {"UTF-16 with tabs",
       Utf16Le("L1\tL2\tQTY\tCUSTOMER\r\n1000\t500\t1\tM\xFCller\r\n"),
       "MM",
       "",
       {"1000,500,39 3/8,19 11/16,1,,48,24,M\xFCller"},
       {}},
      {"unit IN for a file without one",
       "L1,L2,QTY\n12 1/2,10,1\n",
       "IN",
       "",
       {"317.5,254,12 1/2,10,1,,24,24"},
       {}},
  };
  for (const ImportCase& c : cases) {
    const DelimitedText text = ReadDelimitedText(c.bytes);
    ImportMapping mapping = GuessMapping(text, ListKind::kGlass, ReadUnit(c.unit));
    ASSERT_FALSE(ApplyMapText(mapping, text, ListKind::kGlass, c.map)) << c.name;
    const ImportRows rows = BuildImportRows(text, mapping, ListKind::kGlass, GlassHeaders());
    TempFolder folder;
    Job job = testing::MakeTestJob(folder);
    AddImportedRows(job.glass, rows, ListKind::kGlass, mapping.unit, false, kCharges);
    std::vector<std::string> got;
    for (int r = 1; r + 1 < job.glass.Rows(); ++r) got.push_back(RowText(job.glass, r));
    EXPECT_EQ(got, c.rows) << c.name;
    EXPECT_EQ(RowText(job.glass, job.glass.Rows() - 1), "") << c.name;
    std::vector<int> lines;
    for (const ImportIssue& issue : rows.issues) lines.push_back(issue.line);
    EXPECT_EQ(lines, c.issue_lines) << c.name;
  }
}

TEST(ListImport, MapTextNamesWhatIsWrong) {
  const DelimitedText text = ReadDelimitedText("Width,Height\n1,2\n");
  for (const char* map : {"L9=Width", "L1=Depth", "L1=3", "L1"}) {
    ImportMapping mapping = GuessMapping(text, ListKind::kStock, Unit::kMm);
    EXPECT_TRUE(ApplyMapText(mapping, text, ListKind::kStock, map)) << map;
  }
}

// Answers in the order asked: change confirmation, lines that do not fit, replace.
struct RunCase {
  const char* name;
  bool optimized;
  std::vector<PromptAnswer> answers;
  size_t questions;
  std::vector<std::string> rows;
};

TEST(ListImport, AsksBeforeTheGridChanges) {
  using enum PromptAnswer;
  const std::string kImported = "900,400,35 7/16,15 3/4,2";
  const std::vector<RunCase> cases = {
      {"optimized, No keeps all", true, {kNo}, 1, {"1,1,,,1"}},
      {"optimized, Yes, go on, append", true, {kYes, kYes, kNo}, 3, {"1,1,,,1", kImported}},
      {"bad lines refused", false, {kNo}, 1, {"1,1,,,1"}},
      {"replace", false, {kYes, kYes}, 2, {kImported}},
      {"cancel at replace", false, {kYes, kCancel}, 2, {"1,1,,,1"}},
  };
  const DelimitedText text = ReadDelimitedText("L1,L2,QTY\n900,400,2\nx,1,1\n");
  for (const RunCase& c : cases) {
    TempFolder folder;
    Job job = testing::MakeTestJob(folder);
    testing::FillRows(job.sheet, {{"1", "1", "", "", "1"}});
    const std::string dia = job.workspace.WorkingFile("dia.tlf");
    folder.Write("100.5dia.tlf", c.optimized ? "\"1\"\r\n" : "");
    ScriptedPrompter prompter({c.answers.begin(), c.answers.end()});
    const ImportMapping mapping = GuessMapping(text, ListKind::kStock, Unit::kMm);
    const ImportRows rows = BuildImportRows(text, mapping, ListKind::kStock, SheetHeaders());
    ImportIntoGrid(job.sheet, rows, {ListKind::kStock, Unit::kMm, "stock.csv", {}, dia, {}, {}},
                   prompter);
    EXPECT_EQ(prompter.prompts().size(), c.questions) << c.name;
    std::vector<std::string> got;
    for (int r = 1; r + 1 < job.sheet.Rows(); ++r) got.push_back(RowText(job.sheet, r));
    EXPECT_EQ(got, c.rows) << c.name;
  }
}

}  // namespace
}  // namespace lumora
