#include "core/job/line_table.h"

#include <gtest/gtest.h>

#include <string>

#include "core/job/job_file.h"
#include "core/job/job_sections.h"
#include "core/job/job_tables.h"
#include "job_test_support.h"
#include "support/scripted_prompter.h"

// The job's line data in its job file: read back as written, left out where it cannot be read,
// and following its rows.
namespace lumora {
namespace {

using testing::Quoted;
using testing::ScriptedPrompter;
using testing::TempFolder;
using testing::TestDataBytes;

TEST(LineTable, ReadsWhatItWritesAndCountsWhatItCannotRead) {
  const std::string settings = Quoted("CUTTING LINE,3 TRIM,VERTICAL,100,3500,100,20,0,-1");
  const std::string flaw = Quoted("FLAW,2,1,120.5,300,20,0");
  const std::string stack = Quoted("STACK,1,R12,3");
  // The table as read, as it is written again, and how many lines were left out.
  const struct {
    std::string read;
    std::string written;
    int left_out;
  } cases[] = {
      {settings + flaw + Quoted("FLAW,2,4,0,0,1,1") + stack + Quoted("STACK,2,7,0"),
       settings + flaw + Quoted("FLAW,2,4,0,0,1,1") + stack + Quoted("STACK,2,7,0"), 0},
      {Quoted("STACK,1,A,0") + flaw + settings, settings + flaw + Quoted("STACK,1,A,0"), 0},
      {"\r\n \r\n", "", 0},
      // Rows the grids do not hold, or hold blank.
      {Quoted("FLAW,9,1,0,0,1,1") + Quoted("FLAW,3,1,0,0,1,1") + Quoted("STACK,0,A,0"), "", 3},
      // Values out of range.
      {Quoted("FLAW,1,0,0,0,1,1") + Quoted("FLAW,1,1,-1,0,1,1") + Quoted("FLAW,1,1,0,0,x,1") +
           Quoted("STACK,1,ABCDEFGHIJKLM,0") + Quoted("STACK,1,,0") + Quoted("STACK,1,A,-2"),
       "", 6},
      {Quoted("CUTTING LINE,4,VERTICAL,0,0,0,0,0,0") + Quoted("CUTTING LINE,2,UP,0,0,0,0,0,0") +
           Quoted("CUTTING LINE,2,VERTICAL,0,0,0,0,1,0") + Quoted("CUTTING LINE,2,VERTICAL"),
       "", 4},
      // What an earlier line gave, short records, records of no kind known, any bytes.
      {settings + settings + stack + stack + Quoted("FLAW,1,1,0") + Quoted("BEND,1") +
           std::string("\x00\xff\"\r\n,,\r\n", 9),
       settings + stack, 6},
  };
  Grid sheet(2, static_cast<int>(SheetHeaders().size()) + 1);
  Grid glass(2, static_cast<int>(GlassHeaders().size()) + 1);
  testing::Fill(sheet, "3000,2000,,,5;1000,800,,,1;,,,,");
  testing::Fill(glass, "500,400,,,1;600,400,,,2");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.read);
    const LineTableRead read = ReadLineTable(c.read, sheet, glass);
    EXPECT_EQ(read.lines_left_out, c.left_out);
    EXPECT_EQ(LineTableBytes(read.line, sheet, glass), c.written);
  }
}

// Flaws stay with their stock row and stacks with their glass row through a sort; a row emptied
// takes its line data with it when the job is stored, as does a stack taken off its row.
// "Defaults" keeps only the settings.
TEST(LineTable, LineDataFollowsItsRowsIntoTheJobFile) {
  TempFolder folder;
  Job job = testing::MakeTestJob(folder);
  ScriptedPrompter prompter;
  testing::Fill(job.sheet, "3000,2000,,,5;2000,1000,,,2");
  testing::Fill(job.glass, "500,400,,,1;600,400,,,2;700,400,,,3");
  job.line.SetSettings(CuttingLineSettings{});
  job.line.SetFlaws(job.sheet.RowIdOf(1), {{2, 10, 20, 5, 5}});
  job.line.SetStack(job.glass.RowIdOf(1), GlassStack{"A", 0});
  job.line.SetStack(job.glass.RowIdOf(3), GlassStack{"B", 2});
  job.line.SetStack(job.glass.RowIdOf(2), GlassStack{"C", 1});
  job.line.SetStack(job.glass.RowIdOf(2), std::nullopt);
  job.sheet.col = 1;
  ASSERT_FALSE(SortTable(job.sheet, SortOrder::kAscending));
  for (int c = 1; c < job.glass.Cols(); ++c) job.glass.SetText(1, c, "");

  const std::string line = Quoted("CUTTING LINE,3 TRIM,VERTICAL,0,0,0,0,0,0") +
                           Quoted("FLAW,2,2,10,20,5,5") + Quoted("STACK,2,B,2");
  ASSERT_TRUE(SaveJob(job, folder.File("job.opt"), prompter));
  EXPECT_EQ(SplitJobFile(folder.Read("job.opt"))[kLineTable], line);
  EXPECT_EQ(folder.Read("job.opt").substr(folder.Read("job.opt").find("[END]\r\n[LINE.TLF]")),
            "[END]\r\n[LINE.TLF]\r\n" + line + "[END]\r\n");

  Job opened = testing::MakeTestJob(folder);
  ASSERT_TRUE(
      OpenJob(opened, folder.Write("line.opt", TestDataBytes("jobs/line_job.opt")), prompter));
  ASSERT_TRUE(SaveJob(opened, folder.File("saved.opt"), prompter));
  EXPECT_EQ(folder.Read("saved.opt"), TestDataBytes("jobs/line_job.opt"));
  ASSERT_TRUE(OpenJob(opened, folder.File("job.opt"), prompter));
  EXPECT_EQ(opened.line.Flaws(opened.sheet.RowIdOf(2)), job.line.Flaws(job.sheet.RowIdOf(2)));
  EXPECT_EQ(opened.line.Stack(opened.glass.RowIdOf(2)), (GlassStack{"B", 2}));
  EXPECT_EQ(LineTableBytes(opened.line, opened.sheet, opened.glass), line);
  EXPECT_TRUE(prompter.prompts().empty());

  ASSERT_TRUE(SaveJob(opened, folder.File("Defaults"), prompter));
  EXPECT_EQ(SplitJobFile(folder.Read("Defaults"))[kLineTable],
            Quoted("CUTTING LINE,3 TRIM,VERTICAL,0,0,0,0,0,0"));
  opened.line.Clear();
  EXPECT_FALSE(opened.line.Any(opened.sheet, opened.glass));
  ASSERT_TRUE(SaveJob(opened, folder.File("plain.opt"), prompter));
  EXPECT_EQ(folder.Read("plain.opt").find("[LINE.TLF]"), std::string::npos);

  folder.Write("damaged.opt", folder.Read("job.opt").replace(
                                  folder.Read("job.opt").find("\"FLAW\""), 6, "\"FLAX\""));
  ASSERT_TRUE(OpenJob(opened, folder.File("damaged.opt"), prompter));
  ASSERT_EQ(prompter.prompts().size(), 1u);
  EXPECT_EQ(prompter.prompts()[0].text, "Lines of the cutting line data of " +
                                            folder.File("damaged.opt") +
                                            " left out as unreadable: 1.");
}

}  // namespace
}  // namespace lumora
