#ifndef LUMORA_GUI_LIBRARY_LOAD_PRODUCTS_WINDOW_H_
#define LUMORA_GUI_LIBRARY_LOAD_PRODUCTS_WINDOW_H_

#include <QDialog>

#include "core/base/prompter.h"
#include "core/base/workspace.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace lumora {

class GridWidget;

// "Load Products" (object name "LOADPROD"): the order grid "FG" on loadprod.tlf (PRODUCTS chosen
// from the product list, QTY, CUSTOMER), the base name "txt", the extension list "cmb" and
// "Load" ("cmd"), which generates one job file per material into the data folder. The order
// file goes when the window opens and when it closes.
class LoadProductsWindow : public QDialog {
  Q_OBJECT

 public:
  LoadProductsWindow(Workspace workspace, Prompter& prompter, QWidget* parent = nullptr);
  ~LoadProductsWindow() override;

  GridWidget* grid_widget() const { return grid_; }
  QLineEdit* base_name() const { return base_name_; }
  QPushButton* load_button() const { return load_; }

  void done(int result) override;

 private:
  // A key in the PRODUCTS column: the product list, freshly built from plm.dat, to choose from.
  void ChooseProduct(int row, int col);
  void Load();

  Workspace workspace_;
  Prompter& prompter_;
  GridWidget* grid_;
  QLineEdit* base_name_;
  QComboBox* extension_;
  QPushButton* load_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_LIBRARY_LOAD_PRODUCTS_WINDOW_H_
