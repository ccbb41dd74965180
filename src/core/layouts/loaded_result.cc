#include "core/layouts/loaded_result.h"

#include <algorithm>
#include <map>
#include <optional>

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/base/version.h"
#include "core/engine2d/job_run.h"
#include "core/engine2d/line_job.h"
#include "core/engine2d/result_files.h"
#include "core/job/job_check.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

OneBasedList<int> FrameIndexes(const ElementList& elements) {
  OneBasedList<int> frames;
  for (int i = 1; i <= elements.Count(); ++i) {
    if (elements[i].kind == kStockFrame) frames.Append(i);
  }
  return frames;
}

// One record per coil layout: the layout's coil with L1 = the largest X2 of its pieces plus the
// coil's bottom margin, so that the figures count the coil length the layout takes.
StockList DerivedCoilRecords(const StockList& coils, const ElementList& elements,
                             const OneBasedList<int>& frames) {
  StockList derived;
  for (int n = 1; n <= frames.Count(); ++n) {
    const int first = frames[n];
    const int last = n < frames.Count() ? frames[n + 1] - 1 : elements.Count();
    float longest = 0;
    for (int i = first; i <= last; ++i) {
      if (elements[i].kind > 0) longest = std::max(longest, elements[i].x2);
    }
    StockRecord record = coils[elements[first].stock_index];
    record.l1 = longest + record.m_b;
    record.l1_as_read = record.l1;
    record.l1_in = MMToInchText(GeneralText(record.l1));
    record.l2_in = MMToInchText(GeneralText(record.l2));
    derived.Append(record);
  }
  return derived;
}

// The coil still on the roll beyond a layout's used length is neither balance nor waste.
ElementList ClippedAtUsedLength(const ElementList& elements, const StockList& derived) {
  ElementList shown = elements;
  for (LayoutElement& e : shown) {
    const float used = derived[e.layout_no].l1;
    e.x1 = std::min(e.x1, used);
    e.x2 = std::min(e.x2, used);
  }
  return shown;
}

ResultLoad Damaged(std::string what) {
  ResultLoad load;
  load.error = std::string(kDamagedLayoutPrefix) + what;
  return load;
}

}  // namespace

int LoadedResult::LastOfLayout(int layout_no) const {
  return layout_no < frames.Count() ? frames[layout_no + 1] - 1 : shown.Count();
}

std::string FindStructureDamage(const ElementList& elements) {
  int layout_no = 0;
  for (int i = 1; i <= elements.Count(); ++i) {
    const LayoutElement& e = elements[i];
    const std::string where = "element " + GeneralText(i) + ": ";
    if (e.layout_no == layout_no + 1) {
      if (e.kind != kStockFrame) {
        return where + "layout " + GeneralText(e.layout_no) +
               " does not start with its stock frame";
      }
      layout_no = e.layout_no;
    } else if (layout_no == 0) {
      return where + "the first layout number is " + GeneralText(e.layout_no) + ", not 1";
    } else if (e.layout_no != layout_no) {
      return where + "layout number " + GeneralText(e.layout_no) + " follows layout " +
             GeneralText(layout_no);
    } else if (e.kind == kStockFrame) {
      return where + "layout " + GeneralText(layout_no) + " has a second stock frame";
    }
  }
  return {};
}

EngineInput RunOrderInput(const EngineJob& job) {
  EngineInput input = PrepareRunLists(job);
  RemoveKerf(input.stocks, input.glasses, input.basic.kerf);
  return input;
}

namespace {

std::vector<std::vector<FlawBox>> LayoutFlaws(const EngineJob& job, const LoadedResult& result) {
  std::vector<std::vector<FlawBox>> flaws(static_cast<size_t>(result.LayoutCount()));
  const LineJobMade made = MakeLineJob(job);
  if (!made.line_job || job.line == nullptr) return flaws;
  const std::vector<LineJobSheet>& sheets = made.line_job->sheets;
  std::map<int, size_t> next_of_stock;
  for (int n = 1; n <= result.LayoutCount(); ++n) {
    const LayoutElement& frame = result.elements[result.FirstOfLayout(n)];
    size_t& next = next_of_stock[frame.stock_index];
    const auto take = [&] {
      while (next < sheets.size() && sheets[next].stock_index != frame.stock_index) ++next;
      return next < sheets.size() ? &sheets[next++] : nullptr;
    };
    const LineJobSheet* sheet = take();
    for (int copy = 1; copy < static_cast<int>(frame.repeat) && copy < kMostLineNumber; ++copy) {
      take();
    }
    if (sheet == nullptr) continue;
    const float l2 = result.StockOf(frame).l2;
    for (const SheetFlaw& flaw : job.line->Flaws(job.sheet.RowIdOf(sheet->grid_row))) {
      if (flaw.sheet != sheet->number) continue;
      flaws[static_cast<size_t>(n - 1)].push_back(
          {flaw.x, l2 - flaw.y - flaw.height, flaw.x + flaw.width, l2 - flaw.y});
    }
  }
  return flaws;
}

OneBasedList<std::string> GlassStacks(const EngineJob& job, const GlassList& glasses) {
  OneBasedList<std::string> stacks;
  bool any = false;
  for (const GlassRecord& glass : glasses) {
    const std::optional<GlassStack> stack =
        glass.grid_row > 0 ? job.line->Stack(job.glass.RowIdOf(glass.grid_row)) : std::nullopt;
    any = any || stack.has_value();
    stacks.Append(stack ? stack->name : std::string());
  }
  if (!any) stacks.Clear();
  return stacks;
}

}  // namespace

std::vector<ResultProblem> ProblemsOf(const LoadedResult& result, const ElementList& elements) {
  ElementList engine_elements = elements;
  TransposeElements(engine_elements);
  return FindResultProblems(result.run_input, result.trim_allowance, result.coil_mode,
                            engine_elements);
}

std::string StoredLayoutsNotice(const LoadedResult& result) {
  std::vector<std::string> cuts;
  for (const ResultProblem& problem : result.problems) {
    if (problem.rule == ResultRule::kCuts) cuts.push_back(problem.text);
  }
  return cuts.empty() ? std::string() : ProblemList(kStoredLayoutsBreakRules, cuts);
}

void TellStoredLayoutsNotice(const Job& job, Prompter& prompter) {
  const ResultLoad load = LoadResult(job);
  if (!load.error.empty()) return;
  const std::string notice = StoredLayoutsNotice(load.result);
  if (notice.empty()) return;
  prompter.Ask({.title = kApplicationTitle,
                .text = notice,
                .icon = PromptIcon::kExclamation,
                .buttons = PromptButtons::kOk,
                .default_answer = PromptAnswer::kOk});
}

ResultLoad LoadResultFromBytes(const EngineJob& job, std::string_view layout_bytes) {
  LayoutFileRead read = ReadLayoutBytes(layout_bytes);
  if (!read.damage.empty()) return Damaged(read.damage);
  if (read.elements.Empty()) return ResultLoad{{}, std::string(kNotOptimizedMessage)};

  EngineInput input = PrepareRunLists(job);
  std::string damage = FindIndexDamage(read.elements, input.stocks.Count(), input.glasses.Count());
  if (damage.empty()) damage = FindStructureDamage(read.elements);
  if (!damage.empty()) return Damaged(damage);

  ResultLoad load;
  LoadedResult& result = load.result;
  result.coil_mode = job.coil_mode;
  result.run_input = input;
  result.trim_allowance = TrimAllowance(job.basic);
  result.problems = ProblemsOf(result, read.elements);
  for (const ResultProblem& problem : result.problems) {
    if (problem.rule == ResultRule::kBelongs) return Damaged(problem.text);
  }
  RemoveKerf(input.stocks, input.glasses, input.basic.kerf);
  result.basic = std::move(input.basic);
  result.glasses = std::move(input.glasses);
  result.elements = std::move(read.elements);
  result.frames = FrameIndexes(result.elements);
  result.line_cut = HasLineData(job);
  if (job.coil_mode) {
    result.stocks = DerivedCoilRecords(input.stocks, result.elements, result.frames);
    result.shown = ClippedAtUsedLength(result.elements, result.stocks);
  } else {
    result.stocks = std::move(input.stocks);
    result.shown = result.elements;
  }
  if (result.line_cut) result.flaws = LayoutFlaws(job, result);
  if (job.line != nullptr) result.stacks = GlassStacks(job, result.glasses);
  return load;
}

ResultLoad LoadResult(const Job& job) {
  const std::string path = job.workspace.WorkingFile(kLayoutFileName);
  if (!FileExists(path)) return ResultLoad{{}, std::string(kNotOptimizedMessage)};
  const std::optional<std::string> bytes = ReadFileBytes(path, kTableFileLimit);
  if (!bytes) return Damaged("cannot read " + path);
  return LoadResultFromBytes(EngineJobOf(job), *bytes);
}

}  // namespace lumora
