#include "gui/job/job_file_dialog.h"

#include <QtTest>

namespace lumora {

class JobFileDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void FiltersInTheDialogsSyntax() {
    QCOMPARE(QtFileFilter("*.opt|*.opt"), QStringLiteral("*.opt"));
    QCOMPARE(QtFileFilter("*.sdr|*.sdr"), QStringLiteral("*.sdr"));
    QCOMPARE(QtFileFilter("SDR (*.sdr)|*.sdr|OPT (*.opt)|*.opt"),
             QStringLiteral("SDR (*.sdr);;OPT (*.opt)"));
    QCOMPARE(QtFileFilter("Jobs|*.opt"), QStringLiteral("Jobs (*.opt)"));
    // A description without its pattern, or nothing at all, gives no broken filter.
    QCOMPARE(QtFileFilter("*.opt"), QStringLiteral("*.opt"));
    QCOMPARE(QtFileFilter(""), QString());
    QCOMPARE(QtFileFilter("|"), QString());
  }

  void TheSuffixComesFromTheFirstPattern() {
    QCOMPARE(DefaultSuffix("*.opt|*.opt"), QStringLiteral("opt"));
    QCOMPARE(DefaultSuffix("SDR (*.sdr)|*.sdr|OPT (*.opt)|*.opt"), QStringLiteral("sdr"));
    QCOMPARE(DefaultSuffix("All|*.*"), QString());
    QCOMPARE(DefaultSuffix("All|*"), QString());
    QCOMPARE(DefaultSuffix(""), QString());
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::JobFileDialogTest)
#include "job_file_dialog_test.moc"
