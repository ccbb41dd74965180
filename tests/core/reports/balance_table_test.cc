#include "core/reports/balance_table.h"

#include <gtest/gtest.h>

#include "core/reports/scrap.h"
#include "result_fixtures.h"

namespace lumora {
namespace {

using testing::HandMadeJob;
using testing::LoadHandMade;

TEST(ScrapTest, ABalanceExceedsBothCriteriaStrictlyWhicheverWayItLies) {
  EXPECT_EQ(GetScrapCriteria({300, 500}).larger, 500);
  EXPECT_EQ(GetScrapCriteria({300, 500}).smaller, 300);
  EXPECT_EQ(GetScrapCriteria({500, 300}).larger, 500);
  struct Case {
    float x1, y1, x2, y2;
    bool scrap;
  };
  // Turned (longer along Y), each side exactly at its criterion, square, no width, negative
  // height.
  const Case cases[] = {{0, 0, 501, 301, false}, {10, 10, 311, 511, false}, {0, 0, 500, 400, true},
                        {0, 0, 800, 300, true},  {0, 0, 450, 450, true},    {5, 0, 5, 900, true},
                        {0, 9, 900, 1, true}};
  for (const Case& c : cases)
    EXPECT_EQ(IsScrap(c.x1, c.y1, c.x2, c.y2, {500, 300}), c.scrap) << c.x2;
  EXPECT_TRUE(IsScrap(0, 0, 1000, 1000, {2000, 0}));
}

// Two sheets (the second one, priced 2.25, is the smaller) and one glass size; kerf 4.
HandMadeJob TwoSheets() {
  return HandMadeJob{4,
                     {{"2000", "1500", "", "", "5", "", "", "", "", "1.5"},
                      {"1200", "1000", "", "", "5", "", "", "", "", "2.25"}},
                     {{"500", "500", "", "", "2"}}};
}

TEST(BalanceTableTest, ListsLeftoversAndMarginStripsWithoutTheKerf) {
  const ResultLoad load = LoadHandMade(TwoSheets(),
                                       "1,-1,1,0,0,2004,1504,1,0\r\n"
                                       "1,1,1,0,0,504,504,1,1\r\n"
                                       "1,-4,1,504,0,2004,504,1,0\r\n"    // 1496 x 500
                                       "1,-4,1,0,504,808,808,1,0\r\n"     // 804 x 304: 300 left
                                       "1,-4,1,808,504,812,2004,1,0\r\n"  // as thin as the kerf
                                       "1,-2,1,0,1400,2004,1504,1,0\r\n"  // margin strip
                                       "2,-1,2,0,0,1204,1004,3,0\r\n"
                                       "2,1,2,0,0,504,504,3,1\r\n"
                                       "2,-2,1,0,504,1204,1004,3,0\r\n"  // stock index as stored
                                       "2,-4,2,504,0,1204,504,3,0\r\n");
  ASSERT_EQ(load.error, "");
  EXPECT_EQ(BalanceTableBytes(load.result, Unit::kMm, {500, 300}),
            "1,\"1496\",\"500\",1,\"1.5\"\r\n"
            "1,\"804\",\"300\",1,\"SCRAP\"\r\n"
            "1,\"2000\",\"100\",1,\"SCRAP\"\r\n"
            "2,\"1200\",\"496\",3,\"1.5\"\r\n"
            "2,\"696\",\"500\",3,\"2.25\"\r\n");
  EXPECT_EQ(BalanceTableBytes(load.result, Unit::kIn, {500, 300}),
            "1,\"58 7/8\",\"19 11/16\",1,\"1.5\"\r\n"
            "1,\"31 5/8\",\"11 13/16\",1,\"SCRAP\"\r\n"
            "1,\"78 3/4\",\"3 15/16\",1,\"SCRAP\"\r\n"
            "2,\"47 1/4\",\"19 1/2\",3,\"1.5\"\r\n"
            "2,\"27 3/8\",\"19 11/16\",3,\"2.25\"\r\n");
}

TEST(BalanceTableTest, SidesAreShownToThreeDecimalsInSevenCharacters) {
  const ResultLoad load = LoadHandMade(TwoSheets(),
                                       "1,-1,1,0,0,2004,1504,1,0\r\n"
                                       "1,-4,1,0,0,1004.12345,604.0004,1,0\r\n");
  ASSERT_EQ(load.error, "");
  EXPECT_EQ(BalanceTableBytes(load.result, Unit::kMm, {500, 300}),
            "1,\"1000.12\",\"600\",1,\"1.5\"\r\n");
}

}  // namespace
}  // namespace lumora
