#ifndef LUMORA_CORE_ENGINE2D_LINE_TREE_RECOVERY_H_
#define LUMORA_CORE_ENGINE2D_LINE_TREE_RECOVERY_H_

#include <optional>
#include <string>

#include "core/engine2d/cutting_tree.h"
#include "core/engine2d/engine_records.h"
#include "core/engine2d/line_job.h"

// A stored result read back as the cutting line would cut it, so that the line's rules can be
// checked on a result however it was made or edited, and the result written as a cutting tree.
namespace lumora {

struct LineTreeRecovered {
  std::optional<CuttingTree> tree;
  std::string error;  // when there is no tree: the layout and why
};

// The cutting tree of a result (file coordinates, as dia.tlf holds it) of the job `line_job`
// was made of. Each layout stands for as many sheets of its stock as it repeats, taken in the
// order the stock lists them; its pieces become the line's pieces of their glass row, copies
// in their stack's order as they leave the table. Every node is cut at the first stage it can
// be cut at, each cut as far as the pieces allow, except that glass without pieces too narrow
// for a strip or a row of its own stays with the part before it; the last sheet's last strip
// without pieces is the leftover when sheets go in order.
LineTreeRecovered RecoverLineTree(const LineJob& line_job, const ElementList& dia);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_LINE_TREE_RECOVERY_H_
