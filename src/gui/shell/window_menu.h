#ifndef LUMORA_GUI_SHELL_WINDOW_MENU_H_
#define LUMORA_GUI_SHELL_WINDOW_MENU_H_

#include <QObject>
#include <QRect>
#include <QString>
#include <map>
#include <optional>
#include <string>

class QMdiArea;
class QMenu;

namespace lumora {

// The main window's "&Window" menu ("Tile", "Cascade", then one checkable entry per open child
// window, the active one checked) and the memory of where the child windows were: every child
// window opens where it was last closed, read from and written to the data folder's own file
// windows.pos (one line per window: its name, left, top, width, height).
class ChildWindowPlaces : public QObject {
  Q_OBJECT

 public:
  ChildWindowPlaces(QMdiArea* area, QMenu* menu, std::string places_file);
  ~ChildWindowPlaces() override;

  // The remembered place of a child window by its object name, if any.
  std::optional<QRect> PlaceOf(const QString& name) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillMenu();
  // "Cascade": the windows one below the other at the size each asks for, within the area.
  void Cascade();
  void Load();
  // Writes the places when a window moved or changed size since the last store.
  void Store();

  QMdiArea* area_;
  QMenu* menu_;
  std::string places_file_;
  std::map<QString, QRect> places_;
  bool moved_ = false;
};

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_WINDOW_MENU_H_
