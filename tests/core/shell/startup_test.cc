#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/file_routines.h"
#include "core/base/workspace.h"
#include "core/job/job_sections.h"
#include "core/shell/command_line.h"
#include "core/shell/data_folder.h"
#include "core/shell/help_pages.h"
#include "core/shell/installed_data.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::TempFolder;

TEST(CommandLineJobFile, TakesTheNameWithoutItsQuotesAndSurvivesStrayOnes) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{}, ""},
      {{"/jobs/a.opt"}, "/jobs/a.opt"},
      {{"\"/jobs/my job.opt\""}, "/jobs/my job.opt"},
      // The shell split an unquoted name with a blank into two words.
      {{"/jobs/my", "job.opt"}, "/jobs/my job.opt"},
      {{"\"/jobs/my", "job.opt\""}, "/jobs/my job.opt"},
      {{"\""}, ""},
      {{"\"\""}, ""},
      {{"\"/jobs/a.opt"}, "/jobs/a.opt"},
      {{"/jobs/a\"b.opt"}, "/jobs/a\"b.opt"}};  // a quote inside a name is part of it
  for (const auto& [words, file] : cases) EXPECT_EQ(CommandLineJobFile(words), file) << file;
}

TEST(HelpPages, EachWindowAndTopicOpensItsOwnPageAndEveryPageIsInTheManual) {
  EXPECT_EQ(HelpPageFor("Launcher"), "getting-started.html");
  EXPECT_EQ(HelpPageFor("SHEET"), "job-windows.html#sheet-specifications");
  EXPECT_EQ(HelpPageFor("NoSuchWindow"), "index.html");
  EXPECT_EQ(HelpTopicPage(38), "edit-glass-piece.html");
  EXPECT_EQ(HelpTopicPage(39), "edit-balance.html");
  EXPECT_EQ(HelpTopicPage(0), "index.html");
  EXPECT_EQ(HelpTopicPage(40), "index.html");
  const std::filesystem::path help = std::filesystem::path(LUMORA_SOURCE_DATA_DIR) / "help";
  std::vector<std::string_view> pages = {HelpTopicPage(38), HelpTopicPage(39)};
  for (const char* window : {"Launcher", "About",    "BaseModule", "BASIC",          "SHEET",
                             "CUT",      "Progress", "Dia",        "DiaSet",         "ALT",
                             "AddNew",   "Report",   "REPORT",     "OFFCUT",         "Configure",
                             "MISC",     "SCRAP",    "CHARGE",     "LABELS",         "MLM",
                             "PLM",      "LOADPROD", "ItemChoice", "UnitConversion", "x"}) {
    pages.push_back(HelpPageFor(window));
  }
  for (const std::string_view page : pages) {
    const size_t hash = page.find('#');
    const std::string file(page.substr(0, hash));
    const std::string bytes = ReadFileBytes((help / file).string(), kJobFileLimit).value_or("");
    ASSERT_FALSE(bytes.empty()) << file;
    if (hash != std::string_view::npos) {
      EXPECT_NE(bytes.find("id=\"" + std::string(page.substr(hash + 1)) + "\""), bytes.npos);
    }
  }
}

TEST(DataFolder, ShareBesideBinThenSourceTreeArgumentThenEnvironmentSeedsOnceNeverClobbers) {
  TempFolder folder;
  std::filesystem::create_directories(folder.File("usr/bin"));
  std::filesystem::create_directories(folder.File("src/data"));
  const auto installed = [&] {
    return InstalledDataFolder(folder.File("usr/bin"), folder.File("src/data"));
  };
  EXPECT_EQ(installed(), folder.File("src/data"));
  std::filesystem::create_directories(folder.File("usr/share/lumora"));
  EXPECT_EQ(installed(), folder.File("usr/share/lumora"));
  EXPECT_EQ(InstalledDataFolder("", folder.File("missing")), "");

  ::setenv("LUMORA_HOME", "/from/env", 1);
  EXPECT_EQ(ResolveDataFolder(std::string("/from/arg")), "/from/arg");
  EXPECT_EQ(ResolveDataFolder(std::nullopt), "/from/env");
  ::unsetenv("LUMORA_HOME");
  ::setenv("XDG_DATA_HOME", "/xdg", 1);
  EXPECT_EQ(ResolveDataFolder(std::nullopt), "/xdg/lumora");
  ::unsetenv("XDG_DATA_HOME");

  const std::string data = folder.File("nested/data");
  ASSERT_FALSE(SeedDataFolder(data));
  for (const char* name : {"misc.set", "charge.dat", "dia.set", "Defaults"}) {
    EXPECT_FALSE(IsFileEmpty(data + "/" + name)) << name;
  }
  EXPECT_EQ(folder.Read("nested/data/scrap.dat"), "\"500\",\"300\"\r\n");
  EXPECT_EQ(folder.Read("nested/data/lbl.def"), "\"4\",\"2\",\"1\",\"40\",\"2\",\"2\"\r\n");
  folder.Write("nested/data/misc.set", "\"IN\",\"3\",\"HALF\"\r\n");
  folder.Write("nested/data/scrap.dat", "");
  ASSERT_FALSE(SeedDataFolder(data));
  EXPECT_EQ(folder.Read("nested/data/misc.set"), "\"IN\",\"3\",\"HALF\"\r\n");
  EXPECT_EQ(folder.Read("nested/data/scrap.dat"), "");
}

// Exit removes the run's claim with its other working files.
TEST(Workspace, ExitRemovesTheWorkingFilesOfItsOwnStampOnly) {
  TempFolder folder;
  const Workspace workspace{folder.path(), "45123.4"};
  EXPECT_EQ(workspace.WorkingFile("sheet.tlf"), folder.File("45123.4sheet.tlf"));
  const char* gone[] = {"45123.4sheet.tlf", "45123.4sheets.Adj", "45123.4edit.TMP",
                        "45123.4products.lst", "45123.4run.lst"};
  const char* kept[] = {"45123.45sheet.tlf", "99sheet.tlf", "45123.4notes.txt", "misc.set"};
  for (const char* name : gone) folder.Write(name, "x");
  for (const char* name : kept) folder.Write(name, "x");
  workspace.RemoveWorkingFiles();
  for (const char* name : gone) EXPECT_FALSE(FileExists(folder.File(name))) << name;
  for (const char* name : kept) EXPECT_TRUE(FileExists(folder.File(name))) << name;
}

}  // namespace
}  // namespace lumora
