#ifndef LUMORA_GUI_JOB_CUTTING_LINE_WINDOW_H_
#define LUMORA_GUI_JOB_CUTTING_LINE_WINDOW_H_

#include <QDialog>
#include <optional>

#include "core/job/line_settings.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;

namespace lumora {

// "Cutting Line": the rules of the job's cutting table. With "Cut this job on the cutting line"
// unchecked the job has no settings of its own (its flaws and stacks still tie it to the line).
// Lengths are millimetres; 0 sets no limit. Object name "LINE".
class CuttingLineWindow : public QDialog {
  Q_OBJECT

 public:
  CuttingLineWindow(const std::optional<CuttingLineSettings>& settings, QWidget* parent = nullptr);

  // What the window holds now.
  std::optional<CuttingLineSettings> settings() const;

 private:
  QGroupBox* on_line_;
  QComboBox* stages_;
  QComboBox* first_cut_;
  QDoubleSpinBox* min_strip_;
  QDoubleSpinBox* max_strip_;
  QDoubleSpinBox* min_row_;
  QDoubleSpinBox* min_waste_;
  QCheckBox* through_flaws_;
  QCheckBox* in_order_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_JOB_CUTTING_LINE_WINDOW_H_
