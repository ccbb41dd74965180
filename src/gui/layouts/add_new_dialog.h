#ifndef LUMORA_GUI_LAYOUTS_ADD_NEW_DIALOG_H_
#define LUMORA_GUI_LAYOUTS_ADD_NEW_DIALOG_H_

#include <QDialog>
#include <string>

#include "core/base/prompter.h"

class QListWidget;
class QPushButton;

namespace lumora {

// "AddNew": what can be added to the layout, listed from addnew.lst in "Lst" under its column
// header, with "cmd0" (Cancel) and "cmd1" (Next). Next, or a double click, hands back the
// chosen line's position; Cancel, Esc or the window's close hand back -1.
class AddNewDialog : public QDialog {
  Q_OBJECT

 public:
  AddNewDialog(const std::string& list_path, Prompter& prompter, QWidget* parent = nullptr);

  // The position of the chosen line (0 a balance, i glass size i), -1 for none.
  int choice() const { return choice_; }
  QListWidget* list() const { return list_; }

 private:
  void Next();

  Prompter& prompter_;
  QListWidget* list_;
  int choice_ = -1;
};

}  // namespace lumora

#endif  // LUMORA_GUI_LAYOUTS_ADD_NEW_DIALOG_H_
