#ifndef LUMORA_GUI_LAYOUTS_LAYOUT_EDITING_H_
#define LUMORA_GUI_LAYOUTS_LAYOUT_EDITING_H_

#include <QObject>
#include <QPointF>
#include <optional>
#include <string>

#include "core/layouts/layout_history.h"
#include "gui/layouts/layouts_window.h"

class QAction;

namespace lumora {

class MainWindow;

// Editing the layouts of a main window's job in its Layouts window: the tool tips and clicks
// on the drawing, toolbar button 5 (add to the layout) and 6 (alternate arrangement), and undo
// and redo (toolbar buttons 7 and 8, Ctrl+Z and Ctrl+Shift+Z). Every change rewrites dia.tlf
// and opens the Layouts window again on the same layout, with the report and the balance and
// scrap table written anew. The history lives as long as the main window and is cleared when
// the layouts are dropped.
class LayoutEditing : public QObject {
  Q_OBJECT

 public:
  // The editing of the main window, made on first use.
  static LayoutEditing& Of(MainWindow& window);

  // Gives the context the commands of toolbar buttons 5 and 6.
  void Enable(LayoutsWindowContext& context);
  // Takes over a Layouts window that has just opened: the pointer over and clicks on its
  // picture, and the undo and redo buttons and keys.
  void Attach(LayoutsWindow& layouts);

  // A mouse-down at (x, y) in millimetres of layout n of the Layouts window on view.
  void EditAt(int layout_no, QPointF at, Qt::MouseButton button);
  void AddToLayout();
  void AlternateArrangement();
  void Undo();
  void Redo();

  const LayoutHistory& history() const { return history_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit LayoutEditing(MainWindow& window);

  // Undo or redo, then the layout that changed on view.
  void Step(HistoryStep (LayoutHistory::*step)(const std::string&));
  LayoutsWindow* Current() const;
  // Closes the result windows, opens the Layouts window again on layout n and the Report and
  // Balance And Scrap Table windows that were open; answers the new Layouts window.
  LayoutsWindow* Reopen(int layout_no);
  void Tell(const std::string& text);
  // The picture position in millimetres of the layout it shows.
  std::optional<QPointF> Millimetres(const LayoutsWindow& layouts, QPointF pixel) const;

  MainWindow& window_;
  LayoutHistory history_;
  std::optional<QPointF> last_pointer_;
  bool busy_ = false;
};

// Opens the Layouts window with editing enabled; null when the result cannot be shown.
LayoutsWindow* OpenEditableLayoutsWindow(MainWindow& window, LayoutsWindowContext context);

}  // namespace lumora

#endif  // LUMORA_GUI_LAYOUTS_LAYOUT_EDITING_H_
