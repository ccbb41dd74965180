#include "core/engine2d/alternate_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/file_routines.h"
#include "core/engine2d/engine_builders.h"
#include "core/engine2d/result_files.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::Glass;
using testing::JobGrid;
using testing::Stock;

// The job's grids supply only the basic details and the objective.
AlternateRunResult Arrange(const std::vector<StockRecord>& stocks,
                           const std::vector<GlassRecord>& glasses, int pattern,
                           const std::string& blade = "5000", const std::string& kerf = "0",
                           bool coil = false) {
  const Grid basic = JobGrid(11, {{"ITEM", "", "", blade, "", kerf}}), empty = JobGrid(16, {});
  return AlternateRun({basic, empty, empty, coil, true, false}, testing::ListOf(stocks),
                      testing::ListOf(glasses), pattern, 0.001f);
}

int Pieces(const ElementList& elements) {
  int pieces = 0;
  for (const LayoutElement& e : elements) pieces += e.kind > 0 ? 1 : 0;
  return pieces;
}

TEST(AlternateRun, PassesAndTheRandomPhaseFollowTheGlassCount) {
  EXPECT_EQ(AlternatePasses(3), 192);
  EXPECT_EQ(AlternateFirstRandomPass(192), 65);  // 3 x 64 = 192 is not more than 192
  EXPECT_EQ(AlternateFirstRandomPass(64), 22);   // 3 x 21 = 63, 3 x 22 = 66
  EXPECT_EQ(AlternateFirstRandomPass(0), 1);
}

TEST(AlternateRun, LaysEveryPieceOnOneSheetOnceInFileCoordinates) {
  // 3000 (L1) x 2000 (L2); four 1000 x 500 and two 800 x 600 pieces.
  const std::vector<StockRecord> stocks = {Stock(3000, 2000, 0), Stock(3000, 2000, 1)};
  const std::vector<GlassRecord> glasses = {Glass(1000, 500, 4), Glass(800, 600, 2),
                                            Glass(100, 100, 0)};
  for (int pattern = 1; pattern <= 8; ++pattern) {
    SCOPED_TRACE(pattern);
    const AlternateRunResult run = Arrange(stocks, glasses, pattern, "5000", "4");
    ASSERT_EQ(run.refusal, "");
    ASSERT_FALSE(run.best.Empty());
    EXPECT_EQ(run.best[1], testing::Element(kStockFrame, 0, 0, 3004, 2004, 1, 1, 2, 0));
    EXPECT_EQ(Pieces(run.best), 6);
    for (const LayoutElement& e : run.best)
      EXPECT_EQ(std::pair(e.layout_no, e.repeat), std::pair(1, 1.0f));
    EXPECT_EQ(Arrange(stocks, glasses, pattern, "5000", "4").best, run.best);  // repeatable
  }
  // An arrangement needing two sheets is never offered.
  EXPECT_TRUE(Arrange({Stock(3000, 2000, 1)}, {Glass(2000, 1500, 3)}, 1).best.Empty());
  // The narrower coil would give the better yield, but the layout was cut from the wider one.
  const AlternateRunResult coil = Arrange({Stock(30000, 2000, 1), Stock(30000, 1000, 0)},
                                          {Glass(500, 500, 2)}, 1, "5000", "0", true);
  ASSERT_FALSE(coil.best.Empty());
  EXPECT_EQ(std::pair(coil.best[1].stock_index, Pieces(coil.best)), std::pair(1, 2));
}

TEST(AlternateRun, TheDriversChecksWithItsOwnGlassMessage) {
  EXPECT_EQ(Arrange({Stock(3000, 2000, 1)}, {Glass(100, 100, 1)}, 1, "0", "0").refusal,
            "Wrong BLADE specfied.");
  EXPECT_EQ(Arrange({}, {Glass(100, 100, 1)}, 1).refusal, "No valid SHEETS specified.");
  EXPECT_EQ(Arrange({}, {Glass(100, 100, 1)}, 1, "5000", "0", true).refusal,
            "No valid COILS specified.");
  EXPECT_EQ(Arrange({Stock(3000, 2000, 1)}, {}, 1).refusal, "No valid GLASS SIZES specfied.");
}

// From the working s.tlf and c.tlf into dia.tlf; an answer that cannot be written is told and
// not offered.
TEST(AlternateRun, FromTheWorkingFiles) {
  testing::TempFolder folder;
  const Workspace workspace{folder.path(), "1.5"};
  ASSERT_FALSE(
      WriteFileAtomically(workspace.WorkingFile(kStockInputFileName),
                          StockInputBytes(testing::ListOf(std::vector{Stock(3000, 2000, 1)}))));
  ASSERT_FALSE(
      WriteFileAtomically(workspace.WorkingFile(kGlassInputFileName),
                          GlassInputBytes(testing::ListOf(std::vector{Glass(1000, 500, 4)}))));
  const Grid basic = JobGrid(11, {{"ITEM", "", "", "5000", "", "0"}}), empty = JobGrid(16, {});
  const EngineJob job{basic, empty, empty, false, true, false};
  const std::string dia = workspace.WorkingFile(kLayoutFileName);
  const AlternateRunResult run = AlternateRunFromFiles(job, workspace, 1, 0.001f);
  EXPECT_EQ(run.refusal, "");
  EXPECT_EQ(Pieces(run.best), 4);
  EXPECT_EQ(ReadLayoutFile(dia).elements, run.best);
  std::filesystem::remove(dia);
  std::filesystem::create_directories(dia + "/x");
  const AlternateRunResult unwritten = AlternateRunFromFiles(job, workspace, 1, 0.001f);
  EXPECT_EQ(unwritten.refusal.rfind("Could not save " + dia + ": ", 0), 0u) << unwritten.refusal;
  EXPECT_TRUE(unwritten.best.Empty());
}

}  // namespace
}  // namespace lumora
