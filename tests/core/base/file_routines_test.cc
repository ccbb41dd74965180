#include "core/base/file_routines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/base/field_reader.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::TempFolder;
using ::testing::UnorderedElementsAre;

TEST(FieldReader, QuotedAndBareFieldsAcrossLines) {
  FieldReader reader("  \"a b \" junk, bare  ,\"\"\r\nlast\r\n\"open");
  for (const char* field : {"a b ", "bare", "", "last"}) EXPECT_EQ(reader.Next(), field);
  EXPECT_FALSE(reader.AtEnd());
  EXPECT_EQ(reader.Next(), "open");
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.Next(), "");
  // Tabs and no-break spaces are text, not blanks.
  EXPECT_EQ(FieldReader("\t5\xA0,x").Next(), "\t5\xA0");
  EXPECT_EQ(CountLines(""), 0);
  EXPECT_EQ(CountLines("a\r\nb"), 2);
  EXPECT_EQ(CountLines("a\r\nb\r\n"), 2);
}

std::vector<std::string> Names(const TempFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(FileRoutinesTest, AReplacedFileKeepsItsPermissionsAndAFailureItsBytes) {
  TempFolder folder;
  const std::string path = folder.Write("job.opt", "earlier");
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  EXPECT_EQ(WriteFileAtomically(path, "later"), std::nullopt);
  EXPECT_EQ(folder.Read("job.opt"), "later");
  struct stat info;
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
  EXPECT_EQ(SaveFile(folder.File("gone/job.opt"), "x"),
            "Could not save " + folder.File("gone/job.opt") + ": No such file or directory");
  EXPECT_EQ(SaveFile(path, "again"), std::nullopt);
  EXPECT_EQ(Names(folder), std::vector<std::string>{"job.opt"});
}

TEST(FileRoutinesTest, ASetIsWrittenWhollyOrNotAtAll) {
  TempFolder folder;
  folder.Write("a.opt", "earlier a");
  folder.Write("b.opt", "earlier b");
  // The third file cannot even be started: the first two stay as they were.
  const auto missing = WriteFilesAtomically({{folder.File("a.opt"), "new a"},
                                             {folder.File("b.opt"), "new b"},
                                             {folder.File("gone/c.opt"), "new c"}});
  ASSERT_TRUE(missing.has_value());
  EXPECT_EQ(missing->file + ": " + missing->reason,
            folder.File("gone/c.opt") + ": No such file or directory");
  EXPECT_EQ(folder.Read("a.opt") + folder.Read("b.opt"), "earlier aearlier b");
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"a.opt", "b.opt"}));
  EXPECT_EQ(WriteFilesAtomically({{folder.File("a.opt"), "new a"}, {folder.File("c.opt"), ""}}),
            std::nullopt);
  EXPECT_EQ(folder.Read("a.opt") + folder.Read("b.opt"), "new aearlier b");
  EXPECT_TRUE(FileExists(folder.File("c.opt")));
}

TEST(FileRoutinesTest, ATargetThatCannotBeReplacedLeavesNoTemporaryFiles) {
  TempFolder folder;
  std::filesystem::create_directory(folder.File("b.opt"));
  folder.Write("b.opt/inside", "x");
  const auto failure = WriteFilesAtomically({{folder.File("a.opt"), "new a"},
                                             {folder.File("b.opt"), "new b"},
                                             {folder.File("c.opt"), "new c"}});
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->file + ": " + failure->reason, folder.File("b.opt") + ": Is a directory");
  // Renaming is the last step and cannot be undone for the file before.
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"a.opt", "b.opt"}));
}

TEST(FileRoutinesTest, MatchingFilesFindsWhatDeleteFilesDeletes) {
  TempFolder folder;
  for (const char* name : {"X[MAT=A].OPT", "X[MAT=B].opt", "X1.OPT", "X[MAT=C].sdr"}) {
    folder.Write(name, "");
  }
  std::filesystem::create_directory(folder.File("X[MAT=D].OPT"));
  EXPECT_THAT(MatchingFiles(folder.File("X[MAT=*.OPT")),
              UnorderedElementsAre(folder.File("X[MAT=A].OPT"), folder.File("X[MAT=B].opt")));
  DeleteFiles(folder.File("X[MAT=*.OPT"));
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"X1.OPT", "X[MAT=C].sdr", "X[MAT=D].OPT"}));
}

}  // namespace
}  // namespace lumora
