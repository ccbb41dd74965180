#include "gui/layouts/dia_settings_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/base/number_text.h"
#include "core/cuts/breakout_settings.h"
#include "core/job/job_messages.h"
#include "gui/shell/help.h"
#include "gui/shell/language.h"

namespace lumora {
namespace {

// The boxes as they stand on the window: what the drawing shows, then what the printout adds.
constexpr std::array<DiaFlag, 9> kDrawingFlags = {
    DiaFlag::kSheetDimensions,  DiaFlag::kMarginDimensions,
    DiaFlag::kGlassDimensions,  DiaFlag::kGlassActualDimensions,
    DiaFlag::kGlassDescription, DiaFlag::kOnlyFirstInBlock,
    DiaFlag::kGlassColor,       DiaFlag::kBalanceDimensions,
    DiaFlag::kBalanceBoundries};
constexpr std::array<DiaFlag, 2> kPrintFlags = {DiaFlag::kBasicDetailsList, DiaFlag::kBalanceList};

}  // namespace

DiaSettingsWindow::DiaSettingsWindow(Workspace workspace, Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      workspace_(std::move(workspace)),
      prompter_(prompter),
      width_(new QComboBox(this)),
      cut_order_(new QCheckBox(CoreText(kCutOrderCaption), this)),
      all_dimensions_(new QCheckBox(CoreText(kAllDimensionsCaption), this)),
      breakout_numbers_(new QCheckBox(CoreText(kBreakoutNumbersCaption), this)),
      apply_(new QPushButton(tr("Apply"), this)) {
  setObjectName(QStringLiteral("DiaSet"));
  setWindowTitle(tr("Layout Settings"));
  for (int index = 0; index < kDiaFlagCount; ++index) {
    auto* box = new QCheckBox(CoreText(kDiaFlagCaptions[static_cast<size_t>(index)]));
    box->setObjectName(QStringLiteral("chk%1").arg(index));
    boxes_[static_cast<size_t>(index)] = box;
  }
  width_->setObjectName(QStringLiteral("cmb"));
  for (int width = kMinLineWidth; width <= kMaxLineWidth; ++width) {
    width_->addItem(QString::number(width));
  }
  width_->setCurrentIndex(-1);
  apply_->setObjectName(QStringLiteral("cmdApply"));
  apply_->setDefault(true);

  auto* drawing = new QGroupBox(tr("Layout"), this);
  auto* drawing_layout = new QVBoxLayout(drawing);
  for (const DiaFlag flag : kDrawingFlags) {
    drawing_layout->addWidget(boxes_[static_cast<size_t>(flag)]);
  }
  cut_order_->setObjectName(QStringLiteral("chkCutOrder"));
  all_dimensions_->setObjectName(QStringLiteral("chkAllDimensions"));
  const CutSettings cut_settings = LoadCutSettings(workspace_);
  cut_order_->setChecked(cut_settings.cut_order);
  all_dimensions_->setChecked(cut_settings.all_dimensions);
  drawing_layout->addWidget(cut_order_);
  drawing_layout->addWidget(all_dimensions_);
  breakout_numbers_->setObjectName(QStringLiteral("chkBreakoutNumbers"));
  breakout_numbers_->setChecked(LoadBreakoutSettings(workspace_).numbers);
  drawing_layout->addWidget(breakout_numbers_);
  auto* printout = new QGroupBox(tr("Printout"), this);
  auto* print_layout = new QVBoxLayout(printout);
  for (const DiaFlag flag : kPrintFlags) print_layout->addWidget(boxes_[static_cast<size_t>(flag)]);
  auto* width_row = new QHBoxLayout;
  width_row->addWidget(new QLabel(CoreText(kLineWidthCaption), printout));
  width_row->addWidget(width_);
  print_layout->addLayout(width_row);
  print_layout->addStretch(1);

  auto* groups = new QHBoxLayout;
  groups->addWidget(drawing);
  groups->addWidget(printout);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(apply_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addLayout(buttons);

  if (HasDiaSettings(workspace_)) {
    const DiaSettings settings = LoadDiaSettings(workspace_, DiaSettings{});
    for (int index = 0; index < kDiaFlagCount; ++index) {
      boxes_[static_cast<size_t>(index)]->setChecked(settings.On(static_cast<DiaFlag>(index)));
    }
    width_->setCurrentIndex(settings.line_width - kMinLineWidth);
  }
  connect(apply_, &QPushButton::clicked, this, &DiaSettingsWindow::Apply);
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this,
          [this] { OpenHelpFile(QString::fromStdString(workspace_.data_folder)); });
}

DiaSettings DiaSettingsWindow::Chosen() const {
  DiaSettings settings;
  for (int index = 0; index < kDiaFlagCount; ++index) {
    settings.Set(static_cast<DiaFlag>(index), boxes_[static_cast<size_t>(index)]->isChecked());
  }
  // Without a width chosen the thinnest line is written.
  const int width = static_cast<int>(ReadDouble(width_->currentText().toStdString()));
  settings.line_width = width >= kMinLineWidth && width <= kMaxLineWidth ? width : kMinLineWidth;
  return settings;
}

void DiaSettingsWindow::Apply() {
  if (const auto reason = SaveDiaSettings(workspace_, Chosen())) {
    TellSaveFailure(prompter_, {workspace_.SettingsFile(kDiaSettingsFileName), *reason});
    return;
  }
  if (const auto reason = SaveCutSettings(
          workspace_, CutSettings{cut_order_->isChecked(), all_dimensions_->isChecked()})) {
    TellSaveFailure(prompter_, {workspace_.SettingsFile(kCutSettingsFileName), *reason});
    return;
  }
  BreakoutSettings breakout = LoadBreakoutSettings(workspace_);
  breakout.numbers = breakout_numbers_->isChecked();
  if (const auto reason = SaveBreakoutSettings(workspace_, breakout)) {
    TellSaveFailure(prompter_, {workspace_.SettingsFile(kBreakoutSettingsFileName), *reason});
    return;
  }
  accept();
}

}  // namespace lumora
