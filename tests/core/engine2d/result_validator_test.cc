#include "core/engine2d/result_validator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine_builders.h"

namespace lumora {
namespace {

using testing::Element;
using testing::Glass;
using testing::ListOf;
using testing::Stock;

// One 1000 x 2000 sheet with 10 mm margins (engine coordinates: x along L2), kerf already in
// the sizes. Glass 1: 100 x 200, four pieces in a row, either way; glass 2: 500 x 800, ORN 1,
// in the corner before them.
EngineInput Job() {
  EngineInput input;
  input.stocks = ListOf(std::vector{Stock(1000, 2000, 1, 10, 10, 10, 10)});
  input.glasses = ListOf(std::vector{Glass(100, 200, 4), Glass(500, 800, 1, 1)});
  return input;
}

ElementList ValidLayout() {
  // clang-format off
  return testing::ListOf<LayoutElement>({Element(kStockFrame, 0, 0, 2000, 1000, 1, 1),
      Element(kMarginStrip, 0, 0, 10, 1000, 1, 1), Element(kMarginStrip, 10, 0, 2000, 10, 1, 1),
      Element(kMarginStrip, 1990, 10, 2000, 1000, 1, 1),
      Element(kMarginStrip, 10, 990, 1990, 1000, 1, 1), Element(2, 10, 10, 810, 510, 1, 1, 1, 1),
      Element(1, 810, 10, 1010, 110, 1, 1, 1, 1),
      Element(1, 1010, 10, 1210, 110, 1, 1, 1, 1), Element(1, 1210, 10, 1410, 110, 1, 1, 1, 1),
      Element(1, 1410, 10, 1610, 110, 1, 1, 1, 1), Element(kFreeRect, 10, 510, 1990, 990, 1, 1)});
  // clang-format on
}

struct Fault {
  const char* what;
  std::function<void(EngineInput&, ElementList&)> make;
  const char* found;  // a part of the problem the validator must name; empty for none
  ResultRule rule = ResultRule::kCuts;
};

TEST(ResultValidator, CatchesEachFaultOfALayout) {
  using enum ResultRule;
  const Fault faults[] = {
      {"a valid layout", [](EngineInput&, ElementList&) {}, ""},
      {"pieces overlap", [](EngineInput&, ElementList& l) { l[7].x1 = 800, l[7].x2 = 1000; },
       "overlap"},
      {"a piece in the margin", [](EngineInput&, ElementList& l) { l[6].x1 = 0, l[6].x2 = 800; },
       "outside the usable"},
      {"the kerf left out of a piece",
       [](EngineInput& job, ElementList&) { job.glasses[2].l1 += 3, job.glasses[2].l2 += 3; },
       "not the size", kBelongs},
      {"a frame of another stock", [](EngineInput& job, ElementList&) { job.stocks[1].l2 = 2100; },
       "stock frame", kBelongs},
      {"layouts out of order", [](EngineInput&, ElementList& l) { l[1].layout_no = 2; }, "numbered",
       kBelongs},
      {"a piece turned by hand, its code left",
       [](EngineInput& job, ElementList& l) {
         job.glasses[2].orn = Orn::kEither;
         l[6].orientation = 2;
       },
       "turned against", kPlan},
      {"a pinwheel no cut separates",
       [](EngineInput&, ElementList& l) {
         l[7] = Element(1, 1000, 10, 1200, 110, 1, 1, 1, 1);
         l[8] = Element(1, 1200, 10, 1300, 210, 1, 1, 1, 2);
         l[9] = Element(1, 1100, 210, 1300, 310, 1, 1, 1, 1);
         l[10] = Element(1, 1000, 110, 1100, 310, 1, 1, 1, 2);
       },
       "no edge-to-edge cut separates elements 7, 8, 10, 9."},
      {"an ORN 1 piece turned",
       [](EngineInput&, ElementList& l) { l[6] = Element(2, 10, 10, 510, 810, 1, 1, 1, 2); },
       "ORN"},
      {"a Repeat of part of a sheet",
       [](EngineInput&, ElementList& l) {
         for (LayoutElement& e : l) e.repeat = 1.5f;
       },
       "not a whole number of sheets", kBelongs},
      {"a layout cut on no sheets",
       [](EngineInput&, ElementList& l) {
         for (LayoutElement& e : l) e.repeat = 0;
       },
       "cut on no sheets", kPlan},
      {"one piece too few", [](EngineInput&, ElementList& l) { l[10].kind = kFreeRect; },
       "3 pieces placed, 4 wanted", kPlan},
      {"more sheets than there are",
       [](EngineInput& job, ElementList&) { job.stocks[1].qty = 0.5f; }, "sheets used", kPlan},
      {"a leftover narrower than B",
       [](EngineInput& job, ElementList& l) {
         job.basic.b_mm = 100;
         l[11].y2 = 560;
       },
       "below B", kPlan},
  };
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.what);
    EngineInput job = Job();
    ElementList layout = ValidLayout();
    fault.make(job, layout);
    const std::vector<ResultProblem> problems = FindResultProblems(job, 0.001f, false, layout);
    if (std::string(fault.found).empty()) {
      EXPECT_THAT(ProblemTexts(problems), ::testing::IsEmpty());
    } else {
      EXPECT_THAT(problems,
                  ::testing::Contains(::testing::AllOf(
                      ::testing::Field(&ResultProblem::text, ::testing::HasSubstr(fault.found)),
                      ::testing::Field(&ResultProblem::rule, fault.rule))))
          << ::testing::PrintToString(ProblemTexts(problems));
    }
  }
}

}  // namespace
}  // namespace lumora
