#include "core/engine2d/result_validator.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "core/base/number_text.h"
#include "core/base/unit_and_orn.h"
#include "core/engine2d/cutting_tree_validator.h"
#include "core/engine2d/line_job.h"
#include "core/engine2d/line_tree_recovery.h"
#include "core/engine2d/result_files.h"

namespace lumora {
namespace {

// Float coordinates of a few metres carry about a hundredth of a millimetre.
constexpr float kSlack = 0.01f;

struct Box {
  float x1, y1, x2, y2;
  int element;  // index in the result
};

std::string LayoutText(int layout_no) { return "Layout " + GeneralText(layout_no) + ": "; }

// The problems of one layout, each naming it.
class LayoutProblems {
 public:
  LayoutProblems(int layout_no, std::vector<ResultProblem>& problems)
      : layout_no_(layout_no), problems_(problems) {}
  void Add(ResultRule rule, const std::string& what) {
    problems_.push_back({rule, layout_no_, LayoutText(layout_no_) + what});
  }

 private:
  int layout_no_;
  std::vector<ResultProblem>& problems_;
};

// Pieces of one layout that overlap; sorted by X1, each is compared with those that start
// before it ends.
void CheckOverlaps(std::vector<Box> boxes, LayoutProblems& problems) {
  std::sort(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.x1 < b.x1; });
  for (size_t i = 0; i < boxes.size(); ++i) {
    for (size_t j = i + 1; j < boxes.size() && boxes[j].x1 < boxes[i].x2 - kSlack; ++j) {
      const float overlap_y =
          std::min(boxes[i].y2, boxes[j].y2) - std::max(boxes[i].y1, boxes[j].y1);
      if (overlap_y > kSlack) {
        problems.Add(ResultRule::kCuts, "elements " + GeneralText(boxes[i].element) + " and " +
                                            GeneralText(boxes[j].element) +
                                            " overlap (the cut width between them is not kept).");
        return;
      }
    }
  }
}

// Parts a group at every straight line, across X (vertical=true) or Y, that no piece crosses,
// so that a row of thousands of pieces parts in one sweep; false when there is no such line.
bool SplitGroup(std::vector<Box>& group, bool vertical, std::vector<std::vector<Box>>& parts) {
  const auto low = [vertical](const Box& b) { return vertical ? b.x1 : b.y1; };
  const auto high = [vertical](const Box& b) { return vertical ? b.x2 : b.y2; };
  std::sort(group.begin(), group.end(),
            [&](const Box& a, const Box& b) { return low(a) < low(b); });
  float reach = high(group.front());
  size_t start = 0;
  const size_t parts_before = parts.size();
  for (size_t i = 1; i < group.size(); ++i) {
    if (low(group[i]) >= reach - kSlack) {
      parts.emplace_back(group.begin() + static_cast<std::ptrdiff_t>(start),
                         group.begin() + static_cast<std::ptrdiff_t>(i));
      start = i;
    }
    reach = std::max(reach, high(group[i]));
  }
  if (parts.size() == parts_before) return false;
  parts.emplace_back(group.begin() + static_cast<std::ptrdiff_t>(start), group.end());
  return true;
}

// Whether the pieces can be cut apart by edge-to-edge cuts, stage after stage.
void CheckGuillotine(const std::vector<Box>& boxes, LayoutProblems& problems) {
  if (boxes.size() < 2) return;
  std::vector<std::vector<Box>> groups{boxes};
  while (!groups.empty()) {
    std::vector<Box> group = std::move(groups.back());
    groups.pop_back();
    if (group.size() < 2) continue;
    if (SplitGroup(group, true, groups) || SplitGroup(group, false, groups)) continue;
    std::string names;
    for (const Box& box : group) {
      names += (names.empty() ? "" : ", ") + GeneralText(box.element);
    }
    problems.Add(ResultRule::kCuts, "no edge-to-edge cut separates elements " + names + ".");
    return;
  }
}

void CheckRepeat(float repeat, LayoutProblems& problems) {
  if (!(repeat >= 0) || std::trunc(repeat) != repeat) {
    problems.Add(ResultRule::kBelongs, "its Repeat is not a whole number of sheets.");
  } else if (repeat == 0) {
    problems.Add(ResultRule::kPlan, "it is cut on no sheets.");
  }
}

void CheckLayout(const EngineInput& prepared, float trim_allowance, bool coil_mode,
                 const ElementList& elements, int first, int last,
                 std::vector<ResultProblem>& found) {
  using enum ResultRule;
  const LayoutElement& head = elements[first];
  LayoutProblems problems(head.layout_no, found);
  if (!prepared.stocks.Contains(head.stock_index)) {
    problems.Add(kBelongs, "its stock is not one of the job's.");
    return;
  }
  const StockRecord& stock = prepared.stocks[head.stock_index];
  CheckRepeat(head.repeat, problems);
  int frames = 0;
  std::vector<Box> pieces;
  for (int i = first; i <= last; ++i) {
    const LayoutElement& e = elements[i];
    if (e.stock_index != head.stock_index || e.repeat != head.repeat) {
      problems.Add(kPlan,
                   "element " + GeneralText(i) + " has another stock or Repeat than its layout.");
    }
    if (e.kind == kStockFrame) {
      ++frames;
      if (e.x1 != 0 || e.y1 != 0 || std::fabs(e.x2 - stock.l2) > kSlack ||
          std::fabs(e.y2 - stock.l1) > kSlack) {
        problems.Add(kBelongs, "its stock frame is not the size of its stock.");
      }
      continue;
    }
    const bool inside = e.x1 >= stock.m_l - kSlack && e.y1 >= stock.m_t - kSlack &&
                        e.x2 <= stock.l2 - stock.m_r + kSlack &&
                        e.y2 <= stock.l1 - stock.m_b + kSlack;
    if (e.kind == kFreeRect) {
      const float w = e.x2 - e.x1;
      const float h = e.y2 - e.y1;
      if (!coil_mode && w > 0 && h > 0 &&
          (w < prepared.basic.b_mm - kSlack || h < prepared.basic.b_mm - kSlack)) {
        problems.Add(kPlan, "leftover element " + GeneralText(i) + " has a side below B (MM).");
      }
      if (!inside) {
        problems.Add(kPlan,
                     "leftover element " + GeneralText(i) + " lies outside the usable area.");
      }
      continue;
    }
    if (e.kind <= 0) continue;
    if (!prepared.glasses.Contains(e.kind)) {
      problems.Add(kBelongs, "element " + GeneralText(i) + " is not one of the job's glass sizes.");
      continue;
    }
    // A hand edit may turn a piece without changing its orientation code (the Edit dialog's
    // ORN puts the smaller side across): the extent tells how the piece lies.
    const GlassRecord& glass = prepared.glasses[e.kind];
    const float w = e.x2 - e.x1;
    const float h = e.y2 - e.y1;
    const auto lies = [&](int orientation) {
      const float along_x = orientation == 2 ? glass.l1 : glass.l2;
      const float along_y = orientation == 2 ? glass.l2 : glass.l1;
      return w <= along_x + kSlack && h <= along_y + kSlack &&
             w >= along_x - trim_allowance - kSlack && h >= along_y - trim_allowance - kSlack;
    };
    const bool lies_1 = lies(1);
    const bool lies_2 = lies(2);
    if (!lies_1 && !lies_2) {
      problems.Add(kBelongs,
                   "piece " + GeneralText(i) + " is not the size of its glass with the cut width.");
    } else if (!(lies_1 && OrnAllows(glass.orn, 1)) && !(lies_2 && OrnAllows(glass.orn, 2))) {
      problems.Add(kCuts,
                   "piece " + GeneralText(i) + " lies in an orientation its ORN does not allow.");
    } else if (!(e.orientation == 1 ? lies_1 : e.orientation == 2 && lies_2)) {
      problems.Add(kPlan, "piece " + GeneralText(i) + " lies turned against its orientation.");
    }
    if (!inside) problems.Add(kCuts, "piece " + GeneralText(i) + " lies outside the usable area.");
    pieces.push_back({e.x1, e.y1, e.x2, e.y2, i});
  }
  if (frames != 1) problems.Add(kBelongs, "it needs exactly one stock frame.");
  CheckOverlaps(pieces, problems);
  CheckGuillotine(pieces, problems);
}

}  // namespace

std::vector<ResultProblem> FindResultProblems(const EngineInput& prepared, float trim_allowance,
                                              bool coil_mode, const ElementList& elements) {
  std::vector<ResultProblem> problems;
  std::map<int, double> placed;
  std::map<int, double> sheets;
  int expected_layout = 1;
  for (int first = 1; first <= elements.Count();) {
    int last = first;
    while (last < elements.Count() && elements[last + 1].layout_no == elements[first].layout_no) {
      ++last;
    }
    if (elements[first].layout_no != expected_layout) {
      problems.push_back(
          {ResultRule::kBelongs, 0, "Layouts are not numbered 1, 2, 3 ... in order."});
      return problems;
    }
    ++expected_layout;
    CheckLayout(prepared, trim_allowance, coil_mode, elements, first, last, problems);
    sheets[elements[first].stock_index] += elements[first].repeat;
    for (int i = first; i <= last; ++i) {
      if (elements[i].kind > 0) placed[elements[i].kind] += elements[i].repeat;
    }
    first = last + 1;
  }
  for (int g = 1; g <= prepared.glasses.Count(); ++g) {
    const double wanted = prepared.glasses[g].qty;
    const double got = placed.count(g) ? placed[g] : 0;
    if (got != wanted) {
      problems.push_back({ResultRule::kPlan, 0,
                          "Glass size " + GeneralText(g) + ": " +
                              GeneralText(static_cast<float>(got)) + " pieces placed, " +
                              GeneralText(static_cast<float>(wanted)) + " wanted."});
    }
  }
  if (!coil_mode) {
    for (const auto& [stock, used] : sheets) {
      if (prepared.stocks.Contains(stock) && used > prepared.stocks[stock].qty) {
        problems.push_back({ResultRule::kPlan, 0,
                            "Stock " + GeneralText(stock) + ": " +
                                GeneralText(static_cast<float>(used)) + " sheets used, " +
                                GeneralText(prepared.stocks[stock].qty) + " available."});
      }
    }
  }
  return problems;
}

std::vector<std::string> ProblemTexts(const std::vector<ResultProblem>& problems) {
  std::vector<std::string> texts;
  for (const ResultProblem& problem : problems) texts.push_back(problem.text);
  return texts;
}

std::string ProblemList(std::string_view heading, const std::vector<std::string>& problems) {
  constexpr size_t kShown = 8;
  std::string list(heading);
  for (size_t i = 0; i < problems.size() && i < kShown; ++i) list += "\n" + problems[i];
  if (problems.size() > kShown) {
    list += "\n... and " + GeneralText(static_cast<int>(problems.size() - kShown)) + " more.";
  }
  return list;
}

std::vector<std::string> ValidateEngineResult(const EngineInput& prepared, float trim_allowance,
                                              bool coil_mode, const ElementList& elements) {
  return ProblemTexts(FindResultProblems(prepared, trim_allowance, coil_mode, elements));
}

std::vector<std::string> ValidateResult(const EngineJob& job, float trim_allowance,
                                        const ElementList& dia) {
  ElementList elements = dia;
  TransposeElements(elements);
  std::vector<std::string> problems =
      ValidateEngineResult(PrepareRunLists(job), trim_allowance, job.coil_mode, elements);
  if (!HasLineData(job) || dia.Empty()) return problems;
  for (std::string& finding : LineRuleFindings(job, dia)) problems.push_back(std::move(finding));
  return problems;
}

std::vector<std::string> LineRuleFindings(const EngineJob& job, const ElementList& dia) {
  const LineJobMade made = MakeLineJob(job);
  if (!made.line_job) return {made.error};
  const LineTreeRecovered recovered = RecoverLineTree(*made.line_job, dia);
  if (!recovered.tree) return {recovered.error};
  std::vector<std::string> findings;
  for (const LineFinding& finding : ValidateCuttingTree(made.line_job->problem, *recovered.tree)) {
    findings.push_back(finding.text);
  }
  return findings;
}

}  // namespace lumora
