#include "core/reports/weights.h"

#include <gtest/gtest.h>

#include <string>

#include "core/exports/export_tables.h"
#include "core/reports/result_fixtures.h"

namespace lumora {
namespace {

// Density.dat is read as the grid printing reads it: the first record of the item, 0 without
// one. A weight is density x THICK x area, from the millimetres whatever the job shows.
TEST(WeightsTest, DensityTimesThicknessTimesAreaFromTheFirstRecordOfTheItem) {
  struct Case {
    std::string density_file;
    std::string thick;
    Unit unit;
    std::string weight;  // of a 2000 x 1000 piece, as the breakout table shows it
    bool known;
  };
  const std::string first_wins =
      "\"TINT\",\"2.6\"\r\n\"TEST ITEM\",\"2.5\"\r\n\"TEST ITEM\",\"9\"\r\n";
  const Case cases[] = {
      {first_wins, "6", Unit::kMm, "30.00", true},
      {first_wins, "6", Unit::kIn, "30.00", true},
      {first_wins, "", Unit::kMm, "0.00", true},
      {"\"TINT\",\"2.6\"\r\n", "6", Unit::kMm, "0.00", false},
      {"\"TEST ITEM\",\"heavy\"\r\n", "6", Unit::kMm, "0.00", false},
      {"", "6", Unit::kMm, "0.00", false},
  };
  for (const Case& c : cases) {
    testing::TempFolder folder;
    folder.Write(std::string(kDensityFileName), c.density_file);
    testing::HandMadeJob job{0,
                             {{"3000", "2000", "", "", "9", "", "", "", "", "1"}},
                             {{"2000", "1000", "", "", "1", "", "", "", "A"}}};
    const ResultLoad load =
        testing::LoadHandMade(job, "1,-1,1,0,0,3000,2000,1,0\r\n1,1,1,0,0,1000,2000,1,1\r\n");
    ASSERT_EQ(load.error, "");
    LoadedResult result = load.result;
    result.basic.thick = ReadFloat(c.thick);
    const Weighing weighing = ResultWeighing(result, {folder.path(), "1"});
    EXPECT_EQ(weighing.known, c.known) << c.density_file;
    const PieceTable table = BreakoutExportTable(result, c.unit, weighing);
    ASSERT_EQ(table.table.rows.size(), 1u);
    EXPECT_EQ(table.table.rows[0].back().text, c.weight) << c.density_file << " " << c.thick;
  }
}

}  // namespace
}  // namespace lumora
