#include "core/engine2d/challenge_export.h"

#include <limits>
#include <optional>
#include <set>
#include <vector>

#include "core/base/number_text.h"
#include "core/engine2d/challenge_solution.h"
#include "core/engine2d/line_job.h"
#include "core/engine2d/line_tree_recovery.h"
#include "core/job/job_tables.h"

namespace lumora {
namespace {

// The SR.NO of each piece's row, when every piece has a whole one of its own.
std::optional<std::vector<int32_t>> SerialNumbers(const LineJob& line_job, const Grid& glass) {
  std::vector<int32_t> ids;
  std::set<int32_t> seen;
  for (const LineJobPiece& piece : line_job.pieces) {
    const std::optional<int> id =
        WholeNumberWithin(ReadFloat(glass.Text(piece.grid_row, glass_col::kSrNo)), 0,
                          std::numeric_limits<int>::max());
    if (!id || !seen.insert(*id).second) return std::nullopt;
    ids.push_back(*id);
  }
  return ids;
}

}  // namespace

CuttingTreeExport ExportCuttingTree(const EngineJob& job, const ElementList& dia) {
  CuttingTreeExport result;
  if (dia.Empty()) {
    result.error = "The job has no result to write as a cutting tree.";
    return result;
  }
  LineJobMade made = MakeLineJob(job);
  if (!made.line_job) {
    result.error = made.error;
    return result;
  }
  LineJob& line_job = *made.line_job;
  const LineTreeRecovered recovered = RecoverLineTree(line_job, dia);
  if (!recovered.tree) {
    result.error = recovered.error;
    return result;
  }
  const std::optional<std::vector<int32_t>> serials = SerialNumbers(line_job, job.glass);
  std::vector<LinePiece>& pieces = line_job.problem.pieces;
  for (size_t i = 0; i < pieces.size(); ++i) {
    pieces[i].id = serials ? (*serials)[i] : static_cast<int32_t>(i);
  }
  result.bytes = WriteChallengeSolution(line_job.problem, *recovered.tree);
  return result;
}

}  // namespace lumora
