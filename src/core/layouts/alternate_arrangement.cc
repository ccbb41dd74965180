#include "core/layouts/alternate_arrangement.h"

#include <utility>
#include <vector>

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/base/version.h"
#include "core/engine2d/alternate_run.h"
#include "core/engine2d/job_run.h"
#include "core/engine2d/result_files.h"
#include "core/job/job_check.h"
#include "core/tables/table_file.h"

namespace lumora {

int16_t NextPattern(int16_t pattern_counter) {
  return pattern_counter >= 1 && pattern_counter < 8 ? static_cast<int16_t>(pattern_counter + 1)
                                                     : int16_t{1};
}

std::string AlternateCaption(int16_t pattern_counter) {
  return std::string(kAlternateCaptionPrefix) + GeneralText(pattern_counter);
}

std::optional<std::string> BeginAlternateArrangement(const Workspace& workspace,
                                                     const ElementList& elements) {
  // Copying the file itself lets "&Original Arrangement" give back exactly its bytes.
  std::optional<std::string> bytes =
      ReadFileBytes(workspace.WorkingFile(kLayoutFileName), kTableFileLimit);
  if (!bytes || ReadLayoutBytes(*bytes).elements != elements) bytes = LayoutFileBytes(elements);
  return SaveFile(workspace.WorkingFile(kLayoutBackupFileName), *bytes);
}

void SetAlternateQuantities(const ElementList& elements, const LayoutRange& range,
                            StockList& stocks, GlassList& glasses) {
  for (StockRecord& stock : stocks) stock.qty = 0;
  for (GlassRecord& glass : glasses) glass.qty = 0;
  if (!elements.Contains(range.first)) return;
  const int stock = elements[range.first].stock_index;
  if (stocks.Contains(stock)) stocks[stock].qty = 1;
  for (int i = range.first; i <= range.last && i <= elements.Count(); ++i) {
    const int glass = elements[i].kind;
    if (glass > 0 && glasses.Contains(glass)) glasses[glass].qty = glasses[glass].qty + 1;
  }
}

ElementList SpliceArrangement(const ElementList& elements, const LayoutRange& range,
                              const ElementList& arrangement) {
  if (!elements.Contains(range.first) || range.last < range.first ||
      range.last > elements.Count()) {
    return elements;
  }
  const LayoutElement& frame = elements[range.first];
  ElementList spliced;
  spliced.Reserve(elements.Count() - (range.last - range.first + 1) + arrangement.Count());
  for (int i = 1; i < range.first; ++i) spliced.Append(elements[i]);
  for (LayoutElement e : arrangement) {
    e.layout_no = frame.layout_no;
    e.repeat = frame.repeat;
    e.stock_index = frame.stock_index;
    spliced.Append(e);
  }
  for (int i = range.last + 1; i <= elements.Count(); ++i) spliced.Append(elements[i]);
  return spliced;
}

AlternateSearch SearchAlternateArrangement(const Job& job, const LoadedResult& result,
                                           int layout_no, int16_t& pattern_counter,
                                           Prompter& prompter) {
  AlternateSearch search;
  const Workspace& workspace = job.workspace;
  const std::string dia_path = workspace.WorkingFile(kLayoutFileName);
  const std::string before =
      ReadFileBytes(dia_path, kTableFileLimit).value_or(LayoutFileBytes(result.elements));
  const LayoutRange range = RangeOfLayout(result, layout_no);

  const EngineJob engine_job = EngineJobOf(job);
  EngineInput input = RunOrderInput(engine_job);
  SetAlternateQuantities(result.elements, range, input.stocks, input.glasses);
  if (auto error =
          SaveFile(workspace.WorkingFile(kStockInputFileName), StockInputBytes(input.stocks))) {
    search.error = std::move(*error);
    return search;
  }
  if (auto error =
          SaveFile(workspace.WorkingFile(kGlassInputFileName), GlassInputBytes(input.glasses))) {
    search.error = std::move(*error);
    return search;
  }

  const float trim_allowance = TrimAllowance(job.basic);
  AlternateRunResult run;
  for (int attempt = 1; attempt <= 8 && range.last >= range.first; ++attempt) {
    pattern_counter = NextPattern(pattern_counter);
    run = AlternateRunFromFiles(engine_job, workspace, pattern_counter, trim_allowance);
    // A refused run has no answer, whatever dia.tlf holds from earlier.
    if (run.refusal.empty() && !run.best.Empty()) break;
    run.best.Clear();
  }

  search.found = !run.best.Empty();
  const ElementList spliced =
      search.found ? SpliceArrangement(result.elements, range, run.best) : result.elements;
  std::vector<std::string> broken;
  if (search.found) {
    for (const ResultProblem& problem : ProblemsOf(result, spliced)) {
      if (problem.layout_no == layout_no) broken.push_back(problem.text);
    }
    search.found = broken.empty();
  }
  const std::string after = search.found ? LayoutFileBytes(spliced) : before;
  if (auto error = SaveFile(dia_path, after)) {
    search.error = std::move(*error);
    search.found = false;
    return search;
  }
  if (!search.found) {
    prompter.Ask({.title = kApplicationTitle,
                  .text = broken.empty() ? std::string(kAlternateNotPossibleMessage)
                                         : ProblemList(kArrangementBreaksRules, broken),
                  .icon = broken.empty() ? PromptIcon::kInformation : PromptIcon::kExclamation});
  }
  return search;
}

bool KeepAlternateArrangement(const Workspace& workspace, int layout_no, LayoutHistory& history) {
  std::optional<std::string> before =
      ReadFileBytes(workspace.WorkingFile(kLayoutBackupFileName), kTableFileLimit);
  std::optional<std::string> after =
      ReadFileBytes(workspace.WorkingFile(kLayoutFileName), kTableFileLimit);
  if (!before || !after || *before == *after) return false;
  history.Record(std::move(*before), std::move(*after), layout_no);
  return true;
}

std::optional<std::string> RestoreOriginalArrangement(const Workspace& workspace) {
  const std::string backup_path = workspace.WorkingFile(kLayoutBackupFileName);
  const std::optional<std::string> bytes = ReadFileBytes(backup_path, kTableFileLimit);
  if (!bytes) return "Could not read " + backup_path;
  return SaveFile(workspace.WorkingFile(kLayoutFileName), *bytes);
}

}  // namespace lumora
