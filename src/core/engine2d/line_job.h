#ifndef LUMORA_CORE_ENGINE2D_LINE_JOB_H_
#define LUMORA_CORE_ENGINE2D_LINE_JOB_H_

#include <optional>
#include <string>
#include <vector>

#include "core/engine2d/cutting_line.h"
#include "core/engine2d/cutting_tree.h"
#include "core/engine2d/engine_input.h"
#include "core/engine2d/engine_records.h"

// A job that knows the glass line as the line's search takes it, and a plan of the search back
// as the job's result.
//
// The job's lengths are millimetres; the line's are whole units of a grid as fine as the job's
// lengths need (1, 1/10 or 1/100 mm; pieces rounded up, sheets down, flaws outward). The kerf is
// the width of a cut: as the standard engine does, the line adds it to every sheet and piece
// size, so that a piece's part of the plan is its glass and the cut after it, and the rules'
// lengths grow by it, since every part the table breaks carries one cut. Margins are trimmed off
// before the line cuts: the line's sheet is the usable area, and a flaw in a margin goes with
// it. B (MM), the least side of a leftover, raises the least waste width where it is larger,
// so that a plan is a result the layout rules take. The trim allowance (T (MM)) lets the
// standard engine give a piece a cell a little smaller; the line cuts pieces to their size.
namespace lumora {

// A sheet of the plan: sheet `number` (1..QTY) of a Sheet grid row.
struct LineJobSheet {
  int stock_index = 0;  // into the prepared StockList
  int grid_row = 0;
  int number = 0;
};

// A piece of the plan: one of the QTY pieces of a Glass grid row (its LinePiece id).
struct LineJobPiece {
  int glass_index = 0;  // into the prepared GlassList
  int grid_row = 0;
};

struct LineJob {
  // Sheets in the order the stock lists them, row by row and 1..QTY within a row; pieces row by
  // row. A stack's pieces are numbered in the order they leave the table.
  LineProblem problem;
  double unit_mm = 1;  // millimetres per unit
  // The job as a run prepares it: merged, kerf added, sorted by area.
  EngineInput prepared;
  std::vector<LineJobSheet> sheets;  // by problem sheet
  std::vector<LineJobPiece> pieces;  // by problem piece
  // Given but not planned with: flaws of a sheet beyond their row's QTY or off their sheet,
  // and sheets beyond the most a plan takes.
  int flaws_left_out = 0;
  int sheets_left_out = 0;
};

struct LineJobMade {
  std::optional<LineJob> line_job;
  std::string error;  // when there is none, why
};

// Whether the job knows the line (settings, flaws or stacks): then only the line's search may
// plan it, since no other engine keeps its rules.
bool HasLineData(const EngineJob& job);

// The job's line problem, its rules those of the job's "Cutting Line" settings (or their
// defaults), the stock and glass rows the engine would use.
LineJobMade MakeLineJob(const EngineJob& job);

// The plan as dia.tlf holds a result (file coordinates): a layout of Repeat 1 for each sheet in
// cutting order with its frame and margins, then its pieces with their glass index and
// orientation, every waste part and the leftover as a free rectangle, and the first cuts as full
// cuts. The tree is one planned for line_job.problem.
ElementList LineTreeElements(const LineJob& line_job, const CuttingTree& tree);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_LINE_JOB_H_
