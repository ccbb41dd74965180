#ifndef LUMORA_GUI_SHELL_MANUAL_WINDOW_H_
#define LUMORA_GUI_SHELL_MANUAL_WINDOW_H_

#include <QUrl>
#include <QWidget>

class QLabel;
class QTextBrowser;

namespace lumora {

// "Lumora Help" ("Manual"): the manual's pages in the program's own simple viewer, for a desktop
// that has no web browser to show them, with the manual's place on disk above the page so that
// it can be opened elsewhere too. Links between the pages work; one window serves every page.
class ManualWindow : public QWidget {
  Q_OBJECT

 public:
  // Shows the page in the open manual window, or in a new one over the window in front.
  static ManualWindow* ShowPage(const QUrl& page);

  QTextBrowser* browser() const { return browser_; }
  QString WhereText() const;

 private:
  explicit ManualWindow(QWidget* parent);

  QLabel* where_;
  QTextBrowser* browser_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_MANUAL_WINDOW_H_
