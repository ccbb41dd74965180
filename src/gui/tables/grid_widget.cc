#include "gui/tables/grid_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

#include "core/tables/grid_clipboard.h"
#include "core/tables/grid_print.h"
#include "core/tables/table_file.h"
#include "gui/shell/language.h"
#include "gui/shell/message_box_prompter.h"
#include "gui/shell/print_preview.h"
#include "gui/tables/grid_printing.h"

namespace lumora {
namespace {

// Blank pixels left and right of a cell's text.
constexpr int kPad = 4;

// The desktop's key code of a key, as the key-down rules know them. Qt's codes agree with it
// for letters, digits and the space bar only (Qt's "." is the desktop's Delete).
int DesktopKeyCode(const QKeyEvent& event) {
  const int key = event.key();
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z) ||
      key == Qt::Key_Space) {
    return key;
  }
  switch (key) {
    case Qt::Key_Delete:
      return kKeyDelete;
    case Qt::Key_Backspace:
      return kKeyBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kKeyEnter;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    default:
      return 0;
  }
}

// The Latin-1 character a key types, Backspace and Enter included; 0 for keys that type none.
char KeyCharacter(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Backspace:
      return kKeyBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kKeyEnter;
    default:
      break;
  }
  const QString text = event.text();
  if (text.size() != 1) return 0;
  const char16_t code = text.at(0).unicode();
  if (code < 32 || code == 127 || code > 255) return 0;
  return static_cast<char>(code);
}

bool Between(int value, int a, int b) { return value >= std::min(a, b) && value <= std::max(a, b); }

}  // namespace

GridWidget::GridWidget(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName(QStringLiteral("FG"));
  setFocusPolicy(Qt::StrongFocus);
  Relayout();
}

GridWidget::~GridWidget() = default;

void GridWidget::SetGrid(Grid grid) {
  grid_ = std::move(grid);
  Refresh();
}

void GridWidget::Refresh() {
  const int last_row = std::max(1, grid_.Rows() - 1);
  const int last_col = std::max(1, grid_.Cols() - 1);
  grid_.row = std::clamp(grid_.row, 1, last_row);
  grid_.col = std::clamp(grid_.col, 1, last_col);
  grid_.row_sel = std::clamp(grid_.row_sel, 1, last_row);
  grid_.col_sel = std::clamp(grid_.col_sel, 1, last_col);
  Relayout();
}

QString GridWidget::ShownText(int row, int col) const {
  // The headers are in the desktop's language, the cells as the files hold them.
  return row == 0 ? CoreText(grid_.Text(row, col)) : QString::fromLatin1(grid_.Text(row, col));
}

void GridWidget::Relayout() {
  const QFontMetrics metrics = fontMetrics();
  char_width_ = std::max(metrics.horizontalAdvance(QLatin1Char('0')), metrics.averageCharWidth());
  row_height_ = metrics.height() + 6;
  col_width_.assign(static_cast<size_t>(grid_.Cols()), 0);
  for (int c = 0; c < grid_.Cols(); ++c) {
    if (grid_.ColWidth(c) == 0) continue;
    const int header = metrics.horizontalAdvance(ShownText(0, c));
    // Glyph advances are fractional: a run of characters is wider than their rounded width
    // times their count, and the last ones of a full cell would be cut off.
    const int run = metrics.horizontalAdvance(QString(grid_.ColWidth(c), QLatin1Char('0')));
    col_width_[static_cast<size_t>(c)] =
        std::max({grid_.ColWidth(c) * char_width_, run, header}) + 2 * kPad;
  }
  col_x_.assign(static_cast<size_t>(std::max(1, grid_.Cols())) + 1, 0);
  int x = 0;
  for (int c = 1; c < grid_.Cols(); ++c) {
    col_x_[static_cast<size_t>(c)] = x;
    x += ColumnPixels(c);
  }
  col_x_.back() = x;
  UpdateScrollBars();
  updateGeometry();
  viewport()->update();
}

int GridWidget::ColumnPixels(int col) const {
  if (col < 0 || col >= static_cast<int>(col_width_.size())) return 0;
  return col_width_[static_cast<size_t>(col)];
}

int GridWidget::ContentWidth() const { return col_x_.back(); }

void GridWidget::UpdateScrollBars() {
  const int fixed = ColumnPixels(0);
  const int width = std::max(0, viewport()->width() - fixed);
  horizontalScrollBar()->setRange(0, std::max(0, ContentWidth() - width));
  horizontalScrollBar()->setPageStep(width);
  horizontalScrollBar()->setSingleStep(2 * char_width_);
  const int height = std::max(0, viewport()->height() - row_height_);
  const int content = std::max(0, grid_.Rows() - 1) * row_height_;
  verticalScrollBar()->setRange(0, std::max(0, content - height));
  verticalScrollBar()->setPageStep(height);
  verticalScrollBar()->setSingleStep(row_height_);
}

QRect GridWidget::CellRect(int row, int col) const {
  if (row < 0 || row >= grid_.Rows() || col < 0 || col >= grid_.Cols()) return {};
  const int width = ColumnPixels(col);
  if (width == 0) return {};
  const int x = col == 0 ? 0
                         : ColumnPixels(0) + col_x_[static_cast<size_t>(col)] -
                               horizontalScrollBar()->value();
  const int y = row == 0 ? 0 : row * row_height_ - verticalScrollBar()->value();
  return QRect(x, y, width, row_height_);
}

bool GridWidget::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QAbstractScrollArea::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const Hit hit = HitTest(help->pos());
  const bool has_tip = hit.row == 0 && hit.col >= 0 &&
                       hit.col < static_cast<int>(header_tips_.size()) &&
                       !header_tips_[static_cast<size_t>(hit.col)].isEmpty();
  if (has_tip) {
    QToolTip::showText(help->globalPos(), header_tips_[static_cast<size_t>(hit.col)], viewport());
  } else {
    QToolTip::hideText();
    event->ignore();
  }
  return true;
}

GridWidget::Hit GridWidget::HitTest(QPoint point) const {
  Hit hit;
  if (point.y() < row_height_) {
    hit.row = 0;
  } else {
    const int row = (point.y() + verticalScrollBar()->value()) / row_height_;
    if (row < grid_.Rows()) hit.row = row;
  }
  const int fixed = ColumnPixels(0);
  if (point.x() < fixed) {
    hit.col = 0;
    return hit;
  }
  const int x = point.x() - fixed + horizontalScrollBar()->value();
  for (int c = 1; c < grid_.Cols(); ++c) {
    const int left = col_x_[static_cast<size_t>(c)];
    if (x >= left && x < left + ColumnPixels(c)) {
      hit.col = c;
      break;
    }
  }
  return hit;
}

void GridWidget::SetCurrentCell(int row, int col) { MoveTo(row, col, false); }

void GridWidget::SetSelection(int row, int col, int row_sel, int col_sel) {
  MoveTo(row, col, false);
  grid_.row_sel = std::clamp(row_sel, 1, std::max(1, grid_.Rows() - 1));
  grid_.col_sel = std::clamp(col_sel, 1, std::max(1, grid_.Cols() - 1));
  viewport()->update();
}

void GridWidget::MoveTo(int row, int col, bool extend) {
  row = std::clamp(row, 1, std::max(1, grid_.Rows() - 1));
  col = std::clamp(col, 1, std::max(1, grid_.Cols() - 1));
  bool moved = false;
  if (extend) {
    grid_.row_sel = row;
    grid_.col_sel = col;
  } else {
    moved = row != grid_.row || col != grid_.col;
    grid_.row = grid_.row_sel = row;
    grid_.col = grid_.col_sel = col;
  }
  EnsureVisible(row, col);
  viewport()->update();
  if (moved) emit CurrentCellChanged(row, col);
}

void GridWidget::EnsureVisible(int row, int col) {
  // Before the widget is shown its viewport has no real size to scroll for.
  if (!isVisible()) return;
  const QRect rect = CellRect(row, col);
  if (rect.isEmpty()) return;
  QScrollBar* horizontal = horizontalScrollBar();
  const int fixed = ColumnPixels(0);
  if (rect.right() >= viewport()->width()) {
    horizontal->setValue(horizontal->value() + rect.right() - viewport()->width() + 1);
  }
  const int left = CellRect(row, col).left();
  if (left < fixed) horizontal->setValue(horizontal->value() - (fixed - left));
  QScrollBar* vertical = verticalScrollBar();
  if (rect.bottom() >= viewport()->height()) {
    vertical->setValue(vertical->value() + rect.bottom() - viewport()->height() + 1);
  }
  const int top = CellRect(row, col).top();
  if (top < row_height_) vertical->setValue(vertical->value() - (row_height_ - top));
}

bool GridWidget::Navigate(const QKeyEvent& event) {
  const bool extend = event.modifiers() & Qt::ShiftModifier;
  const bool control = event.modifiers() & Qt::ControlModifier;
  int row = extend ? grid_.row_sel : grid_.row;
  int col = extend ? grid_.col_sel : grid_.col;
  const int page = std::max(1, (viewport()->height() - row_height_) / row_height_);
  switch (event.key()) {
    case Qt::Key_Left:
      col = PreviousVisibleColumn(grid_, col);
      break;
    case Qt::Key_Right:
      col = NextVisibleColumn(grid_, col);
      break;
    case Qt::Key_Up:
      --row;
      break;
    case Qt::Key_Down:
      ++row;
      break;
    case Qt::Key_PageUp:
      row -= page;
      break;
    case Qt::Key_PageDown:
      row += page;
      break;
    case Qt::Key_Home:
      col = FirstVisibleColumn(grid_, col);
      if (control) row = 1;
      break;
    case Qt::Key_End:
      col = LastVisibleColumn(grid_, col);
      if (control) row = grid_.Rows() - 1;
      break;
    default:
      return false;
  }
  MoveTo(row, col, extend);
  return true;
}

void GridWidget::Report(const KeyOutcome& outcome) {
  if (outcome.job_changed) emit JobChanged();
  if (outcome.cell_changed) {
    UpdateScrollBars();
    viewport()->update();
    emit CellEdited(grid_.row, grid_.col);
    emit ContentsChanged();
  }
  if (outcome.action == KeyAction::kOpenList) {
    QApplication::beep();
    emit ItemChoiceRequested(grid_.row, grid_.col);
  }
}

void GridWidget::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    CopySelection();
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    PasteClipboard();
    return;
  }
  if (key_gate_ && !key_gate_(*event)) return;

  const KeyOutcome down = GridKeyDown(grid_, DesktopKeyCode(*event));
  Report(down);
  if (down.action == KeyAction::kPass && Navigate(*event)) return;
  const char key = KeyCharacter(*event);
  if (key == 0 || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    if (down.action == KeyAction::kPass) QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  if (key == kKeyEnter && enter_navigation_) {
    const GridEnvironment environment = environment_ ? environment_() : GridEnvironment{};
    const CellPosition to =
        EnterNavigation(grid_, {window_name_, environment.unit_setting, environment.move_setting});
    MoveTo(to.row, to.col, false);
    return;
  }
  Report(TypeKey(grid_, key, takes_new_rows_));
}

void GridWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  setFocus(Qt::MouseFocusReason);
  const Hit hit = HitTest(event->position().toPoint());
  if (hit.row < 0 || hit.col < 0 || grid_.Rows() < 2 || grid_.Cols() < 2) return;
  const int last_row = grid_.Rows() - 1;
  const int first_col = FirstVisibleColumn(grid_, 1);
  const int last_col = LastVisibleColumn(grid_, 1);
  if (hit.row == 0 && hit.col == 0) {
    SetSelection(1, first_col, last_row, last_col);
  } else if (hit.row == 0) {
    SetSelection(1, hit.col, last_row, hit.col);
  } else if (hit.col == 0) {
    SetSelection(hit.row, first_col, hit.row, last_col);
  } else {
    MoveTo(hit.row, hit.col, event->modifiers() & Qt::ShiftModifier);
    dragging_ = true;
  }
}

void GridWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const Hit hit = HitTest(event->position().toPoint());
  if (hit.row > 0 && hit.col > 0) MoveTo(hit.row, hit.col, true);
}

void GridWidget::mouseReleaseEvent(QMouseEvent* event) {
  dragging_ = false;
  QAbstractScrollArea::mouseReleaseEvent(event);
}

void GridWidget::focusInEvent(QFocusEvent* event) {
  viewport()->update();
  QAbstractScrollArea::focusInEvent(event);
}

void GridWidget::focusOutEvent(QFocusEvent* event) {
  dragging_ = false;
  viewport()->update();
  QAbstractScrollArea::focusOutEvent(event);
}

void GridWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void GridWidget::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) Relayout();
}

void GridWidget::PaintCell(QPainter& painter, int row, int col, QRect rect) const {
  const QPalette& colors = palette();
  const bool fixed = row == 0 || col == 0;
  const bool in_rows = Between(row, grid_.row, grid_.row_sel);
  const bool in_cols = Between(col, grid_.col, grid_.col_sel);
  const bool current = row == grid_.row && col == grid_.col;
  const bool selected = !fixed && !current && in_rows && in_cols;
  const GridRowStyle style = !fixed && row_style_ ? row_style_(row) : GridRowStyle{};
  QColor background = colors.color(fixed ? QPalette::Button : QPalette::Base);
  if (style.background.isValid()) background = style.background;
  if (selected) background = colors.color(QPalette::Highlight);
  // The headers of the selected rows and columns are shaded, so the eye finds the cell.
  if ((row == 0 && col > 0 && in_cols) || (col == 0 && row > 0 && in_rows)) {
    background = background.darker(112);
  }
  painter.fillRect(rect, background);
  const QColor line =
      fixed ? colors.color(QPalette::Dark) : colors.color(QPalette::Midlight).darker(115);
  painter.setPen(line);
  painter.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
  painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
  QColor text = colors.color(selected ? QPalette::HighlightedText
                                      : (fixed ? QPalette::ButtonText : QPalette::Text));
  if (!selected && style.foreground.isValid()) text = style.foreground;
  painter.setPen(text);
  if (style.bold) {
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
  }
  painter.drawText(rect.adjusted(kPad, 0, -kPad, -1), Qt::AlignLeft | Qt::AlignVCenter,
                   ShownText(row, col));
  if (style.bold) painter.setFont(font());
}

void GridWidget::SetRowStyle(std::function<GridRowStyle(int row)> style) {
  row_style_ = std::move(style);
  viewport()->update();
}

void GridWidget::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const int width = viewport()->width();
  const int height = viewport()->height();
  painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
  const int fixed = ColumnPixels(0);
  const int first_row = std::max(1, 1 + verticalScrollBar()->value() / row_height_);
  const int last_row = std::min(grid_.Rows() - 1, first_row + height / row_height_ + 1);
  auto visible = [&](const QRect& rect) {
    return !rect.isEmpty() && rect.right() >= fixed && rect.left() < width;
  };

  const QRect data_area(fixed, row_height_, width - fixed, height - row_height_);
  painter.setClipRect(data_area);
  for (int r = first_row; r <= last_row; ++r) {
    for (int c = 1; c < grid_.Cols(); ++c) {
      const QRect rect = CellRect(r, c);
      if (visible(rect)) PaintCell(painter, r, c, rect);
    }
  }
  const QRect current = CellRect(grid_.row, grid_.col);
  if (!current.isEmpty() && grid_.row < grid_.Rows()) {
    painter.setPen(QPen(palette().color(hasFocus() ? QPalette::Highlight : QPalette::Dark),
                        hasFocus() ? 2 : 1));
    painter.drawRect(hasFocus() ? current.adjusted(1, 1, -1, -1) : current.adjusted(0, 0, -1, -1));
  }

  painter.setClipRect(QRect(fixed, 0, width - fixed, row_height_));
  for (int c = 1; c < grid_.Cols(); ++c) {
    const QRect rect = CellRect(0, c);
    if (visible(rect)) PaintCell(painter, 0, c, rect);
  }
  if (fixed > 0) {
    painter.setClipRect(QRect(0, row_height_, fixed, height - row_height_));
    for (int r = first_row; r <= last_row; ++r) PaintCell(painter, r, 0, CellRect(r, 0));
    painter.setClipping(false);
    if (grid_.Rows() > 0) PaintCell(painter, 0, 0, CellRect(0, 0));
  }
}

QSize GridWidget::sizeHint() const {
  const int frame = 2 * frameWidth();
  const int width =
      ColumnPixels(0) + ContentWidth() + frame + verticalScrollBar()->sizeHint().width();
  const int rows = std::clamp(grid_.Rows(), 2, 12);
  return QSize(std::min(width, 1000),
               rows * row_height_ + frame + horizontalScrollBar()->sizeHint().height());
}

Prompter& GridWidget::prompter() {
  if (prompter_ != nullptr) return *prompter_;
  if (!own_prompter_) own_prompter_ = std::make_unique<MessageBoxPrompter>(this);
  return *own_prompter_;
}

void GridWidget::SortAscending() { Sort(SortOrder::kAscending); }

void GridWidget::SortDescending() { Sort(SortOrder::kDescending); }

void GridWidget::Sort(SortOrder order) {
  if (grid_.Rows() < 2 || grid_.Cols() < 2) return;
  // The stored layouts refer to the rows in their order: a job grid is sorted only once they
  // are dropped.
  if (change_gate_ && !change_gate_()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  // A store that fails leaves the table file as it was; the grid shows the sorted rows.
  (void)SortTable(grid_, order);
  QApplication::restoreOverrideCursor();
  setFocus();
  Refresh();
  EnsureVisible(grid_.row, grid_.col);
  emit ContentsChanged();
  emit CurrentCellChanged(grid_.row, grid_.col);
}

void GridWidget::CopySelection() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(QString::fromLatin1(lumora::CopySelection(grid_)));
}

void GridWidget::PasteClipboard() {
  if (change_gate_ && !change_gate_()) return;
  const QByteArray text = QGuiApplication::clipboard()->text().toLatin1();
  const std::string_view bytes(text.constData(), static_cast<size_t>(text.size()));
  if (!lumora::PasteClipboard(grid_, bytes, prompter())) return;
  Refresh();
  emit ContentsChanged();
  if (change_gate_ && change_gate_()) emit JobChanged();
}

bool GridWidget::Print(QPrinter& printer, bool selection_only) {
  GridPrintRequest request;
  if (environment_) request.job_file = environment_().job_file;
  request.date = PrintDate();
  for (const QWidget* widget = this; widget != nullptr; widget = widget->parentWidget()) {
    if (!widget->windowTitle().isEmpty()) {
      request.caption = widget->windowTitle().toLatin1().toStdString();
      break;
    }
  }
  request.selection_only = selection_only;
  return PrintOnPrinter(printer, PrintGrid(grid_, request), printed_line_text_);
}

void GridWidget::PrintPreview() {
  ShowPrintPreview(this, tr("Print Preview"),
                   [this](QPrinter& printer) { (void)Print(printer, false); });
}

void GridWidget::PrintWithDialog() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
  dialog.setPrintRange(QAbstractPrintDialog::AllPages);
  if (dialog.exec() != QDialog::Accepted) return;
  // Printer errors are absorbed: the command simply ends.
  (void)Print(printer, printer.printRange() == QPrinter::Selection);
}

}  // namespace lumora
