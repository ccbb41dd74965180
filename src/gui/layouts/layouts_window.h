#ifndef LUMORA_GUI_LAYOUTS_LAYOUTS_WINDOW_H_
#define LUMORA_GUI_LAYOUTS_LAYOUTS_WINDOW_H_

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "core/base/prompter.h"
#include "core/cuts/cut_settings.h"
#include "core/job/job.h"
#include "core/layouts/dia_settings.h"
#include "core/reports/layouts_load.h"
#include "render/layout_render.h"

class QAction;
class QComboBox;
class QScrollBar;
class QPrinter;
class QSplitter;
class QTextEdit;
class QToolBar;

namespace lumora {

class LayoutPicture;
class LayoutsWindow;

// What the Layouts window works with, and the commands other parts of the program lend it.
struct LayoutsWindowContext {
  Job& job;
  Prompter& prompter;
  // Puts the report's three totals on the status bar.
  std::function<void(const StatusTexts&)> show_totals;
  // Toolbar buttons 3 (labels), 5 (editing) and 6 (alternate arrangement) run these; a button
  // without its command is disabled.
  std::function<void(LayoutsWindow&)> print_labels;
  std::function<void(LayoutsWindow&)> edit_layout;
  std::function<void(LayoutsWindow&)> alternate_arrangement;
  // "Labels Preview" shows the printed labels and "Export DXF..." asks for the file and exports;
  // a button without its command is disabled.
  std::function<void(LayoutsWindow&)> preview_labels;
  std::function<void(LayoutsWindow&)> export_dxf;
  // "Broken..." recuts the pieces chosen; the button is disabled without it.
  std::function<void(LayoutsWindow&)> recut;
};

// The Layouts window: the layout chooser "cmb" ("1 / N" ...), the toolbar "TB" (1 stretch,
// 2 print layouts, 3 labels, 4 layout settings, 5 edit, 6 alternate; then "Fit" "TBFit" back
// from a zoom, "Preview" "TBPreview" of every layout's page, "Labels Preview" "TBLabelsPreview",
// "Export DXF..." "TBExportDxf" and "Broken..." "TBBroken"), the picture "pic" and, beyond a
// split the user may drag, the layout's report section in "txt", followed by the layout's cut list
// when "Cut order" is on. + and - zoom the picture about the pointer; a zoomed picture scrolls and
// pans. Opening it loads the result and writes the balance and scrap table and the report, as the
// other result windows read them.
class LayoutsWindow : public QWidget {
  Q_OBJECT

 public:
  // Loads the job's result; when it cannot be shown the prompter tells why and there is no
  // window.
  static LayoutsWindow* Open(LayoutsWindowContext context, QWidget* parent = nullptr);

  const LayoutsView& view() const { return view_; }
  const DiaSettings& settings() const { return settings_; }
  int CurrentLayout() const;
  // Chooses layout n (1 .. N) in the chooser, which draws it.
  void SelectLayout(int layout_no);
  // A toolbar button by its index 1 to 6.
  QAction* Button(int index) const;
  LayoutLook Look() const;

  // Prints the current layout, or every layout one per page, on the printer.
  bool Print(QPrinter& printer, bool all_layouts);
  // The print command: the print dialog with the current layout preset; "all pages" prints
  // every layout.
  void PrintWithDialog();
  // Shows "Layout Settings"; after "Apply" the settings are read again and the layout redrawn.
  void ShowSettings();
  void ToggleStretch();
  // + and -: zoom the picture about the pointer.
  void ZoomByKey(float factor);
  // Writes every layout as one DXF drawing; a failure is told. Answers whether it was written.
  bool ExportDxf(const std::string& path);

  QSize sizeHint() const override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  LayoutsWindow(LayoutsWindowContext context, LayoutsView view, QWidget* parent);

  void BuildToolBar();
  void ChooseFromList();
  void Redraw();
  void ShowSection();
  void RunButton(int index);
  void ShowScrollBars();
  // The split between picture and section as the window opens, until the user drags it.
  void SplitAsOpened();
  std::string ReportBytes() const;

  LayoutsWindowContext context_;
  LayoutsView view_;
  DiaSettings settings_;
  CutSettings cut_settings_;
  bool breakout_numbers_ = false;
  ScrapLimits scrap_;
  bool stretch_ = false;
  bool sized_ = false;
  // Set once the user has dragged the split between picture and section.
  bool user_split_ = false;

  QToolBar* toolbar_;
  std::array<QAction*, 7> buttons_{};
  QAction* export_dxf_;
  QComboBox* chooser_;
  QSplitter* splitter_;
  LayoutPicture* picture_;
  QScrollBar* across_;
  QScrollBar* down_;
  QTextEdit* section_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_LAYOUTS_LAYOUTS_WINDOW_H_
