#include "gui/layouts/layouts_window.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <algorithm>

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/base/version.h"
#include "core/cuts/cut_list.h"
#include "core/exports/layouts_dxf.h"
#include "core/reports/layout_print.h"
#include "core/reports/report_section.h"
#include "gui/layouts/dia_settings_window.h"
#include "gui/layouts/layout_picture.h"
#include "gui/shell/print_preview.h"

namespace lumora {
namespace {

constexpr int kMargin = 4;
// The text box keeps room for the report's columns beside or below the picture.
constexpr int kSectionMinWidth = 300;
constexpr int kSectionMinHeight = 140;

struct ToolButton {
  int index;
  const char* caption;
  const char* tooltip;
};

constexpr std::array<ToolButton, 6> kButtons = {{
    {1, "Stretch", "Stretch the layout to the height of the view"},
    {2, "Print", "Print Layouts"},
    {3, "Labels", "Print Labels"},
    {4, "Settings", "Layout Settings"},
    {5, "Edit", "Edit Layout"},
    {6, "Alternate", "Alternate Arrangement"},
}};

const QColor kSheetLineColour(0, 0, 255);

}  // namespace

LayoutsWindow* LayoutsWindow::Open(LayoutsWindowContext context, QWidget* parent) {
  LayoutsLoad load = LoadLayouts(context.job, WorkingReportPaths(context.job.workspace));
  if (!load.error.empty()) {
    context.prompter.Ask({.title = kApplicationTitle,
                          .text = load.error,
                          .icon = PromptIcon::kExclamation,
                          .buttons = PromptButtons::kOk,
                          .default_answer = PromptAnswer::kOk});
    return nullptr;
  }
  return new LayoutsWindow(std::move(context), std::move(load.view), parent);
}

LayoutsWindow::LayoutsWindow(LayoutsWindowContext context, LayoutsView view, QWidget* parent)
    : QWidget(parent),
      context_(std::move(context)),
      view_(std::move(view)),
      scrap_(JobScrapCriteria(context_.job)),
      toolbar_(new QToolBar(this)),
      chooser_(new QComboBox(this)),
      splitter_(new QSplitter(this)),
      pane_(new QWidget(splitter_)),
      picture_(new LayoutPicture(pane_)),
      section_(new QTextEdit(splitter_)) {
  setObjectName(QStringLiteral("DiaView"));
  setWindowTitle(QStringLiteral("Layouts"));
  BuildToolBar();

  chooser_->setObjectName(QStringLiteral("cmb"));
  chooser_->setMinimumContentsLength(9);
  const int count = view_.result.LayoutCount();
  for (int n = 1; n <= count; ++n) {
    chooser_->addItem(QStringLiteral("%1 / %2").arg(n).arg(count));
  }
  splitter_->setChildrenCollapsible(false);
  pane_->installEventFilter(this);
  connect(splitter_, &QSplitter::splitterMoved, this, [this] { user_split_ = true; });
  section_->setObjectName(QStringLiteral("txt"));
  section_->setReadOnly(true);
  section_->setLineWrapMode(QTextEdit::NoWrap);
  section_->setFont(SectionFont(kSectionFontPt));
  section_->installEventFilter(this);
  section_->viewport()->installEventFilter(this);

  if (context_.show_totals) context_.show_totals(view_.status);
  settings_ = LoadDiaSettings(context_.job.workspace, settings_);
  cut_settings_ = LoadCutSettings(context_.job.workspace);
  connect(chooser_, &QComboBox::currentIndexChanged, this, &LayoutsWindow::ChooseFromList);
  chooser_->setCurrentIndex(-1);
  if (count > 0) chooser_->setCurrentIndex(0);
  setFocusProxy(chooser_);
  resize(900, 640);
}

void LayoutsWindow::BuildToolBar() {
  toolbar_->setObjectName(QStringLiteral("TB"));
  toolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  for (const ToolButton& button : kButtons) {
    QAction* action = toolbar_->addAction(QString::fromLatin1(button.caption));
    action->setToolTip(QString::fromLatin1(button.tooltip));
    action->setObjectName(QStringLiteral("TB%1").arg(button.index));
    connect(action, &QAction::triggered, this, [this, index = button.index] { RunButton(index); });
    buttons_[static_cast<size_t>(button.index)] = action;
  }
  toolbar_->addSeparator();
  QAction* fit = toolbar_->addAction(QStringLiteral("Fit"));
  fit->setObjectName(QStringLiteral("TBFit"));
  fit->setToolTip(QStringLiteral("Back to the whole sheet (Ctrl + wheel, + and - zoom)"));
  connect(fit, &QAction::triggered, this, [this] { picture_->Fit(); });
  for (const auto& [key, factor] :
       {std::pair{Qt::Key_Plus, 1.25f}, {Qt::Key_Equal, 1.25f}, {Qt::Key_Minus, 0.8f}}) {
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, factor] { ZoomByKey(factor); });
  }
  QAction* preview = toolbar_->addAction(QStringLiteral("Preview"));
  preview->setObjectName(QStringLiteral("TBPreview"));
  preview->setToolTip(QStringLiteral("Print Preview of every layout"));
  connect(preview, &QAction::triggered, this, [this] {
    ShowPrintPreview(this, QStringLiteral("Print Preview"),
                     [this](QPrinter& printer) { (void)Print(printer, true); });
    chooser_->setFocus();
  });
  QAction* labels_preview = toolbar_->addAction(QStringLiteral("Labels Preview"));
  labels_preview->setObjectName(QStringLiteral("TBLabelsPreview"));
  labels_preview->setToolTip(QStringLiteral("Print Preview of the labels"));
  labels_preview->setEnabled(static_cast<bool>(context_.preview_labels));
  connect(labels_preview, &QAction::triggered, this, [this] {
    if (context_.preview_labels) context_.preview_labels(*this);
    chooser_->setFocus();
  });
  export_dxf_ = toolbar_->addAction(QStringLiteral("Export DXF..."));
  export_dxf_->setObjectName(QStringLiteral("TBExportDxf"));
  export_dxf_->setToolTip(QStringLiteral("Write every layout into one DXF drawing"));
  export_dxf_->setEnabled(static_cast<bool>(context_.export_dxf));
  connect(export_dxf_, &QAction::triggered, this, [this] {
    if (context_.export_dxf) context_.export_dxf(*this);
    chooser_->setFocus();
  });
  Button(1)->setCheckable(true);
  Button(3)->setEnabled(static_cast<bool>(context_.print_labels));
  Button(5)->setEnabled(static_cast<bool>(context_.edit_layout));
  Button(6)->setEnabled(static_cast<bool>(context_.alternate_arrangement) &&
                        !context_.job.settings.coil_mode);
}

QAction* LayoutsWindow::Button(int index) const {
  return index >= 1 && index <= 6 ? buttons_[static_cast<size_t>(index)] : nullptr;
}

void LayoutsWindow::RunButton(int index) {
  switch (index) {
    case 1:
      ToggleStretch();
      break;
    case 2:
      PrintWithDialog();
      break;
    case 3:
      if (context_.print_labels) context_.print_labels(*this);
      break;
    case 4:
      ShowSettings();
      break;
    case 5:
      if (context_.edit_layout) context_.edit_layout(*this);
      break;
    case 6:
      if (context_.alternate_arrangement) context_.alternate_arrangement(*this);
      break;
    default:
      break;
  }
  chooser_->setFocus();
}

int LayoutsWindow::CurrentLayout() const {
  return static_cast<int>(ReadDouble(chooser_->currentText().toStdString()));
}

void LayoutsWindow::SelectLayout(int layout_no) {
  if (layout_no >= 1 && layout_no <= chooser_->count()) chooser_->setCurrentIndex(layout_no - 1);
}

LayoutLook LayoutsWindow::Look() const {
  return LayoutLook{settings_, ReportUnit(context_.job), scrap_, stretch_, cut_settings_};
}

void LayoutsWindow::ChooseFromList() { Redraw(); }

void LayoutsWindow::Redraw() {
  const int layout_no = CurrentLayout();
  picture_->Show(&view_.result, layout_no, Look());
  ShowSection();
}

void LayoutsWindow::ZoomByKey(float factor) {
  // About the pointer when it is over the picture, else about the picture's middle.
  const QPoint pointer = picture_->mapFromGlobal(QCursor::pos());
  picture_->ZoomAt(
      factor, picture_->rect().contains(pointer) ? QPointF(pointer) : picture_->rect().center());
}

void LayoutsWindow::ToggleStretch() {
  stretch_ = !stretch_;
  Button(1)->setChecked(stretch_);
  Redraw();
}

std::string LayoutsWindow::ReportBytes() const {
  return ReadFileBytes(WorkingReportPaths(context_.job.workspace).report).value_or("");
}

void LayoutsWindow::ShowSection() {
  const int layout_no = CurrentLayout();
  const int32_t position = layout_no >= 1 && layout_no <= view_.section_positions.Count()
                               ? view_.section_positions[layout_no]
                               : 0;
  const std::string section = ReportSectionBytes(
      ReportBytes(), position,
      {settings_.On(DiaFlag::kBasicDetailsList), settings_.On(DiaFlag::kBalanceList)},
      view_.result.basic.item, ReportUnit(context_.job));
  // The section is kept as a working file too, as the printout of other tools expects it.
  (void)WriteFileAtomically(context_.job.workspace.WorkingFile(kReportSectionFileName), section);

  std::string shown = section;
  if (cut_settings_.cut_order) {
    for (const std::string& line :
         LayoutCutList(view_.result, layout_no, ReportUnit(context_.job))) {
      shown += "\n" + line;
    }
  }
  section_->setPlainText(QString::fromLatin1(shown).remove(QLatin1Char('\r')));
  for (QTextBlock block = section_->document()->begin(); block.isValid(); block = block.next()) {
    if (!block.text().contains(QStringLiteral("Sheet"))) continue;
    QTextCursor cursor(block);
    cursor.select(QTextCursor::BlockUnderCursor);
    QTextCharFormat format;
    format.setForeground(kSheetLineColour);
    cursor.mergeCharFormat(format);
    break;
  }
}

bool LayoutsWindow::Print(QPrinter& printer, bool all_layouts) {
  LayoutPrintJob job;
  job.result = &view_.result;
  job.look = Look();
  job.report = ReportBytes();
  job.section_positions = view_.section_positions;
  job.item = view_.result.basic.item;
  job.job_file = context_.job.file_name;
  job.month_first_date = TodayMonthFirst();
  if (all_layouts) {
    for (int n = 1; n <= view_.result.LayoutCount(); ++n) job.layouts.push_back(n);
  } else {
    job.layouts.push_back(CurrentLayout());
  }
  const bool printed = PrintLayoutPages(printer, job);
  Redraw();
  return printed;
}

void LayoutsWindow::PrintWithDialog() {
  chooser_->setFocus();
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPrintRange(QPrinter::Selection);
  QPrintDialog dialog(&printer, this);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dialog.exec() != QDialog::Accepted) return;
  // Printer errors are not told: the page simply does not come out.
  (void)Print(printer, printer.printRange() == QPrinter::AllPages);
}

void LayoutsWindow::ShowSettings() {
  DiaSettingsWindow window(context_.job.workspace, context_.prompter, this);
  if (window.exec() == QDialog::Accepted) {
    settings_ = LoadDiaSettings(context_.job.workspace, settings_);
    cut_settings_ = LoadCutSettings(context_.job.workspace);
  }
  Redraw();
}

bool LayoutsWindow::ExportDxf(const std::string& path) {
  const DxfExport dxf = LayoutsDxf(view_.result, scrap_);
  std::optional<std::string> error =
      dxf.error.empty() ? SaveFile(path, dxf.bytes) : std::optional<std::string>(dxf.error);
  if (!error) return true;
  context_.prompter.Ask({.title = kApplicationTitle,
                         .text = *error,
                         .icon = PromptIcon::kExclamation,
                         .buttons = PromptButtons::kOk,
                         .default_answer = PromptAnswer::kOk});
  return false;
}

void LayoutsWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const QSize bar = toolbar_->sizeHint();
  const QSize list = chooser_->sizeHint();
  const int row = std::max(bar.height(), list.height());
  toolbar_->setGeometry(kMargin, kMargin, bar.width(), row);
  chooser_->setGeometry(kMargin * 3 + bar.width(), kMargin + (row - list.height()) / 2,
                        list.width(), list.height());

  const QRect body(kMargin, kMargin * 2 + row, std::max(1, width() - 2 * kMargin),
                   std::max(1, height() - row - 3 * kMargin));
  splitter_->setGeometry(body);
  // The section takes what the square picture leaves, beside the picture when the window is wide
  // and below it when it is tall, until the user drags the split.
  const bool beside = body.width() - kSectionMinWidth >= body.height() * 3 / 4;
  const Qt::Orientation orientation = beside ? Qt::Horizontal : Qt::Vertical;
  if (orientation != splitter_->orientation()) user_split_ = false;
  splitter_->setOrientation(orientation);
  if (user_split_) return;
  const int along = beside ? body.width() : body.height();
  const int side = beside ? std::min(body.height(), body.width() - kSectionMinWidth)
                          : std::min(body.width(), body.height() - kSectionMinHeight);
  splitter_->setSizes({std::max(1, side), std::max(1, along - side - splitter_->handleWidth())});
}

void LayoutsWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (sized_) return;
  sized_ = true;
  // The window opens over the whole inner area of the main window.
  auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
  if (frame != nullptr && frame->mdiArea() != nullptr) {
    frame->setGeometry(frame->mdiArea()->viewport()->rect());
  }
  chooser_->setFocus();
}

bool LayoutsWindow::eventFilter(QObject* watched, QEvent* event) {
  // The picture stays square, so that millimetres are square on screen.
  if (watched == pane_ && event->type() == QEvent::Resize) {
    const int side = std::max(1, std::min(pane_->width(), pane_->height()));
    picture_->setGeometry(0, 0, side, side);
  }
  if ((watched == section_ || watched == section_->viewport()) &&
      event->type() == QEvent::FocusIn) {
    chooser_->setFocus();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace lumora
