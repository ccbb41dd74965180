#include <QMdiArea>
#include <QtTest>

#include "gui/shell/main_window.h"
#include "gui/support/find_widget.h"

namespace lumora {

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void OpensAndCloses() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Base Module"));
    testing::FindWidget<QMdiArea>(&window, "mdi");
    QVERIFY(window.close());
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::MainWindowTest)
#include "main_window_test.moc"
