#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/engine2d/challenge_instance.h"
#include "core/engine2d/challenge_solution.h"
#include "core/engine2d/cutting_tree_validator.h"

namespace lumora {
namespace {

constexpr std::string_view kBatch =
    "ITEM_ID;LENGTH_ITEM;WIDTH_ITEM;STACK;SEQUENCE\r\n"
    "0;400;300;0;1\r\n"
    "1;300;200;0;2\r\n";
constexpr std::string_view kDefects =
    "DEFECT_ID;PLATE_ID;X;Y;WIDTH;HEIGHT\r\n"
    "0;1;10.5;20.0;2.2;1.0\r\n";
constexpr std::string_view kParameters =
    "NAME;VALUE\r\nnPlates;2\r\nwidthPlates;1000\r\nheightPlates;500\r\nmin1Cut;100\r\n"
    "max1Cut;600\r\nmin2Cut;100\r\nminWaste;20\r\n";

ChallengeInstanceRead Read(std::string_view batch, std::string_view defects,
                           std::string_view parameters) {
  return ReadChallengeInstance({"A0_batch.csv", batch}, {"A0_defects.csv", defects},
                               {"global_param.csv", parameters});
}

TEST(ChallengeFiles, ReadsAnInstanceWithItsFlawsWidenedOutward) {
  const ChallengeInstanceRead read = Read(kBatch, kDefects, kParameters);
  ASSERT_TRUE(read.problem) << read.error;
  const LineProblem& problem = *read.problem;
  EXPECT_EQ(problem.sheets.size(), 2u);
  EXPECT_EQ(problem.rules.max_strip_width, 600);
  ASSERT_EQ(problem.pieces.size(), 2u);
  EXPECT_EQ(problem.pieces[1].sequence, 2);
  ASSERT_EQ(problem.sheets[1].flaws.size(), 1u);
  const LineFlaw& flaw = problem.sheets[1].flaws[0];
  EXPECT_EQ(std::tuple(flaw.x, flaw.y, flaw.w, flaw.h), std::tuple(10, 20, 3, 1));
}

TEST(ChallengeFiles, RefusesBrokenInstancesSayingWhere) {
  struct Broken {
    std::string_view batch;
    std::string_view defects;
    std::string_view parameters;
    const char* said;
  };
  const Broken cases[] = {
      {"ITEM_ID;LENGTH_ITEM;WIDTH_ITEM;STACK;SEQUENCE\n0;abc;3;0;1\n", kDefects, kParameters,
       "A0_batch.csv, line 2: LENGTH_ITEM is not a number"},
      {"ITEM_ID;LENGTH_ITEM;WIDTH_ITEM;STACK;SEQUENCE\n0;4;3x;0;1\n", kDefects, kParameters,
       "A0_batch.csv, line 2: WIDTH_ITEM is not a number"},
      {"ITEM_ID;LENGTH_ITEM;WIDTH_ITEM;STACK\n", kDefects, kParameters, "has no column SEQUENCE"},
      {"ITEM_ID;LENGTH_ITEM;WIDTH_ITEM;STACK;SEQUENCE\n0;4;3;0;1\n1;4;3;0;1\n", kDefects,
       kParameters, "two pieces of SEQUENCE 1"},
      {kBatch, "DEFECT_ID;PLATE_ID;X;Y;WIDTH;HEIGHT\n0;2;1;1;1;1\n", kParameters,
       "PLATE_ID is not a whole number from 0 to 1"},
      {kBatch, kDefects, "NAME;VALUE\nnPlates;2\n", "does not give widthPlates"},
      {kBatch, kDefects, "NAME;VALUE\nnPlates;0\n", "nPlates is not a whole number from 1"},
      {kBatch, kDefects, "", "global_param.csv is empty"},
  };
  for (const Broken& c : cases) {
    SCOPED_TRACE(c.said);
    const ChallengeInstanceRead read = Read(c.batch, c.defects, c.parameters);
    EXPECT_FALSE(read.problem);
    EXPECT_THAT(read.error, ::testing::HasSubstr(c.said));
  }
}

TEST(ChallengeFiles, ATreeWrittenAndReadBackIsTheSameTree) {
  const LineProblem problem = *Read(kBatch, kDefects, kParameters).problem;
  CuttingTree tree;
  tree.nodes = {{0, 0, 0, 1000, 500, CutNodeType::kBranch, -1, 0, -1, {1, 4}},
                {0, 0, 0, 400, 500, CutNodeType::kBranch, -1, 1, 0, {2, 3}},
                {0, 0, 0, 400, 300, CutNodeType::kPiece, 0, 2, 1, {}},
                {0, 0, 300, 400, 200, CutNodeType::kBranch, -1, 2, 1, {5, 6}},
                {0, 400, 0, 600, 500, CutNodeType::kLeftover, -1, 1, 0, {}},
                {0, 0, 300, 300, 200, CutNodeType::kPiece, 1, 3, 3, {}},
                {0, 300, 300, 100, 200, CutNodeType::kWaste, -1, 3, 3, {}}};
  ASSERT_THAT(ValidateCuttingTree(problem, tree), ::testing::IsEmpty());
  const std::string written = WriteChallengeSolution(problem, tree);
  EXPECT_THAT(written, ::testing::StartsWith("PLATE_ID;NODE_ID;X;Y;WIDTH;HEIGHT;TYPE;CUT;PARENT\r\n"
                                             "0;0;0;0;1000;500;-2;0;\r\n"
                                             "0;1;0;0;400;500;-2;1;0\r\n"
                                             "0;2;0;0;400;300;0;2;1\r\n"));
  const ChallengeSolutionRead back = ReadChallengeSolution(problem, "tree.csv", written);
  ASSERT_TRUE(back.tree) << back.error;
  EXPECT_EQ(WriteChallengeSolution(problem, *back.tree), written);
  EXPECT_EQ(TreeWaste(problem, *back.tree), 400 * 500 - 400 * 300 - 300 * 200);
}

}  // namespace
}  // namespace lumora
