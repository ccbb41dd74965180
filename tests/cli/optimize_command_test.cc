#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "core/job/job_sections.h"
#include "core/tables/file_routines.h"
#include "support/run_process.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;
using testing::RunProcess;
using testing::TempFolder;
using testing::TestDataBytes;

std::string ExampleBytes(const std::string& name) {
  return ReadFileBytes(std::string(LUMORA_SOURCE_DATA_DIR) + "/examples/" + name).value_or("");
}

class OptimizeCommandTest : public ::testing::Test {
 protected:
  // Copies an example job into the temporary folder under a name and answers its path.
  std::string Example(const std::string& example, const std::string& name) {
    return folder_.Write(name, ExampleBytes(example));
  }

  testing::ProcessResult Optimize(const std::string& job, std::vector<std::string> options = {}) {
    std::vector<std::string> args = {"optimize", job, "--data-dir", folder_.File("data")};
    args.insert(args.end(), options.begin(), options.end());
    return RunProcess(LUMORA_CLI_PATH, args);
  }

  std::string Section(const std::string& name, JobTable table) {
    return SplitJobFile(folder_.Read(name))[table];
  }

  TempFolder folder_;
};

TEST_F(OptimizeCommandTest, WritesTheBestResultIntoTheJobAndPrintsTheStatusBarFigures) {
  const std::string job = Example("small.opt", "small.opt");
  const auto result = Optimize(job);
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out,
            "question: Start OPTIMIZATION? -> Yes\n"
            "Trim allowance: 2.001  BLADE: 3665.002\n"
            "Optimization done.\n"
            "Overall Yield (%) = 89.45  Total Layouts = 8  Profit = 3080\n");
  EXPECT_EQ(result.err, "");  // no progress bar when stderr is not a terminal
  EXPECT_EQ(Section("small.opt", kDiaTable), TestDataBytes("engine2d/runs/small_yield.tlf"));
  EXPECT_THAT(Section("small.opt", kBasicTable), HasSubstr("\"3665.002\""));
  const JobTables before = SplitJobFile(ExampleBytes("small.opt"));
  EXPECT_EQ(Section("small.opt", kSheetTable), before[kSheetTable]);
  EXPECT_EQ(Section("small.opt", kCutTable), before[kCutTable]);
  EXPECT_EQ(Section("small.opt", kOptionsTable), "-1,0\r\n");
}

TEST_F(OptimizeCommandTest, OutputFileObjectiveAndThreadsLeaveTheJobAndGiveTheSameBytes) {
  const std::string job = Example("medium.opt", "medium.opt");
  const auto one = Optimize(job, {"-o", folder_.File("one.opt"), "--eff", "3", "--objective",
                                  "layouts", "--threads", "1", "--quiet"});
  ASSERT_EQ(one.exit_code, 0) << one.err;
  const auto four = Optimize(job, {"-o", folder_.File("four.opt"), "--eff", "3", "--objective",
                                   "layouts", "--threads", "4"});
  ASSERT_EQ(four.exit_code, 0) << four.err;
  EXPECT_EQ(folder_.Read("medium.opt"), ExampleBytes("medium.opt"));
  EXPECT_EQ(folder_.Read("one.opt"), folder_.Read("four.opt"));
  EXPECT_EQ(Section("one.opt", kDiaTable), TestDataBytes("engine2d/runs/medium_layouts.tlf"));
  EXPECT_EQ(Section("one.opt", kOptionsTable), "0,-1\r\n");
}

TEST_F(OptimizeCommandTest, ACoilJobStoresUnlimitedCoils) {
  const std::string job = Example("coil.sdr", "coil.sdr");
  const auto result = Optimize(job, {"--eff", "3"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("Optimization done.\nOverall Yield (%) = "));
  EXPECT_EQ(Section("coil.sdr", kDiaTable), TestDataBytes("engine2d/runs/coil_yield.tlf"));
  EXPECT_THAT(Section("coil.sdr", kSheetTable),
              HasSubstr("\"30000\",\"1220\",\"1181 1/8\",\"48 1/16\",\"99999\""));
}

TEST_F(OptimizeCommandTest, StopAfterPassFiveThenResumeGivesTheUninterruptedJob) {
  const std::string job = Example("small.opt", "small.opt");
  // Two stock sizes at EFF 15: 30 passes.
  ASSERT_EQ(Optimize(job, {"-o", folder_.File("whole.opt"), "--eff", "15"}).exit_code, 0);
  const auto stopped =
      Optimize(job, {"-o", folder_.File("part.opt"), "--eff", "15", "--stop-after-pass", "5"});
  ASSERT_EQ(stopped.exit_code, 0) << stopped.err;
  EXPECT_THAT(stopped.out, HasSubstr("\nOptimization Stopped. After viewing the results, you can "
                                     "continue optimization from this point onwards till this "
                                     "file remains open.\n"));
  const auto resumed = Optimize(folder_.File("part.opt"), {"--eff", "15", "--resume", "5"});
  ASSERT_EQ(resumed.exit_code, 0) << resumed.err;
  EXPECT_THAT(resumed.out, HasSubstr("\nOptimization done.\n"));
  EXPECT_EQ(folder_.Read("part.opt"), folder_.Read("whole.opt"));
}

TEST_F(OptimizeCommandTest, ARunWithoutResultSaysWhyAndExitsWithFour) {
  // EFF 0 from misc.set runs no pass; B (MM) 300 leaves every layout of the example a narrower
  // balance.
  struct Case {
    std::string misc_set;
    std::string b_mm;
    std::string why;
  };
  const Case cases[] = {
      {"\"MM\",\"0\",\"FULL\"\r\n", "0", "EFF 0 runs no pass."},
      {"\"MM\",\"2\",\"FULL\"\r\n", "300", "no layout for the glass left keeps every balance"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    std::filesystem::create_directories(folder_.File("data"));
    folder_.Write("data/misc.set", c.misc_set);
    std::string bytes = ExampleBytes("small.opt");
    bytes.replace(bytes.find("\"2\",\"0\""), 7, "\"2\",\"" + c.b_mm + "\"");
    const std::string job = folder_.Write("small.opt", bytes);
    const auto result = Optimize(job);
    EXPECT_EQ(result.exit_code, 4) << result.err;
    EXPECT_THAT(result.out, HasSubstr("Optimization done.\nNo complete result: "));
    EXPECT_THAT(result.out, HasSubstr(c.why));
    EXPECT_THAT(result.out,
                HasSubstr("\nOverall Yield (%) = NA  Total Layouts = NA  Profit = NA\n"));
    EXPECT_EQ(Section("small.opt", kDiaTable), "");
  }
}

TEST_F(OptimizeCommandTest, DriverChecksExitWithThreeAndLeaveTheJob) {
  struct Case {
    const char* sheet;
    const char* glass;
    const char* message;
  };
  const Case cases[] = {
      {"\"2000\",\"1000\",\"\",\"\",\"5\",\"\",\"\",\"\",\"\",\"\"",
       "\"500\",\"400\",\"\",\"\",\"0\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"",
       "No valid GLASS SIZES."},
      {"\"2000\",\"1000\",\"\",\"\",\"5\",\"600\",\"\",\"600\",\"\",\"\"",
       "\"500\",\"400\",\"\",\"\",\"1\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"",
       "No valid SHEETS specified."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const std::string bytes = std::string(
                                  "[BASIC.TLF]\r\n\"FLOAT\",\"\",\"4\",\"\",\"\",\"0\",\"\","
                                  "\"2\",\"0\",\"\",\"\"\r\n[END]\r\n[OPTIONS.TLF]\r\n-1,0\r\n"
                                  "[END]\r\n[SHEET.TLF]\r\n") +
                              c.sheet + "\r\n[END]\r\n[CUT.TLF]\r\n" + c.glass +
                              "\r\n[END]\r\n[DIA.TLF]\r\n1,-1,1,0,0,5,5,1,0\r\n[END]\r\n";
    const std::string job = folder_.Write("checks.opt", bytes);
    const auto result = Optimize(job);
    EXPECT_EQ(result.exit_code, 3) << result.err;
    EXPECT_THAT(result.out,
                HasSubstr(std::string("Start OPTIMIZATION? -> Yes\n") +
                          "Trim allowance: 2.001  BLADE: 2005.002\n" + c.message + "\n"));
    EXPECT_EQ(folder_.Read("checks.opt"), bytes);
  }
}

TEST_F(OptimizeCommandTest, RefusedChecksExitWithTwo) {
  const std::string job =
      folder_.Write("needs_answers.opt", TestDataBytes("jobs/needs_answers.opt"));
  const auto result = Optimize(job, {"--strict"});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_EQ(result.out,
            "question: QTY missing in sheet number (1), Proceed? -> No\n"
            "The run did not start.\n");
  EXPECT_EQ(folder_.Read("needs_answers.opt"), TestDataBytes("jobs/needs_answers.opt"));
}

// The deep engine's result is stored like the standard one, so everything that reads a result
// works on it; a budget makes it the same on every run.
TEST_F(OptimizeCommandTest, DeepResultIsRepeatableAndReportsLabelsAndRendersLikeAnyResult) {
  const std::string job = Example("small.opt", "small.opt");
  const std::vector<std::string> deep = {"--engine", "deep", "--budget", "8", "--seed", "3"};
  std::vector<std::string> first = deep;
  first.insert(first.end(), {"-o", folder_.File("first.opt"), "--threads", "1"});
  ASSERT_EQ(Optimize(job, first).exit_code, 0);
  const auto result = Optimize(job, deep);
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("Optimization done.\nOverall Yield (%) = "));
  EXPECT_EQ(Section("small.opt", kDiaTable), Section("first.opt", kDiaTable));
  const std::string data = folder_.File("data");
  for (const std::vector<std::string>& reader :
       {std::vector<std::string>{"report", job, "--out-dir", folder_.File("report")},
        std::vector<std::string>{"labels", job, "--pdf", folder_.File("labels.pdf")},
        std::vector<std::string>{"render", job, "--all", "-o", folder_.File("layouts.pdf")}}) {
    SCOPED_TRACE(reader[0]);
    std::vector<std::string> args = reader;
    args.insert(args.end(), {"--data-dir", data});
    const auto read = RunProcess(LUMORA_CLI_PATH, args);
    EXPECT_EQ(read.exit_code, 0) << read.err;
  }
}

TEST_F(OptimizeCommandTest, UsageAndFileErrorsExitWithOne) {
  const std::string job = Example("small.opt", "small.opt");
  const std::vector<std::vector<std::string>> wrong = {
      {"--objective", "cost"},      {"--eff", "ten"},      {"--eff", "40000"}, {"--threads", "0"},
      {"--stop-after-pass", "1.5"}, {"--resume", "-1"},    {"--bogus"},        {"-o"},
      {"--engine", "fast"},         {"--time-limit", "0"}, {"--budget", "x"}};
  for (const auto& options : wrong) {
    SCOPED_TRACE(options[0]);
    const auto result = Optimize(job, options);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_THAT(result.err, HasSubstr("lumora-cli: "));
    EXPECT_EQ(result.out, "");
  }
  EXPECT_EQ(RunProcess(LUMORA_CLI_PATH, {"optimize"}).exit_code, 1);
  const auto missing = Optimize(folder_.File("nothing.opt"));
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_THAT(missing.err, HasSubstr("cannot read the job file"));
  const auto unwritable = Optimize(job, {"-o", folder_.File("no/such/folder/out.opt")});
  EXPECT_EQ(unwritable.exit_code, 1);
  EXPECT_THAT(unwritable.out, HasSubstr("Could not save"));
  EXPECT_EQ(folder_.Read("small.opt"), ExampleBytes("small.opt"));
}

}  // namespace
}  // namespace lumora
