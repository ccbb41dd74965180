#ifndef LUMORA_TESTS_GUI_SUPPORT_PROGRAM_WINDOW_H_
#define LUMORA_TESTS_GUI_SUPPORT_PROGRAM_WINDOW_H_

// Brings the Qt test and widget headers the gui tests share.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/base/file_routines.h"
#include "core/job/job_tables.h"
#include "gui/shell/main_window.h"
#include "gui/tables/grid_widget.h"
#include "support/scripted_dialog.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

class QMimeData;
class QWidget;

namespace lumora {
class ProgressWindow;
}  // namespace lumora

namespace lumora::testing {

// The descendant of root with the object name; fails the test with the names that were found
// when there is none.
template <typename T>
T* FindWidget(QObject* root, const QString& name) {
  T* found = root->findChild<T*>(name);
  if (found == nullptr) {
    QStringList names;
    for (const QObject* child : root->findChildren<QObject*>()) names << child->objectName();
    qFatal("no %s named '%s' under '%s'; found: %s", T::staticMetaObject.className(),
           qPrintable(name), qPrintable(root->objectName()), qPrintable(names.join(", ")));
  }
  return found;
}

inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

inline void Click(QObject* root, const QString& button) {
  FindWidget<QPushButton>(root, button)->click();
}

// Runs `act` on the modal dialog of type T as soon as it shows (its exec() blocks the caller).
template <typename T, typename Act>
void WhenShown(Act act) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    timer->stop();
    timer->deleteLater();
    act(*dialog);
  });
  timer->start();
}

// A main window as the launcher opens it (every window and the optimization run), over a data
// folder of its own ("data", stamp "7.25") with a scripted prompter and file dialog.
struct ProgramWindow {
  ProgramWindow();

  // Opens a fresh main window in the mode, with the job file named on the command line.
  void Open(bool coil_mode = false, const std::string& job = {});
  // F5 (with Shift the deep run) with the checks' question answered Yes; `during_run` acts in
  // the Progress window, which else is waited for and confirmed.
  void Optimize(std::function<void(ProgressWindow&)> during_run = {},
                Qt::KeyboardModifiers keys = {});
  // The grid of a job window, opened by its key.
  GridWidget* OpenGrid(Qt::Key key, ChildWindow kind);
  // The bytes of a working file of the data folder ("dia.tlf"); empty when there is none.
  std::string Working(const std::string& name) const;
  // The yield, layouts and profit of the status bar.
  QStringList StatusTexts() const;
  MainWindow* operator->() const { return window.get(); }

  TempFolder folder;
  ScriptedPrompter prompter;
  ScriptedDialog dialog;
  std::function<void(ProgressWindow&)> during_run;
  // Last, so that it goes first.
  std::unique_ptr<MainWindow> window;
};

// The bytes of the example job small.opt.
std::string SmallJobBytes();
// Waits until the run has ended and the window offers "OK", and presses it.
bool EndAndConfirm(ProgressWindow& progress);
// Types the keys into a cell of the grid.
void Type(GridWidget* grid, int row, int col, const char* keys);
// Chooses the entry of the Item Choice window once it shows, and notes the entries it offered.
void ChooseEntry(const QString& entry, QStringList* offered);
// Drags the data onto the middle of the widget and drops it there, as a drag from a file manager
// would: the drop reaches only the widget that took the drag.
void DropOn(QWidget* target, const QMimeData& data);

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_GUI_SUPPORT_PROGRAM_WINDOW_H_
