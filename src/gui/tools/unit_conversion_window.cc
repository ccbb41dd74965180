#include "gui/tools/unit_conversion_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/base/file_routines.h"
#include "core/tables/table_file.h"
#include "core/tools/unit_conversion.h"
#include "gui/shell/help.h"
#include "gui/tables/grid_widget.h"

namespace lumora {
namespace {

QComboBox* UnitList(const QString& name, int selected, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  for (const std::string_view unit : kLengthUnits) {
    list->addItem(QString::fromLatin1(unit.data(), static_cast<qsizetype>(unit.size())));
  }
  list->setCurrentIndex(selected);
  return list;
}

QGroupBox* Frame(const QString& caption, QLineEdit* text, QComboBox* list, QWidget* parent) {
  auto* frame = new QGroupBox(caption, parent);
  auto* layout = new QHBoxLayout(frame);
  layout->addWidget(text, 1);
  layout->addWidget(list);
  return frame;
}

// Types a text into a grid as keystrokes, each handled before the next is sent.
void TypeInto(QWidget* grid, const QString& text) {
  const auto send = [grid](int key, const QString& character) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, character);
    QCoreApplication::sendEvent(grid, &event);
  };
  send(Qt::Key_Delete, QString());
  for (const QChar c : text) send(c.toUpper().unicode(), QString(c));
}

}  // namespace

UnitConversionWindow::UnitConversionWindow(Workspace workspace, QWidget* parent)
    : QDialog(parent), workspace_(std::move(workspace)) {
  setObjectName(QStringLiteral("UnitConversion"));
  setWindowTitle(tr("Unit Conversion Tool"));
  setAttribute(Qt::WA_DeleteOnClose);

  const UnitPair units =
      ReadUnitPair(ReadFileBytes(workspace_.SettingsFile(kUnitPairFileName), kTableFileLimit));
  input_ = new QLineEdit(this);
  input_->setObjectName(QStringLiteral("txt"));
  output_ = new QLineEdit(this);
  output_->setObjectName(QStringLiteral("Ans"));
  output_->setReadOnly(true);
  from_ = UnitList(QStringLiteral("cmb0"), units.from, this);
  to_ = UnitList(QStringLiteral("cmb1"), units.to, this);
  button_ = new QPushButton(tr("Close"), this);
  button_->setObjectName(QStringLiteral("cmd"));
  button_->setAutoDefault(false);

  auto* row = new QHBoxLayout;
  row->addWidget(Frame(tr("INPUT"), input_, from_, this), 1);
  row->addWidget(new QLabel(QStringLiteral(" ="), this));
  row->addWidget(Frame(tr("OUTPUT"), output_, to_, this), 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(button_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addLayout(buttons);
  setMinimumWidth(440);
  setTabOrder(input_, from_);
  setTabOrder(from_, output_);
  setTabOrder(output_, to_);
  setTabOrder(to_, button_);

  connect(input_, &QLineEdit::textChanged, this, &UnitConversionWindow::Convert);
  connect(from_, &QComboBox::currentIndexChanged, this, &UnitConversionWindow::Convert);
  connect(to_, &QComboBox::currentIndexChanged, this, &UnitConversionWindow::Convert);
  connect(button_, &QPushButton::clicked, this, &UnitConversionWindow::Finish);
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this,
          [this] { OpenHelpFile(QString::fromStdString(workspace_.data_folder), this); });
  input_->setFocus();
}

void UnitConversionWindow::PresetFromCell(GridWidget* grid) {
  target_ = grid;
  button_->setText(tr("Paste"));
  const Grid& cells = grid->grid();
  input_->setText(QString::fromLatin1(cells.Text(cells.row, cells.col)));
  input_->selectAll();
}

void UnitConversionWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  // The tool never stays open behind another window.
  if (isActiveWindow()) {
    was_active_ = true;
  } else if (was_active_ && isVisible()) {
    close();
  }
}

void UnitConversionWindow::Convert() {
  const std::optional<std::string> result = ConvertLength(
      input_->text().toLatin1().toStdString(), from_->currentIndex(), to_->currentIndex());
  if (result) output_->setText(QString::fromStdString(*result));
}

void UnitConversionWindow::Finish() {
  WriteFileAtomically(workspace_.SettingsFile(kUnitPairFileName),
                      UnitPairBytes({from_->currentIndex(), to_->currentIndex()}));
  const bool paste = button_->text() == tr("Paste");
  const QString result = output_->text();
  QPointer<GridWidget> target = target_;
  was_active_ = false;
  close();
  if (!paste || target == nullptr) return;
  target->setFocus();
  TypeInto(target, result);
}

}  // namespace lumora
