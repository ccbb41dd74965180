#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"
#include "core/base/file_routines.h"
#include "core/job/job_sections.h"
#include "support/pdf_info.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;
using testing::PdfPages;
using testing::TestDataBytes;

std::string Example(const std::string& name) {
  return ReadFileBytes(LUMORA_SOURCE_DATA_DIR "/examples/" + name, kJobFileLimit).value_or("");
}

class OptimizeCommandTest : public testing::CliTest {
 protected:
  // Everything that reads a result works on the job optimized with the figures given: report,
  // labels, the layouts printed one a page and drawn, the workbook, and an import that asks
  // before it drops the result.
  void ExpectReadersWork(const std::string& job, const std::string& figures) {
    std::smatch layouts;
    ASSERT_TRUE(std::regex_search(figures, layouts, std::regex("Total Layouts = ([0-9]+)")));
    folder_.Write("order.csv", "Width;Height;Qty\r\n900;400;2\r\n");
    for (const std::vector<std::string>& reader :
         {std::vector<std::string>{"report", job, "--out-dir", "%report"},
          {"labels", job, "--pdf", "%labels.pdf"},
          {"render", job, "--all", "-o", "%layouts.pdf"},
          {"render", job, "--layout", layouts[1], "-o", "%last.png"},
          {"export", job, "-o", "%job.xlsx"},
          {"import", job, "--glass", "%order.csv", "-o", "%imported.opt"}}) {
      const auto read = Run(reader);
      EXPECT_EQ(read.exit_code, 0) << reader[0] << ": " << read.err;
    }
    EXPECT_EQ(PdfPages(folder_.File("layouts.pdf")), std::stoi(layouts[1]));
    EXPECT_TRUE(folder_.Read("last.png").starts_with("\x89PNG\r\n\x1a\n"));
    EXPECT_THAT(folder_.Read("report/report.tlf"), HasSubstr("Layout No. " + layouts[1].str()));
    EXPECT_THAT(Run({"summary", "%imported.opt"}).out, HasSubstr("Optimized: no"));
  }
};

// The standard engine writes its pinned best result into the job (or into -o OUT) with the
// options of the run, and leaves the lists as typed; the coil's rows become unlimited.
TEST_F(OptimizeCommandTest, StoresThePinnedResultAndTheReadersTakeIt) {
  const struct {
    std::vector<std::string> args;
    std::string saved;
    std::string pinned;  // under tests/data/engine2d/runs
    std::string options;
  } runs[] = {
      {{"=examples/medium.opt", "--eff", "3", "--objective", "layouts", "--threads", "1", "-o",
        "%out.opt", "--quiet"},
       "out.opt",
       "medium_layouts.tlf",
       "0,-1\r\n"},
      {{"=examples/coil.sdr", "--eff", "3"}, "coil.sdr", "coil_yield.tlf", "-1,0\r\n"},
      {{"=examples/small.opt"}, "small.opt", "small_yield.tlf", "-1,0\r\n"},
  };
  std::string figures;
  for (const auto& run : runs) {
    SCOPED_TRACE(run.saved);
    std::vector<std::string> args = {"optimize"};
    args.insert(args.end(), run.args.begin(), run.args.end());
    const auto result = Run(args);
    ASSERT_EQ(result.exit_code, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr("Optimization done.\nOverall Yield (%) = "));
    EXPECT_EQ(result.err, "");  // no progress bar when stderr is not a terminal
    figures = result.out;
    EXPECT_EQ(Section(run.saved, kDiaTable), TestDataBytes("engine2d/runs/" + run.pinned));
    EXPECT_EQ(Section(run.saved, kOptionsTable), run.options);
  }
  EXPECT_EQ(figures,
            "question: Start OPTIMIZATION? -> Yes\nTrim allowance: 2.001  BLADE: 3665.002\n"
            "Optimization done.\nOverall Yield (%) = 89.45  Total Layouts = 8  Profit = 3080\n");
  EXPECT_EQ(folder_.Read("medium.opt"), Example("medium.opt"));
  EXPECT_THAT(Section("coil.sdr", kSheetTable),
              HasSubstr("\"30000\",\"1220\",\"1181 1/8\",\"48 1/16\",\"99999\""));
  const JobTables typed = SplitJobFile(Example("small.opt"));
  EXPECT_EQ(Section("small.opt", kSheetTable), typed[kSheetTable]);
  EXPECT_EQ(Section("small.opt", kCutTable), typed[kCutTable]);
  EXPECT_THAT(Section("small.opt", kBasicTable), HasSubstr("\"3665.002\""));
  ExpectReadersWork("%small.opt", figures);
}

// The deep engine's result is stored like the standard one; a budget makes it repeatable, and
// --verbose tells what the search did.
TEST_F(OptimizeCommandTest, DeepResultIsRepeatableAndTheReadersTakeIt) {
  const std::vector<std::string> deep = {"--engine", "deep", "--budget", "8", "--seed", "3"};
  std::vector<std::string> first = {"optimize",   "=examples/small.opt", "-o",
                                    "%first.opt", "--threads",           "1"};
  first.insert(first.end(), deep.begin(), deep.end());
  ASSERT_EQ(Run(first).exit_code, 0);
  std::vector<std::string> again = {"optimize", "%small.opt", "--verbose"};
  again.insert(again.end(), deep.begin(), deep.end());
  const auto result = Run(again);
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("\nRejected results: 0\n"));
  EXPECT_THAT(result.out, HasSubstr("Optimization done.\nOverall Yield (%) = "));
  EXPECT_EQ(Section("small.opt", kDiaTable), Section("first.opt", kDiaTable));
  ExpectReadersWork("%small.opt", result.out);
}

TEST_F(OptimizeCommandTest, StopAfterPassFiveThenResumeGivesTheUninterruptedJob) {
  // Two stock sizes at EFF 15: 30 passes.
  ASSERT_EQ(Run({"optimize", "=examples/small.opt", "-o", "%whole.opt", "--eff", "15"}).exit_code,
            0);
  const auto stopped =
      Run({"optimize", "%small.opt", "-o", "%part.opt", "--eff", "15", "--stop-after-pass", "5"});
  ASSERT_EQ(stopped.exit_code, 0) << stopped.err;
  EXPECT_THAT(stopped.out, HasSubstr("\nOptimization Stopped. After viewing the results, you can "
                                     "continue optimization from this point onwards till this "
                                     "file remains open.\n"));
  const auto resumed = Run({"optimize", "%part.opt", "--eff", "15", "--resume", "5"});
  ASSERT_EQ(resumed.exit_code, 0) << resumed.err;
  EXPECT_THAT(resumed.out, HasSubstr("\nOptimization done.\n"));
  EXPECT_EQ(folder_.Read("part.opt"), folder_.Read("whole.opt"));
}

// A run that places not every piece saves the job without a result and says why.
TEST_F(OptimizeCommandTest, ARunWithoutResultSaysWhyAndExitsWithFour) {
  const struct {
    std::string job;
    std::string eff;  // of misc.set; 0 runs no pass
    std::string why;
  } cases[] = {
      {"examples/small.opt", "0", "EFF 0 runs no pass."},
      // B (MM) 300 leaves every layout of the example a narrower balance.
      {"jobs/wide_balance.opt", "2",
       "no glass piece could be placed; no layout for the glass left keeps every balance side at "
       "least B (MM) 300."},
      // 40000 pieces of 1 x 1 on a 1 x 100000 strip need more elements than a result holds.
      {"jobs/strip.opt", "1", "a result holds at most 32767 layouts and 32767 layout elements."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    folder_.Write("data/misc.set", "\"MM\",\"" + c.eff + "\",\"FULL\"\r\n");
    const auto result = Run({"optimize", "=" + c.job});
    EXPECT_EQ(result.exit_code, 4) << result.err;
    EXPECT_THAT(result.out,
                HasSubstr("Optimization done.\nNo complete result: " + c.why +
                          "\nOverall Yield (%) = NA  Total Layouts = NA  Profit = NA\n"));
    EXPECT_EQ(Section(std::filesystem::path(c.job).filename(), kDiaTable), "");
  }
}

}  // namespace
}  // namespace lumora
