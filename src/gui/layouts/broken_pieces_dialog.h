#ifndef LUMORA_GUI_LAYOUTS_BROKEN_PIECES_DIALOG_H_
#define LUMORA_GUI_LAYOUTS_BROKEN_PIECES_DIALOG_H_

#include <QDialog>
#include <vector>

#include "core/base/unit_and_orn.h"
#include "core/layouts/loaded_result.h"
#include "core/library/recut_job.h"

class QListWidget;
class QPushButton;

namespace lumora {

// "Broken Pieces" ("BROKEN"): every piece of the result in the list "lstPieces", layout by
// layout, the shown layout's first in view and the pieces marked on the drawing selected; the
// pieces selected there are the broken ones, and "Recut" ("cmdRecut") accepts them.
class BrokenPiecesDialog : public QDialog {
  Q_OBJECT

 public:
  BrokenPiecesDialog(const LoadedResult& result, Unit unit, int shown_layout,
                     const std::vector<PiecePlace>& marked, QWidget* parent = nullptr);

  std::vector<PiecePlace> Chosen() const;
  QListWidget* list() const { return list_; }

 private:
  std::vector<PieceChoice> choices_;
  QListWidget* list_;
  QPushButton* recut_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_LAYOUTS_BROKEN_PIECES_DIALOG_H_
