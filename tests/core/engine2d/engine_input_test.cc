#include "core/engine2d/engine_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/engine2d/engine_builders.h"
#include "core/engine2d/result_files.h"

namespace lumora {
namespace {

using testing::Glass;
using testing::JobGrid;
using testing::ListOf;
using testing::Stock;

// ITEM, GRADE, THICK, BLADE, MINCUT, KERF, NOTE, T, B, L1, L2
const Grid kBasic = JobGrid(11, {{"FLOAT", "CLR", "5", "3000", "", "0.5", "note", "2", "100"}});

// Only the first row of each grid is usable: the other sheets are wider than BLADE, have no
// length left inside their margins, nothing in stock or no number; the other glass rows lack a
// size or a positive QTY.
TEST(PrepareEngineInput, KeepsOnlyUsableRowsWithEveryField) {
  // clang-format off
  const Grid sheet = JobGrid(10, {{"2000", "3000", "a", "b", "5", "10", "20", "30", "40", "1.5"},
      {"2000", "3001", "", "", "5"}, {"60", "1000", "", "", "5", "", "30", "", "30"},
      {"2000", "1000", "", "", "0"}, {"2000", "1000", "", "", "abc"}});
  const Grid glass = JobGrid(16, {{"500", "400", "", "", "2", "1", "c1", "c2", "ACME", "4.5", "7",
      "r", "s", "ac", "f", "addr"}, {"0", "400", "", "", "2"}, {"500", "x", "", "", "2"},
      {"500", "400", "", "", "-1"}, {"500", "400", "", "", "0"}});
  // clang-format on
  const EngineInput input = PrepareEngineInput({.basic = kBasic, .sheet = sheet, .glass = glass});
  const BasicDetails& b = input.basic;
  EXPECT_EQ(b.item + b.grade + b.note, "FLOATCLRnote");
  EXPECT_EQ((std::vector{b.thick, b.blade, b.kerf, b.t_mm, b.b_mm}),
            (std::vector<float>{5, 3000, 0.5f, 2, 100}));
  EXPECT_EQ(StockInputBytes(input.stocks) + GlassInputBytes(input.glasses),
            "2000,3000,\"a\",\"b\",5,10,20,30,40,1.5\r\n"
            "500,400,\"\",\"\",2,1,\"ACME\",\"c1\",\"c2\",\"ac\",\"s\",\"7\",\"r\",\"f\",4.5,"
            "\"addr\"\r\n");
  EXPECT_EQ(std::pair(input.stocks[1].l1_as_read, input.glasses[1].l2_as_read),
            std::pair(2000.0f, 400.0f));
  EXPECT_EQ(input.objective, Objective::kNone);
}

TEST(PrepareEngineInput, CoilQuantitiesEmptyGridsAndTheObjective) {
  // Coil mode ignores the typed quantity.
  const Grid coils = JobGrid(10, {{"50000", "1200", "", "", "0"}, {"50000", "1300", "", "", "3"}});
  const Grid glass = JobGrid(16, {{"500", "400", "", "", "2"}});
  const EngineInput coil =
      PrepareEngineInput({.basic = kBasic, .sheet = coils, .glass = glass, .coil_mode = true});
  ASSERT_EQ(coil.stocks.Count(), 2);
  EXPECT_EQ(coil.stocks[1].qty + coil.stocks[2].qty, 200000.0f);
  const Grid empty = JobGrid(16, {});
  const EngineInput both = PrepareEngineInput({.basic = kBasic,
                                               .sheet = empty,
                                               .glass = empty,
                                               .maximum_yield_checked = true,
                                               .minimum_layouts_checked = true});
  EXPECT_TRUE(both.stocks.Empty() && both.glasses.Empty());
  EXPECT_EQ(both.objective, Objective::kMinimumLayouts);
  EXPECT_EQ(PrepareEngineInput(
                {.basic = kBasic, .sheet = empty, .glass = empty, .maximum_yield_checked = true})
                .objective,
            Objective::kMaximumYield);
}

TEST(MergeDuplicates, TheWholeGroupEndsOnItsLastRecord) {
  const Grid sheet = JobGrid(10, {{"2000", "1000", "", "", "1"}});
  // clang-format off
  const Grid glass = JobGrid(16, {{"500", "400", "", "", "2", "", "", "", "A"},
      {"500", "400", "", "", "3", "", "", "", "B"}, {"500", "400", "", "", "0.5", "", "", "", "A"},
      {"500", "400", "", "", "4", "", "", "", "A"}});
  // clang-format on
  const EngineInput input = PrepareEngineInput({.basic = kBasic, .sheet = sheet, .glass = glass});
  ASSERT_EQ(input.glasses.Count(), 4);
  // The second belongs to another customer.
  EXPECT_EQ(GlassQuantities(input.glasses), ListOf<float>({0, 3, 0, 6.5f}));
  // Each grid row leads to the record that holds its quantity now.
  EXPECT_EQ(GlassIndexOfRows(input.glasses, glass), (std::vector<int>{0, 4, 2, 4, 4, 0}));
  StockList stocks = ListOf<StockRecord>({Stock(2000, 1000, 2), Stock(2000, 1000, 5)});
  stocks[1].cp_sft = 1.5f;  // a different price keeps them apart
  MergeDuplicateStock(stocks);
  EXPECT_EQ(StockQuantities(stocks), ListOf<float>({2, 5}));
  stocks[1].cp_sft = 0;
  MergeDuplicateStock(stocks);
  EXPECT_EQ(StockQuantities(stocks), ListOf<float>({0, 7}));
  // Summed in list order, each 1 is lost to float rounding; in any other order they would count.
  stocks = ListOf<StockRecord>({Stock(2000, 1000, 16777216), Stock(2000, 1000, 1),
                                Stock(1000, 2000, 1), Stock(2000, 1000, 1)});
  MergeDuplicateStock(stocks);
  EXPECT_EQ(StockQuantities(stocks), ListOf<float>({0, 0, 1, 16777216}));
}

TEST(Kerf, RemoveKerfGivesBackTheSizesAsRead) {
  StockList stocks = ListOf<StockRecord>({Stock(3210, 2250)});
  GlassList glasses = ListOf<GlassRecord>({Glass(1024, 600, 1)});
  AddKerf(stocks, glasses, 0.2f);
  EXPECT_EQ(stocks[1].l1, 3210.2f);
  EXPECT_EQ(glasses[1].l1, 1024.2f);
  // Subtracting would not come back: 1024 + 0.2 - 0.2 is 1023.99994 in float.
  ASSERT_NE(glasses[1].l1 - 0.2f, 1024.0f);
  RemoveKerf(stocks, glasses, 0.2f);
  EXPECT_EQ((std::vector{glasses[1].l1, glasses[1].l2, stocks[1].l2}),
            (std::vector<float>{1024, 600, 2250}));
  AddKerf(stocks, glasses, 0);
  EXPECT_EQ(glasses[1].l1, 1024.0f);
}

TEST(SortByArea, OneSweepPerDistanceAndEqualAreasKeepTheirOrder) {
  // Areas are L1 * L2 with L2 = 1.
  const auto sorted = [](const std::vector<float>& areas) {
    GlassList glasses;
    for (const float area : areas) glasses.Append(Glass(area, 1, 1));
    StockList stocks;
    SortByArea(stocks, glasses);
    std::vector<float> result;
    for (const GlassRecord& g : glasses) result.push_back(g.l1);
    return result;
  };
  EXPECT_EQ(sorted({1, 3, 2, 4}), (std::vector<float>{4, 2, 3, 1}));
  EXPECT_EQ(sorted({1, 2, 3, 4, 5}), (std::vector<float>{5, 4, 3, 2, 1}));
  EXPECT_EQ(sorted({7}), std::vector<float>{7});
  // 2 x 3 and 3 x 2 never swap with each other.
  StockList stocks = ListOf<StockRecord>({Stock(2, 3), Stock(1, 1), Stock(3, 2)});
  GlassList glasses;
  SortByArea(stocks, glasses);
  EXPECT_EQ((std::vector{stocks[1].l1, stocks[2].l1, stocks[3].l1}), (std::vector<float>{2, 3, 1}));
}

}  // namespace
}  // namespace lumora
