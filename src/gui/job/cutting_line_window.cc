#include "gui/job/cutting_line_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace lumora {
namespace {

constexpr double kLongestLength = 99999;

QDoubleSpinBox* LengthBox(float value, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setRange(0, kLongestLength);
  box->setDecimals(1);
  box->setSuffix(QStringLiteral(" mm"));
  box->setSpecialValueText(CuttingLineWindow::tr("no limit"));
  box->setValue(value);
  return box;
}

}  // namespace

CuttingLineWindow::CuttingLineWindow(const std::optional<CuttingLineSettings>& settings,
                                     QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("LINE"));
  setWindowTitle(tr("Cutting Line"));
  const CuttingLineSettings shown = settings.value_or(CuttingLineSettings{});

  on_line_ = new QGroupBox(tr("Cut this job on the cutting line"), this);
  on_line_->setCheckable(true);
  on_line_->setChecked(settings.has_value());
  auto* form = new QFormLayout(on_line_);

  stages_ = new QComboBox(on_line_);
  stages_->addItem(tr("2 stages"), static_cast<int>(LineStages::kTwo));
  stages_->addItem(tr("3 stages"), static_cast<int>(LineStages::kThree));
  stages_->addItem(tr("3 stages and a trim cut"), static_cast<int>(LineStages::kThreeWithTrim));
  stages_->addItem(tr("Unlimited"), static_cast<int>(LineStages::kUnlimited));
  stages_->setCurrentIndex(stages_->findData(static_cast<int>(shown.stages)));
  form->addRow(tr("&Stages:"), stages_);

  first_cut_ = new QComboBox(on_line_);
  first_cut_->addItem(tr("Vertical (strips side by side)"), static_cast<int>(FirstCut::kVertical));
  first_cut_->addItem(tr("Horizontal (strips one above another)"),
                      static_cast<int>(FirstCut::kHorizontal));
  first_cut_->setCurrentIndex(first_cut_->findData(static_cast<int>(shown.first_cut)));
  form->addRow(tr("&First cut:"), first_cut_);

  min_strip_ = LengthBox(shown.min_strip_width, on_line_);
  form->addRow(tr("Strip width, l&east:"), min_strip_);
  max_strip_ = LengthBox(shown.max_strip_width, on_line_);
  form->addRow(tr("Strip width, &most:"), max_strip_);
  min_row_ = LengthBox(shown.min_row_height, on_line_);
  form->addRow(tr("&Row height, least:"), min_row_);
  min_waste_ = LengthBox(shown.min_waste, on_line_);
  form->addRow(tr("&Waste width, least:"), min_waste_);

  through_flaws_ = new QCheckBox(tr("&Cuts may pass through flaws"), on_line_);
  through_flaws_->setChecked(shown.cuts_through_flaws);
  form->addRow(through_flaws_);
  in_order_ = new QCheckBox(tr("Sheets are used in their listed &order"), on_line_);
  in_order_->setChecked(shown.sheets_in_order);
  form->addRow(in_order_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(on_line_);
  layout->addWidget(buttons);
}

std::optional<CuttingLineSettings> CuttingLineWindow::settings() const {
  if (!on_line_->isChecked()) return std::nullopt;
  CuttingLineSettings settings;
  settings.stages = static_cast<LineStages>(stages_->currentData().toInt());
  settings.first_cut = static_cast<FirstCut>(first_cut_->currentData().toInt());
  settings.min_strip_width = static_cast<float>(min_strip_->value());
  settings.max_strip_width = static_cast<float>(max_strip_->value());
  settings.min_row_height = static_cast<float>(min_row_->value());
  settings.min_waste = static_cast<float>(min_waste_->value());
  settings.cuts_through_flaws = through_flaws_->isChecked();
  settings.sheets_in_order = in_order_->isChecked();
  return settings;
}

}  // namespace lumora
