#ifndef LUMORA_GUI_SHELL_ABOUT_WINDOW_H_
#define LUMORA_GUI_SHELL_ABOUT_WINDOW_H_

#include <QDialog>

namespace lumora {

// The About window, also the start-up screen: "About Lumora" with the application title and
// its version; its button closes it. Object name "About".
class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  explicit AboutWindow(QWidget* parent = nullptr);

  // "Lumora version 0.1.0".
  static QString VersionText();
};

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_ABOUT_WINDOW_H_
