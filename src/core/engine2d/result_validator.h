#ifndef LUMORA_CORE_ENGINE2D_RESULT_VALIDATOR_H_
#define LUMORA_CORE_ENGINE2D_RESULT_VALIDATOR_H_

#include <string>
#include <string_view>
#include <vector>

#include "core/engine2d/engine_input.h"
#include "core/engine2d/engine_records.h"

// Checks a result against its job, whichever engine made it or however it was edited: every
// layout on a stock the job has, pieces inside the usable area with their size (kerf included)
// and an orientation their ORN allows, no two pieces closer than the cut width, every layout
// cut edge to edge stage after stage, every piece wanted placed exactly once, no more sheets
// than there are, and in sheet mode no leftover with a side below B (MM).
namespace lumora {

// Which promise a problem breaks. A run keeps all three; a hand edit may change what the plan
// holds (the report marks it), but a plan that cannot be cut is asked about, and one that is
// not the job's is not shown at all.
enum class ResultRule {
  // The result is this job's: layouts numbered in order, each one stock frame the size of a
  // stock of the job, whole sheets, pieces of the job's glass sizes at their size either way.
  kBelongs,
  // A cutter can cut it: pieces inside the usable area, in an orientation their ORN allows,
  // apart from each other and parted by edge-to-edge cuts.
  kCuts,
  // It is the plan a run makes: every piece wanted placed once, no more sheets than there are,
  // every element on its layout's stock and Repeat, every piece lying as its orientation says,
  // every leftover inside the usable area and, in sheet mode, no side of one below B (MM).
  kPlan,
};

struct ResultProblem {
  ResultRule rule = ResultRule::kBelongs;
  int layout_no = 0;  // 0 for the result as a whole
  std::string text;   // one sentence, naming the layout

  bool operator==(const ResultProblem&) const = default;
};

// Every problem of a result in engine coordinates; `prepared` is the job as a run prepares it
// (kerf added, sorted).
std::vector<ResultProblem> FindResultProblems(const EngineInput& prepared, float trim_allowance,
                                              bool coil_mode, const ElementList& elements);

// The problems under a heading, one a line; past the first eight, how many more there are.
std::string ProblemList(std::string_view heading, const std::vector<std::string>& problems);

// The texts of problems.
std::vector<std::string> ProblemTexts(const std::vector<ResultProblem>& problems);

// The texts of FindResultProblems; empty for a valid result.
std::vector<std::string> ValidateEngineResult(const EngineInput& prepared, float trim_allowance,
                                              bool coil_mode, const ElementList& elements);

// The same for a result as dia.tlf holds it (file coordinates) against the job's grids; for a
// job that knows its glass line, also every rule of the line (RecoverLineTree,
// ValidateCuttingTree), each finding naming the glass row's piece or the cut.
std::vector<std::string> ValidateResult(const EngineJob& job, float trim_allowance,
                                        const ElementList& dia);

// The rules of the job's glass line a result (file coordinates) breaks, each naming the piece or
// the cut, as the table would cut the result; the job's line settings or their defaults.
std::vector<std::string> LineRuleFindings(const EngineJob& job, const ElementList& dia);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_RESULT_VALIDATOR_H_
