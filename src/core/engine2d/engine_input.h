#ifndef LUMORA_CORE_ENGINE2D_ENGINE_INPUT_H_
#define LUMORA_CORE_ENGINE2D_ENGINE_INPUT_H_

#include <vector>

#include "core/engine2d/engine_records.h"
#include "core/tables/grid.h"

namespace lumora {

class JobLine;

// What the engine takes from a job: the records read from the three job grids.
struct EngineInput {
  BasicDetails basic;
  StockList stocks;
  GlassList glasses;
  Objective objective = Objective::kNone;
};

// The job grids as the engine reads them (headers and columns of the job tables) and the two
// check marks of the Optimize menu.
struct EngineJob {
  const Grid& basic;
  const Grid& sheet;
  const Grid& glass;
  bool coil_mode = false;
  bool maximum_yield_checked = false;
  bool minimum_layouts_checked = false;
  // What the job knows of the glass line, kept beside the grids' rows; none for no line data.
  const JobLine* line = nullptr;
};

// Reads the usable stock and glass rows (data rows 1 .. Rows()-2; the last row is the entry
// row) and merges duplicates. In coil mode every stock quantity becomes 100000. A stock row is
// usable when both sizes exceed their margins, QTY > 0 and L2 <= BLADE as typed; a glass row
// when L1, L2 and QTY are positive. Unusable rows are dropped silently.
EngineInput PrepareEngineInput(const EngineJob& job);

// Moves the whole quantity of each group of records equal in every other field onto the last
// record of the group; the others stay in the list with quantity 0.
void MergeDuplicateStock(StockList& stocks);
void MergeDuplicateGlass(GlassList& glasses);

// The index of the record each data row of its grid became (by grid row, 0 for rows no record
// came from), in a list prepared by PrepareEngineInput and maybe given the kerf and sorted: the
// record a row's quantity was merged into.
std::vector<int> StockIndexOfRows(const StockList& stocks, const Grid& sheet);
std::vector<int> GlassIndexOfRows(const GlassList& glasses, const Grid& glass);

// Adds the kerf to L1 and L2 of every record; nothing when the kerf is 0.
void AddKerf(StockList& stocks, GlassList& glasses, float kerf);
// Gives every record back its L1 and L2 as read; nothing when the kerf is 0.
void RemoveKerf(StockList& stocks, GlassList& glasses, float kerf);

// Moves larger areas (L1 * L2) to the front with one sweep per distance. The order is not
// always fully descending, and it is this order that every stored index refers to.
void SortByArea(StockList& stocks, GlassList& glasses);

// The lists a run works on and its result's indices refer to: prepared, the kerf added, sorted
// by area.
EngineInput PrepareRunLists(const EngineJob& job);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_ENGINE_INPUT_H_
