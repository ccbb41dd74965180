#ifndef LUMORA_GUI_TABLES_GRID_WIDGET_H_
#define LUMORA_GUI_TABLES_GRID_WIDGET_H_

#include <QAbstractScrollArea>
#include <QColor>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/base/prompter.h"
#include "core/tables/grid.h"
#include "core/tables/grid_keys.h"
#include "core/tables/table_file.h"
#include "render/printed_line.h"

class QPrinter;

namespace lumora {

// The program-wide values a grid reads at the moment it needs them.
struct GridEnvironment {
  Unit unit_setting = Unit::kOther;
  MoveSetting move_setting = MoveSetting::kOther;
  // The name of the job file printed in grid headings; empty when the job has none.
  std::string job_file;
};

// How a data row stands out; invalid colours keep the grid's own.
struct GridRowStyle {
  QColor background;
  QColor foreground;
  bool bold = false;
};

// Shows a core Grid: the fixed header row and number column stay in place while the data cells
// scroll; columns are as many characters wide as the grid says, and zero-width columns are
// hidden. Every key goes to the grid key rules (there is no cell editor); Enter moves by the
// window's navigation rule. Its object name is "FG".
class GridWidget : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit GridWidget(QWidget* parent = nullptr);
  ~GridWidget() override;

  const Grid& grid() const { return grid_; }
  // The grid for changes in place; call Refresh() after them.
  Grid& grid() { return grid_; }
  // Replaces the grid and shows it.
  void SetGrid(Grid grid);
  // Shows the grid again after changes made through grid(): rows, widths, texts, current cell.
  void Refresh();

  // The window's name for Enter navigation ("SHEET", "CUT", ...).
  void SetWindowName(std::string name) { window_name_ = std::move(name); }
  // Where the unit and move settings and the job file name come from.
  void SetEnvironment(std::function<GridEnvironment()> source) { environment_ = std::move(source); }
  // Who answers the grid's questions; message boxes over this widget when none is set.
  void SetPrompter(Prompter* prompter) { prompter_ = prompter; }
  // Asked with every key before the key rules see it; false drops the key. Job windows ask the
  // change confirmation and lock the columns of the other unit here.
  void SetKeyGate(std::function<bool(const QKeyEvent&)> gate) { key_gate_ = std::move(gate); }
  // Asked before a paste or a sort and once more after a paste; false before drops the
  // command, true after reports JobChanged. Job windows answer with the change confirmation.
  void SetChangeGate(std::function<bool()> gate) { change_gate_ = std::move(gate); }
  // Whether typing into the last row adds an input row (on by default).
  void SetTakesNewRows(bool takes_new_rows) { takes_new_rows_ = takes_new_rows; }
  // Whether Enter moves the current cell (on by default); off, Enter goes to the key rules.
  void SetEnterNavigation(bool enter_navigation) { enter_navigation_ = enter_navigation; }
  // Gives data rows a look of their own, asked for each row as it is painted; selected cells
  // keep the selection's colours.
  void SetRowStyle(std::function<GridRowStyle(int row)> style);

  // Tool tips of the header cells, by column (an empty text or a column beyond them has none).
  void SetHeaderToolTips(std::vector<QString> tips) { header_tips_ = std::move(tips); }

  // Makes a cell current and the selection that one cell.
  void SetCurrentCell(int row, int col);
  // Makes (row, col) current and selects up to (row_sel, col_sel).
  void SetSelection(int row, int col, int row_sel, int col_sel);
  // Where a cell is drawn, in viewport coordinates; empty for a hidden column.
  QRect CellRect(int row, int col) const;

  // Prints the grid's rows (or the selected rows) with its heading. Answers false when the
  // printer could not be started.
  bool Print(QPrinter& printer, bool selection_only);
  // How the printed lines come out; as they are without one.
  void SetPrintedLineText(PrintedLineText line_text) { printed_line_text_ = line_text; }

  QSize sizeHint() const override;

 public slots:
  void SortAscending();
  void SortDescending();
  // Shows the print dialog, with all rows preselected, and prints.
  void PrintWithDialog();
  // Shows every row as printed in the print preview.
  void PrintPreview();
  // Puts the selected block on the system clipboard as tab-separated rows.
  void CopySelection();
  // Writes the system clipboard's rows into the grid from the current cell on.
  void PasteClipboard();

 signals:
  void CurrentCellChanged(int row, int col);
  // A key changed the text of this cell.
  void CellEdited(int row, int col);
  // Texts or rows changed: by a key, a paste or a sort.
  void ContentsChanged();
  // The key rules or a paste changed job data.
  void JobChanged();
  // A key in a list column asks for the column's choice list.
  void ItemChoiceRequested(int row, int col);

 protected:
  bool viewportEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct Hit {
    int row = -1;
    int col = -1;
  };

  void Relayout();
  // A cell as it is shown: the header row in the desktop's language.
  QString ShownText(int row, int col) const;
  void UpdateScrollBars();
  int ColumnPixels(int col) const;
  int ContentWidth() const;
  Hit HitTest(QPoint point) const;
  bool Navigate(const QKeyEvent& event);
  void MoveTo(int row, int col, bool extend);
  void EnsureVisible(int row, int col);
  void Report(const KeyOutcome& outcome);
  void Sort(SortOrder order);
  void PaintCell(QPainter& painter, int row, int col, QRect rect) const;
  Prompter& prompter();

  Grid grid_;
  std::string window_name_;
  std::function<GridEnvironment()> environment_;
  Prompter* prompter_ = nullptr;
  std::unique_ptr<Prompter> own_prompter_;
  std::function<bool(const QKeyEvent&)> key_gate_;
  std::function<bool()> change_gate_;
  std::function<GridRowStyle(int row)> row_style_;
  std::vector<QString> header_tips_;
  bool takes_new_rows_ = true;
  PrintedLineText printed_line_text_ = nullptr;
  bool enter_navigation_ = true;
  bool dragging_ = false;

  // Pixel geometry as of the last Relayout(): the width of every column (0 when hidden) and
  // the left edge of each column within the scrolling area (col 0 is fixed).
  std::vector<int> col_width_;
  std::vector<int> col_x_;
  int char_width_ = 8;
  int row_height_ = 20;
};

}  // namespace lumora

#endif  // LUMORA_GUI_TABLES_GRID_WIDGET_H_
