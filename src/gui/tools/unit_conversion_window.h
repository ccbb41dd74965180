#ifndef LUMORA_GUI_TOOLS_UNIT_CONVERSION_WINDOW_H_
#define LUMORA_GUI_TOOLS_UNIT_CONVERSION_WINDOW_H_

#include <QDialog>
#include <QPointer>

#include "core/base/workspace.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace lumora {

class GridWidget;

// "Unit Conversion Tool": converts the length typed in "txt" from the unit of list "cmb0" to
// that of "cmb1" into "Ans" as it is typed. "cmd" reads "Close", or "Paste" when the tool was
// opened from a grid cell; it remembers the two units in unit.tlf and closes the tool, and
// "Paste" then types Delete and the result into that grid, through the grid's key rules. Escape
// and any loss of the focus close the tool without writing unit.tlf. Not modal; it deletes
// itself when closed. Object name "UnitConversion".
class UnitConversionWindow : public QDialog {
  Q_OBJECT

 public:
  explicit UnitConversionWindow(Workspace workspace, QWidget* parent = nullptr);

  // Presets the input with a cell's text and makes the button paste into that grid's current
  // cell.
  void PresetFromCell(GridWidget* grid);

  QLineEdit* input() const { return input_; }
  QLineEdit* output() const { return output_; }
  QComboBox* unit_list(int index) const { return index == 0 ? from_ : to_; }
  QPushButton* button() const { return button_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Convert();
  void Finish();

  Workspace workspace_;
  QLineEdit* input_;
  QLineEdit* output_;
  QComboBox* from_;
  QComboBox* to_;
  QPushButton* button_;
  QPointer<GridWidget> target_;
  bool was_active_ = false;
};

}  // namespace lumora

#endif  // LUMORA_GUI_TOOLS_UNIT_CONVERSION_WINDOW_H_
