#ifndef LUMORA_GUI_LIBRARY_LIBRARY_WINDOWS_H_
#define LUMORA_GUI_LIBRARY_LIBRARY_WINDOWS_H_

#include <QDialog>
#include <QString>
#include <functional>
#include <string_view>

#include "core/base/prompter.h"
#include "core/base/workspace.h"
#include "core/library/data_tables.h"
#include "core/tables/grid.h"

class QPushButton;

namespace lumora {

class GridWidget;

// A library edited in a grid ("FG") with the grid toolbar ("TB") on a working copy of its file.
// Closing it ("Done", "cmd", tooltip "Update", or the close box) asks "Save Changes?" and stores
// the library on Yes; a store that failed keeps the window open on its working copy.
class LibraryWindow : public QDialog {
  Q_OBJECT

 public:
  // save_on_close asks the question and stores; it answers false when a store failed.
  LibraryWindow(const QString& caption, Grid grid, std::string working_file, Prompter& prompter,
                std::function<bool(Grid&)> save_on_close, QWidget* parent = nullptr);

  GridWidget* grid_widget() const { return grid_; }
  QPushButton* done_button() const { return done_; }

  void done(int result) override;

 protected:
  Prompter& prompter() { return prompter_; }
  // Closes the window without the question.
  void CloseUnasked(int result) { QDialog::done(result); }

 private:
  Prompter& prompter_;
  std::string working_file_;
  std::function<bool(Grid&)> save_on_close_;
  GridWidget* grid_;
  QPushButton* done_;
};

// "Material Library Manager" over mlm.dat (object name "MLM"). In AUTOMERGE mode it sorts and
// merges mlm.dat as soon as it is shown and closes itself, accepted when mlm.dat was written.
class MaterialLibraryWindow : public LibraryWindow {
  Q_OBJECT

 public:
  MaterialLibraryWindow(const Workspace& workspace, Prompter& prompter, bool auto_merge = false,
                        QWidget* parent = nullptr);

  // "AUTOMERGE" until the merge ran, else empty.
  const QString& mode() const { return mode_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void AutoMerge();

  Workspace workspace_;
  QString mode_;
};

// "Product Library Manager" over plm.dat (object name "PLM"); a save also rebuilds the product
// list.
class ProductLibraryWindow : public LibraryWindow {
  Q_OBJECT

 public:
  ProductLibraryWindow(const Workspace& workspace, Prompter& prompter, QWidget* parent = nullptr);
};

// A table of the data folder in a library window, named and captioned by the table: "Density
// Table" over Density.dat ("DENSITY") or "Rack Library" over racks.dat ("RACKS").
class DataTableWindow : public LibraryWindow {
  Q_OBJECT

 public:
  DataTableWindow(const Workspace& workspace, const DataTable& table, Prompter& prompter,
                  QWidget* parent = nullptr);
};

// Shows a window of the launcher application-modal; it deletes itself when it closes.
void ShowLauncherModule(QDialog* window);

}  // namespace lumora

#endif  // LUMORA_GUI_LIBRARY_LIBRARY_WINDOWS_H_
