#include "core/job/job_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <string_view>

#include "core/job/job_check.h"
#include "core/job/job_tables.h"
#include "core/job/program_settings.h"
#include "core/tables/file_routines.h"
#include "job_test_support.h"
#include "support/scripted_prompter.h"

namespace lumora {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::ScriptedPrompter;
using testing::TempFolder;
using testing::TestDataBytes;

class JobFileTest : public ::testing::Test {
 protected:
  JobFileTest() : job_(testing::MakeTestJob(folder_)) {}

  // Opens bytes written as a job file and saves the job again; answers the saved bytes.
  std::string RoundTrip(const std::string& bytes) {
    const std::string source = folder_.Write("source.opt", bytes);
    EXPECT_TRUE(OpenJob(job_, source, prompter_));
    EXPECT_TRUE(SaveJob(job_, folder_.File("saved.opt"), prompter_));
    return folder_.Read("saved.opt");
  }

  TempFolder folder_;
  Job job_;
  ScriptedPrompter prompter_;
};

TEST_F(JobFileTest, AJobWrittenByUsOpensUnchangedAndEmptySectionsStayEmpty) {
  std::string example =
      ReadFileBytes(std::string(LUMORA_SOURCE_DATA_DIR) + "/examples/small.opt").value();
  // Layout lines are copied as they are, also one that starts with "[".
  example.replace(example.find("[DIA.TLF]\r\n[END]"), 16,
                  "[DIA.TLF]\r\n[1,-1]\r\n1,-4,1,0,0,10.5,20,1,0\r\n[END]");
  EXPECT_EQ(RoundTrip(example), example);
  EXPECT_EQ(job_.sheet.Rows(), 4);
  EXPECT_EQ(job_.glass.Rows(), 12);
  EXPECT_EQ(folder_.Read("100.5dia.tlf"), "[1,-1]\r\n1,-4,1,0,0,10.5,20,1,0\r\n");
  const std::string empty =
      "[BASIC.TLF]\r\n[END]\r\n[OPTIONS.TLF]\r\n0,-1\r\n[END]\r\n[SHEET.TLF]\r\n[END]\r\n"
      "[CUT.TLF]\r\n[END]\r\n[DIA.TLF]\r\n[END]\r\n";
  EXPECT_EQ(RoundTrip(empty), empty);
  EXPECT_EQ(job_.basic.Rows(), 2);
  EXPECT_EQ(job_.glass.Rows(), 2);
  EXPECT_FALSE(job_.maximum_yield);
  EXPECT_TRUE(job_.minimum_layouts);
  EXPECT_TRUE(prompter_.prompts().empty());
}

TEST_F(JobFileTest, AFileCutShortLeavesTheRestEmpty) {
  folder_.Write("100.5dia.tlf", "stale layouts\r\n");
  const std::string path = folder_.Write("short.opt", TestDataBytes("jobs/cut_short.opt"));
  ASSERT_TRUE(OpenJob(job_, path, prompter_));
  EXPECT_EQ(job_.basic.Text(1, basic_col::kItem), "FLOAT CLEAR");
  EXPECT_EQ(job_.sheet.Rows(), 4);
  EXPECT_EQ(job_.sheet.Text(2, sheet_col::kL1Inch), "96 1/16");
  EXPECT_EQ(job_.sheet.Text(2, sheet_col::kQty), "");
  EXPECT_EQ(job_.glass.Rows(), 2);
  EXPECT_TRUE(IsFileEmpty(folder_.File("100.5dia.tlf")));
  EXPECT_FALSE(job_.maximum_yield);
  EXPECT_TRUE(job_.minimum_layouts);
}

TEST_F(JobFileTest, AnEarlierVersionFileIsRepaired) {
  const std::string path = folder_.Write("old.opt", TestDataBytes("jobs/earlier_version.opt"));
  ASSERT_TRUE(OpenJob(job_, path, prompter_));
  EXPECT_EQ(job_.basic.Text(1, basic_col::kTolerance), "0");
  EXPECT_TRUE(IsFileEmpty(folder_.File("100.5dia.tlf")));
  EXPECT_THAT(prompter_.Texts(),
              ElementsAre("Earlier version data file detected. Set the required tolerance and "
                          "optimize."));

  ASSERT_TRUE(SaveJob(job_, folder_.File("new.opt"), prompter_));
  const std::string saved = folder_.Read("new.opt");
  EXPECT_THAT(saved, HasSubstr("\"3700\",\"\",\"0\",\"\",\"0\",\"0\",\"\",\"\"\r\n[END]"));
  EXPECT_THAT(saved, HasSubstr("[DIA.TLF]\r\n[END]\r\n"));
}

TEST_F(JobFileTest, BasicDetailsKeepsOneRowAndMiscSetDecidesTheUnit) {
  folder_.Write("misc.set", "\"IN\",\"12.5\",\"HALF\"\r\n");
  job_.settings.unit = "MM";
  const std::string two_rows =
      "[BASIC.TLF]\r\n\"A\",\"\",\"\",\"\",\"\",\"\",\"\",\"1\",\"\",\"\",\"\"\r\n"
      "\"B\",\"\",\"\",\"\",\"\",\"\",\"\",\"2\",\"\",\"\",\"\"\r\n[END]\r\n";
  const std::string saved = RoundTrip(two_rows);
  EXPECT_EQ(job_.basic.Rows(), 2);
  EXPECT_THAT(saved, HasSubstr("[BASIC.TLF]\r\n\"A\",\"\",\"\",\"\",\"\",\"\",\"\",\"1\",\"\",\"\","
                               "\"\"\r\n[END]\r\n[OPTIONS.TLF]\r\n-1,0\r\n[END]"));
  EXPECT_EQ(job_.settings.unit, "IN");
  EXPECT_EQ(job_.settings.efficiency, 12);
  EXPECT_EQ(job_.settings.move, MoveSetting::kHalf);
  EXPECT_EQ(job_.sheet.col, 3);
  EXPECT_EQ(job_.glass.col, 3);
}

TEST_F(JobFileTest, MissingSettingsFilesChangeNothing) {
  ProgramSettings settings;
  settings.unit = "MM";
  settings.efficiency = 7;
  ReadMiscSettings(job_.workspace, settings);
  EXPECT_EQ(settings.unit, "MM");
  EXPECT_EQ(settings.efficiency, 7);
  folder_.Write("misc.set", "\"MM\",\"99999\",\"FULL\"");
  ReadMiscSettings(job_.workspace, settings);
  EXPECT_EQ(settings.efficiency, 32767);
  EXPECT_EQ(ReadScrapCriteria(job_.workspace).first, 0.0f);
  folder_.Write("scrap.dat", "\"500\",\"300.5\"\r\n");
  const ScrapCriteria criteria = ReadScrapCriteria(job_.workspace);
  EXPECT_EQ(criteria.first, 500.0f);
  EXPECT_EQ(criteria.second, 300.5f);
}

TEST_F(JobFileTest, AFailedSaveLeavesTheOldFileAndSaysWhy) {
  // A name this long leaves no room for the temporary file next to it, so the save fails
  // although the old file is there.
  const std::string name = std::string(250, 'j') + ".opt";
  const std::string path = folder_.Write(name, "my only copy\r\n");
  EXPECT_FALSE(SaveJob(job_, path, prompter_));
  EXPECT_EQ(folder_.Read(name), "my only copy\r\n");
  EXPECT_THAT(prompter_.Texts(), ElementsAre("Could not save " + path + ": File name too long"));
}

TEST_F(JobFileTest, AnyBytesOpenSaveAndCheckWithoutHarm) {
  constexpr std::string_view kAlphabet = "\"\",,,\r\n\n[]ENDIN 0123456789./-";
  std::mt19937 random(4);
  for (int round = 0; round < 200; ++round) {
    std::string bytes;
    const int length = static_cast<int>(random() % 400);
    for (int i = 0; i < length; ++i) bytes += kAlphabet[random() % kAlphabet.size()];
    const std::string path = folder_.Write("random.opt", bytes);
    ASSERT_TRUE(OpenJob(job_, path, prompter_));
    ASSERT_TRUE(SaveJob(job_, folder_.File("saved.opt"), prompter_));
    job_.settings.trim_allowance = TrimAllowance(job_.basic);
    CheckJob(job_, prompter_);
  }
}

}  // namespace
}  // namespace lumora
