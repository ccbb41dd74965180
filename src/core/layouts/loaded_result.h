#ifndef LUMORA_CORE_LAYOUTS_LOADED_RESULT_H_
#define LUMORA_CORE_LAYOUTS_LOADED_RESULT_H_

#include <string>
#include <string_view>
#include <vector>

#include "core/base/prompter.h"
#include "core/engine2d/engine_input.h"
#include "core/engine2d/engine_records.h"
#include "core/engine2d/result_validator.h"
#include "core/job/job.h"

// A stored result as the Layouts window holds it: the job's lists rebuilt in the run's order
// with their real sizes, and the layout elements read from dia.tlf. The report, the balance and
// scrap table, the drawing, the editing and the labels all read this one value.
namespace lumora {

// A flaw on a layout's sheet, in file coordinates.
struct FlawBox {
  float x1 = 0;
  float y1 = 0;
  float x2 = 0;
  float y2 = 0;
};

struct LoadedResult {
  BasicDetails basic;
  // The prepared stock list; in coil mode one derived record per layout instead, at the index
  // of its layout number, whose L1 is the coil length the layout uses.
  StockList stocks;
  GlassList glasses;
  // The elements as stored: what editing changes and writes back.
  ElementList elements;
  // The elements every figure and drawing reads: the stored ones, except that coil layouts end
  // at their used length (X clipped to the derived record's L1).
  ElementList shown;
  // The index of each layout's StockFrame, by layout number.
  OneBasedList<int> frames;
  bool coil_mode = false;
  // The job's lists as its run used them (the kerf added) and its trim allowance: what any
  // element list of this result is checked against.
  EngineInput run_input;
  float trim_allowance = 0;
  // What the stored elements break of the layout rules; never a rule of belonging to the job,
  // which keeps a result from loading at all.
  std::vector<ResultProblem> problems;
  // The job knows its glass line: its layouts are cut part by part, as the line's table cuts.
  bool line_cut = false;
  // The flaws of the sheet each layout is cut from, layout n at n - 1: a layout takes the
  // sheets of its stock in the order the stock lists them, as the line plans them. Empty for a
  // job without line data.
  std::vector<std::vector<FlawBox>> flaws;
  // The stack each glass record's pieces go to, by glass index ("" for none). Empty for a job
  // without stacks.
  OneBasedList<std::string> stacks;

  int LayoutCount() const { return frames.Count(); }
  // The index in `stocks` of the record an element lies on: its stock index, in coil mode its
  // layout number.
  int StockIndexOf(const LayoutElement& element) const {
    return coil_mode ? element.layout_no : element.stock_index;
  }
  const StockRecord& StockOf(const LayoutElement& element) const {
    return stocks[StockIndexOf(element)];
  }
  // The elements of layout n in `shown`: from its StockFrame to its last element.
  int FirstOfLayout(int layout_no) const { return frames[layout_no]; }
  int LastOfLayout(int layout_no) const;
};

// The result, or why there is none: "This file was not optimized." for a missing or empty
// dia.tlf, "The layout file is damaged: <what>" when it does not hold a complete result of
// this job.
struct ResultLoad {
  LoadedResult result;
  std::string error;
};

inline constexpr std::string_view kNotOptimizedMessage = "This file was not optimized.";
inline constexpr std::string_view kDamagedLayoutPrefix = "The layout file is damaged: ";
// The heading of the layout rules that the stored layouts of a job being opened break.
inline constexpr std::string_view kStoredLayoutsBreakRules =
    "The stored layouts break the layout rules:";

// The job's stock and glass lists in the order of its run with their sizes as typed: prepared,
// the kerf added, sorted by area and the kerf taken off again. Stored indices refer to these.
EngineInput RunOrderInput(const EngineJob& job);

// Rebuilds the lists as the run did (prepare, add the kerf, sort by area, take the kerf off)
// and reads the layout file's bytes against them. A complete result numbers its layouts 1 to N
// in order, each starting with its one StockFrame, every index resolves in the lists, and
// nothing in it breaks a rule of belonging to the job (a result of another job, whose indices
// happen to resolve, is damaged too); the other problems are kept in the result.
ResultLoad LoadResultFromBytes(const EngineJob& job, std::string_view layout_bytes);
// The same for a job and its working dia.tlf.
ResultLoad LoadResult(const Job& job);

// What in a read element list keeps it from being a complete result; empty when nothing does.
std::string FindStructureDamage(const ElementList& elements);

// The problems of an element list (file coordinates) of the result's job.
std::vector<ResultProblem> ProblemsOf(const LoadedResult& result, const ElementList& elements);

// What a job being opened tells of its stored layouts: the problems that keep them from being
// cut as they are, under kStoredLayoutsBreakRules; empty when there are none.
std::string StoredLayoutsNotice(const LoadedResult& result);
// Tells StoredLayoutsNotice of the job's working dia.tlf, if any. A missing or damaged result
// is told where its layouts are shown.
void TellStoredLayoutsNotice(const Job& job, Prompter& prompter);

}  // namespace lumora

#endif  // LUMORA_CORE_LAYOUTS_LOADED_RESULT_H_
