#ifndef LUMORA_GUI_LIBRARY_ITEM_CHOICE_WINDOW_H_
#define LUMORA_GUI_LIBRARY_ITEM_CHOICE_WINDOW_H_

#include <QDialog>
#include <optional>
#include <string>

#include "core/base/workspace.h"

class QListWidget;
class QPushButton;

namespace lumora {

// "Item Choice" (object name "ItemChoice"): the entries of products.lst in the list "Lst".
// "Select" or a double click chooses the current entry and closes the window (accepted);
// Escape closes it without a choice.
class ItemChoiceWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ItemChoiceWindow(const Workspace& workspace, QWidget* parent = nullptr);

  QListWidget* list() const { return list_; }
  // The entry chosen, once the window was accepted.
  const std::optional<std::string>& choice() const { return choice_; }

 private:
  void Select();

  QListWidget* list_;
  QPushButton* select_;
  std::optional<std::string> choice_;
};

// Shows the Item Choice modally over parent and answers the chosen entry.
std::optional<std::string> ChooseItem(const Workspace& workspace, QWidget* parent);

}  // namespace lumora

#endif  // LUMORA_GUI_LIBRARY_ITEM_CHOICE_WINDOW_H_
