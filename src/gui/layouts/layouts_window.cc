#include "gui/layouts/layouts_window.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <algorithm>
#include <cmath>

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/base/version.h"
#include "core/cuts/breakout_settings.h"
#include "core/cuts/cut_list.h"
#include "core/exports/layouts_dxf.h"
#include "core/reports/layout_print.h"
#include "core/reports/report_section.h"
#include "core/tables/table_file.h"
#include "gui/layouts/dia_settings_window.h"
#include "gui/layouts/layout_picture.h"
#include "gui/shell/print_preview.h"
#include "gui/shell/printed_language.h"

namespace lumora {
namespace {

constexpr int kMargin = 4;
// The text box keeps room for the report's columns beside or below the picture, and takes no
// more than its share of the window until the user drags the split.
constexpr int kSectionMinWidth = 300;
constexpr int kSectionMinHeight = 140;
constexpr double kSectionMaxShare = 0.45;
constexpr double kSectionBelowShare = 0.3;

struct ToolButton {
  int index;
  const char* caption;
  const char* tooltip;
};

constexpr std::array<ToolButton, 6> kButtons = {{
    {1, QT_TRANSLATE_NOOP("lumora::LayoutsWindow", "Stretch"),
     QT_TRANSLATE_NOOP("lumora::LayoutsWindow", "Stretch the layout to the height of the view")},
    {2, QT_TRANSLATE_NOOP("lumora::LayoutsWindow", "Print"),
     QT_TRANSLATE_NOOP("lumora::LayoutsWindow", "Print Layouts")},
    {3, QT_TRANSLATE_NOOP("lumora::LayoutsWindow", "Labels"),
     QT_TRANSLATE_NOOP("lumora::LayoutsWindow", "Print Labels")},
    {4, QT_TRANSLATE_NOOP("lumora::LayoutsWindow", "Settings"),
     QT_TRANSLATE_NOOP("lumora::LayoutsWindow", "Layout Settings")},
    {5, QT_TRANSLATE_NOOP("lumora::LayoutsWindow", "Edit"),
     QT_TRANSLATE_NOOP("lumora::LayoutsWindow", "Edit Layout")},
    {6, QT_TRANSLATE_NOOP("lumora::LayoutsWindow", "Alternate"),
     QT_TRANSLATE_NOOP("lumora::LayoutsWindow", "Alternate Arrangement")},
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
      picture_(new LayoutPicture(splitter_)),
      across_(new QScrollBar(Qt::Horizontal, picture_)),
      down_(new QScrollBar(Qt::Vertical, picture_)),
      section_(new QTextEdit(splitter_)) {
  setObjectName(QStringLiteral("DiaView"));
  setWindowTitle(tr("Layouts"));
  BuildToolBar();

  // A toolbar wider than the window keeps what does not fit in its overflow menu; the chooser
  // stays in view beside it.
  toolbar_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  chooser_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  auto* top = new QHBoxLayout;
  top->setSpacing(kMargin * 2);
  top->addWidget(toolbar_);
  top->addWidget(chooser_);
  top->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  layout->setSpacing(kMargin);
  layout->addLayout(top);
  layout->addWidget(splitter_, 1);
  across_->setObjectName(QStringLiteral("picAcross"));
  down_->setObjectName(QStringLiteral("picDown"));
  across_->hide();
  down_->hide();
  connect(picture_, &LayoutPicture::ViewChanged, this, &LayoutsWindow::ShowScrollBars);
  for (QScrollBar* bar : {across_, down_}) {
    connect(bar, &QScrollBar::valueChanged, this,
            [this] { picture_->ScrollTo(QPointF(across_->value(), down_->value())); });
  }

  chooser_->setObjectName(QStringLiteral("cmb"));
  chooser_->setMinimumContentsLength(9);
  const int count = view_.result.LayoutCount();
  for (int n = 1; n <= count; ++n) {
    chooser_->addItem(QStringLiteral("%1 / %2").arg(n).arg(count));
  }
  splitter_->setChildrenCollapsible(false);
  splitter_->installEventFilter(this);
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
  breakout_numbers_ = LoadBreakoutSettings(context_.job.workspace).numbers;
  connect(chooser_, &QComboBox::currentIndexChanged, this, &LayoutsWindow::ChooseFromList);
  chooser_->setCurrentIndex(-1);
  if (count > 0) chooser_->setCurrentIndex(0);
  setFocusProxy(chooser_);
  resize(sizeHint());
}

QSize LayoutsWindow::sizeHint() const { return QSize(900, 600); }

void LayoutsWindow::BuildToolBar() {
  toolbar_->setObjectName(QStringLiteral("TB"));
  toolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  for (const ToolButton& button : kButtons) {
    QAction* action = toolbar_->addAction(tr(button.caption));
    action->setToolTip(tr(button.tooltip));
    action->setObjectName(QStringLiteral("TB%1").arg(button.index));
    connect(action, &QAction::triggered, this, [this, index = button.index] { RunButton(index); });
    buttons_[static_cast<size_t>(button.index)] = action;
  }
  toolbar_->addSeparator();
  QAction* fit = toolbar_->addAction(tr("Fit"));
  fit->setObjectName(QStringLiteral("TBFit"));
  fit->setToolTip(tr("Back to the whole sheet (Ctrl + wheel, + and - zoom)"));
  connect(fit, &QAction::triggered, this, [this] { picture_->Fit(); });
  for (const auto& [key, factor] :
       {std::pair{Qt::Key_Plus, 1.25f}, {Qt::Key_Equal, 1.25f}, {Qt::Key_Minus, 0.8f}}) {
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, factor] { ZoomByKey(factor); });
  }
  QAction* preview = toolbar_->addAction(tr("Preview"));
  preview->setObjectName(QStringLiteral("TBPreview"));
  preview->setToolTip(tr("Print Preview of every layout"));
  connect(preview, &QAction::triggered, this, [this] {
    ShowPrintPreview(this, tr("Print Preview"),
                     [this](QPrinter& printer) { (void)Print(printer, true); });
    chooser_->setFocus();
  });
  QAction* labels_preview = toolbar_->addAction(tr("Labels Preview"));
  labels_preview->setObjectName(QStringLiteral("TBLabelsPreview"));
  labels_preview->setToolTip(tr("Print Preview of the labels"));
  labels_preview->setEnabled(static_cast<bool>(context_.preview_labels));
  connect(labels_preview, &QAction::triggered, this, [this] {
    if (context_.preview_labels) context_.preview_labels(*this);
    chooser_->setFocus();
  });
  export_dxf_ = toolbar_->addAction(tr("Export DXF..."));
  export_dxf_->setObjectName(QStringLiteral("TBExportDxf"));
  export_dxf_->setToolTip(tr("Write every layout into one DXF drawing"));
  export_dxf_->setEnabled(static_cast<bool>(context_.export_dxf));
  connect(export_dxf_, &QAction::triggered, this, [this] {
    if (context_.export_dxf) context_.export_dxf(*this);
    chooser_->setFocus();
  });
  QAction* broken = toolbar_->addAction(tr("Broken..."));
  broken->setObjectName(QStringLiteral("TBBroken"));
  broken->setToolTip(
      tr("Cut broken pieces again in a new job (Ctrl+click marks a piece on the drawing)"));
  broken->setEnabled(static_cast<bool>(context_.recut));
  connect(broken, &QAction::triggered, this, [this] {
    if (context_.recut) context_.recut(*this);
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
  return LayoutLook{settings_,     ReportUnit(context_.job), scrap_, stretch_,
                    cut_settings_, breakout_numbers_};
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
  return ReadFileBytes(WorkingReportPaths(context_.job.workspace).report, kTableFileLimit)
      .value_or("");
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
  job.line_text = PrintedLineTextOf(context_.job.workspace.data_folder);
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
    breakout_numbers_ = LoadBreakoutSettings(context_.job.workspace).numbers;
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

void LayoutsWindow::ShowScrollBars() {
  const QSizeF whole = picture_->ScrollSize();
  const QPointF at = picture_->ScrollOffset();
  const auto show = [](QScrollBar* bar, double extent, double page, double value) {
    const QSignalBlocker quiet(bar);
    const int range = static_cast<int>(std::lround(std::max(0.0, extent - page)));
    bar->setRange(0, range);
    bar->setPageStep(std::max(1, static_cast<int>(page)));
    bar->setSingleStep(std::max(1, static_cast<int>(page / 10)));
    bar->setValue(static_cast<int>(std::lround(value)));
    bar->setVisible(range > 0);
  };
  show(across_, whole.width(), picture_->width(), at.x());
  show(down_, whole.height(), picture_->height(), at.y());
  // Over the picture's edges, so that showing them does not change the view.
  const int thick = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const int width = picture_->width();
  const int height = picture_->height();
  across_->setGeometry(0, height - thick, width - (down_->isVisible() ? thick : 0), thick);
  down_->setGeometry(width - thick, 0, thick, height - (across_->isVisible() ? thick : 0));
}

void LayoutsWindow::SplitAsOpened() {
  // Beside the picture when the window is wide, below it when it is tall; the section as wide as
  // its lines (within its share), the picture the rest.
  const QSize body = splitter_->size();
  const bool beside = body.width() - kSectionMinWidth >= body.height() * 3 / 4;
  const Qt::Orientation orientation = beside ? Qt::Horizontal : Qt::Vertical;
  if (orientation != splitter_->orientation()) user_split_ = false;
  splitter_->setOrientation(orientation);
  if (user_split_) return;
  const int along = (beside ? body.width() : body.height()) - splitter_->handleWidth();
  const int lines = static_cast<int>(std::ceil(section_->document()->idealWidth())) +
                    section_->verticalScrollBar()->sizeHint().width() + 2 * section_->frameWidth();
  const int section =
      beside ? std::clamp(lines, kSectionMinWidth,
                          std::max(kSectionMinWidth, static_cast<int>(along * kSectionMaxShare)))
             : std::max(kSectionMinHeight, static_cast<int>(along * kSectionBelowShare));
  splitter_->setSizes({std::max(1, along - section), section});
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
  if (watched == splitter_ && event->type() == QEvent::Resize) SplitAsOpened();

  if ((watched == section_ || watched == section_->viewport()) &&
      event->type() == QEvent::FocusIn) {
    chooser_->setFocus();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace lumora
