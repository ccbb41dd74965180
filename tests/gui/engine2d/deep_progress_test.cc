#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <string>

#include "core/deep/deep_optimization.h"
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

// Two sheet sizes and eight glass sizes of five pieces each.
Job SmallJob(const std::string& folder) {
  Job job = MakeJob(Workspace{folder, "8.5"}, ProgramSettings{});
  job.settings.trim_allowance = 2.001f;
  job.maximum_yield = true;
  job.basic.SetRows(3);
  job.basic.SetText(1, basic_col::kBlade, "3000");
  job.basic.SetText(1, basic_col::kTolerance, "2");
  job.sheet.SetRows(4);
  for (int r = 1; r <= 2; ++r) {
    job.sheet.SetText(r, sheet_col::kL1, std::to_string(1800 + 300 * r));
    job.sheet.SetText(r, sheet_col::kL2, std::to_string(1200 + 200 * r));
    job.sheet.SetText(r, sheet_col::kQty, "50");
  }
  job.glass.SetRows(10);
  for (int r = 1; r <= 8; ++r) {
    job.glass.SetText(r, glass_col::kL1, std::to_string(200 + 90 * r));
    job.glass.SetText(r, glass_col::kL2, std::to_string(150 + 70 * r));
    job.glass.SetText(r, glass_col::kQty, "5");
  }
  return job;
}

}  // namespace

// The Progress window runs a deep optimization off the event loop: it ends at its time limit
// or at Stop, and either way the job holds the best result.
class DeepProgressTest : public QObject {
  Q_OBJECT

 private slots:
  void EndsAtTheTimeLimitOrAtStopWithTheBestResult() {
    for (const bool stop : {false, true}) {
      testing::TempFolder folder;
      Job job = SmallJob(folder.path());
      job.settings.resume_pass = 7;
      ProgressWindow progress(job);
      progress.SetDeepRun(stop ? 600 : 2);
      progress.show();
      auto* command = Find<QPushButton>(&progress, "cmd");
      auto* message = Find<QLabel>(&progress, "Msglbl");
      QTRY_COMPARE_WITH_TIMEOUT(Find<QProgressBar>(&progress, "PBar")->maximum(), stop ? 600 : 2,
                                10000);
      if (stop) {
        QTRY_VERIFY_WITH_TIMEOUT(!Find<QLabel>(&progress, "NOLlbl")->text().isEmpty(), 10000);
        QTest::mouseClick(command, Qt::LeftButton);
      }
      QTRY_COMPARE_WITH_TIMEOUT(command->text(), QStringLiteral("OK"), 20000);
      QCOMPARE(message->text(),
               QString::fromLatin1(stop ? kDeepStoppedMessage.data() : "Optimization done."));
      QCOMPARE(job.settings.resume_pass, 0);
      QVERIFY(!folder.Read("8.5" + std::string(kLayoutFileName)).empty());
      QVERIFY(!Find<QLabel>(&progress, "Yieldlbl")->text().isEmpty());
    }
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::DeepProgressTest)
#include "deep_progress_test.moc"
