#include "core/shell/data_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "core/shell/workspace.h"
#include "core/tables/file_routines.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::TempFolder;

TEST(DataFolder, SeedsOnceAndNeverClobbers) {
  TempFolder folder;
  const std::string data = folder.File("nested/data");
  ASSERT_FALSE(SeedDataFolder(data));
  for (const char* name :
       {"misc.set", "scrap.dat", "charge.dat", "dia.set", "lbl.def", "Defaults"}) {
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

TEST(DataFolder, ArgumentThenEnvironment) {
  ::setenv("LUMORA_HOME", "/from/env", 1);
  EXPECT_EQ(ResolveDataFolder(std::string("/from/arg")), "/from/arg");
  EXPECT_EQ(ResolveDataFolder(std::nullopt), "/from/env");
  ::unsetenv("LUMORA_HOME");
  ::setenv("XDG_DATA_HOME", "/xdg", 1);
  EXPECT_EQ(ResolveDataFolder(std::nullopt), "/xdg/lumora");
  ::unsetenv("XDG_DATA_HOME");
}

TEST(Workspace, StampAndWorkingFiles) {
  EXPECT_EQ(StartStampAt(4512345), "45123.45");
  EXPECT_EQ(StartStampAt(4512300), "45123");
  EXPECT_EQ(StartStampAt(0), "0");

  TempFolder folder;
  const Workspace workspace{folder.path(), "45123.4"};
  EXPECT_EQ(workspace.WorkingFile("sheet.tlf"), folder.File("45123.4sheet.tlf"));
  for (const char* name :
       {"45123.4sheet.tlf", "45123.4sheets.Adj", "45123.4edit.TMP", "45123.4products.lst",
        "45123.45sheet.tlf", "99sheet.tlf", "45123.4notes.txt", "misc.set"}) {
    folder.Write(name, "x");
  }
  workspace.RemoveWorkingFiles();
  for (const char* gone :
       {"45123.4sheet.tlf", "45123.4sheets.Adj", "45123.4edit.TMP", "45123.4products.lst"}) {
    EXPECT_FALSE(FileExists(folder.File(gone))) << gone;
  }
  for (const char* kept : {"45123.45sheet.tlf", "99sheet.tlf", "45123.4notes.txt", "misc.set"}) {
    EXPECT_TRUE(FileExists(folder.File(kept))) << kept;
  }
}

TEST(FileRoutines, AtomicWriteLeavesTheOldFileOnFailure) {
  TempFolder folder;
  const std::string path = folder.Write("job.opt", "old");
  ASSERT_FALSE(WriteFileAtomically(path, "new"));
  EXPECT_EQ(folder.Read("job.opt"), "new");
  EXPECT_TRUE(WriteFileAtomically(folder.File("missing/job.opt"), "x").has_value());
  DeleteFiles(folder.File("*.OPT"));
  EXPECT_FALSE(FileExists(path));
  DeleteFiles(folder.File("*.none"));
}

}  // namespace
}  // namespace lumora
