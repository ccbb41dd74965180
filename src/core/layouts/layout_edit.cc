#include "core/layouts/layout_edit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/base/version.h"
#include "core/engine2d/line_job.h"
#include "core/engine2d/result_files.h"
#include "core/engine2d/result_validator.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

// A value rounded to the nearest whole number (a half to the even one) within 16 bits.
int RoundTo16Bits(float value) {
  if (std::isnan(value)) return 0;
  const float rounded = std::nearbyint(value);
  if (rounded >= static_cast<float>(INT16_MAX)) return INT16_MAX;
  if (rounded <= static_cast<float>(INT16_MIN)) return INT16_MIN;
  return static_cast<int>(rounded);
}

bool IsAddition(EditMode mode) {
  return mode == EditMode::kAddBalance || mode == EditMode::kAddGlassPiece;
}

// The list with a blank element inserted after `index`.
ElementList WithSlotAfter(const ElementList& elements, int index) {
  ElementList grown;
  grown.Reserve(elements.Count() + 1);
  for (int i = 1; i <= elements.Count(); ++i) {
    grown.Append(elements[i]);
    if (i == index) grown.Append(LayoutElement{});
  }
  return grown;
}

// The first other piece of the edited element's layout whose area the edited piece shares, or
// 0. Neighbours that only touch along an edge do not overlap.
int OverlappedPiece(const ElementList& elements, int edited) {
  const LayoutElement& e = elements[edited];
  if (e.kind <= 0) return 0;
  for (int i = 1; i <= elements.Count(); ++i) {
    const LayoutElement& o = elements[i];
    if (i == edited || o.kind <= 0 || o.layout_no != e.layout_no) continue;
    if (e.x1 < o.x2 && o.x1 < e.x2 && e.y1 < o.y2 && o.y1 < e.y2) return i;
  }
  return 0;
}

// A layout whose pieces overlap is a cut plan nobody can cut: asked before it is stored.
bool KeepOverlap(const LoadedResult& result, const LayoutElement& other, Prompter& prompter) {
  const std::string size = result.glasses.Contains(other.kind)
                               ? GeneralText(result.glasses[other.kind].l1_as_read) + " x " +
                                     GeneralText(result.glasses[other.kind].l2_as_read) + " "
                               : "";
  const std::string text = std::string(kOverlapQuestionStart) + size + "piece at XS " +
                           GeneralText(other.x1) + ", YS " + GeneralText(other.y1) +
                           ". Store it there?";
  return prompter.Ask({.title = kApplicationTitle,
                       .text = text,
                       .icon = PromptIcon::kQuestion,
                       .buttons = PromptButtons::kYesNo,
                       .default_answer = PromptAnswer::kNo}) == PromptAnswer::kYes;
}

// The problems the edit brings into its layout, but none of what a hand edit may change of the
// plan: asked before it is stored.
bool KeepNewProblems(const LoadedResult& result, const ElementList& edited, int layout_no,
                     Prompter& prompter) {
  std::vector<std::string> added;
  for (ResultProblem& problem : ProblemsOf(result, edited)) {
    if (problem.rule == ResultRule::kPlan || problem.layout_no != layout_no ||
        std::find(result.problems.begin(), result.problems.end(), problem) !=
            result.problems.end()) {
      continue;
    }
    added.push_back(std::move(problem.text));
  }
  if (added.empty()) return true;
  return prompter.Ask({.title = kApplicationTitle,
                       .text = ProblemList(kEditBreaksRules, added) + "\nStore it anyway?",
                       .icon = PromptIcon::kQuestion,
                       .buttons = PromptButtons::kYesNo,
                       .default_answer = PromptAnswer::kNo}) == PromptAnswer::kYes;
}

// Whether an edit that breaks a rule of the job's cutting line is stored all the same.
bool KeepLineBreak(const EngineJob* job, const ElementList& elements, Prompter& prompter) {
  if (job == nullptr || !HasLineData(*job)) return true;
  const std::vector<std::string> findings = LineRuleFindings(*job, elements);
  if (findings.empty()) return true;
  return prompter.Ask({.title = kApplicationTitle,
                       .text = "This change breaks a rule of the cutting line: " +
                               findings.front() + " Store it all the same?",
                       .icon = PromptIcon::kQuestion,
                       .buttons = PromptButtons::kYesNo,
                       .default_answer = PromptAnswer::kNo}) == PromptAnswer::kYes;
}

}  // namespace

EditUnitAnswer AskEditUnit(Unit unit, Prompter& prompter) {
  if (unit != Unit::kIn) return EditUnitAnswer::kGoOn;
  const PromptAnswer answer = prompter.Ask({.title = kApplicationTitle,
                                            .text = std::string(kEditUnitQuestion),
                                            .icon = PromptIcon::kQuestion,
                                            .buttons = PromptButtons::kOkCancel,
                                            .default_answer = PromptAnswer::kOk});
  return answer == PromptAnswer::kOk ? EditUnitAnswer::kSwitchToMM : EditUnitAnswer::kStop;
}

EditTarget EditTargetOf(const ElementList& elements, int element) {
  const bool piece = elements.Contains(element) && elements[element].kind > 0;
  return {.mode = piece ? EditMode::kMove : EditMode::kModify, .element = element};
}

std::optional<EditTarget> AdditionOf(const GlassList& glasses, int choice) {
  if (choice == 0) return EditTarget{.mode = EditMode::kAddBalance};
  if (!glasses.Contains(choice)) return std::nullopt;
  return EditTarget{.mode = EditMode::kAddGlassPiece, .glass = choice};
}

std::optional<std::string> WriteEditFile(const Workspace& workspace, const LoadedResult& result,
                                         const LayoutRange& range, const EditTarget& target) {
  EditRow row;
  switch (target.mode) {
    case EditMode::kAddBalance:
      row = NewBalanceRow(result, range.first);
      break;
    case EditMode::kAddGlassPiece:
      row = NewGlassPieceRow(result, range.first, target.glass);
      break;
    case EditMode::kMove:
    case EditMode::kModify:
      row = EditRowOf(result, target.element);
      break;
  }
  return WriteEditRow(workspace.WorkingFile(kEditFileName), row);
}

int ApplyEdit(ElementList& elements, const LayoutRange& range, const EditTarget& target,
              const EditValues& values, float kerf) {
  if (!elements.Contains(range.first) || range.last < range.first ||
      range.last > elements.Count()) {
    return 0;
  }
  const bool adding = IsAddition(target.mode);
  if (adding ? elements.Count() >= kMaxListCount
             : target.element < range.first || target.element > range.last) {
    return 0;
  }
  for (int i = range.first; i <= range.last; ++i) {
    if (elements[i].kind == kFullCut) elements[i].kind = kSpent;
  }
  int edited = target.element;
  if (adding) {
    elements = WithSlotAfter(elements, range.last);
    edited = range.last + 1;
  }
  const LayoutElement frame = elements[range.first];
  LayoutElement& e = elements[edited];
  e.x1 = values.xs;
  e.y1 = values.ys;
  e.x2 = values.xs + values.dim_x;
  e.y2 = values.ys + values.dim_y;
  e.orientation = RoundTo16Bits(values.orn);
  e.repeat = frame.repeat;
  e.layout_no = frame.layout_no;
  e.stock_index = frame.stock_index;
  if (target.mode == EditMode::kAddGlassPiece) e.kind = target.glass;
  if (target.mode == EditMode::kAddBalance) e.kind = kFreeRect;
  if (e.kind > 0 && e.x1 == 0 && e.y1 == 0 && e.x2 == 0 && e.y2 == 0) e.kind = kFreeRect;
  // A dialog closed by its window frame may leave ORN empty; a piece without a valid
  // orientation would make the whole result unreadable.
  if (e.kind > 0 && e.orientation != 1 && e.orientation != 2) {
    e.orientation = values.dim_x <= values.dim_y ? 1 : 2;
  }
  e.x2 = e.x2 + kerf;
  e.y2 = e.y2 + kerf;
  return edited;
}

std::optional<std::string> CommitEdit(const Workspace& workspace, const LoadedResult& result,
                                      int layout_no, const EditTarget& target,
                                      LayoutHistory& history, Prompter& prompter,
                                      const EngineJob* job) {
  const std::string edit_path = workspace.WorkingFile(kEditFileName);
  const std::optional<std::string> edit_bytes = ReadFileBytes(edit_path, kTableFileLimit);
  if (!edit_bytes) return "Could not read " + edit_path;

  ElementList elements = result.elements;
  const int edited = ApplyEdit(elements, RangeOfLayout(result, layout_no), target,
                               ReadEditValues(*edit_bytes), result.basic.kerf);
  if (edited == 0) return std::nullopt;
  // An overlap is asked about in its own words, and a layout that overlaps cannot be cut anyway.
  if (const int other = OverlappedPiece(elements, edited); other != 0) {
    if (!KeepOverlap(result, elements[other], prompter)) return std::nullopt;
  } else if (!KeepNewProblems(result, elements, layout_no, prompter)) {
    return std::nullopt;
  }
  if (!KeepLineBreak(job, elements, prompter)) return std::nullopt;
  const std::string dia_path = workspace.WorkingFile(kLayoutFileName);
  std::string before =
      ReadFileBytes(dia_path, kTableFileLimit).value_or(LayoutFileBytes(result.elements));
  std::string after = LayoutFileBytes(elements);
  if (const auto reason = WriteFileAtomically(dia_path, after)) {
    return SaveFailureText({dia_path, *reason});
  }
  history.Record(std::move(before), std::move(after), layout_no);
  return std::nullopt;
}

}  // namespace lumora
