#include "gui/layouts/layout_editing.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/layouts/layout_drawing.h"
#include "core/layouts/layout_scale.h"
#include "core/tables/file_routines.h"
#include "gui/layouts/add_new_dialog.h"
#include "gui/layouts/alternate_dialog.h"
#include "gui/layouts/edit_dialog.h"
#include "gui/layouts/layout_picture.h"
#include "gui/shell/main_window.h"
#include "gui/support/find_widget.h"
#include "gui/support/sheet_job_window.h"
#include "gui/tables/grid_widget.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::FindWidget;

// Runs `act` on the modal dialog of type T as soon as it is shown (its exec() blocks the
// caller until then).
template <typename T>
void WhenShown(std::function<void(T&)> act) {
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

void Click(QWidget& dialog, const char* name) {
  FindWidget<QPushButton>(&dialog, QString::fromLatin1(name))->click();
}

}  // namespace

class LayoutEditingTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TempFolder> folder_;
  std::unique_ptr<testing::ScriptedPrompter> prompter_;
  std::unique_ptr<MainWindow> window_;

  LayoutsWindow* Layouts() const {
    QMdiSubWindow* frame = window_->FindChildWindow(ChildWindow::kLayouts);
    return frame == nullptr ? nullptr : qobject_cast<LayoutsWindow*>(frame->widget());
  }
  std::string Working(const char* name) const {
    return ReadFileBytes(window_->job().workspace.WorkingFile(name)).value_or("");
  }
  // Clicks the drawing of the Layouts window at a point of the layout in millimetres.
  void ClickAt(float x, float y) {
    LayoutsWindow* layouts = Layouts();
    auto* picture = FindWidget<LayoutPicture>(layouts, "pic");
    const Box sheet = FrameBox(layouts->view().result, picture->layout_no());
    const UserScale scale = ScreenScale(sheet.Width(), sheet.Height(), false);
    const QPoint pixel(static_cast<int>((x - scale.left) * picture->width() / scale.width),
                       static_cast<int>((y - scale.top) * picture->height() / scale.height));
    QTest::mouseClick(picture, Qt::LeftButton, {}, pixel);
  }

 private slots:
  void init() {
    folder_ = std::make_unique<testing::TempFolder>();
    prompter_ = std::make_unique<testing::ScriptedPrompter>();
    std::optional<MainWindowSetup> setup = testing::SheetJobSetup(*folder_, prompter_.get());
    QVERIFY(setup.has_value());
    window_ = std::make_unique<MainWindow>(std::move(*setup));
    window_->show();
    QTRY_VERIFY(window_->FindChildWindow(ChildWindow::kReport) != nullptr);
  }

  void cleanup() { window_.reset(); }

  void APieceIsDeletedAndABalanceAddedThroughTheDialogsAndUndone() {
    const std::string original = Working("dia.tlf");
    const std::string report = Working("report.tlf");
    QVERIFY(!original.empty());
    QVERIFY(Layouts()->Button(5)->isEnabled());
    QVERIFY(!FindWidget<QAction>(Layouts(), "TB7")->isEnabled());

    // Layout 1's first piece lies at (0, 0) - (1204, 804): the dialog opens in move mode.
    WhenShown<EditDialog>([](EditDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Delete / Move Existing Glass-Piece"));
      QCOMPARE(dialog.grid()->grid().Text(1, 3), std::string("1200"));
      Click(dialog, "cmd1");
    });
    ClickAt(600, 400);
    QTRY_VERIFY(Working("dia.tlf") != original);
    QVERIFY(Working("dia.tlf").find("1,-4,1,0,0,4,4,2,0\r\n") != std::string::npos);
    QTRY_VERIFY(Layouts() != nullptr);
    QCOMPARE(Layouts()->CurrentLayout(), 1);
    QVERIFY(window_->job().settings.job_changed);
    QVERIFY(window_->FindChildWindow(ChildWindow::kReport) != nullptr);
    QVERIFY(Working("report.tlf") != report);
    QCOMPARE(window_->StatusText(2), QStringLiteral("Total Layouts = 3"));

    // Button 5 offers the list; a balance is placed in the dialog's grid.
    const std::string deleted = Working("dia.tlf");
    WhenShown<AddNewDialog>([](AddNewDialog& chooser) {
      QCOMPARE(chooser.list()->count(), 5);
      chooser.list()->setCurrentRow(0);
      WhenShown<EditDialog>([](EditDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Define Position & Size of New Balance"));
        QVERIFY(!dialog.button(1)->isEnabled());
        GridWidget* grid = dialog.grid();
        grid->SetCurrentCell(1, 3);
        QTest::keyClicks(grid, "1200");
        grid->SetCurrentCell(1, 4);
        QTest::keyClicks(grid, "800");
        QTest::keyClick(grid, Qt::Key_Return);  // the default button after typing
      });
      Click(chooser, "cmd1");
    });
    Layouts()->Button(5)->trigger();
    QTRY_VERIFY(Working("dia.tlf") != deleted);
    QVERIFY(Working("dia.tlf").find("1,-4,1,0,0,1204,804,2,2\r\n2,-1,") != std::string::npos);
    QVERIFY(prompter_->prompts().empty());

    // Undo twice gives back the original bytes; redo the first change again.
    QTRY_VERIFY(Layouts() != nullptr && FindWidget<QAction>(Layouts(), "TB7")->isEnabled());
    FindWidget<QAction>(Layouts(), "TB7")->trigger();
    QTRY_COMPARE(Working("dia.tlf"), deleted);
    QTRY_VERIFY(Layouts() != nullptr);
    FindWidget<QAction>(Layouts(), "TB7")->trigger();
    QTRY_COMPARE(Working("dia.tlf"), original);
    QTRY_VERIFY(Layouts() != nullptr && FindWidget<QAction>(Layouts(), "TB8")->isEnabled());
    QVERIFY(!FindWidget<QAction>(Layouts(), "TB7")->isEnabled());
    FindWidget<QAction>(Layouts(), "TB8")->trigger();
    QTRY_COMPARE(Working("dia.tlf"), deleted);
  }

  void AnArrangementIsKeptAfterAnEditAndBothAreUndone() {
    const std::string original = Working("dia.tlf");
    WhenShown<EditDialog>([](EditDialog& dialog) { Click(dialog, "cmd1"); });
    ClickAt(600, 400);
    QTRY_VERIFY(Working("dia.tlf") != original);
    const std::string edited = Working("dia.tlf");

    QStringList captions;
    WhenShown<AlternateDialog>([&captions](AlternateDialog& first) {
      captions << first.windowTitle();
      WhenShown<AlternateDialog>([&captions](AlternateDialog& second) {
        captions << second.windowTitle();
        Click(second, "cmd1");
      });
      Click(first, "cmd0");
    });
    QTRY_VERIFY(Layouts() != nullptr);
    Layouts()->Button(6)->trigger();
    QTRY_COMPARE(captions.size(), 2);
    QCOMPARE(captions[0], QStringLiteral("Alternate Arrangement - 1"));
    QCOMPARE(captions[1], QStringLiteral("Alternate Arrangement - 2"));
    QCOMPARE(window_->job().settings.pattern_counter, 2);
    QTRY_VERIFY(Working("dia.tlf") != edited);
    QVERIFY(Working("diaalt.tlf") == edited);

    // The arrangements tried on the way do not cut the history short.
    QTRY_VERIFY(Layouts() != nullptr && FindWidget<QAction>(Layouts(), "TB7")->isEnabled());
    FindWidget<QAction>(Layouts(), "TB7")->trigger();
    QTRY_COMPARE(Working("dia.tlf"), edited);
    QTRY_VERIFY(Layouts() != nullptr && FindWidget<QAction>(Layouts(), "TB7")->isEnabled());
    FindWidget<QAction>(Layouts(), "TB7")->trigger();
    QTRY_COMPARE(Working("dia.tlf"), original);
  }

  void TheToolTipTellsWhatIsUnderThePointer() {
    LayoutsWindow* layouts = Layouts();
    auto* picture = FindWidget<LayoutPicture>(layouts, "pic");
    const Box sheet = FrameBox(layouts->view().result, 1);
    const UserScale scale = ScreenScale(sheet.Width(), sheet.Height(), false);
    const auto pixel = [&](float x, float y) {
      return QPoint(static_cast<int>((x - scale.left) * picture->width() / scale.width),
                    static_cast<int>((y - scale.top) * picture->height() / scale.height));
    };
    // The pointer moving over the picture, as the window system reports it.
    const auto move_to = [picture](QPoint at) {
      QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                       Qt::NoModifier);
      QApplication::sendEvent(picture, &move);
    };
    move_to(pixel(600, 400));
    QCOMPARE(picture->toolTip(), QStringLiteral("800 x 1200  ACME GLAZING  2"));
    move_to(pixel(-50, -50));
    QCOMPARE(picture->toolTip(), QStringLiteral("ADD Balance / Glass-Piece"));
    move_to(pixel(2500, 1000));
    QCOMPARE(picture->toolTip(), QStringLiteral("Balance 600 x 1402"));
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::LayoutEditingTest)
#include "layout_editing_test.moc"
