#include "gui/reports/labels_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>
#include <string>

#include "core/job/job.h"
#include "core/job/job_file.h"
#include "core/layouts/layouts_load.h"
#include "core/shell/data_folder.h"
#include "core/tables/file_routines.h"
#include "gui/shell/configure_window.h"
#include "gui/support/find_widget.h"
#include "gui/tables/grid_widget.h"
#include "support/pdf_info.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {

// Takes the place of the desktop's browser: records every file the program asks it to open.
class HelpRecorder : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> urls;

 public slots:
  void Open(const QUrl& url) { urls << url; }
};

class LabelsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void ConfigureOpensDefineLabelsWhichStoresOnCloseOnly() {
    testing::TempFolder folder;
    const Workspace workspace{folder.path(), "1."};
    folder.Write("lbl.def", "\"4\",\"2\",\"1\",\"40\",\"2\",\"2\"\r\n");
    testing::ScriptedPrompter prompter;
    ConfigureWindow configure(workspace, prompter);
    configure.show();
    testing::FindWidget<QPushButton>(&configure, "cmd2")->click();
    auto* labels = testing::FindWidget<LabelsWindow>(&configure, "LABELS");
    QVERIFY(QTest::qWaitForWindowExposed(labels));
    QCOMPARE(labels->windowTitle(), QStringLiteral("Define Labels"));
    QCOMPARE(labels->windowModality(), Qt::ApplicationModal);
    auto* grid = testing::FindWidget<GridWidget>(labels, "FG");
    QCOMPARE(grid->grid().Cols(), 7);
    const char* headers[] = {"ROWS", "COLS", "HS", "HP", "VS", "VP"};
    for (int col = 1; col <= 6; ++col)
      QCOMPARE(grid->grid().Text(0, col), std::string(headers[col - 1]));
    QCOMPARE(grid->grid().Text(1, 4), std::string("40"));

    // Whole numbers only; Enter goes on to the next column.
    QTest::keyClick(grid, Qt::Key_Delete);
    QTest::keyClicks(grid, "3.x5");
    QCOMPARE(grid->grid().Text(1, 1), std::string("35"));
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(grid->grid().col, 2);
    QTest::keyClick(grid, Qt::Key_Backspace);
    QTest::keyClicks(grid, "3");
    QCOMPARE(grid->grid().Rows(), 2);
    testing::FindWidget<QCheckBox>(labels, "chkLayoutPosition")->setChecked(true);

    labels->close();
    QVERIFY(!QFile::exists(QString::fromStdString(folder.File("lblcode.set"))));
    QCOMPARE(folder.Read("lbl.def"), std::string("\"4\",\"2\",\"1\",\"40\",\"2\",\"2\"\r\n"));
    QTRY_VERIFY(configure.findChild<LabelsWindow*>() == nullptr);

    testing::FindWidget<QPushButton>(&configure, "cmd2")->click();
    labels = testing::FindWidget<LabelsWindow>(&configure, "LABELS");
    grid = testing::FindWidget<GridWidget>(labels, "FG");
    QTest::keyClick(grid, Qt::Key_Delete);
    QTest::keyClick(grid, Qt::Key_2);
    auto* code = testing::FindWidget<QComboBox>(labels, "cmbCode");
    QCOMPARE(code->itemText(2), QStringLiteral("QR"));
    code->setCurrentIndex(2);
    auto* close = testing::FindWidget<QPushButton>(labels, "cmdClose");
    QCOMPARE(close->text(), QStringLiteral("Close"));
    close->click();
    QCOMPARE(folder.Read("lbl.def"), std::string("\"2\",\"2\",\"1\",\"40\",\"2\",\"2\"\r\n"));
    QCOMPARE(folder.Read("lblcode.set"), std::string("0\r\n2\r\n"));
    QVERIFY(prompter.Texts().empty());
  }

  void HelpKeyOpensTheLabelsPage() {
    testing::TempFolder folder;
    testing::ScriptedPrompter prompter;
    LabelsWindow labels(Workspace{folder.path(), "1."}, prompter);
    labels.show();
    labels.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&labels));
    HelpRecorder browser;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "Open");
    QTest::keyClick(&labels, Qt::Key_F1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(browser.urls.size(), 1);
    QCOMPARE(browser.urls[0].fileName(), QStringLiteral("labels.html"));
    QCOMPARE(browser.urls[0].fragment(), QStringLiteral("define-labels"));
    QVERIFY(QFileInfo::exists(browser.urls[0].toLocalFile()));
  }

  // The ten labels of the coil test job, two rows of three to a page: lbl.tlf is written as the
  // working file and printed on two pages, as lumora-cli labels --pdf prints them.
  void PrintsTheWorkingLabelFile() {
    testing::TempFolder folder;
    const std::string data = folder.File("data");
    QVERIFY(!SeedDataFolder(data).has_value());
    folder.Write("data/lbl.def", "\"2\",\"3\",\"1\",\"30\",\"2\",\"1\"\r\n");
    ProgramSettings settings;
    settings.coil_mode = true;
    Job job = MakeJob(Workspace{data, "3.5"}, settings);
    testing::ScriptedPrompter prompter;
    QVERIFY(OpenJob(job, LUMORA_TEST_DATA_DIR "/reports/coil_job.sdr", prompter));
    const ResultLoad load = LoadResult(job);
    QCOMPARE(load.error, std::string());

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(QString::fromStdString(folder.File("labels.pdf")));
    QVERIFY(PrintLabels(printer, load.result, job, prompter));
    const std::string labels = ReadFileBytes(job.workspace.WorkingFile("lbl.tlf")).value_or("");
    QCOMPARE(std::count(labels.begin(), labels.end(), '*'), 1L);
    QCOMPARE(testing::PdfPages(folder.File("labels.pdf")), 2);
    const std::string text = testing::PdfText(folder.File("labels.pdf"));
    QVERIFY(text.find("QTY      :1/") != std::string::npos);
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::LabelsWindowTest)
#include "labels_window_test.moc"
