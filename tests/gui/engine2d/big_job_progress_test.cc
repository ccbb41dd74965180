#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <string>

#include "core/engine2d/optimization.h"
#include "core/engine2d/progress.h"
#include "core/engine2d/result_files.h"
#include "core/job/job.h"
#include "core/job/job_tables.h"
#include "gui/engine2d/progress_window.h"
#include "gui/support/find_widget.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

template <typename T>
T* Find(QObject* root, const char* name) {
  return testing::FindWidget<T>(root, QString::fromLatin1(name));
}

// 500 stock sizes and 2000 glass rows: with EFF 10 a run of 5000 passes, far longer than any
// test waits for, each pass short enough to show the progress and to see a stop soon.
Job BigJob(const std::string& folder) {
  Job job = MakeJob(Workspace{folder, "7.25"}, ProgramSettings{});
  job.settings.trim_allowance = 2.001f;
  job.basic.SetRows(3);
  job.basic.SetText(1, basic_col::kItem, "FLOAT");
  job.basic.SetText(1, basic_col::kBlade, "3000");
  job.basic.SetText(1, basic_col::kTolerance, "2");
  job.sheet.SetRows(502);
  for (int r = 1; r <= 500; ++r) {
    job.sheet.SetText(r, sheet_col::kL1, std::to_string(1500 + r));
    job.sheet.SetText(r, sheet_col::kL2, std::to_string(1000 + r % 300));
    job.sheet.SetText(r, sheet_col::kQty, "20");
  }
  job.glass.SetRows(2002);
  for (int r = 1; r <= 2000; ++r) {
    const int size = r % 8;
    job.glass.SetText(r, glass_col::kL1, std::to_string(200 + 90 * size));
    job.glass.SetText(r, glass_col::kL2, std::to_string(150 + 70 * size));
    job.glass.SetText(r, glass_col::kQty, "1");
    job.glass.SetText(r, glass_col::kCustomer, "SHOP" + std::to_string(size));
  }
  return job;
}

}  // namespace

class BigJobProgressTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsProgressAndStopsPromptly() {
    testing::TempFolder folder;
    Job job = BigJob(folder.path());
    ProgressWindow progress(job);
    progress.show();
    auto* bar = Find<QProgressBar>(&progress, "PBar");
    auto* command = Find<QPushButton>(&progress, "cmd");
    auto* message = Find<QLabel>(&progress, "Msglbl");

    QTRY_COMPARE_WITH_TIMEOUT(bar->maximum(), 5000, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(bar->value() >= 2, 30000);
    QCOMPARE(message->text(), QStringLiteral("Optimizing..."));
    QVERIFY(Find<QLabel>(&progress, "Comblbl")->text().startsWith(QStringLiteral("499")));
    QVERIFY(!progress.finished());

    // The window answers while the run goes on, and the stop is seen within a pass or two.
    QElapsedTimer stopping;
    stopping.start();
    QTest::mouseClick(command, Qt::LeftButton);
    QCOMPARE(message->text(), QString::fromUtf8(kTerminatingMessage.data()));
    QTRY_COMPARE_WITH_TIMEOUT(command->text(), QStringLiteral("OK"), 20000);
    QVERIFY2(stopping.elapsed() < 15000, qPrintable(QString::number(stopping.elapsed())));

    QVERIFY(progress.finished());
    QCOMPARE(progress.result().end, OptimizationEnd::kStopped);
    QCOMPARE(message->text(), QString::fromUtf8(kStoppedMessage.data()));
    QVERIFY(job.settings.resume_pass >= 2 && job.settings.resume_pass < 5000);
    QVERIFY(!folder.Read("7.25" + std::string(kLayoutFileName)).empty());
    QTest::mouseClick(command, Qt::LeftButton);
    QVERIFY(!progress.isVisible());
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::BigJobProgressTest)
#include "big_job_progress_test.moc"
