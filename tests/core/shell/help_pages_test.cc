#include "core/shell/help_pages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/shell/installed_data.h"
#include "core/tables/file_routines.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

std::string PageFile(std::string_view page) { return std::string(page.substr(0, page.find('#'))); }

TEST(HelpPagesTest, EachWindowAndEditTopicOpensItsOwnPage) {
  EXPECT_EQ(HelpPageFor("Launcher"), "getting-started.html");
  EXPECT_EQ(HelpPageFor("SHEET"), "job-windows.html#sheet-specifications");
  EXPECT_EQ(HelpPageFor("NoSuchWindow"), "index.html");
  EXPECT_EQ(HelpTopicPage(38), "edit-glass-piece.html");
  EXPECT_EQ(HelpTopicPage(39), "edit-balance.html");
  EXPECT_EQ(HelpTopicPage(0), "index.html");
  EXPECT_EQ(HelpTopicPage(40), "index.html");
}

TEST(HelpPagesTest, EveryPageAndAnchorIsInTheManual) {
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
    const std::string file = PageFile(page);
    const std::string bytes = ReadFileBytes((help / file).string()).value_or("");
    ASSERT_FALSE(bytes.empty()) << file;
    if (const size_t hash = page.find('#'); hash != std::string_view::npos) {
      const std::string anchor = "id=\"" + std::string(page.substr(hash + 1)) + "\"";
      EXPECT_NE(bytes.find(anchor), std::string::npos) << page;
    }
  }
}

TEST(InstalledDataTest, ShareBesideTheBinFolderComesBeforeTheSourceTree) {
  testing::TempFolder folder;
  std::filesystem::create_directories(folder.File("usr/bin"));
  std::filesystem::create_directories(folder.File("src/data"));
  EXPECT_EQ(InstalledDataFolder(folder.File("usr/bin"), folder.File("src/data")),
            folder.File("src/data"));
  std::filesystem::create_directories(folder.File("usr/share/lumora"));
  EXPECT_EQ(InstalledDataFolder(folder.File("usr/bin"), folder.File("src/data")),
            folder.File("usr/share/lumora"));
  EXPECT_EQ(InstalledDataFolder("", folder.File("missing")), "");
}

}  // namespace
}  // namespace lumora
