#ifndef LUMORA_GUI_JOB_FLAW_EDITOR_WINDOW_H_
#define LUMORA_GUI_JOB_FLAW_EDITOR_WINDOW_H_

#include <QDialog>
#include <QWidget>
#include <vector>

#include "core/job/job_line.h"

class QSpinBox;
class QTableWidget;

namespace lumora {

// One sheet drawn to fit the widget, lower-left corner at the bottom left, with its flaws
// hatched; a drag draws a new flaw, and the selected one is outlined.
class SheetFlawView : public QWidget {
  Q_OBJECT

 public:
  SheetFlawView(float length, float width, QWidget* parent = nullptr);

  void SetFlaws(std::vector<SheetFlaw> flaws, int selected);

 signals:
  // A flaw drawn by a drag, in millimetres from the sheet's lower-left corner.
  void FlawDrawn(float x, float y, float width, float height);
  void FlawClicked(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QRectF SheetRect() const;
  QPointF ToSheet(QPointF point) const;
  QRectF ToWidget(float x, float y, float width, float height) const;

  float length_;
  float width_;
  std::vector<SheetFlaw> flaws_;
  int selected_ = -1;
  bool dragging_ = false;
  QPointF drag_from_;
  QPointF drag_to_;
};

// "Flaws": the flaws of the sheets of one stock row, a table of every flaw (SHEET, X, Y, W, H in
// millimetres from the sheet's lower-left corner) beside the chosen sheet drawn with its flaws.
// Dragging on the sheet adds a flaw, Delete removes the selected one. Object name "FLAWS".
class FlawEditorWindow : public QDialog {
  Q_OBJECT

 public:
  // The row's L1 and L2 in millimetres and its number of sheets.
  FlawEditorWindow(int row, float length, float width, int sheets, std::vector<SheetFlaw> flaws,
                   QWidget* parent = nullptr);

  const std::vector<SheetFlaw>& flaws() const { return flaws_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Refill();
  void ShowSheet();
  void TableEdited(int row, int column);
  void RemoveSelected();
  int SelectedFlaw() const;

  std::vector<SheetFlaw> flaws_;
  float length_;
  float width_;
  QTableWidget* table_;
  QSpinBox* sheet_;
  SheetFlawView* view_;
  bool refilling_ = false;
};

}  // namespace lumora

#endif  // LUMORA_GUI_JOB_FLAW_EDITOR_WINDOW_H_
