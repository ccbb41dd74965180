#include "core/base/file_routines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
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

// A path to anything but a regular file, or to one beyond its format's limit, is refused
// unread: a device or a pipe would never end or never start.
TEST(FileRoutinesTest, OnlyARegularFileWithinItsLimitIsRead) {
  TempFolder folder;
  folder.Write("five", "12345");
  folder.Write("empty", "");
  ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0600), 0);
  std::filesystem::resize_file(folder.Write("sparse", ""), 2 * 1024 * 1024 + 1);
  // The path, the limit, the bytes or why there are none.
  const std::tuple<std::string, size_t, std::optional<std::string>, std::string> cases[] = {
      {folder.File("five"), 5, "12345", ""},
      {folder.File("five"), 4, std::nullopt, "it is larger than 4 bytes"},
      {folder.File("empty"), 0, "", ""},
      {folder.File("sparse"), 2 * 1024 * 1024, std::nullopt, "it is larger than 2 MB"},
      // The kernel gives its size as 0.
      {"/proc/self/stat", 8, std::nullopt, "it is larger than 8 bytes"},
      {folder.path(), 100, std::nullopt, "it is a folder"},
      {"/dev/zero", 100, std::nullopt, "it is not a regular file"},
      {folder.File("pipe"), 100, std::nullopt, "it is not a regular file"},
      {folder.File("gone"), 100, std::nullopt, "No such file or directory"},
  };
  for (const auto& [path, limit, bytes, reason] : cases) {
    const FileRead read = ReadFile(path, limit);
    EXPECT_EQ(read.bytes, bytes) << path;
    EXPECT_EQ(read.reason, reason) << path;
  }
}

TEST(FileRoutinesTest, AScratchFileGoesWithItsValue) {
  auto scratch = std::make_unique<ScratchFile>("lumora-test-");
  const std::string path = scratch->path();
  EXPECT_EQ(ReadFileBytes(path, 0), "");
  scratch.reset();
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace lumora
