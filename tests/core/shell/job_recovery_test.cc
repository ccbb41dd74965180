#include "core/shell/job_recovery.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>

#include "core/base/file_routines.h"
#include "core/job/job_file.h"
#include "core/job/job_tables.h"
#include "core/shell/crashed_runs.h"
#include "core/shell/data_folder.h"
#include "core/tables/table_file.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::TempFolder;

// The claim of a run that is gone: this process's id, started at another moment.
std::string GoneClaim() {
  std::istringstream mine(ClaimRecord());
  std::string pid, ticks, host;
  mine >> pid >> ticks >> host;
  return pid + " 1" + ticks + " " + host;
}

TEST(JobRecoveryTest, OnlyTheJobOfARunThatIsGoneIsOffered) {
  const std::string time = "\r\n01/02/2025 10:00\r\n";
  struct Case {
    const char* what;
    std::string record;
    const char* job;       // the kept job file's extension, empty for none
    std::string question;  // empty when nothing is offered
  };
  const std::string asked = "Recover the job you were working on?\n\n";
  const Case cases[] = {
      {"a run still running", ClaimRecord() + "/jobs/a.opt" + time, ".opt", ""},
      {"a sheet job", GoneClaim() + "\r\n/jobs/a.opt" + time, ".opt",
       asked + "/jobs/a.opt, saved 01/02/2025 10:00"},
      {"a coil job never saved", GoneClaim() + "\r\n" + time, ".sdr",
       asked + "New job, saved 01/02/2025 10:00"},
      {"a record without its job", GoneClaim() + "\r\n/jobs/a.opt" + time, "", ""},
      {"a record cut short", GoneClaim() + "\r\n/jobs/a.opt", ".opt", ""},
      {"bytes of no record", "\xff\r\n\"", ".opt", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    std::filesystem::create_directory(folder.File("recovery"));
    folder.Write("recovery/5.5.lst", c.record);
    if (*c.job != '\0') folder.Write("recovery/5.5" + std::string(c.job), "job");
    const std::optional<KeptJob> kept = FindRecoverableJob(folder.path());
    ASSERT_EQ(kept.has_value(), !c.question.empty());
    if (!kept) continue;
    EXPECT_EQ(RecoverQuestionText(*kept), c.question);
    EXPECT_EQ(kept->coil_mode, std::string(c.job) == ".sdr");
    EXPECT_EQ(kept->job_path, folder.File("recovery/5.5" + std::string(c.job)));
  }
  // Of two runs that are gone, the one that saved last.
  TempFolder folder;
  std::filesystem::create_directory(folder.File("recovery"));
  for (const char* stamp : {"1.5", "2.5"}) {
    folder.Write("recovery/" + std::string(stamp) + ".opt", "job");
    folder.Write("recovery/" + std::string(stamp) + ".lst", GoneClaim() + "\r\n" + stamp + time);
  }
  const auto earlier = std::filesystem::last_write_time(folder.File("recovery/2.5.lst"));
  std::filesystem::last_write_time(folder.File("recovery/2.5.lst"),
                                   earlier - std::chrono::hours(1));
  EXPECT_EQ(FindRecoverableJob(folder.path()).value().file_name, "1.5");
}

// A job with unsaved changes is kept, a saved one is not; after a crash the kept job opens as
// an unsaved change of its own file and nothing kept is left.
TEST(JobRecoveryTest, AChangedJobIsKeptAndComesBackAsAnUnsavedChange) {
  TempFolder folder;
  const std::string data = folder.File("data");
  ASSERT_EQ(SeedDataFolder(data), std::nullopt);
  testing::ScriptedPrompter prompter;
  Job job = MakeJob(Workspace{data, "7.25"}, ProgramSettings{});
  ASSERT_TRUE(
      OpenJob(job, folder.Write("a.opt", testing::TestDataBytes("jobs/strip.opt")), prompter));
  job.file_name = folder.File("a.opt");
  const std::string kept_job = data + "/recovery/7.25.opt";
  const std::string record = data + "/recovery/7.25.lst";

  for (const bool changed : {true, false}) {
    job.settings.job_changed = changed;
    EXPECT_EQ(KeepJobForRecovery(job, "01/02/2025 10:00"), std::nullopt);
    EXPECT_EQ(FileExists(kept_job), changed);
    EXPECT_EQ(FileExists(record), changed);
  }
  job.glass.SetText(1, glass_col::kCustomer, "TYPED");
  job.settings.job_changed = true;
  ASSERT_EQ(KeepJobForRecovery(job, "01/02/2025 10:00"), std::nullopt);
  // This run still runs.
  EXPECT_FALSE(FindRecoverableJob(data).has_value());

  std::string lines = ReadFileBytes(record, kTableFileLimit).value();
  ASSERT_EQ(WriteFileAtomically(record, GoneClaim() + lines.substr(lines.find("\r\n"))),
            std::nullopt);
  const std::optional<KeptJob> kept = FindRecoverableJob(data);
  ASSERT_TRUE(kept.has_value());
  Job recovered = MakeJob(Workspace{data, "8.5"}, ProgramSettings{});
  ASSERT_TRUE(OpenJob(recovered, kept->job_path, prompter));
  AdoptRecoveredJob(recovered, *kept);
  EXPECT_EQ(recovered.glass.Text(1, glass_col::kCustomer), "TYPED");
  EXPECT_EQ(recovered.file_name, folder.File("a.opt"));
  EXPECT_TRUE(recovered.settings.job_changed);
  EXPECT_FALSE(FileExists(kept_job));
  EXPECT_FALSE(FileExists(record));
  EXPECT_TRUE(prompter.prompts().empty());
}

}  // namespace
}  // namespace lumora
