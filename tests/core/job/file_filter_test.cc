#include "core/job/file_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace lumora {
namespace {

constexpr const char* kSpreadsheets =
    "Excel Workbook (*.xlsx)|*.xlsx|CSV (Comma delimited) (*.csv)|*.csv";
constexpr const char* kLists = "Lists (*.csv, *.tsv, *.txt)|*.csv *.tsv *.txt|All Files (*.*)|*";

// A filter's entries: each description with its globs, "|" between entries and " " between
// globs; a description alone is its own pattern.
TEST(FileFilterTest, ReadsDescriptionsAndGlobs) {
  const std::tuple<const char*, const char*> cases[] = {
      {"SDR (*.sdr)|*.sdr|OPT (*.opt)|*.opt", "SDR (*.sdr):*.sdr|OPT (*.opt):*.opt"},
      {kLists, "Lists (*.csv, *.tsv, *.txt):*.csv *.tsv *.txt|All Files (*.*):*"},
      {"*.opt", "*.opt:*.opt"},
      {"Jobs| *.opt ", "Jobs:*.opt"},
      {"", ""},
      {"|", ""}};
  for (const auto& [filter, expected] : cases) {
    std::string seen;
    for (const FileFilterEntry& entry : ParseFileFilter(filter)) {
      seen += (seen.empty() ? "" : "|") + entry.description + ":";
      for (size_t i = 0; i < entry.patterns.size(); ++i) {
        seen += (i == 0 ? "" : " ") + entry.patterns[i];
      }
    }
    EXPECT_EQ(seen, expected) << filter;
  }
}

// A name typed into a save dialog gets the chosen entry's extension unless it already ends in
// one the filter names; what the save dialogs suggest for a job follows its file's name.
TEST(FileFilterTest, AddsTheExtensionTheUserLeftOut) {
  const std::tuple<const char*, const char*, size_t, const char*> cases[] = {
      {"walk", "DXF drawings (*.dxf)|*.dxf", 0, "walk.dxf"},
      {"/jobs/walk.DXF", "DXF drawings (*.dxf)|*.dxf", 0, "/jobs/walk.DXF"},
      {"/jobs/walk", kSpreadsheets, 0, "/jobs/walk.xlsx"},
      {"/jobs/walk", kSpreadsheets, 1, "/jobs/walk.csv"},
      {"/jobs/walk.csv", kSpreadsheets, 0, "/jobs/walk.csv"},
      {"/jobs/walk.v2", "*.opt|*.opt", 0, "/jobs/walk.v2.opt"},
      {"/jobs.v1/walk", "*.opt|*.opt", 0, "/jobs.v1/walk.opt"},
      {"walk..", "*.opt|*.opt", 0, "walk.opt"},
      {".opt", "*.opt|*.opt", 0, ".opt.opt"},
      {"walk", "All Files (*.*)|*", 0, "walk"},
      {"walk", "*.opt|*.opt", 1, "walk"},
      {"w", "C sources|*.c", 0, "w.c"},
      {"/jobs/", "*.opt|*.opt", 0, "/jobs/"},
  };
  for (const auto& [name, filter, entry, expected] : cases) {
    EXPECT_EQ(SaveNameWithExtension(name, filter, entry), expected) << name << " " << filter;
  }
  const std::tuple<const char*, const char*, const char*> suggestions[] = {
      {"/jobs/walk.opt", "DXF drawings (*.dxf)|*.dxf", "/jobs/walk.dxf"},
      {"/jobs.v1/walk", kSpreadsheets, "/jobs.v1/walk.xlsx"},
      {"/jobs/walk.opt", "All Files (*.*)|*", "/jobs/walk"},
      {"", kSpreadsheets, ""},
  };
  for (const auto& [job_file, filter, expected] : suggestions) {
    EXPECT_EQ(SuggestedSaveName(job_file, filter), expected) << job_file;
  }
  // Any dialog gets the rule on the names it gives back for a save, and only then.
  const FileDialog dialog = WithSaveExtensions([](const FileDialogRequest&) { return "walk"; });
  EXPECT_EQ(dialog({FileDialogKind::kSave, "", "", "*.opt|*.opt"}), "walk.opt");
  EXPECT_EQ(dialog({FileDialogKind::kOpen, "", "", "*.opt|*.opt"}), "walk");
}

}  // namespace
}  // namespace lumora
