#include "gui/shell/single_instance.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace lumora {

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void OneHolderPerKey() {
    QTemporaryDir folder;
    {
      SingleInstanceLock first(folder.path());
      QVERIFY(first.CheckMutex(QStringLiteral("Lumora")));
      SingleInstanceLock second(folder.path());
      QVERIFY(!second.CheckMutex(QStringLiteral("Lumora")));
      SingleInstanceLock other_key(folder.path());
      QVERIFY(other_key.CheckMutex(QStringLiteral("Other")));
    }
    // The lock goes with its holder.
    SingleInstanceLock later(folder.path());
    QVERIFY(later.CheckMutex(QStringLiteral("Lumora")));
  }

  // Runs the program twice with the same runtime folder: the second start says so and never
  // gets as far as preparing its data folder; the first runs on. A first instance that is
  // killed leaves its lock behind, and the next start takes it over.
  void ASecondStartIsRefused() {
    QTemporaryDir runtime;
    QTemporaryDir data;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString lock_file =
        SingleInstanceLock::LockFilePath(runtime.path(), QStringLiteral("Lumora"));

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(LUMORA_DESKTOP_PATH),
                {QStringLiteral("--data-dir"), data.filePath(QStringLiteral("first"))});
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lock_file), 20000);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(LUMORA_DESKTOP_PATH),
                 {QStringLiteral("--data-dir"), data.filePath(QStringLiteral("second"))});
    QVERIFY(second.waitForStarted());
    QByteArray told;
    const auto refused = [&] {
      told += second.readAllStandardError();
      return told.contains("Lumora is already running");
    };
    QTRY_VERIFY_WITH_TIMEOUT(refused(), 20000);
    QVERIFY(!QFileInfo::exists(data.filePath(QStringLiteral("second"))));
    QVERIFY(QFileInfo::exists(data.filePath(QStringLiteral("first/misc.set"))));
    QCOMPARE(first.state(), QProcess::Running);

    // The refusal waits for its message box to be closed.
    second.kill();
    QVERIFY(second.waitForFinished());
    first.kill();
    QVERIFY(first.waitForFinished());
    QVERIFY(QFileInfo::exists(lock_file));
    SingleInstanceLock after_crash(runtime.path());
    QVERIFY(after_crash.CheckMutex(QStringLiteral("Lumora")));
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::SingleInstanceTest)
#include "single_instance_test.moc"
