#include <QCheckBox>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QPrinter>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QWheelEvent>
#include <algorithm>
#include <tuple>

#include "core/layouts/layout_scale.h"
#include "gui/layouts/add_new_dialog.h"
#include "gui/layouts/alternate_dialog.h"
#include "gui/layouts/broken_pieces_dialog.h"
#include "gui/layouts/dia_settings_window.h"
#include "gui/layouts/edit_dialog.h"
#include "gui/layouts/layout_picture.h"
#include "gui/layouts/layouts_window.h"
#include "gui/library/library_windows.h"
#include "gui/reports/labels_window.h"
#include "gui/support/program_window.h"
#include "support/pdf_info.h"

namespace lumora {
namespace {

using testing::Click;
using testing::FindWidget;
using testing::WhenShown;

// The colours of a report line's cell, the row scrolled into view first; its background is
// the first colour, three quarters across, where no text reaches.
QList<QRgb> RowColours(GridWidget* grid, int row) {
  grid->SetCurrentCell(row, 1);
  const QRect cell = grid->CellRect(row, 1);
  const QImage image = grid->viewport()->grab().toImage();
  QList<QRgb> colours = {image.pixel(cell.left() + cell.width() * 3 / 4, cell.center().y())};
  for (int x = cell.left(); x < std::min(cell.right(), image.width()); ++x) {
    for (int y = cell.top(); y < cell.bottom(); ++y) colours << image.pixel(x, y);
  }
  return colours;
}

}  // namespace

// The Layouts, Report and Balance windows of a main window over an optimized job, and the
// editing of its layouts.
class ResultWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::ProgramWindow> program_;

  MainWindow& Main() const { return *program_->window; }
  // The main window over the optimized sheet job; the Layouts window once it opened.
  LayoutsWindow* Open() {
    program_->Open(false, program_->folder.Write("sheet_job.opt",
                                                 testing::TestDataBytes("reports/sheet_job.opt")));
    // The Layouts window opens with the Report view.
    (void)QTest::qWaitFor([this] { return Main().FindChildWindow(ChildWindow::kReport); });
    Main().resize(1200, 800);
    return Layouts();
  }
  LayoutsWindow* Layouts() const {
    QMdiSubWindow* frame = Main().FindChildWindow(ChildWindow::kLayouts);
    return frame == nullptr ? nullptr : qobject_cast<LayoutsWindow*>(frame->widget());
  }
  LayoutPicture* Picture() const { return FindWidget<LayoutPicture>(Layouts(), "pic"); }
  std::string Working(const char* name) const { return program_->Working(name); }

  // The pixel of the Layouts window's drawing at a point of the layout in millimetres.
  QPoint Pixel(float x, float y) const { return Picture()->Pixel(x, y).toPoint(); }
  // Presses a toolbar button of the Layouts window, built again after each change, once it is
  // enabled.
  void Press(const char* button) {
    QTRY_VERIFY(Layouts() != nullptr && FindWidget<QAction>(Layouts(), button)->isEnabled());
    FindWidget<QAction>(Layouts(), button)->trigger();
  }

 private slots:
  void init() { program_ = std::make_unique<testing::ProgramWindow>(); }
  void cleanup() { program_.reset(); }

  // The Layouts window tells the piece under the pointer, prints the layouts and the labels,
  // exports, zooms and follows its chooser and the unit.
  void OpensWiredToTheResult() {
    LayoutsWindow* layouts = Open();
    QVERIFY(layouts != nullptr && program_->prompter.prompts().empty());
    auto* chooser = FindWidget<QComboBox>(layouts, "cmb");
    // The main window lends labels, editing and alternates.
    for (const int index : {1, 2, 3, 4, 5, 6}) QVERIFY(layouts->Button(index)->isEnabled());
    const std::tuple<float, float, QString> cases[] = {{600, 400, "800 x 1200  ACME GLAZING  2"},
                                                       {-50, -50, "ADD Balance / Glass-Piece"},
                                                       {2500, 1000, "Balance 600 x 1402"}};
    for (const auto& [x, y, tip] : cases) {
      // The pointer moving over the picture, as the window system reports it.
      const QPoint at = Pixel(x, y);
      QMouseEvent move(QEvent::MouseMove, at, Picture()->mapToGlobal(at), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(Picture(), &move);
      QCOMPARE(Picture()->toolTip(), tip);
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    for (const auto& [all, file] : {std::pair{false, "one.pdf"}, {true, "all.pdf"}}) {
      printer.setOutputFileName(QString::fromStdString(program_->folder.File(file)));
      QVERIFY(layouts->Print(printer, all));
      QCOMPARE(testing::PdfPages(program_->folder.File(file)), all ? 3 : 1);
    }
    printer.setOutputFileName(QString::fromStdString(program_->folder.File("labels.pdf")));
    QVERIFY(PrintLabels(printer, layouts->view().result, Main().job(), program_->prompter));
    QCOMPARE(Working("lbl.tlf"), testing::TestDataBytes("reports/sheet_mm/lbl.tlf"));
    QVERIFY(testing::PdfPages(program_->folder.File("labels.pdf")) > 0);
    // Export DXF suggests the job's name and adds the extension left out.
    program_->dialog.answers = {program_->folder.File("walk")};
    FindWidget<QAction>(layouts, "TBExportDxf")->trigger();
    QCOMPARE(program_->dialog.requests.back().file_name, program_->folder.File("sheet_job.dxf"));
    QVERIFY(Main().statusBar()->currentMessage().endsWith(QStringLiteral("/walk.dxf")));
    QVERIFY(testing::Contains(program_->folder.Read("walk.dxf"), "SECTION"));
    QVERIFY(!layouts->ExportDxf(program_->folder.File("no folder/plan.dxf")));
    QVERIFY(program_->prompter.Texts().back().starts_with("Could not save"));

    // The drawing fills its pane. Ctrl+wheel zooms about the pointer; the zoomed view has scroll
    // bars and pans with the middle button, which opens no edit; Fit goes back.
    LayoutPicture* picture = Picture();
    const auto* split = qobject_cast<QSplitter*>(picture->parentWidget());
    const QWidget* section = FindWidget<QTextEdit>(layouts, "txt");
    QVERIFY(split != nullptr && picture->height() == split->height());
    QCOMPARE(picture->width() + split->handleWidth() + section->width(), split->width());
    const UserScale designed = picture->Scale();
    const QPointF pointer(picture->width() * 0.3, picture->height() * 0.2);
    const QPointF under = picture->Millimetres(pointer);
    QWheelEvent wheel(pointer, picture->mapToGlobal(pointer), {}, {0, 240}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(picture, &wheel);
    QCOMPARE(designed.width / picture->Scale().width, 1.5625f);
    QVERIFY((picture->Millimetres(pointer) - under).manhattanLength() < 0.01);
    auto* across = FindWidget<QScrollBar>(layouts, "picAcross");
    QVERIFY(across->isVisible() && FindWidget<QScrollBar>(layouts, "picDown")->isVisible());
    const int scrolled = across->value();
    QTest::mousePress(picture, Qt::MiddleButton, {}, pointer.toPoint());
    QMouseEvent drag(QEvent::MouseMove, pointer + QPointF(-40, 0),
                     picture->mapToGlobal(pointer + QPointF(-40, 0)), Qt::NoButton,
                     Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &drag);
    QTest::mouseRelease(picture, Qt::MiddleButton, {}, (pointer + QPointF(-40, 0)).toPoint());
    QCOMPARE(across->value(), scrolled + 40);
    QTest::qWait(20);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    FindWidget<QAction>(layouts, "TBFit")->trigger();
    QCOMPARE(picture->Scale().width, designed.width);
    QVERIFY(!across->isVisible());
    auto* text = FindWidget<QTextEdit>(layouts, "txt");
    QVERIFY(text->toPlainText().startsWith(QStringLiteral("Layout No. 1/3\n\nItem: FLOAT CLEAR")));
    chooser->setCurrentIndex(1);
    QCOMPARE(layouts->CurrentLayout(), 2);
    QVERIFY(text->toPlainText().startsWith(QStringLiteral("Layout No. 2/3")));
    QCOMPARE(Picture()->layout_no(), 2);
    layouts->Button(1)->trigger();
    QVERIFY(Picture()->look().stretch);

    // A unit switch builds the window again on the same layout.
    QMdiSubWindow* frame = Main().FindChildWindow(ChildWindow::kLayouts);
    frame->mdiArea()->setActiveSubWindow(frame);
    FindWidget<QAction>(&Main(), "Tools5")->trigger();
    QCOMPARE(Layouts()->CurrentLayout(), 2);
    QVERIFY(FindWidget<QTextEdit>(Layouts(), "txt")->toPlainText().contains("Unit: IN"));
  }

  // The settings window writes dia.set and cuts.set on Apply; the Layouts window then lists
  // the cut order, which the designed section file goes without.
  void SettingsWindowWritesDiaSetAndTheCutOrderShows() {
    DiaSettingsWindow dia({program_->folder.File("data"), "7.25"}, program_->prompter);
    const auto check = [&dia](const char* name) { return FindWidget<QCheckBox>(&dia, name); };
    QVERIFY(check("chk0")->isChecked() && !check("chk2")->isChecked());
    QCOMPARE(FindWidget<QComboBox>(&dia, "cmb")->currentText(), QStringLiteral("1"));
    check("chk2")->setChecked(true);
    check("chk0")->setChecked(false);
    check("chkCutOrder")->setChecked(true);
    FindWidget<QComboBox>(&dia, "cmb")->setCurrentIndex(3);
    Click(&dia, "cmdApply");
    QCOMPARE(program_->folder.Read("data/dia.set"),
             std::string("0\r\n1\r\n1\r\n0\r\n1\r\n0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n4\r\n"));
    QCOMPARE(program_->folder.Read("data/cuts.set"), std::string("1\r\n0\r\n"));
    LayoutsWindow* layouts = Open();
    QVERIFY(layouts != nullptr);
    QVERIFY(FindWidget<QTextEdit>(layouts, "txt")
                ->toPlainText()
                .contains("Cuts: 6   Total Length: 9244"));
    QVERIFY(!testing::Contains(Working("DiaCur.tlf"), "Cut Order"));
  }

  void ReportAndBalanceViews() {
    QVERIFY(Open() != nullptr);
    GridWidget* grid = FindWidget<GridWidget>(Main().FindChildWindow(ChildWindow::kReport), "FG");
    // The rows of "Item: ...", "Profit ..." and "Layout No. 1/3" in the pinned report.
    const int plain = 2, profit = 35, layout = 38;
    QVERIFY(grid->grid().Text(profit, 1).starts_with("Profit"));
    // Headings are shaded, a loss is red.
    const QRgb red = QColor(255, 0, 0).rgb();
    QCOMPARE(RowColours(grid, layout).front(), QColor(192, 192, 192).rgb());
    QCOMPARE(RowColours(grid, plain).front(), grid->palette().color(QPalette::Base).rgb());
    QVERIFY(!RowColours(grid, profit).contains(red));
    grid->grid().SetText(profit, 1, "Profit       -120");
    grid->Refresh();
    QVERIFY(RowColours(grid, profit).contains(red));

    // Sorting the window's rows leaves report.tlf, which printing reads by position, alone.
    const std::string before = Working("report.tlf");
    grid->SortAscending();
    QCOMPARE(Working("report.tlf"), before);

    // The Balance And Scrap Table shows offcut.tlf; its Export, offered only after imported
    // stock, updates the material library.
    program_->folder.Write("data/mlm.dat",
                           "\"FLOAT CLEAR\",\"CLR\",\"6\",\"3210\",\"2250\",\"5\",\"1\"\r\n");
    Main().job().settings.imported_stock = true;
    Main().ShowView(ChildWindow::kBalance);
    QMdiSubWindow* table = Main().FindChildWindow(ChildWindow::kBalance);
    const std::string first = FindWidget<GridWidget>(table, "FG")->grid().Text(1, 2);
    QVERIFY(Working("offcut.tlf").starts_with("1,\"" + first + "\""));
    auto* button = FindWidget<QPushButton>(table, "cmdExport");
    QVERIFY(button->isEnabled());
    program_->prompter.Plan(PromptAnswer::kYes);
    button->click();
    QCOMPARE(program_->prompter.Texts().back(), std::string("Material Library Updated!"));
    QVERIFY(!button->isEnabled() && !Main().job().settings.imported_stock);
  }

  // A piece is deleted and a balance added through the dialogs, an arrangement is kept, and the
  // toolbar undoes them one by one: the arrangements tried on the way do not cut the history.
  void EditsThroughTheDialogsAreUndoneOneByOne() {
    QVERIFY(Open() != nullptr);
    const std::string original = Working("dia.tlf");
    const std::string report = Working("report.tlf");
    QVERIFY(!FindWidget<QAction>(Layouts(), "TB7")->isEnabled());
    // The first piece of layout 1, at (0, 0) - (1204, 804).
    WhenShown<EditDialog>([](EditDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Delete / Move Existing Glass-Piece"));
      QCOMPARE(dialog.grid()->grid().Text(1, 3), std::string("1200"));
      Click(&dialog, "cmd1");
    });
    QTest::mouseClick(Picture(), Qt::LeftButton, {}, Pixel(600, 400));
    QTRY_VERIFY(Working("dia.tlf") != original && Layouts() != nullptr);
    const std::string deleted = Working("dia.tlf");
    QVERIFY(testing::Contains(deleted, "1,-4,1,0,0,4,4,2,0\r\n"));
    QCOMPARE(Layouts()->CurrentLayout(), 1);
    QVERIFY(Main().job().settings.job_changed && Working("report.tlf") != report);

    // Button 5 offers the list; a balance is placed in the dialog's grid.
    WhenShown<AddNewDialog>([](AddNewDialog& chooser) {
      chooser.list()->setCurrentRow(0);
      WhenShown<EditDialog>([](EditDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Define Position & Size of New Balance"));
        testing::Type(dialog.grid(), 1, 3, "1200");
        testing::Type(dialog.grid(), 1, 4, "800");
        QTest::keyClick(dialog.grid(), Qt::Key_Return);  // the default button after typing
      });
      Click(&chooser, "cmd1");
    });
    Layouts()->Button(5)->trigger();
    QTRY_VERIFY(Working("dia.tlf") != deleted);
    const std::string added = Working("dia.tlf");
    QVERIFY(testing::Contains(added, "1,-4,1,0,0,1204,804,2,2\r\n2,-1,"));
    QVERIFY(program_->prompter.prompts().empty());

    QStringList captions;
    WhenShown<AlternateDialog>([&captions](AlternateDialog& first) {
      captions << first.windowTitle();
      WhenShown<AlternateDialog>([&captions](AlternateDialog& second) {
        captions << second.windowTitle();
        Click(&second, "cmd1");
      });
      Click(&first, "cmd0");
    });
    QTRY_VERIFY(Layouts() != nullptr);
    Layouts()->Button(6)->trigger();
    QTRY_COMPARE(captions, QStringList({"Alternate Arrangement - 1", "Alternate Arrangement - 2"}));
    QCOMPARE(Main().job().settings.pattern_counter, 2);
    QTRY_VERIFY(Working("dia.tlf") != added);
    QVERIFY(Working("diaalt.tlf") == added);

    for (const auto& [button, text] : {std::pair{"TB7", added}, {"TB7", deleted}, {"TB8", added}}) {
      Press(button);
      QTRY_COMPARE(Working("dia.tlf"), text);
    }
  }

  // After the cut: the Rack Plan view plans the result's pieces, Tools' Density Table shows
  // Density.dat, and "Broken..." with the pieces marked on the drawing writes the recut job,
  // records it in the job and opens it.
  void RackPlanDensityTableAndRecut() {
    QVERIFY(Open() != nullptr);
    Main().ShowView(ChildWindow::kRackPlan);
    QMdiSubWindow* plan = Main().FindChildWindow(ChildWindow::kRackPlan);
    QVERIFY(plan != nullptr);
    QVERIFY(
        FindWidget<QLabel>(plan, "lblSummary")
            ->text()
            .startsWith(QStringLiteral("17 pieces in breakout order: 17 in racks, 0 not racked.")));

    std::string first_density;
    WhenShown<DataTableWindow>([&first_density](DataTableWindow& table) {
      first_density = table.grid_widget()->grid().Text(1, 1);
      table.reject();
    });
    program_->prompter.Plan(PromptAnswer::kNo);
    for (QAction* action : FindWidget<QMenu>(&Main(), "Tools")->actions()) {
      if (action->text() == QStringLiteral("&Density Table")) action->trigger();
    }
    QCOMPARE(first_density, std::string("FLOAT CLEAR"));

    // A piece Ctrl+clicked on the drawing comes selected; a second click would unmark it.
    QTest::mouseClick(Picture(), Qt::LeftButton, Qt::ControlModifier, Pixel(600, 400));
    QCOMPARE(Picture()->marks().size(), size_t{1});
    WhenShown<BrokenPiecesDialog>([](BrokenPiecesDialog& dialog) {
      QCOMPARE(dialog.list()->selectedItems().size(), 1);
      QVERIFY(dialog.list()->item(0)->isSelected());
      dialog.list()->item(2)->setSelected(true);
      Click(&dialog, "cmdRecut");
    });
    // The job keeps the record once Save Changes is answered and its file chosen.
    program_->prompter.Plan(PromptAnswer::kYes);
    program_->dialog.answers = {program_->folder.File("sheet_job.opt")};
    Press("TBBroken");
    QTRY_VERIFY(Main().windowTitle().endsWith(QStringLiteral("/sheet_job-recut.opt")));
    QVERIFY(Main().FindChildWindow(ChildWindow::kGlass) != nullptr);
    QVERIFY(
        testing::Contains(program_->folder.Read("sheet_job.opt"), "[RECUT.TLF]\r\n\"1\",\"1\","));
    QVERIFY(
        testing::Contains(program_->folder.Read("sheet_job-recut.opt"), "Recut of sheet_job.opt"));
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::ResultWindowsTest)
#include "result_windows_test.moc"
