#include "core/engine2d/line_job.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/base/number_text.h"
#include "core/engine2d/challenge_export.h"
#include "core/engine2d/challenge_job.h"
#include "core/engine2d/challenge_solution.h"
#include "core/engine2d/cutting_tree_validator.h"
#include "core/engine2d/job_run.h"
#include "core/engine2d/line_tree_recovery.h"
#include "core/engine2d/result_files.h"
#include "core/engine2d/result_validator.h"
#include "core/job/job_tables.h"
#include "core/job/job_test_support.h"
#include "core/job/line_table.h"
#include "core/layouts/loaded_result.h"

// A job that knows the line as the line's problem, and a plan of it as the job's result.
namespace lumora {
namespace {

using testing::Fill;
using testing::TempFolder;

std::string Describe(const LineProblem& problem) {
  const CuttingLineRules& r = problem.rules;
  std::string text = "rules " + StagesWord(r.stages) + " " + FirstCutWord(r.first_cut) +
                     " strips " + GeneralText(r.min_strip_width) + "-" +
                     (r.max_strip_width == INT_MAX ? "" : GeneralText(r.max_strip_width)) +
                     " rows " + GeneralText(r.min_row_height) + " waste " +
                     GeneralText(r.min_waste) + (r.sheets_in_order ? " in order" : "") +
                     (r.cuts_through_flaws ? " through flaws" : "");
  for (const LineSheet& sheet : problem.sheets) {
    text += "; sheet " + GeneralText(sheet.width) + "x" + GeneralText(sheet.height);
    for (const LineFlaw& f : sheet.flaws) {
      text += " flaw " + GeneralText(f.x) + "," + GeneralText(f.y) + "," + GeneralText(f.w) + "," +
              GeneralText(f.h);
    }
  }
  text += "; pieces";
  for (const LinePiece& p : problem.pieces) {
    text += " " + GeneralText(p.id) + ":" + GeneralText(p.width) + "x" + GeneralText(p.height) +
            (p.may_turn ? "t" : "");
    if (p.stack != kNoStack) text += " s" + GeneralText(p.stack) + "." + GeneralText(p.sequence);
  }
  return text;
}

struct LineCase {
  std::string kerf_and_b;  // the Basic Details' KERF and B (MM)
  std::string sheet;       // Sheet rows as testing::Fill takes them
  std::string glass;
  std::vector<std::pair<int, SheetFlaw>> flaws;    // by Sheet row
  std::vector<std::pair<int, GlassStack>> stacks;  // by Glass row
  std::optional<CuttingLineSettings> settings;
  std::string expected;  // unit; the problem; flaws and sheets left out, or the error
};

// The job of a case, after the start sequence wrote BLADE.
Job CaseJob(const TempFolder& folder, const LineCase& c, bool coil = false) {
  Job job = testing::MakeTestJob(folder, coil);
  const size_t comma = c.kerf_and_b.find(',');
  Fill(job.basic, ",,,99999,," + c.kerf_and_b.substr(0, comma) + ",,0," +
                      c.kerf_and_b.substr(comma + 1) + ",,");
  Fill(job.sheet, c.sheet);
  Fill(job.glass, c.glass);
  for (const auto& [row, flaw] : c.flaws) {
    std::vector<SheetFlaw> flaws = job.line.Flaws(job.sheet.RowIdOf(row));
    flaws.push_back(flaw);
    job.line.SetFlaws(job.sheet.RowIdOf(row), flaws);
  }
  for (const auto& [row, stack] : c.stacks) job.line.SetStack(job.glass.RowIdOf(row), stack);
  job.line.SetSettings(c.settings);
  return job;
}

std::string Made(const LineJobMade& made) {
  if (!made.line_job) return made.error;
  return "unit " + GeneralText(static_cast<float>(made.line_job->unit_mm)) + "; " +
         Describe(made.line_job->problem) + "; left out " +
         GeneralText(made.line_job->flaws_left_out) + "/" +
         GeneralText(made.line_job->sheets_left_out);
}

// The sheet 1000 x 600 (L1 along X) with M(T) 10, the layouts' left margin; a flaw 10 x 10 at
// (500, 100) from its lower-left corner.
const LineCase kPlain = {"0,0",
                         "1000,600,,,1,0,10,0,0",
                         "400,300,,,2",
                         {{1, {1, 500, 100, 10, 10}}},
                         {},
                         std::nullopt,
                         "unit 1; rules 3 TRIM VERTICAL strips 0- rows 0 waste 0; sheet 990x600 "
                         "flaw 490,100,10,10; pieces 1:400x300t 1:400x300t; left out 0/0"};

TEST(LineJob, TheJobBecomesTheLinesProblem) {
  const CuttingLineSettings two_stages{
      LineStages::kTwo, FirstCut::kHorizontal, 100, 500, 50, 20, true, true};
  const LineCase cases[] = {
      kPlain,
      // The kerf grows every size and rule; B (MM) raises the least waste; margins all round
      // move the flaw; ORN 2 lays L2 along X; a flaw of a sheet beyond QTY is left out.
      {"4,30",
       "1000,600,,,2,5,10,15,20",
       "400,300,,,1,2",
       {{1, {2, 500, 100, 10, 10}}, {1, {3, 0, 0, 1, 1}}},
       {},
       two_stages,
       "unit 1; rules 2 HORIZONTAL strips 104-504 rows 54 waste 30 in order through flaws; sheet "
       "974x584; sheet 974x584 flaw 490,89,10,10; pieces 1:304x404; left out 1/0"},
      // Tenths of a millimetre; stacks numbered as they come, their pieces by sequence number,
      // rows without one last.
      {"0,0",
       "1000,600,,,1",
       "400,300,,,1;200,100,,,2;300,300,,,1",
       {{1, {1, 500.5f, 100, 10, 10}}},
       {{1, {"A", 0}}, {2, {"A", 1}}, {3, {"B", 0}}},
       std::nullopt,
       "unit 0.1; rules 3 TRIM VERTICAL strips 0- rows 0 waste 0; sheet 10000x6000 flaw "
       "5005,1000,100,100; pieces 1:4000x3000t s0.3 2:2000x1000t s0.1 2:2000x1000t s0.2 "
       "3:3000x3000t s1.1; left out 0/0"},
      {"0,0", "1000,600,,,1", "", {}, {}, std::nullopt, "The glass list holds no piece to cut."},
      {"0,0",
       "1000,600,,,0",
       "400,300,,,1",
       {},
       {},
       std::nullopt,
       "The stock list holds no sheet the cutting line can cut."},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.expected);
    TempFolder folder;
    const Job job = CaseJob(folder, c);
    EXPECT_EQ(Made(MakeLineJob(EngineJobOf(job))), c.expected);
  }
  TempFolder folder;
  EXPECT_EQ(Made(MakeLineJob(EngineJobOf(CaseJob(folder, kPlain, true)))),
            "The cutting line cuts sheets, not coils.");
}

CutNode Node(int32_t x, int32_t y, int32_t w, int32_t h, CutNodeType type, int32_t piece,
             int32_t depth, int32_t parent, std::vector<int32_t> children = {}) {
  return {0, x, y, w, h, type, piece, depth, parent, std::move(children)};
}

// The plan pictured below, or the same with the strip moved right onto the flaw.
CuttingTree StripPlan(int32_t strip_x) {
  CuttingTree tree;
  tree.nodes = {Node(0, 0, 990, 600, CutNodeType::kBranch, -1, 0, -1, {1, 4}),
                Node(strip_x, 0, 400, 600, CutNodeType::kBranch, -1, 1, 0, {2, 3}),
                Node(strip_x, 0, 400, 300, CutNodeType::kPiece, 0, 2, 1),
                Node(strip_x, 300, 400, 300, CutNodeType::kPiece, 1, 2, 1),
                Node(strip_x + 400, 0, 590 - strip_x, 600, CutNodeType::kWaste, -1, 1, 0)};
  if (strip_x > 0) {
    tree.nodes.push_back(Node(0, 0, strip_x, 600, CutNodeType::kWaste, -1, 1, 0));
    tree.nodes[0].children = {5, 1, 4};
  }
  return tree;
}

// A strip of the two pieces one above the other, then waste with the flaw in it:
//
//   +-----+----------------+
//   |  1  |                |
//   +-----+      o         |
//   |  0  |                |
//   +-----+----------------+
TEST(LineJob, APlanBecomesAResultTheLayoutRulesTake) {
  TempFolder folder;
  const Job job = CaseJob(folder, kPlain);
  const LineJobMade made = MakeLineJob(EngineJobOf(job));
  ASSERT_TRUE(made.line_job);
  const CuttingTree tree = StripPlan(0);
  ASSERT_TRUE(ValidateCuttingTree(made.line_job->problem, tree).empty());
  const ElementList elements = LineTreeElements(*made.line_job, tree);
  EXPECT_EQ(LayoutFileBytes(elements),
            "1,-1,1,0,0,1000,600,1,0\r\n1,-2,1,0,0,1000,0,1,0\r\n1,-2,1,0,0,10,600,1,0\r\n"
            "1,-2,1,10,600,1000,600,1,0\r\n1,-2,1,1000,0,1000,600,1,0\r\n"
            "1,1,1,10,300,410,600,1,2\r\n1,1,1,10,0,410,300,1,2\r\n"
            "1,-4,1,410,0,1000,600,1,0\r\n1,-6,1,410,0,410,600,1,0\r\n");
  EXPECT_TRUE(ValidateResult(EngineJobOf(job), 0.001f, elements).empty());
}

// A stored result is read back as the line cuts it: the same tree for a plan, and a rule a hand
// edit broke named by the validator of stored results.
TEST(LineJob, AStoredResultIsCheckedUnderTheLinesRules) {
  TempFolder folder;
  const Job job = CaseJob(folder, kPlain);
  const LineJobMade made = MakeLineJob(EngineJobOf(job));
  ASSERT_TRUE(made.line_job);
  const LineProblem& problem = made.line_job->problem;
  const CuttingTree plan = StripPlan(0);
  const LineTreeRecovered back =
      RecoverLineTree(*made.line_job, LineTreeElements(*made.line_job, plan));
  ASSERT_TRUE(back.tree) << back.error;
  EXPECT_EQ(WriteChallengeSolution(problem, *back.tree), WriteChallengeSolution(problem, plan));

  const ElementList on_flaw = LineTreeElements(*made.line_job, StripPlan(300));
  EXPECT_EQ(ValidateResult(EngineJobOf(job), 0.001f, on_flaw),
            std::vector<std::string>{"Piece 1 on sheet 1 holds the flaw at X 490 Y 100."});
}

// A strip of a row of one piece and a row of a lower piece above the waste the row leaves, too
// low to be a row of its own, then waste: read back, the waste stays in the row.
TEST(LineJob, WasteTooLowForARowIsReadBackInsideItsRow) {
  TempFolder folder;
  LineCase low_rows = kPlain;
  low_rows.glass = "400,300,,,1;400,280,,,1";
  low_rows.settings = CuttingLineSettings{.min_row_height = 50};
  const Job job = CaseJob(folder, low_rows);
  const LineJobMade made = MakeLineJob(EngineJobOf(job));
  ASSERT_TRUE(made.line_job) << made.error;
  const LineProblem& problem = made.line_job->problem;
  CuttingTree plan;
  plan.nodes = {Node(0, 0, 990, 600, CutNodeType::kBranch, -1, 0, -1, {1, 6}),
                Node(0, 0, 400, 600, CutNodeType::kBranch, -1, 1, 0, {2, 3}),
                Node(0, 0, 400, 300, CutNodeType::kPiece, 0, 2, 1),
                Node(0, 300, 400, 300, CutNodeType::kBranch, -1, 2, 1, {4}),
                Node(0, 300, 400, 300, CutNodeType::kBranch, -1, 3, 3, {5, 7}),
                Node(0, 300, 400, 280, CutNodeType::kPiece, 1, 4, 4),
                Node(400, 0, 590, 600, CutNodeType::kWaste, -1, 1, 0),
                Node(0, 580, 400, 20, CutNodeType::kWaste, -1, 4, 4)};
  ASSERT_TRUE(ValidateCuttingTree(problem, plan).empty());
  const LineTreeRecovered back =
      RecoverLineTree(*made.line_job, LineTreeElements(*made.line_job, plan));
  ASSERT_TRUE(back.tree) << back.error;
  EXPECT_EQ(WriteChallengeSolution(problem, *back.tree), WriteChallengeSolution(problem, plan));
}

// A loaded result carries the flaws of its sheets where the layouts draw them (Y downwards), and
// is cut part by part.
TEST(LineJob, ALoadedResultShowsTheFlawsOfItsSheet) {
  TempFolder folder;
  const Job job = CaseJob(folder, kPlain);
  const LineJobMade made = MakeLineJob(EngineJobOf(job));
  ASSERT_TRUE(made.line_job);
  const ResultLoad load = LoadResultFromBytes(
      EngineJobOf(job), LayoutFileBytes(LineTreeElements(*made.line_job, StripPlan(0))));
  ASSERT_EQ(load.error, "");
  EXPECT_TRUE(load.result.line_cut);
  ASSERT_EQ(load.result.flaws.size(), 1U);
  ASSERT_EQ(load.result.flaws[0].size(), 1U);
  const FlawBox& flaw = load.result.flaws[0][0];
  EXPECT_EQ((std::vector<float>{flaw.x1, flaw.y1, flaw.x2, flaw.y2}),
            (std::vector<float>{500, 490, 510, 500}));
}

// The cutting tree a job's result is written as reads back as a valid plan of the challenge.
TEST(LineJob, AResultIsWrittenAsTheChallengesCuttingTree) {
  TempFolder folder;
  const Job job = CaseJob(folder, kPlain);
  const LineJobMade made = MakeLineJob(EngineJobOf(job));
  ASSERT_TRUE(made.line_job);
  const CuttingTreeExport written =
      ExportCuttingTree(EngineJobOf(job), LineTreeElements(*made.line_job, StripPlan(0)));
  ASSERT_EQ(written.error, "");
  LineProblem problem = made.line_job->problem;
  for (size_t i = 0; i < problem.pieces.size(); ++i) problem.pieces[i].id = static_cast<int>(i);
  const ChallengeSolutionRead read = ReadChallengeSolution(problem, "tree.csv", written.bytes);
  ASSERT_TRUE(read.tree) << read.error;
  EXPECT_TRUE(ValidateCuttingTree(problem, *read.tree).empty());
  EXPECT_EQ(CuttingOrder(*read.tree), (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(ExportCuttingTree(EngineJobOf(job), ElementList()).error,
            "The job has no result to write as a cutting tree.");
}

// Sheets of a size in one row, each piece its own row, stacks by their places.
TEST(ChallengeJob, AnInstanceMadeAJobIsTheSameProblem) {
  LineProblem problem;
  problem.rules = {
      LineStages::kThreeWithTrim, FirstCut::kVertical, 100, 3500, 100, 20, false, true};
  problem.sheets = {
      {6000, 3210, {{10, 20, 3, 4}}}, {6000, 3210, {}}, {5000, 3210, {{100, 200, 5, 5}}}};
  problem.pieces = {{1, 500, 400, true, 0, 2},
                    {2, 300, 200, true, 0, 1},
                    {3, 100, 100, false, kNoStack, 0},
                    {4, 700, 600, true, 1, 1}};
  TempFolder folder;
  Job job = testing::MakeTestJob(folder);
  ASSERT_FALSE(LoadLineProblem(job, problem));
  EXPECT_EQ(job.sheet.Rows(), 4);
  EXPECT_EQ(job.glass.Text(3, glass_col::kOrn), "1");
  EXPECT_EQ(job.basic.Text(1, basic_col::kB), "20");
  job.basic.SetText(1, basic_col::kBlade, "99999");
  const LineJobMade made = MakeLineJob(EngineJobOf(job));
  ASSERT_TRUE(made.line_job);
  EXPECT_EQ(Describe(made.line_job->problem), Describe(problem));
}

}  // namespace
}  // namespace lumora
