#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextBrowser>
#include <QToolTip>
#include <tuple>

#include "gui/job/job_file_dialog.h"
#include "gui/reports/labels_window.h"
#include "gui/shell/help.h"
#include "gui/shell/manual_window.h"
#include "gui/shell/message_box_prompter.h"
#include "gui/support/program_window.h"

namespace lumora {

// Takes the place of the desktop's browser.
class PageRecorder : public QObject {
  Q_OBJECT

 public:
  QStringList pages;

 public slots:
  void Open(const QUrl& url) {
    // Only pages of the manual that are there.
    if (QFileInfo(url.toLocalFile()).isFile()) pages << url.fileName() + "#" + url.fragment();
  }
};

// What the program asks of the desktop: message boxes, file dialogs and the manual's pages.
class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  // Each prompt shows its title, text, icon, buttons and default, and answers the button pressed.
  void ShowsTheBoxAsAsked() {
    using Box = QMessageBox;
    using enum PromptAnswer;
    // clang-format off
    const struct { Prompt prompt; QVariantList shown /* icon, buttons, default */;
                   Box::StandardButton press; PromptAnswer answer; } cases[] = {
        {{"Attention!", "Save changes?", PromptIcon::kQuestion, PromptButtons::kYesNoCancel, kYes},
         {Box::Question, int(Box::Yes | Box::No | Box::Cancel), Box::Yes}, Box::Cancel, kCancel},
        {{"Lumora", "Proceed?", PromptIcon::kQuestion, PromptButtons::kYesNo, kNo},
         {Box::Question, int(Box::Yes | Box::No), Box::No}, Box::Yes, kYes},
        {{"Lumora", "MORE area", PromptIcon::kExclamation, PromptButtons::kOk, kOk},
         {Box::Warning, int(Box::Ok), Box::Ok}, Box::Ok, kOk},
        {{"Lumora", "Running", PromptIcon::kInformation, PromptButtons::kOk, kOk},
         {Box::Information, int(Box::Ok), Box::Ok}, Box::Ok, kOk},
        // clang-format on
    };
    for (const auto& c : cases) {
      QVariantList seen;
      testing::WhenShown<QMessageBox>([&seen, press = c.press](QMessageBox& box) {
        seen << box.windowTitle() << box.text() << box.icon() << int(box.standardButtons())
             << box.standardButton(box.defaultButton());
        box.button(press)->click();
      });
      MessageBoxPrompter prompter;
      QCOMPARE(prompter.Ask(c.prompt), c.answer);
      QCOMPARE(seen, QVariantList({QString::fromStdString(c.prompt.title),
                                   QString::fromStdString(c.prompt.text)}) +
                         c.shown);
    }
  }

  // The filters in the dialog's syntax, the globs in brackets always the entry's own.
  void FiltersInTheDialogsSyntax() {
    const std::tuple<const char*, QString> cases[] = {
        {"*.opt|*.opt", "*.opt"},
        {"Lists (*.csv, *.tsv, *.txt)|*.csv *.tsv *.txt|All Files (*.*)|*",
         "Lists (*.csv *.tsv *.txt);;All Files (*)"},
        {"CSV (Comma delimited) (*.csv)|*.csv|Jobs|*.opt",
         "CSV (Comma delimited) (*.csv);;Jobs (*.opt)"}};
    for (const auto& [filter, qt_filter] : cases) QCOMPARE(QtFileFilter(filter), qt_filter);
  }

  // F1 opens the page of the window in front, in the main window that of its active child; a
  // manual in the data folder takes the place of the one that came with the program.
  void F1OpensThePageOfTheWindowInFront() {
    testing::ProgramWindow program;
    PageRecorder browser;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "Open");
    program.Open();
    program->OpenChildWindow(ChildWindow::kGlass);
    QTest::keyClick(program.window.get(), Qt::Key_F1);
    {
      LabelsWindow labels(Workspace{program.folder.path(), "1."}, program.prompter);
      labels.show();
      labels.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&labels));
      QTest::keyClick(&labels, Qt::Key_F1);
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(browser.pages, QStringList({"job-windows.html#glass-size-specifications",
                                         "labels.html#define-labels"}));
    // Without a browser the program shows the page itself and says where the manual is.
    testing::FindWidget<QAction>(program.window.get(), "Help1")->trigger();
    ManualWindow* manual = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* shown = qobject_cast<ManualWindow*>(window)) manual = shown;
    }
    QVERIFY(manual != nullptr && manual->isVisible());
    QCOMPARE(manual->browser()->source().fileName(), QStringLiteral("job-windows.html"));
    QVERIFY(manual->WhereText().contains(QDir::toNativeSeparators(
        QFileInfo(FindHelpFile(QString::fromStdString(program.folder.path()))).absolutePath())));
    manual->close();

    // Define Labels is in the Tools menu of a job, its headings telling what they set.
    QString tip;
    testing::WhenShown<LabelsWindow>([&tip](LabelsWindow& labels) {
      GridWidget* grid = labels.grid_widget();
      const QPoint heading = grid->CellRect(0, 3).center();
      QHelpEvent help(QEvent::ToolTip, heading, grid->viewport()->mapToGlobal(heading));
      QApplication::sendEvent(grid->viewport(), &help);
      tip = QToolTip::text();
      labels.reject();
    });
    testing::FindWidget<QAction>(program.window.get(), "Tools8")->trigger();
    QVERIFY(tip.startsWith(QStringLiteral("Horizontal start")));

    QVERIFY(QDir().mkpath(QString::fromStdString(program.folder.File("help"))));
    program.folder.Write("help/index.html", "<html></html>");
    const QUrl own = HelpUrl(QString::fromStdString(program.folder.path()), "settings.html#misc");
    QCOMPARE(own.toLocalFile(), QString::fromStdString(program.folder.File("help/settings.html")));
    QCOMPARE(own.fragment(), QStringLiteral("misc"));
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::DesktopTest)
#include "desktop_test.moc"
