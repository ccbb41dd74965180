#ifndef LUMORA_GUI_TABLES_GRID_TOOLBAR_H_
#define LUMORA_GUI_TABLES_GRID_TOOLBAR_H_

#include <QToolBar>

class QAction;

namespace lumora {

class GridWidget;

// The toolbar every grid window carries: 1 "Sort Ascending", 2 "Sort Descending", 4 "Print",
// 6 "Copy", 7 "Paste", with separators at 3 and 5, and after "Print" the added "Print Preview"
// (kPreviewButton). Its buttons run the grid's commands. Its object name is "TB".
inline constexpr int kPreviewButton = 8;

class GridToolBar : public QToolBar {
  Q_OBJECT

 public:
  explicit GridToolBar(GridWidget* grid, QWidget* parent = nullptr);

  // The button with the index; nullptr for a separator or an index without a button.
  QAction* Button(int index) const;
};

}  // namespace lumora

#endif  // LUMORA_GUI_TABLES_GRID_TOOLBAR_H_
