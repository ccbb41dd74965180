#ifndef LUMORA_CORE_ENGINE2D_CHALLENGE_EXPORT_H_
#define LUMORA_CORE_ENGINE2D_CHALLENGE_EXPORT_H_

#include <string>

#include "core/engine2d/engine_input.h"
#include "core/engine2d/engine_records.h"

namespace lumora {

struct CuttingTreeExport {
  std::string bytes;  // the challenge's solution file
  std::string error;  // when there is none, why
};

// A job's result (file coordinates, as dia.tlf holds it) as the cutting tree of the 2018
// ROADEF/EURO challenge, cut as the job's cutting line cuts (or the line's defaults). A piece's
// ITEM_ID is its glass row's SR.NO when every row is one piece with a whole SR.NO of its own,
// as the rows of an imported challenge instance are; else the pieces are numbered from 0 in the
// order of the glass list.
CuttingTreeExport ExportCuttingTree(const EngineJob& job, const ElementList& dia);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_CHALLENGE_EXPORT_H_
