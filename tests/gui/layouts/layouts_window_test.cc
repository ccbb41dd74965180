#include "gui/layouts/layouts_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>
#include <QWheelEvent>
#include <QtTest>
#include <memory>
#include <regex>

#include "core/layouts/dia_settings.h"
#include "core/shell/data_folder.h"
#include "core/tables/file_routines.h"
#include "gui/layouts/dia_settings_window.h"
#include "gui/layouts/layout_picture.h"
#include "gui/reports/result_window_factories.h"
#include "gui/shell/main_window.h"
#include "gui/support/find_widget.h"
#include "support/run_process.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::FindWidget;

// The page count pdfinfo reads from a PDF file; -1 when it cannot read it.
int PdfPages(const std::string& file) {
  const auto info = testing::RunProcess("/bin/sh", {"-c", "pdfinfo \"$0\"", file});
  std::smatch match;
  const std::regex pages("Pages:\\s+([0-9]+)");
  return info.exit_code == 0 && std::regex_search(info.out, match, pages) ? std::stoi(match[1])
                                                                          : -1;
}

}  // namespace

class LayoutsWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TempFolder> folder_;
  std::unique_ptr<testing::ScriptedPrompter> prompter_;

  // A main window with the result windows that opens a job of tests/data/reports.
  std::unique_ptr<MainWindow> OpenWithJob(const std::string& name) {
    const auto job = ReadFileBytes(std::string(LUMORA_TEST_DATA_DIR) + "/reports/" + name);
    if (!job) return nullptr;
    MainWindowSetup setup;
    setup.workspace = {folder_->File("data"), "3.5"};
    setup.settings.coil_mode = name.ends_with(".sdr");
    setup.prompter = prompter_.get();
    setup.file_dialog = [](const FileDialogRequest&) { return std::optional<std::string>(); };
    setup.command_line_file = folder_->Write(name, *job);
    AddResultWindows(setup);
    auto window = std::make_unique<MainWindow>(std::move(setup));
    window->show();
    return window;
  }

  static LayoutsWindow* Layouts(MainWindow& window) {
    QMdiSubWindow* frame = window.FindChildWindow(ChildWindow::kLayouts);
    return frame == nullptr ? nullptr : qobject_cast<LayoutsWindow*>(frame->widget());
  }

 private slots:
  void init() {
    folder_ = std::make_unique<testing::TempFolder>();
    prompter_ = std::make_unique<testing::ScriptedPrompter>();
    QVERIFY(!SeedDataFolder(folder_->File("data")).has_value());
  }

  void OpensWithTheChooserToolbarSectionAndTotals() {
    auto window = OpenWithJob("sheet_job.opt");
    QVERIFY(window != nullptr);
    QTRY_VERIFY(window->FindChildWindow(ChildWindow::kReport) != nullptr);
    LayoutsWindow* layouts = Layouts(*window);
    QVERIFY(layouts != nullptr);
    QVERIFY(prompter_->prompts().empty());

    auto* chooser = FindWidget<QComboBox>(layouts, "cmb");
    QCOMPARE(chooser->count(), 3);
    QCOMPARE(chooser->itemText(0), QStringLiteral("1 / 3"));
    QCOMPARE(chooser->itemText(2), QStringLiteral("3 / 3"));
    QCOMPARE(chooser->currentText(), QStringLiteral("1 / 3"));
    QCOMPARE(window->StatusText(1), QStringLiteral("Overall Yield (%) = 59.39"));
    QCOMPARE(window->StatusText(2), QStringLiteral("Total Layouts = 3"));
    QCOMPARE(window->StatusText(3), QStringLiteral("Profit = 898"));

    // The main window lends labels, editing and alternates.
    for (const int index : {1, 2, 3, 4, 5, 6}) QVERIFY(layouts->Button(index)->isEnabled());
    FindWidget<QWidget>(layouts, "TB");

    // The default dia.set lists the basic details and the balances.
    auto* text = FindWidget<QTextEdit>(layouts, "txt");
    QVERIFY(text->toPlainText().startsWith(
        QStringLiteral("Layout No. 1/3\n\nItem: FLOAT CLEAR     Unit: MM\n")));
    QVERIFY(text->toPlainText().contains(QStringLiteral("Balance")));
    chooser->setCurrentIndex(1);
    QCOMPARE(layouts->CurrentLayout(), 2);
    QVERIFY(text->toPlainText().startsWith(QStringLiteral("Layout No. 2/3")));
    QCOMPARE(FindWidget<LayoutPicture>(layouts, "pic")->layout_no(), 2);
    QVERIFY(
        QFile::exists(QString::fromStdString(window->job().workspace.WorkingFile("DiaCur.tlf"))));

    // The picture is square and shows the sheet on the view's background.
    auto* picture = FindWidget<LayoutPicture>(layouts, "pic");
    QCOMPARE(picture->width(), picture->height());
    const QImage image = picture->grab().toImage();
    QCOMPARE(image.pixelColor(2, 2), kViewBackground);

    layouts->Button(1)->trigger();
    QVERIFY(layouts->Button(1)->isChecked());
    QVERIFY(picture->look().stretch);
    QCOMPARE(QApplication::focusWidget(), chooser);
  }

  void UnitSwitchReopensOnTheSameLayout() {
    auto window = OpenWithJob("sheet_job.opt");
    QVERIFY(window != nullptr);
    QTRY_VERIFY(window->FindChildWindow(ChildWindow::kReport) != nullptr);
    QMdiSubWindow* frame = window->FindChildWindow(ChildWindow::kLayouts);
    frame->mdiArea()->setActiveSubWindow(frame);
    Layouts(*window)->SelectLayout(2);
    FindWidget<QAction>(window.get(), "Tools5")->trigger();
    LayoutsWindow* reopened = Layouts(*window);
    QVERIFY(reopened != nullptr);
    QCOMPARE(reopened->CurrentLayout(), 2);
    QVERIFY(
        FindWidget<QTextEdit>(reopened, "txt")->toPlainText().contains(QStringLiteral("Unit: IN")));
  }

  void PrintsTheCurrentOrEveryLayout() {
    auto window = OpenWithJob("sheet_job.opt");
    QTRY_VERIFY(window->FindChildWindow(ChildWindow::kReport) != nullptr);
    LayoutsWindow* layouts = Layouts(*window);
    QVERIFY(layouts != nullptr);
    for (const bool all : {false, true}) {
      const std::string file = folder_->File(all ? "all.pdf" : "one.pdf");
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(file));
      QVERIFY(layouts->Print(printer, all));
      QCOMPARE(PdfPages(file), all ? 3 : 1);
    }
  }

  void CoilJobsKeepTheAlternateButtonOff() {
    auto window = OpenWithJob("coil_job.sdr");
    QTRY_VERIFY(window->FindChildWindow(ChildWindow::kReport) != nullptr);
    LayoutsWindow* layouts = Layouts(*window);
    QVERIFY(layouts != nullptr);
    QCOMPARE(FindWidget<QComboBox>(layouts, "cmb")->count(), 3);
    QVERIFY(!layouts->Button(6)->isEnabled());
  }

  void ADamagedResultIsToldAndNoWindowOpens() {
    auto job = ReadFileBytes(std::string(LUMORA_TEST_DATA_DIR) + "/reports/sheet_job.opt");
    QVERIFY(job.has_value());
    job->replace(job->find("3,1,2,10,10"), 3, "3,7");
    const std::string damaged = folder_->Write("damaged.opt", *job);
    MainWindowSetup setup;
    setup.workspace = {folder_->File("data"), "3.5"};
    setup.prompter = prompter_.get();
    setup.file_dialog = [](const FileDialogRequest&) { return std::optional<std::string>(); };
    setup.command_line_file = damaged;
    AddResultWindows(setup);
    MainWindow window(std::move(setup));
    window.show();
    // The Layouts and the Report view commands each tell it; neither window opens.
    QTRY_COMPARE(prompter_->prompts().size(), size_t{2});
    for (const std::string& text : prompter_->Texts()) {
      QVERIFY(text.starts_with("The layout file is damaged: element 39: "));
    }
    QVERIFY(window.FindChildWindow(ChildWindow::kLayouts) == nullptr);
    QVERIFY(window.FindChildWindow(ChildWindow::kReport) == nullptr);
  }

  void SettingsWindowShowsAndWritesDiaSet() {
    const Workspace workspace{folder_->File("data"), "3.5"};
    {
      DiaSettingsWindow window(workspace, *prompter_);
      // The default dia.set: 1 1 0 0 1 0 0 1 1 1 1, width 1.
      QVERIFY(FindWidget<QCheckBox>(&window, "chk0")->isChecked());
      QVERIFY(!FindWidget<QCheckBox>(&window, "chk2")->isChecked());
      QVERIFY(FindWidget<QCheckBox>(&window, "chk10")->isChecked());
      QCOMPARE(FindWidget<QCheckBox>(&window, "chk9")->text(), QStringLiteral("Balance Boundries"));
      QCOMPARE(FindWidget<QComboBox>(&window, "cmb")->currentText(), QStringLiteral("1"));
      FindWidget<QCheckBox>(&window, "chk2")->setChecked(true);
      FindWidget<QCheckBox>(&window, "chk0")->setChecked(false);
      FindWidget<QComboBox>(&window, "cmb")->setCurrentIndex(3);
      FindWidget<QPushButton>(&window, "cmdApply")->click();
      QCOMPARE(window.result(), int(QDialog::Accepted));
    }
    QCOMPARE(ReadFileBytes(workspace.SettingsFile("dia.set")).value_or(""),
             std::string("0\r\n1\r\n1\r\n0\r\n1\r\n0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n4\r\n"));

    DeleteFiles(workspace.SettingsFile("dia.set"));
    DiaSettingsWindow fresh(workspace, *prompter_);
    for (int index = 0; index < kDiaFlagCount; ++index) {
      QVERIFY(!FindWidget<QCheckBox>(&fresh, QStringLiteral("chk%1").arg(index))->isChecked());
    }
    QCOMPARE(FindWidget<QComboBox>(&fresh, "cmb")->currentIndex(), -1);
    QCOMPARE(FindWidget<QComboBox>(&fresh, "cmb")->count(), 5);
    fresh.reject();
    QVERIFY(!FileExists(workspace.SettingsFile("dia.set")));
  }

  void CutOrderListsTheCutsAndEveryLayoutExportsToDxf() {
    const Workspace workspace{folder_->File("data"), "3.5"};
    {
      DiaSettingsWindow window(workspace, *prompter_);
      auto* cut_order = FindWidget<QCheckBox>(&window, "chkCutOrder");
      QVERIFY(!cut_order->isChecked());
      cut_order->setChecked(true);
      FindWidget<QPushButton>(&window, "cmdApply")->click();
    }
    QCOMPARE(ReadFileBytes(workspace.SettingsFile("cuts.set")).value_or(""),
             std::string("1\r\n0\r\n"));
    auto window = OpenWithJob("sheet_job.opt");
    QTRY_VERIFY(window->FindChildWindow(ChildWindow::kReport) != nullptr);
    LayoutsWindow* layouts = Layouts(*window);
    QVERIFY(layouts != nullptr);
    const QString section = FindWidget<QTextEdit>(layouts, "txt")->toPlainText();
    QVERIFY(section.contains(QStringLiteral("\nCut Order\n")));
    QVERIFY(section.contains(QStringLiteral("Cuts: 6   Total Length: 9244")));
    // The designed section file stays without the list.
    QVERIFY(ReadFileBytes(window->job().workspace.WorkingFile("DiaCur.tlf"))->find("Cut Order") ==
            std::string::npos);

    FindWidget<QAction>(layouts, "TBExportDxf");
    QVERIFY(layouts->ExportDxf(folder_->File("plan.dxf")));
    QVERIFY(ReadFileBytes(folder_->File("plan.dxf"))->find("\nENTITIES\n") != std::string::npos);
    QVERIFY(!layouts->ExportDxf(folder_->File("no folder/plan.dxf")));
    QVERIFY(prompter_->Texts().back().starts_with("Could not save"));
  }

  void CtrlWheelZoomsAboutThePointerAndFitGoesBack() {
    auto window = OpenWithJob("sheet_job.opt");
    QTRY_VERIFY(window->FindChildWindow(ChildWindow::kReport) != nullptr);
    LayoutsWindow* layouts = Layouts(*window);
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
};

}  // namespace lumora

QTEST_MAIN(lumora::LayoutsWindowTest)
#include "layouts_window_test.moc"
