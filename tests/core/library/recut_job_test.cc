#include "core/library/recut_job.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/job/job_sections.h"
#include "core/library/leftover_stock.h"
#include "core/library/material_library.h"
#include "core/reports/result_fixtures.h"

namespace lumora {
namespace {

const std::vector<std::vector<std::string>> kStock = {
    {"3000", "2000", "", "", "9", "", "", "", "", "1.45"},
    {"1200", "800", "", "", "1", "", "", "", "", "1.45"}};
const std::vector<std::vector<std::string>> kGlass = {
    {"400", "300", "15 3/4", "11 13/16", "2", "", "", "", "ACME", "4.5", "7", "PO-1", "MILL", "AC9",
     "DEPOT", "1 MAIN ST"},
    {"300", "200", "", "", "3", "2", "", "", "CITY", "5", "8"}};
// Sorted by area the 400 x 300 is glass 1: pieces 1 and 3 of the layout; piece 2 is a 300 x 200.
constexpr std::string_view kDia =
    "1,-1,1,0,0,3000,2000,1,0\r\n1,1,1,0,0,300,400,1,1\r\n1,2,1,300,0,500,300,1,2\r\n"
    "1,1,1,500,0,800,400,1,1\r\n";
const std::string kLibrary =
    "\"TEST ITEM\",\"\",\"\",\"1200\",\"800\",\"2\",\"1.45\"\r\n"
    "\"TEST ITEM\",\"\",\"\",\"3000\",\"2000\",\"5\",\"1.45\"\r\n"
    "\"TEST ITEM\",\"\",\"\",\"900\",\"600\",\"0\",\"1.45\"\r\n"
    "\"TEST ITEM\",\"\",\"\",\"700\",\"500\",\"1\",\"SCRAP\"\r\n"
    "\"OTHER\",\"\",\"\",\"1000\",\"1000\",\"1\",\"2\"\r\n";

// A recut job holds the broken glass sizes with every text of the original, QTY the pieces that
// broke; its stock is the library's leftovers of the item in stock, then the job's own sheets
// that are no leftovers. The balance export registers balances, never scrap, each size once.
TEST(RecutJobTest, BrokenPiecesWithTheirTextsCutFromTheLeftoversFirst) {
  const std::string registered =
      RegisterLeftovers("\"TEST ITEM\",\"\",\"5\",\"1000\",\"1000\"\r\n", "TEST ITEM", "", "",
                        {{"1200", "800", "1", "1.45"},
                         {"600", "900", "1", "1.45"},
                         {"800", "1200", "2", "1.45"},
                         {"700", "500", "1", std::string(kScrapTag)}});
  struct Case {
    std::string pieces;
    std::string glass;  // the cut section; empty when the recut is refused
    std::string error;
  };
  const std::string acme =
      "\"400\",\"300\",\"15 3/4\",\"11 "
      "13/16\",\"2\",\"\",\"\",\"\",\"ACME\",\"4.5\",\"7\",\"PO-1\","
      "\"MILL\",\"AC9\",\"DEPOT\",\"1 MAIN ST\"\r\n";
  const std::string city =
      "\"300\",\"200\",\"\",\"\",\"1\",\"2\",\"\",\"\",\"CITY\",\"5\",\"8\",\"\",\"\",\"\",\"\","
      "\"\"\r\n";
  const Case cases[] = {
      {"1:1,1:3", acme, ""},
      {" 1:2 , 1:1,1:3", acme + city, ""},
      {"1:4", "", "The result has no piece 1:4 (LAYOUT:POS)."},
      {"2:1", "", "The result has no piece 2:1 (LAYOUT:POS)."},
      {"1-2", "", "'1-2' is no LAYOUT:POS (two whole numbers from 1)"},
      {"1:0", "", "'1:0' is no LAYOUT:POS (two whole numbers from 1)"},
  };
  testing::HandMadeJob made{0, kStock, kGlass};
  const ResultLoad load = testing::LoadHandMade(made, kDia);
  ASSERT_EQ(load.error, "");
  Job original = MakeJob(Workspace{"/nowhere", "1"}, {});
  original.basic = testing::JobGrid(11, {{"TEST ITEM", "", "", "5000"}});
  original.sheet = testing::JobGrid(10, kStock);
  original.glass = testing::JobGrid(16, kGlass);
  for (const Case& c : cases) {
    std::string error;
    const auto broken = ParsePiecePlaces(c.pieces, error);
    const RecutJob recut =
        broken ? MakeRecutJob(original, load.result, *broken, kLibrary, registered, "week.opt")
               : RecutJob{{}, 0, 0, 0, error};
    EXPECT_EQ(recut.error, c.error) << c.pieces;
    if (!c.error.empty()) continue;
    const JobTables tables = SplitJobFile(recut.bytes);
    EXPECT_EQ(tables[kCutTable], c.glass) << c.pieces;
    EXPECT_EQ(tables[kSheetTable],
              "\"1200\",\"800\",\"47 1/4\",\"31 1/2\",\"2\",\"\",\"\",\"\",\"\",\"1.45\"\r\n"
              "\"3000\",\"2000\",\"\",\"\",\"9\",\"\",\"\",\"\",\"\",\"1.45\"\r\n");
    EXPECT_EQ(tables[kBasicTable],
              "\"TEST ITEM\",\"\",\"\",\"5000\",\"\",\"\",\"Recut of week.opt\",\"\",\"\",\"\","
              "\"\"\r\n");
    EXPECT_EQ(tables[kRecutTable], "");
  }
  EXPECT_EQ(
      registered,
      "\"TEST ITEM\",\"\",\"5\",\"1000\",\"1000\"\r\n\"TEST ITEM\",\"\",\"\",\"1200\",\"800\"\r\n"
      "\"TEST ITEM\",\"\",\"\",\"600\",\"900\"\r\n");
}

}  // namespace
}  // namespace lumora
