#include "core/engine2d/engine_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/engine2d/engine_builders.h"

namespace lumora {
namespace {

using testing::Glass;
using testing::JobGrid;
using testing::ListOf;
using testing::Stock;

// ITEM, GRADE, THICK, BLADE, MINCUT, KERF, NOTE, T, B, L1, L2
Grid Basic(const std::string& blade, const std::string& kerf = "0") {
  return JobGrid(11, {{"FLOAT", "CLR", "5", blade, "", kerf, "note", "2", "100", "", ""}});
}

TEST(PrepareEngineInput, KeepsOnlyUsableRows) {
  const Grid basic = Basic("3000");
  // L1, L2, L1 (IN), L2 (IN), QTY, M(L), M(T), M(R), M(B), CP/SFT
  const Grid sheet = JobGrid(10, {
                                     {"2000", "3000", "a", "b", "5", "10", "20", "30", "40", "1.5"},
                                     {"2000", "3001", "", "", "5"},  // wider than BLADE
                                     {"60", "1000", "", "", "5", "", "30", "", "30"},  // no length
                                     {"2000", "1000", "", "", "0"},    // nothing in stock
                                     {"2000", "1000", "", "", "abc"},  // no number
                                 });
  // L1, L2, L1 (IN), L2 (IN), QTY, ORN, ChL1, ChL2, CUSTOMER, SP/SFT, SR.NO, REF, SITE, A/C,
  // FROM, ADDRESS
  const Grid glass = JobGrid(16, {
                                     {"500", "400", "", "", "2", "1", "c1", "c2", "ACME", "4.5",
                                      "7", "r", "s", "ac", "f", "addr"},
                                     {"0", "400", "", "", "2"},
                                     {"500", "x", "", "", "2"},
                                     {"500", "400", "", "", "-1"},
                                 });
  const EngineInput input = PrepareEngineInput({.basic = basic, .sheet = sheet, .glass = glass});

  EXPECT_EQ(input.basic.item, "FLOAT");
  EXPECT_EQ(input.basic.blade, 3000.0f);
  EXPECT_EQ(input.basic.t_mm, 2.0f);
  EXPECT_EQ(input.basic.b_mm, 100.0f);
  ASSERT_EQ(input.stocks.Count(), 1);
  const StockRecord& s = input.stocks[1];
  EXPECT_EQ(s.l2, 3000.0f);
  EXPECT_EQ(s.l1_in, "a");
  EXPECT_EQ(s.m_l, 10.0f);
  EXPECT_EQ(s.m_b, 40.0f);
  EXPECT_EQ(s.cp_sft, 1.5f);
  ASSERT_EQ(input.glasses.Count(), 1);
  const GlassRecord& g = input.glasses[1];
  EXPECT_EQ(g.orn, 1.0f);
  EXPECT_EQ(g.customer, "ACME");
  EXPECT_EQ(g.chl1_in, "c1");
  EXPECT_EQ(g.ac, "ac");
  EXPECT_EQ(g.sp_sft, 4.5f);
  EXPECT_EQ(g.address, "addr");
  EXPECT_EQ(input.objective, Objective::kNone);
}

TEST(PrepareEngineInput, CoilModeIgnoresTheTypedQuantity) {
  const Grid sheet = JobGrid(10, {{"50000", "1200", "", "", "0"}, {"50000", "1300", "", "", "3"}});
  const Grid glass = JobGrid(16, {{"500", "400", "", "", "2"}});
  const Grid basic = Basic("2000");
  const EngineInput input =
      PrepareEngineInput({.basic = basic, .sheet = sheet, .glass = glass, .coil_mode = true});
  ASSERT_EQ(input.stocks.Count(), 2);
  EXPECT_EQ(input.stocks[1].qty, 100000.0f);
  EXPECT_EQ(input.stocks[2].qty, 100000.0f);
}

TEST(PrepareEngineInput, EmptyGridsAndTheObjective) {
  const Grid basic = Basic("2000");
  const Grid empty = JobGrid(16, {});
  const EngineInput both = PrepareEngineInput({.basic = basic,
                                               .sheet = empty,
                                               .glass = empty,
                                               .maximum_yield_checked = true,
                                               .minimum_layouts_checked = true});
  EXPECT_TRUE(both.stocks.Empty());
  EXPECT_TRUE(both.glasses.Empty());
  EXPECT_EQ(both.objective, Objective::kMinimumLayouts);
  const EngineInput yield = PrepareEngineInput(
      {.basic = basic, .sheet = empty, .glass = empty, .maximum_yield_checked = true});
  EXPECT_EQ(yield.objective, Objective::kMaximumYield);
}

TEST(MergeDuplicates, TheWholeGroupEndsOnItsLastRecord) {
  const Grid basic = Basic("2000");
  const Grid sheet = JobGrid(10, {{"2000", "1000", "", "", "1"}});
  const Grid glass = JobGrid(16, {
                                     {"500", "400", "", "", "2", "", "", "", "A"},
                                     {"500", "400", "", "", "3", "", "", "", "B"},
                                     {"500", "400", "", "", "0.5", "", "", "", "A"},
                                     {"500", "400", "", "", "4", "", "", "", "A"},
                                 });
  const EngineInput input = PrepareEngineInput({.basic = basic, .sheet = sheet, .glass = glass});
  ASSERT_EQ(input.glasses.Count(), 4);
  EXPECT_EQ(input.glasses[1].qty, 0.0f);
  EXPECT_EQ(input.glasses[2].qty, 3.0f);  // another customer
  EXPECT_EQ(input.glasses[3].qty, 0.0f);
  EXPECT_EQ(input.glasses[4].qty, 6.5f);

  StockList stocks = ListOf<StockRecord>({Stock(2000, 1000, 2), Stock(2000, 1000, 5)});
  stocks[1].cp_sft = 1.5f;  // a different price keeps them apart
  MergeDuplicateStock(stocks);
  EXPECT_EQ(stocks[1].qty, 2.0f);
  EXPECT_EQ(stocks[2].qty, 5.0f);
  stocks[1].cp_sft = 0;
  MergeDuplicateStock(stocks);
  EXPECT_EQ(stocks[1].qty, 0.0f);
  EXPECT_EQ(stocks[2].qty, 7.0f);
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
  EXPECT_EQ(glasses[1].l1, 1024.0f);
  EXPECT_EQ(glasses[1].l2, 600.0f);
  EXPECT_EQ(stocks[1].l2, 2250.0f);

  AddKerf(stocks, glasses, 0);
  EXPECT_EQ(glasses[1].l1, 1024.0f);
}

// Areas are L1 * L2 with L2 = 1, tagged by customer to see which record went where.
std::vector<float> SortedAreas(const std::vector<float>& areas) {
  GlassList glasses;
  for (const float area : areas) glasses.Append(Glass(area, 1, 1));
  StockList stocks;
  SortByArea(stocks, glasses);
  std::vector<float> sorted;
  for (const GlassRecord& g : glasses) sorted.push_back(g.l1 * g.l2);
  return sorted;
}

TEST(SortByArea, OneSweepPerDistance) {
  EXPECT_EQ(SortedAreas({1, 3, 2, 4}), (std::vector<float>{4, 2, 3, 1}));
  EXPECT_EQ(SortedAreas({1, 2, 3, 4, 5}), (std::vector<float>{5, 4, 3, 2, 1}));
  EXPECT_EQ(SortedAreas({}), std::vector<float>{});
  EXPECT_EQ(SortedAreas({7}), std::vector<float>{7});

  // Equal areas never swap with each other: 2 x 3 and 3 x 2 keep their order.
  StockList stocks = ListOf<StockRecord>({Stock(2, 3), Stock(1, 1), Stock(3, 2)});
  GlassList glasses;
  SortByArea(stocks, glasses);
  EXPECT_EQ(stocks[1].l1, 2.0f);
  EXPECT_EQ(stocks[2].l1, 3.0f);
  EXPECT_EQ(stocks[3].l1, 1.0f);
}

}  // namespace
}  // namespace lumora
