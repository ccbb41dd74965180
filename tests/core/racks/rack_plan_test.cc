#include "core/racks/rack_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/reports/result_fixtures.h"

namespace lumora {
namespace {

// Pieces A to E leave the table in that order: A, C (400 x 300) and D (2000 x 1500) of ACME,
// B and E (300 x 200) of CITY; at 10 kg per m² they weigh 1.2, 0.6, 1.2, 30 and 0.6 kg.
ResultLoad FivePieces() {
  testing::HandMadeJob job{0,
                           {{"3500", "2000", "", "", "9", "", "", "", "", "1"}},
                           {{"400", "300", "", "", "2", "", "", "", "ACME"},
                            {"300", "200", "", "", "2", "", "", "", "CITY"},
                            {"2000", "1500", "", "", "1", "", "", "", "ACME"}}};
  // Sorted by area: 1 is the 2000 x 1500, 2 the 400 x 300, 3 the 300 x 200.
  // Each piece stands in a strip of its own, left to right, so the strips' cuts free them in
  // that order.
  return testing::LoadHandMade(job,
                               "1,-1,1,0,0,3500,2000,1,0\r\n"
                               "1,2,1,0,0,400,300,1,1\r\n"
                               "1,3,1,400,0,700,200,1,1\r\n"
                               "1,2,1,700,0,1100,300,1,1\r\n"
                               "1,1,1,1100,0,3100,1500,1,1\r\n"
                               "1,3,1,3100,0,3400,200,1,1\r\n");
}

// A slot holds one stack's or, without a stack, one customer's pieces in breakout order up to
// its count, an empty slot of the first rack with room takes a new one, no rack passes its load,
// and a piece no rack takes says why. Records a rack library cannot use are named and left out.
TEST(RackPlanTest, OneCustomerPerSlotWithinEveryLoadFirstFit) {
  struct Case {
    std::string name;
    std::string racks;
    std::vector<std::string> placed;  // per piece in breakout order: "RACK:slot/in slot" or why
    size_t skipped;
    std::vector<std::string> stacks = {};  // by glass index; none for a job without stacks
  };
  const Case cases[] = {
      {"customers in their own slots",
       "\"R\",\"3\",\"2\",\"100\",\"2500\",\"2000\"\r\n",
       {"R:1/1", "R:2/1", "R:1/2", "R:3/1", "R:2/2"},
       0},
      {"a stack in its own slots, a piece in none by its customer",
       "\"R\",\"3\",\"2\",\"100\",\"2500\",\"2000\"\r\n",
       {"R:1/1", "R:1/2", "R:2/1", "R:3/1", "R:2/2"},
       0,
       {"", "S1", "S1"}},
      {"a full rack passes pieces on",
       "\"R\",\"4\",\"5\",\"3\",\"2500\",\"2000\"\r\n\"S\",\"4\",\"5\",\"100\",\"2500\","
       "\"2000\"\r\n",
       {"R:1/1", "R:2/1", "R:1/2", "S:1/1", "S:2/1"},
       0},
      {"a harp too small for one piece",
       "\"H\",\"10\",\"1\",\"100\",\"400\",\"500\"\r\n",
       {"H:1/1", "H:2/1", "H:3/1", std::string(kLargerThanEveryRack), "H:4/1"},
       0},
      {"no slot left",
       "\"R\",\"1\",\"5\",\"100\",\"2500\",\"2000\"\r\n"
       "\"\",\"3\",\"1\",\"5\",\"1\",\"1\"\r\n"
       "\"X\",\"0\",\"1\",\"5\",\"1\",\"1\"\r\n"
       "\"Y\",\"2\",\"1\",\"-1\",\"1\",\"1\"\r\n",
       {"R:1/1", std::string(kNoRackHasRoom), "R:1/2", "R:1/3", std::string(kNoRackHasRoom)},
       3},
  };
  ResultLoad load = FivePieces();
  ASSERT_EQ(load.error, "");
  const Weighing weighing{10, true};
  for (const Case& c : cases) {
    const RackLibrary library = ReadRackLibrary(c.racks);
    EXPECT_EQ(library.skipped.size(), c.skipped) << c.name;
    load.result.stacks.Clear();
    for (const std::string& stack : c.stacks) load.result.stacks.Append(stack);
    const RackPlan plan = PlanRacks(load.result, library.racks, weighing);
    std::vector<std::string> placed;
    for (const RackedPiece& piece : plan.pieces) {
      placed.push_back(piece.rack < 0
                           ? piece.why
                           : plan.racks[static_cast<size_t>(piece.rack)].name + ":" +
                                 GeneralText(piece.slot) + "/" + GeneralText(piece.in_slot));
    }
    EXPECT_EQ(placed, c.placed) << c.name;
    // Labels name the first piece's rack and slot 1, a piece no rack takes "none"; the tables
    // list every piece once, placed or not.
    EXPECT_EQ(RackLineOf(plan, plan.pieces[0]),
              "RACK     :" + c.placed[0].substr(0, c.placed[0].find(':')) + "  SLOT :1")
        << c.name;
    for (const RackedPiece& piece : plan.pieces) {
      if (piece.rack < 0) {
        EXPECT_EQ(RackLineOf(plan, piece), "RACK     :none") << c.name;
      }
    }
    const std::vector<ExportTable> tables = RackPlanTables(plan, load.result, Unit::kMm);
    EXPECT_EQ(tables[0].rows.size() + tables[2].rows.size(), plan.pieces.size()) << c.name;
    EXPECT_EQ(tables[0].headers[3], "No.") << c.name;
    EXPECT_EQ(tables[2].headers.front(), "No.") << c.name;
    EXPECT_EQ(tables[2].headers.back(), "Why") << c.name;
    EXPECT_EQ(tables[1].rows.size(), plan.racks.size()) << c.name;
    for (size_t r = 0; r < plan.racks.size(); ++r) {
      EXPECT_LE(plan.loads[r].kg, plan.racks[r].most_kg) << c.name;
    }
  }
}

}  // namespace
}  // namespace lumora
