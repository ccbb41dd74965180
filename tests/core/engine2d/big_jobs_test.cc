#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/engine2d/engine_jobs.h"

// Jobs at the edges of the data model: thousands of rows, extreme sheets and quantities, and
// results that would pass the bound of 32767 layouts or elements.
namespace lumora {
namespace {

using testing::HandJob;
using testing::Rows;

Rows ManyRows(int count, const std::function<std::vector<std::string>(int)>& make_row) {
  Rows rows;
  for (int i = 1; i <= count; ++i) rows.push_back(make_row(i));
  return rows;
}

// Every glass index got exactly its quantity of pieces (pieces times the layout's repeat), no
// stock was cut more often than it is there, every piece lies on its stock, and the lists stay
// within the data model's bound.
void ExpectEveryPieceCounted(const HandJob& job, const ElementList& best) {
  ASSERT_FALSE(best.Empty());
  EXPECT_LE(best.Count(), kMaxListCount);
  const EngineInput input = job.Prepared();
  std::map<int, double> pieces, stock_used;
  LayoutElement frame;
  for (const LayoutElement& element : best) {
    ASSERT_TRUE(input.stocks.Contains(element.stock_index)) << element.stock_index;
    ASSERT_TRUE(element.layout_no >= 1 && element.layout_no <= kMaxListCount);
    if (element.kind == kStockFrame) {
      frame = element;
      stock_used[element.stock_index] += element.repeat;
    } else if (element.kind > 0) {
      ASSERT_TRUE(input.glasses.Contains(element.kind)) << element.kind;
      pieces[element.kind] += element.repeat;
      EXPECT_TRUE(element.x1 >= frame.x1 && element.y1 >= frame.y1 && element.x2 <= frame.x2 &&
                  element.y2 <= frame.y2);
    }
  }
  for (int g = 1; g <= input.glasses.Count(); ++g) EXPECT_EQ(pieces[g], input.glasses[g].qty) << g;
  for (const auto& [stock, used] : stock_used) EXPECT_LE(used, input.stocks[stock].qty) << stock;
}

TEST(BigJobs, EveryPieceIsPlacedOrTheBoundIsTold) {
  const std::string done(kDoneMessage);
  struct Case {
    const char* name;
    HandJob job;
    std::string message;
    float first_repeat = 0;  // of the first layout, when it matters
    bool stop = false;       // after the first pass
  };
  // Groups of 500 rows that differ only in quantity merge onto the last row of each group, so
  // glass indices run up to 5000 while most records are left with nothing to place.
  const Rows merged = ManyRows(5000, [](int i) -> std::vector<std::string> {
    const int group = (i - 1) / 500;
    return {std::to_string(300 + 40 * group), std::to_string(200 + 30 * group),
            std::to_string(1 + i % 3), "", "SHOP" + std::to_string(group)};
  });
  const Rows strip = {{"1", "100000", "10"}};
  const std::string stopped(kStoppedMessage);
  const Rows many = {{"100", "100", "99999"}, {"300", "200", "99999"}};
  // 500 sizes times EFF 10 make 5000 passes; a stop after the first leaves its result.
  const Rows sheets = ManyRows(500, [](int i) -> std::vector<std::string> {
    return {std::to_string(1500 + i), std::to_string(1000 + i % 300), "3"};
  });
  const Rows glass = ManyRows(8, [](int i) -> std::vector<std::string> {
    return {std::to_string(200 + 90 * i), std::to_string(150 + 70 * i), "4"};
  });
  // The strip holds 100000 pieces of 1 x 1, but one layout takes only 32758 of them beside its
  // frame, margins and remainders: 65516 pieces are that layout cut twice. 40000 pieces need a
  // second layout the result has no room for: no pass completes.
  // clang-format off
  std::vector<Case> cases = {
      {"5000 glass rows", HandJob("3661", "0", {{"3660", "2440", "500"}}, merged), done},
      {"1 x 100000", HandJob("100001", "0", strip, {{"1", "1000", "50"}, {"1", "300", "7"}}), done},
      {"a block past the list", HandJob("100001", "0", strip, {{"1", "1", "65516"}}), done, 2},
      {"past the element bound", HandJob("100001", "0", strip, {{"1", "1", "40000"}}),
       done + "\n" + std::string(kLimitMessage)},
      {"QTY 99999", HandJob("3661", "0", {{"3660", "2440", "99999"}}, many), done},
      {"QTY 99999 on a coil", HandJob("3661", "0", {{"2000", "1200", "0"}}, many), done},
      {"500 stock rows", HandJob("3000", "0", sheets, glass), stopped, 0, true}};
  // clang-format on
  cases[5].job.coil_mode = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int32_t total = 0;
    OptimizationCallbacks callbacks;
    callbacks.start = [&](const ProgressStart& start) { total = start.total; };
    callbacks.stop_requested = [&] { return c.stop; };
    const OptimizationResult result = c.job.Run(c.stop ? 10 : 1, callbacks);
    EXPECT_EQ(total, c.job.Prepared().stocks.Count() * (c.stop ? 10 : 1));
    EXPECT_EQ(result.resume_pass, 1);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.best.Empty(), c.message.find('\n') != std::string::npos);
    if (!result.best.Empty()) ExpectEveryPieceCounted(c.job, result.best);
    EXPECT_EQ(c.first_repeat > 0 ? result.best[1].repeat : 0, c.first_repeat);
  }
}

TEST(BigJobs, MoreRowsThanTheDataModelHoldsAreRefusedBeforeAnyPass) {
  // Only the first row is usable: the bound itself is accepted.
  const auto one_of = [](int count, std::vector<std::string> row) {
    return ManyRows(count, [&](int i) {
      return i == 1 ? row : std::vector<std::string>{"", "", ""};
    });
  };
  const Rows sheet = {{"3660", "2440", "5"}};
  const Rows glass = {{"500", "400", "2"}};
  EXPECT_EQ(HandJob("3661", "0", sheet, one_of(kMaxListCount, glass[0])).Run(1).end,
            OptimizationEnd::kDone);
  const OptimizationResult refused =
      HandJob("3661", "0", sheet, one_of(kMaxListCount + 1, glass[0])).Run(1);
  EXPECT_EQ(refused.end, OptimizationEnd::kRefused);
  EXPECT_EQ(refused.message, kTooManyGlassMessage);
  HandJob sheets("3661", "0", one_of(kMaxListCount + 1, sheet[0]), glass);
  EXPECT_EQ(sheets.Run(1).message, kTooManySheetsMessage);
  sheets.coil_mode = true;
  EXPECT_EQ(sheets.Run(1).message, kTooManyCoilsMessage);
}

}  // namespace
}  // namespace lumora
