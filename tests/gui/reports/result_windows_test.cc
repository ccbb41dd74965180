#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <tuple>

#include "core/layouts/dia_settings.h"
#include "core/layouts/layout_drawing.h"
#include "core/layouts/layout_scale.h"
#include "core/tables/file_routines.h"
#include "gui/layouts/add_new_dialog.h"
#include "gui/layouts/alternate_dialog.h"
#include "gui/layouts/dia_settings_window.h"
#include "gui/layouts/edit_dialog.h"
#include "gui/layouts/layout_picture.h"
#include "gui/layouts/layouts_window.h"
#include "gui/reports/labels_window.h"
#include "gui/reports/report_window.h"
#include "gui/shell/main_window.h"
#include "gui/support/program_window.h"
#include "gui/tables/grid_widget.h"
#include "support/pdf_info.h"
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

// The first row whose text starts with the prefix; 0 when there is none.
int RowStarting(const Grid& grid, const std::string& prefix) {
  for (int row = 1; row < grid.Rows(); ++row) {
    if (grid.Text(row, 1).starts_with(prefix)) return row;
  }
  return 0;
}

// The colours of a report line's cell, the row scrolled into view first; its background is
// the colour three quarters across, where no text reaches.
QSet<QRgb> RowColours(GridWidget* grid, int row, QRgb* background = nullptr) {
  grid->SetCurrentCell(row, 1);
  const QRect cell = grid->CellRect(row, 1);
  const QImage image = grid->viewport()->grab().toImage();
  if (background != nullptr) {
    *background = image.pixel(cell.left() + cell.width() * 3 / 4, cell.center().y());
  }
  QSet<QRgb> colours;
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

  // The main window over a job of tests/data/reports; the Layouts window once it opened.
  LayoutsWindow* Open(const std::string& job = "sheet_job.opt") {
    if (!program_->OpenReportJob(job)) return nullptr;
    (*program_)->resize(1200, 800);
    return Layouts();
  }

  LayoutsWindow* Layouts() const {
    QMdiSubWindow* frame = (*program_)->FindChildWindow(ChildWindow::kLayouts);
    return frame == nullptr ? nullptr : qobject_cast<LayoutsWindow*>(frame->widget());
  }

  Workspace Data() const { return {program_->folder.File("data"), "7.25"}; }
  std::string Working(const char* name) const { return program_->Working(name); }

  // The pixel of the Layouts window's drawing at a point of the layout in millimetres.
  QPoint Pixel(float x, float y) const {
    LayoutsWindow* layouts = Layouts();
    auto* picture = FindWidget<LayoutPicture>(layouts, "pic");
    const Box sheet = FrameBox(layouts->view().result, picture->layout_no());
    const UserScale scale = ScreenScale(sheet.Width(), sheet.Height(), false);
    return QPoint(static_cast<int>((x - scale.left) * picture->width() / scale.width),
                  static_cast<int>((y - scale.top) * picture->height() / scale.height));
  }
  void ClickAt(float x, float y) {
    QTest::mouseClick(FindWidget<LayoutPicture>(Layouts(), "pic"), Qt::LeftButton, {}, Pixel(x, y));
  }

  // Presses a toolbar button of the Layouts window, built again after each change, once it is
  // enabled.
  void Press(const char* button) {
    QTRY_VERIFY(Layouts() != nullptr && FindWidget<QAction>(Layouts(), button)->isEnabled());
    FindWidget<QAction>(Layouts(), button)->trigger();
  }

 private slots:
  void init() { program_ = std::make_unique<testing::ProgramWindow>(); }
  void cleanup() { program_.reset(); }

  void OpensWithTheChooserSectionAndTotals() {
    LayoutsWindow* layouts = Open();
    QVERIFY(layouts != nullptr);
    QVERIFY(program_->prompter.prompts().empty());
    auto* chooser = FindWidget<QComboBox>(layouts, "cmb");
    QCOMPARE(chooser->count(), 3);
    QCOMPARE(chooser->currentText(), QStringLiteral("1 / 3"));
    QCOMPARE((*program_)->StatusText(1), QStringLiteral("Overall Yield (%) = 59.39"));
    QCOMPARE((*program_)->StatusText(2), QStringLiteral("Total Layouts = 3"));
    QCOMPARE((*program_)->StatusText(3), QStringLiteral("Profit = 898"));
    // The main window lends labels, editing and alternates.
    for (const int index : {1, 2, 3, 4, 5, 6}) QVERIFY(layouts->Button(index)->isEnabled());

    auto* text = FindWidget<QTextEdit>(layouts, "txt");
    QVERIFY(text->toPlainText().startsWith(
        QStringLiteral("Layout No. 1/3\n\nItem: FLOAT CLEAR     Unit: MM\n")));
    chooser->setCurrentIndex(1);
    QCOMPARE(layouts->CurrentLayout(), 2);
    QVERIFY(text->toPlainText().startsWith(QStringLiteral("Layout No. 2/3")));
    auto* picture = FindWidget<LayoutPicture>(layouts, "pic");
    QCOMPARE(picture->layout_no(), 2);
    layouts->Button(1)->trigger();
    QVERIFY(picture->look().stretch);

    // A unit switch builds the window again on the same layout.
    (*program_)
        ->FindChildWindow(ChildWindow::kLayouts)
        ->mdiArea()
        ->setActiveSubWindow((*program_)->FindChildWindow(ChildWindow::kLayouts));
    FindWidget<QAction>(program_->window.get(), "Tools5")->trigger();
    QCOMPARE(Layouts()->CurrentLayout(), 2);
    QVERIFY(FindWidget<QTextEdit>(Layouts(), "txt")->toPlainText().contains("Unit: IN"));
  }

  void PrintsZoomsAndExports() {
    LayoutsWindow* layouts = Open();
    QVERIFY(layouts != nullptr);
    for (const bool all : {false, true}) {
      const std::string file = program_->folder.File(all ? "all.pdf" : "one.pdf");
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(file));
      QVERIFY(layouts->Print(printer, all));
      QCOMPARE(testing::PdfPages(file), all ? 3 : 1);
    }
    QVERIFY(layouts->ExportDxf(program_->folder.File("plan.dxf")));
    QVERIFY(ReadFileBytes(program_->folder.File("plan.dxf"))->find("\nENTITIES\n") !=
            std::string::npos);
    QVERIFY(!layouts->ExportDxf(program_->folder.File("no folder/plan.dxf")));
    QVERIFY(program_->prompter.Texts().back().starts_with("Could not save"));

    // Ctrl+wheel zooms about the pointer; Fit goes back.
    auto* picture = FindWidget<LayoutPicture>(layouts, "pic");
    const UserScale designed = picture->Scale();
    const QPointF pointer(picture->width() * 0.3, picture->height() * 0.2);
    const QPointF under = picture->Millimetres(pointer);
    QWheelEvent wheel(pointer, picture->mapToGlobal(pointer), {}, {0, 240}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(picture, &wheel);
    QCOMPARE(designed.width / picture->Scale().width, 1.5625f);
    QVERIFY((picture->Millimetres(pointer) - under).manhattanLength() < 0.01);
    FindWidget<QAction>(layouts, "TBFit")->trigger();
    QCOMPARE(picture->Scale().width, designed.width);
  }

  // The settings window writes dia.set and cuts.set on Apply; the Layouts window then lists
  // the cut order, which the designed section file goes without.
  void SettingsWindowWritesDiaSetAndTheCutOrderShows() {
    {
      DiaSettingsWindow window(Data(), program_->prompter);
      QVERIFY(FindWidget<QCheckBox>(&window, "chk0")->isChecked());
      QVERIFY(!FindWidget<QCheckBox>(&window, "chk2")->isChecked());
      QCOMPARE(FindWidget<QComboBox>(&window, "cmb")->currentText(), QStringLiteral("1"));
      FindWidget<QCheckBox>(&window, "chk2")->setChecked(true);
      FindWidget<QCheckBox>(&window, "chk0")->setChecked(false);
      FindWidget<QComboBox>(&window, "cmb")->setCurrentIndex(3);
      FindWidget<QCheckBox>(&window, "chkCutOrder")->setChecked(true);
      FindWidget<QPushButton>(&window, "cmdApply")->click();
      QCOMPARE(window.result(), int(QDialog::Accepted));
    }
    QCOMPARE(ReadFileBytes(Data().SettingsFile("dia.set")).value_or(""),
             std::string("0\r\n1\r\n1\r\n0\r\n1\r\n0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n4\r\n"));
    QCOMPARE(ReadFileBytes(Data().SettingsFile("cuts.set")).value_or(""),
             std::string("1\r\n0\r\n"));
    LayoutsWindow* layouts = Open();
    QVERIFY(layouts != nullptr);
    const QString section = FindWidget<QTextEdit>(layouts, "txt")->toPlainText();
    QVERIFY(section.contains(QStringLiteral("Cuts: 6   Total Length: 9244")));
    QVERIFY(ReadFileBytes(Data().WorkingFile("DiaCur.tlf"))->find("Cut Order") ==
            std::string::npos);
  }

  void ReportShowsTheFileWithHeadingsShadedAndALossRed() {
    QVERIFY(Open() != nullptr);
    auto* report =
        qobject_cast<ReportWindow*>((*program_)->FindChildWindow(ChildWindow::kReport)->widget());
    QVERIFY(report != nullptr);
    GridWidget* grid = testing::FindWidget<GridWidget>(report, "FG");
    QVERIFY(grid->grid().Text(1, 1).starts_with("Overall Yield(%)="));
    const int layout = RowStarting(grid->grid(), "Layout No. 1/3");
    const int plain = RowStarting(grid->grid(), "Item: ");
    const int profit = RowStarting(grid->grid(), "Profit");
    QVERIFY(layout > 0 && plain > 0 && profit > 0);
    const QRgb grey = QColor(192, 192, 192).rgb();
    const QRgb red = QColor(255, 0, 0).rgb();
    QRgb background = 0;
    RowColours(grid, layout, &background);
    QCOMPARE(background, grey);
    RowColours(grid, plain, &background);
    QCOMPARE(background, grid->palette().color(QPalette::Base).rgb());
    QVERIFY(!RowColours(grid, profit).contains(red));
    grid->grid().SetText(profit, 1, "Profit       -120");
    grid->Refresh();
    QVERIFY(RowColours(grid, profit).contains(red));

    // Sorting the window's rows leaves report.tlf, which printing reads by position, alone.
    const std::string before = Working("report.tlf");
    QVERIFY(!before.empty());
    grid->SortAscending();
    QCOMPARE(Working("report.tlf"), before);
  }

  // The Balance And Scrap Table shows offcut.tlf; its Export updates the material library
  // only after imported stock, and only when the user agrees.
  void BalanceTableExportsIntoTheLibrary() {
    QVERIFY(Open() != nullptr);
    const std::string library =
        "\"FLOAT CLEAR\",\"CLR\",\"6\",\"3210\",\"2250\",\"5\",\"1.45\"\r\n";
    program_->folder.Write("data/mlm.dat", library);
    (*program_)->ShowView(ChildWindow::kBalance);
    QMdiSubWindow* table = (*program_)->FindChildWindow(ChildWindow::kBalance);
    QVERIFY(table != nullptr);
    GridWidget* grid = testing::FindWidget<GridWidget>(table, "FG");
    QVERIFY(Working("offcut.tlf").starts_with("1,\"" + grid->grid().Text(1, 2) + "\""));
    QVERIFY(!testing::FindWidget<QPushButton>(table, "cmdExport")->isEnabled());

    (*program_)->job().settings.imported_stock = true;
    (*program_)->ShowView(ChildWindow::kBalance);
    table = (*program_)->FindChildWindow(ChildWindow::kBalance);
    auto* export_button = testing::FindWidget<QPushButton>(table, "cmdExport");
    QVERIFY(export_button->isEnabled());
    program_->prompter.Plan(PromptAnswer::kNo);
    export_button->click();
    QCOMPARE(program_->folder.Read("data/mlm.dat"), library);
    program_->prompter.Plan(PromptAnswer::kYes);
    export_button->click();
    const std::string updated = program_->folder.Read("data/mlm.dat");
    QVERIFY2(
        updated.starts_with("\"FLOAT CLEAR\",\"CLR\",\"6\",\"3210\",\"2250\",\"2\",\"1.45\"\r\n"
                            "\"FLOAT CLEAR\",\"CLR\",\"6\",\"802\",\"800\",\"2\",\"1.45\"\r\n"),
        updated.c_str());
    QVERIFY(!export_button->isEnabled());
    QVERIFY(!(*program_)->job().settings.imported_stock);
    QCOMPARE(program_->prompter.Texts().back(), std::string("Material Library Updated!"));
  }

  void APieceIsDeletedAndABalanceAddedThroughTheDialogsAndUndone() {
    QVERIFY(Open() != nullptr);
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
    QVERIFY((*program_)->job().settings.job_changed);
    QVERIFY((*program_)->FindChildWindow(ChildWindow::kReport) != nullptr);
    QVERIFY(Working("report.tlf") != report);
    QCOMPARE((*program_)->StatusText(2), QStringLiteral("Total Layouts = 3"));

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
    QVERIFY(program_->prompter.prompts().empty());

    // Undo and redo from the toolbar.
    const std::string added = Working("dia.tlf");
    Press("TB7");
    QTRY_COMPARE(Working("dia.tlf"), deleted);
    Press("TB8");
    QTRY_COMPARE(Working("dia.tlf"), added);
  }

  void AnArrangementIsKeptAfterAnEditAndBothAreUndone() {
    QVERIFY(Open() != nullptr);
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
    QCOMPARE((*program_)->job().settings.pattern_counter, 2);
    QTRY_VERIFY(Working("dia.tlf") != edited);
    QVERIFY(Working("diaalt.tlf") == edited);

    // The arrangements tried on the way do not cut the history short.
    Press("TB7");
    QTRY_COMPARE(Working("dia.tlf"), edited);
    Press("TB7");
    QTRY_COMPARE(Working("dia.tlf"), original);
  }

  void TheToolTipTellsWhatIsUnderThePointer() {
    QVERIFY(Open() != nullptr);
    auto* picture = FindWidget<LayoutPicture>(Layouts(), "pic");
    const std::tuple<float, float, QString> cases[] = {
        {600, 400, "800 x 1200  ACME GLAZING  2"},
        {-50, -50, "ADD Balance / Glass-Piece"},
        {2500, 1000, "Balance 600 x 1402"},
    };
    for (const auto& [x, y, tip] : cases) {
      // The pointer moving over the picture, as the window system reports it.
      const QPoint at = Pixel(x, y);
      QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                       Qt::NoModifier);
      QApplication::sendEvent(picture, &move);
      QCOMPARE(picture->toolTip(), tip);
    }
  }

  // The ten labels of the coil test job, two rows of three to a page: lbl.tlf is written as the
  // working file and printed on two pages, as lumora-cli labels --pdf prints them.
  void PrintsTheWorkingLabelFile() {
    program_->folder.Write("data/lbl.def", "\"2\",\"3\",\"1\",\"30\",\"2\",\"1\"\r\n");
    QVERIFY(Open("coil_job.sdr") != nullptr);
    const std::string pdf = program_->folder.File("labels.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(QString::fromStdString(pdf));
    QVERIFY(PrintLabels(printer, Layouts()->view().result, (*program_)->job(), program_->prompter));
    const std::string labels = Working("lbl.tlf");
    QCOMPARE(std::count(labels.begin(), labels.end(), '*'), 1L);
    QCOMPARE(testing::PdfPages(pdf), 2);
    QVERIFY(testing::PdfText(pdf).find("QTY      :1/") != std::string::npos);
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::ResultWindowsTest)
#include "result_windows_test.moc"
