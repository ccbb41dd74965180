#include "gui/layouts/layout_editing.h"

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <utility>

#include "core/base/file_routines.h"
#include "core/base/version.h"
#include "core/engine2d/job_run.h"
#include "core/engine2d/result_files.h"
#include "core/layouts/alternate_arrangement.h"
#include "core/layouts/edit_exchange.h"
#include "core/layouts/layout_drawing.h"
#include "core/layouts/layout_edit.h"
#include "core/layouts/layout_hit.h"
#include "core/layouts/layout_scale.h"
#include "gui/layouts/add_new_dialog.h"
#include "gui/layouts/alternate_dialog.h"
#include "gui/layouts/edit_dialog.h"
#include "gui/layouts/layout_picture.h"
#include "gui/shell/main_window.h"

namespace lumora {
namespace {

const QColor kLightRed(255, 0, 0);
constexpr double kCornerRadius = 4;

// The picture of the window when it shows a layout of the window's result.
LayoutPicture* PictureOf(const LayoutsWindow& layouts) {
  auto* picture = layouts.findChild<LayoutPicture*>(QStringLiteral("pic"));
  if (picture == nullptr || picture->width() <= 0 || picture->height() <= 0) return nullptr;
  const int layout_no = picture->layout_no();
  return layout_no >= 1 && layout_no <= layouts.view().result.LayoutCount() ? picture : nullptr;
}

// The picked element outlined on the drawing, with its top-left corner marked, while the Edit
// dialog is open.
class EditMark : public QWidget {
 public:
  EditMark(LayoutPicture& picture, const LayoutElement& element) : QWidget(&picture) {
    box_ = QRectF(picture.Pixel(element.x1, element.y1), picture.Pixel(element.x2, element.y2));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(picture.rect());
    show();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kLightRed, 2));
    painter.drawRect(box_);
    painter.setBrush(kLightRed);
    painter.drawEllipse(box_.topLeft(), kCornerRadius, kCornerRadius);

    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    const QString label = QStringLiteral("(XS,YS)");
    const QFontMetricsF metrics(font);
    QRectF tag(0, 0, metrics.horizontalAdvance(label) + 6, metrics.height() + 2);
    tag.moveBottomLeft(box_.topLeft() - QPointF(0, kCornerRadius + 1));
    painter.fillRect(tag, kLightRed);
    painter.setPen(Qt::white);
    painter.drawText(tag, Qt::AlignCenter, label);
  }

 private:
  QRectF box_;
};

// Message boxes during the search get the normal pointer back first.
class NormalPointerPrompter : public Prompter {
 public:
  explicit NormalPointerPrompter(Prompter& prompter) : prompter_(prompter) {}
  ~NormalPointerPrompter() override { Restore(); }

  PromptAnswer Ask(const Prompt& prompt) override {
    Restore();
    return prompter_.Ask(prompt);
  }

 private:
  void Restore() {
    if (!busy_) return;
    busy_ = false;
    QApplication::restoreOverrideCursor();
  }

  Prompter& prompter_;
  bool busy_ = (QApplication::setOverrideCursor(Qt::WaitCursor), true);
};

// Clears a flag when it goes, so that a command cannot start inside another one.
class Busy {
 public:
  explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
  ~Busy() { flag_ = false; }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  bool& flag_;
};

}  // namespace

LayoutEditing::LayoutEditing(MainWindow& window) : QObject(&window), window_(window) {
  setObjectName(QStringLiteral("LayoutEditing"));
  connect(&window, &MainWindow::ResultDropped, this, [this] { history_.Clear(); });
}

LayoutEditing& LayoutEditing::Of(MainWindow& window) {
  auto* editing =
      window.findChild<LayoutEditing*>(QStringLiteral("LayoutEditing"), Qt::FindDirectChildrenOnly);
  return editing != nullptr ? *editing : *new LayoutEditing(window);
}

void LayoutEditing::Enable(LayoutsWindowContext& context) {
  // The commands run once the toolbar has finished with its click: they replace the window.
  context.edit_layout = [this](LayoutsWindow&) {
    QTimer::singleShot(0, this, &LayoutEditing::AddToLayout);
  };
  context.alternate_arrangement = [this](LayoutsWindow&) {
    QTimer::singleShot(0, this, &LayoutEditing::AlternateArrangement);
  };
}

void LayoutEditing::Attach(LayoutsWindow& layouts) {
  // Our own commands show states between the ones they record (the arrangements tried).
  if (!busy_) history_.ClearIfReplaced(window_.job().workspace.WorkingFile(kLayoutFileName));
  last_pointer_.reset();
  if (auto* picture = layouts.findChild<LayoutPicture*>(QStringLiteral("pic"))) {
    picture->setMouseTracking(true);
    picture->installEventFilter(this);
  }
  auto* bar = layouts.findChild<QToolBar*>(QStringLiteral("TB"));
  if (bar == nullptr) return;
  const auto add = [&](int index, const QString& caption, const QString& tip,
                       const QKeySequence& keys, void (LayoutEditing::*command)(), bool enabled) {
    QAction* action = bar->addAction(caption);
    action->setObjectName(QStringLiteral("TB%1").arg(index));
    action->setToolTip(tip);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setEnabled(enabled);
    layouts.addAction(action);
    connect(action, &QAction::triggered, this,
            [this, command] { QTimer::singleShot(0, this, command); });
  };
  add(7, tr("Undo"), tr("Undo the last change of the layouts (Ctrl+Z)"),
      QKeySequence(Qt::CTRL | Qt::Key_Z), &LayoutEditing::Undo, history_.CanUndo());
  add(8, tr("Redo"), tr("Redo the change undone (Ctrl+Shift+Z)"),
      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &LayoutEditing::Redo, history_.CanRedo());
}

LayoutsWindow* LayoutEditing::Current() const {
  QMdiSubWindow* frame = window_.FindChildWindow(ChildWindow::kLayouts);
  return frame == nullptr ? nullptr : qobject_cast<LayoutsWindow*>(frame->widget());
}

std::optional<QPointF> LayoutEditing::Millimetres(const LayoutsWindow& layouts,
                                                  QPointF pixel) const {
  const LayoutPicture* picture = PictureOf(layouts);
  if (picture == nullptr) return std::nullopt;
  return picture->Millimetres(pixel);
}

bool LayoutEditing::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonPress) {
    return QObject::eventFilter(watched, event);
  }
  LayoutsWindow* layouts = Current();
  auto* picture = qobject_cast<LayoutPicture*>(watched);
  if (layouts == nullptr || picture == nullptr || PictureOf(*layouts) != picture) {
    return QObject::eventFilter(watched, event);
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  // A pan is the picture's own.
  if (event->type() == QEvent::MouseButtonPress && picture->PansWith(*mouse)) return false;
  const std::optional<QPointF> at = Millimetres(*layouts, mouse->position());
  if (!at) return QObject::eventFilter(watched, event);
  const int layout_no = picture->layout_no();

  if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton &&
      (mouse->modifiers() & Qt::ControlModifier)) {
    const LoadedResult& result = layouts->view().result;
    const int hit = HitTest(result.shown, RangeOfLayout(result, layout_no),
                            static_cast<float>(at->x()), static_cast<float>(at->y()));
    if (hit != 0 && result.shown[hit].kind > 0) picture->ToggleMark(hit);
    return true;
  }
  if (event->type() == QEvent::MouseButtonPress) {
    QTimer::singleShot(0, this, [this, layout_no, at = *at, button = mouse->button()] {
      EditAt(layout_no, at, button);
    });
    return true;
  }
  if (last_pointer_ == at) return false;
  last_pointer_ = at;
  picture->setToolTip({});
  const LoadedResult& result = layouts->view().result;
  const int hit = HitTest(result.shown, RangeOfLayout(result, layout_no),
                          static_cast<float>(at->x()), static_cast<float>(at->y()));
  const QString tip = QString::fromLatin1(
      ElementToolTip(result, hit, window_.job().settings.unit, layouts->Look().scrap));
  picture->setToolTip(tip);
  if (QToolTip::isVisible()) QToolTip::showText(mouse->globalPosition().toPoint(), tip, picture);
  return false;
}

void LayoutEditing::EditAt(int layout_no, QPointF at, Qt::MouseButton button) {
  if (busy_) return;
  Busy busy(busy_);
  Job& job = window_.job();
  Prompter& prompter = window_.prompter();
  const EditUnitAnswer unit = AskEditUnit(job.settings.unit, prompter);
  if (unit == EditUnitAnswer::kStop) return;
  if (unit == EditUnitAnswer::kSwitchToMM) {
    // The unit switch (F12) builds the result windows again, in millimetres.
    if (auto* to_mm = window_.findChild<QAction*>(QStringLiteral("Tools6"))) to_mm->trigger();
    if (LayoutsWindow* layouts = Current()) layouts->SelectLayout(layout_no);
  }
  if (button != Qt::LeftButton) return;
  // The dialogs and questions below run event loops of their own, in which the window may
  // close: the pointers are guarded and the result is this edit's own copy.
  QPointer<LayoutsWindow> layouts = Current();
  if (layouts.isNull()) return;
  const LoadedResult result = layouts->view().result;
  const LayoutRange range = RangeOfLayout(result, layout_no);
  const Workspace& workspace = job.workspace;
  const std::string edit_path = workspace.WorkingFile(kEditFileName);

  std::optional<EditTarget> target;
  QPointer<EditMark> mark;
  const int hit =
      HitTest(result.shown, range, static_cast<float>(at.x()), static_cast<float>(at.y()));
  if (hit != 0) {
    if (LayoutPicture* picture = PictureOf(*layouts)) {
      mark = new EditMark(*picture, result.shown[hit]);
    }
    target = EditTargetOf(result.elements, hit);
  } else {
    const std::string list_path = workspace.WorkingFile(kAddNewFileName);
    if (const auto error = SaveFile(list_path, AddNewListBytes(result.glasses))) {
      Tell(*error);
      return;
    }
    AddNewDialog chooser(list_path, prompter, layouts);
    chooser.exec();
    target = AdditionOf(result.glasses, chooser.choice());
    if (!target || layouts.isNull()) {
      DeleteFiles(edit_path);
      if (!layouts.isNull()) layouts->setFocus();
      return;
    }
  }
  if (const auto error = WriteEditFile(workspace, result, range, *target)) {
    Tell(*error);
    return;
  }
  EditDialog dialog(target->mode, workspace, prompter, layouts);
  dialog.exec();
  delete mark.data();
  if (layouts.isNull()) return;
  if (!FileExists(edit_path)) {
    layouts->setFocus();
    return;
  }
  if (dialog.job_changed()) job.settings.job_changed = true;
  const EngineJob engine_job = EngineJobOf(job);
  if (const auto error =
          CommitEdit(workspace, result, layout_no, *target, history_, prompter, &engine_job)) {
    Tell(*error);
  }
  Reopen(layout_no);
}

void LayoutEditing::AddToLayout() {
  LayoutsWindow* layouts = Current();
  const LayoutPicture* picture = layouts == nullptr ? nullptr : PictureOf(*layouts);
  if (picture == nullptr) return;
  const UserScale scale = picture->Scale();
  EditAt(picture->layout_no(), QPointF(scale.left, scale.top), Qt::LeftButton);
}

void LayoutEditing::AlternateArrangement() {
  LayoutsWindow* layouts = Current();
  if (busy_ || layouts == nullptr) return;
  Busy busy(busy_);
  Job& job = window_.job();
  const int layout_no = layouts->CurrentLayout();
  if (const auto error =
          BeginAlternateArrangement(job.workspace, layouts->view().result.elements)) {
    Tell(*error);
    return;
  }
  while (true) {
    AlternateSearch search;
    {
      NormalPointerPrompter prompter(window_.prompter());
      QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      layouts = Current();
      if (layouts == nullptr) return;
      search = SearchAlternateArrangement(job, layouts->view().result, layout_no,
                                          job.settings.pattern_counter, prompter);
    }
    if (!search.error.empty()) {
      Tell(search.error);
      return;
    }
    layouts = Reopen(layout_no);
    if (layouts == nullptr) return;
    AlternateDialog dialog(job.settings.pattern_counter, job.workspace, layouts, &window_);
    dialog.exec();
    switch (dialog.choice()) {
      case AlternateChoice::kTryNext:
        continue;
      case AlternateChoice::kKeep:
        if (KeepAlternateArrangement(job.workspace, layout_no, history_)) {
          job.settings.job_changed = true;
        }
        Reopen(layout_no);
        return;
      case AlternateChoice::kOriginal:
        if (const auto error = RestoreOriginalArrangement(job.workspace)) Tell(*error);
        Reopen(layout_no);
        return;
    }
  }
}

void LayoutEditing::Undo() { Step(&LayoutHistory::Undo); }

void LayoutEditing::Redo() { Step(&LayoutHistory::Redo); }

void LayoutEditing::Step(HistoryStep (LayoutHistory::*step)(const std::string&)) {
  LayoutsWindow* layouts = Current();
  if (busy_ || layouts == nullptr) return;
  Busy busy(busy_);
  const HistoryStep done = (history_.*step)(window_.job().workspace.WorkingFile(kLayoutFileName));
  if (!done.error.empty()) Tell(done.error);
  if (done.layout_no != 0) window_.job().settings.job_changed = true;
  // Also when nothing could be done: the window's buttons show what is left.
  Reopen(done.layout_no != 0 ? done.layout_no : layouts->CurrentLayout());
}

LayoutsWindow* LayoutEditing::Reopen(int layout_no) {
  const bool report = window_.FindChildWindow(ChildWindow::kReport) != nullptr;
  const bool balance = window_.FindChildWindow(ChildWindow::kBalance) != nullptr;
  window_.CloseResultViews();
  window_.OpenChildWindow(ChildWindow::kLayouts);
  LayoutsWindow* layouts = Current();
  if (layouts == nullptr) return nullptr;
  layouts->SelectLayout(layout_no);
  // The report and the balance table that were on view follow the change.
  if (report) window_.OpenChildWindow(ChildWindow::kReport);
  if (balance) window_.OpenChildWindow(ChildWindow::kBalance);
  window_.OpenChildWindow(ChildWindow::kLayouts);
  layouts->setFocus();
  return layouts;
}

void LayoutEditing::Tell(const std::string& text) {
  window_.prompter().Ask({.title = kApplicationTitle,
                          .text = text,
                          .icon = PromptIcon::kExclamation,
                          .buttons = PromptButtons::kOk,
                          .default_answer = PromptAnswer::kOk});
}

LayoutsWindow* OpenEditableLayoutsWindow(MainWindow& window, LayoutsWindowContext context) {
  LayoutEditing& editing = LayoutEditing::Of(window);
  editing.Enable(context);
  LayoutsWindow* layouts = LayoutsWindow::Open(std::move(context));
  if (layouts != nullptr) editing.Attach(*layouts);
  return layouts;
}

}  // namespace lumora
