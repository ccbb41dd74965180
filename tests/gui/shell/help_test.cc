#include "gui/shell/help.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>
#include <string>

#include "support/temp_folder.h"

namespace lumora {

// Takes the place of the desktop's browser.
class PageRecorder : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> urls;

 public slots:
  void Open(const QUrl& url) { urls << url; }
};

class HelpTest : public QObject {
  Q_OBJECT

 private slots:
  void TheWindowInFrontChoosesThePage() {
    QMainWindow main;
    main.setObjectName(QStringLiteral("BaseModule"));
    auto* area = new QMdiArea(&main);
    main.setCentralWidget(area);
    QCOMPARE(std::string(HelpPageForWindow(&main)),
             std::string("getting-started.html#main-window"));
    for (const char* name : {"SHEET", "CUT"}) {
      auto* child = area->addSubWindow(new QWidget);
      child->setObjectName(QLatin1String(name));
      child->show();
      area->setActiveSubWindow(child);
    }
    main.show();
    QCOMPARE(std::string(HelpPageForWindow(&main)),
             std::string("job-windows.html#glass-size-specifications"));
    QDialog misc;
    misc.setObjectName(QStringLiteral("MISC"));
    QCOMPARE(std::string(HelpPageForWindow(&misc)), std::string("settings.html#misc"));
    QCOMPARE(std::string(HelpPageForWindow(nullptr)), std::string("index.html"));
  }

  void PagesComeFromTheManualThatIsFound() {
    const QUrl misc = HelpUrl(QString(), "settings.html#misc");
    QCOMPARE(misc.fileName(), QStringLiteral("settings.html"));
    QCOMPARE(misc.fragment(), QStringLiteral("misc"));
    QVERIFY(QFileInfo(misc.toLocalFile()).isFile());

    // A manual in the data folder takes the place of the one that came with the program.
    testing::TempFolder folder;
    QVERIFY(QDir().mkpath(QString::fromStdString(folder.File("help"))));
    folder.Write("help/index.html", "<html></html>");
    const QUrl own = HelpUrl(QString::fromStdString(folder.path()), "labels.html");
    QCOMPARE(own.toLocalFile(), QString::fromStdString(folder.File("help/labels.html")));
  }

  void TheEditTopicsOpenTheirPages() {
    PageRecorder browser;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "Open");
    OpenHelpTopic(QString(), 38);
    OpenHelpTopic(QString(), 39);
    QDialog edit;
    edit.setObjectName(QStringLiteral("Edit"));
    OpenHelpFile(QString(), &edit);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(browser.urls.size(), 3);
    QCOMPARE(browser.urls[0].fileName(), QStringLiteral("edit-glass-piece.html"));
    QCOMPARE(browser.urls[1].fileName(), QStringLiteral("edit-balance.html"));
    QCOMPARE(browser.urls[2].fileName(), QStringLiteral("index.html"));
    for (const QUrl& url : browser.urls) QVERIFY(QFileInfo(url.toLocalFile()).isFile());
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::HelpTest)
#include "help_test.moc"
