#include "gui/shell/language.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>
#include <QXmlStreamReader>

#include "core/cuts/breakout_settings.h"
#include "core/deep/deep_settings_file.h"
#include "core/engine2d/optimization.h"
#include "core/job/job_messages.h"
#include "core/layouts/dia_settings.h"
#include "core/layouts/edit_form.h"
#include "gui/reports/labels_window.h"
#include "gui/shell/help.h"
#include "gui/shell/printed_language.h"
#include "gui/support/program_window.h"
#include "support/folder_snapshot.h"

namespace lumora {
namespace {

constexpr const char* kLanguages[] = {"de", "it", "es", "fr", "tr"};

// The data folder after a job was opened, optimized and saved, and the job's bytes.
struct Run {
  testing::FolderSnapshot data;
  std::string job;
  QStringList menus;
};

Run OptimizeSmallJob() {
  testing::ProgramWindow program;
  const std::string job = program.folder.File("small.opt");
  if (WriteFileAtomically(job, testing::SmallJobBytes()).has_value()) qFatal("no job file");
  program.Open(false, job);
  program.Optimize();
  QTest::keyClick(program.window.get(), Qt::Key_S, Qt::ControlModifier);
  Run run{
      testing::SnapshotFolder(program.folder.File("data")), program.folder.Read("small.opt"), {}};
  for (const char* menu : {"File", "Edit", "Optimize", "View", "Tools", "Help"}) {
    run.menus << testing::FindWidget<QMenu>(program->menuBar(), menu)->title();
  }
  return run;
}

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

 private slots:
  // The command line wins over the stored choice, which wins over the system's language; a
  // language we do not have counts as none, whatever bytes language.set holds. Printing in the
  // language is kept beside the choice.
  void ChoosesTheLanguageOfARun() {
    testing::TempFolder folder;
    const QString data = QString::fromStdString(folder.File(""));
    QVERIFY(WriteLanguageSettings(data, {"it", true}));
    QVERIFY(ReadLanguageSettings(data).print_in_language);
    QCOMPARE(ResolveLanguage("de", ReadLanguageSettings(data)), QStringLiteral("de"));
    QCOMPARE(ResolveLanguage("xx", ReadLanguageSettings(data)), QStringLiteral("it"));
    QVERIFY(!WriteFileAtomically(folder.File("language.set"), "\xff[Language=tr\r\n[Language")
                 .has_value());
    const QString system = ResolveLanguage({}, ReadLanguageSettings(data));
    QVERIFY(std::any_of(AvailableLanguages().begin(), AvailableLanguages().end(),
                        [&](const Language& language) { return language.code == system; }));
  }

  // Every text of every .ts file has a translation in its compiled .qm, and the texts of core
  // that the desktop shows are found by their English, so a changed text of core is noticed.
  void EveryLanguageTranslatesEveryText() {
    const std::string_view core_texts[] = {
        kAttentionTitle,        kSaveChangesText,          kStartQuestionText,
        kDoneMessage,           kNoSheetsMessage,          kLineWidthCaption,
        kDiaFlagCaptions[0],    kDiaFlagCaptions[10],      kEditHelpLines[1],
        kEditButtonCaptions[2], kUseLeftoversFirstCaption, kBreakoutNumbersCaption,
        kRackOnLabelsCaption};
    for (const char* language : kLanguages) {
      QTranslator translator;
      QVERIFY2(translator.load(QStringLiteral(":/i18n/lumora_%1").arg(language)), language);
      QFile file(QStringLiteral(LUMORA_SOURCE_DATA_DIR "/../src/gui/translations/lumora_%1.ts")
                     .arg(language));
      QVERIFY(file.open(QIODevice::ReadOnly));
      QXmlStreamReader ts(&file);
      QByteArray context;
      int sources = 0;
      while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement) continue;
        if (ts.name() == QLatin1String("name")) context = ts.readElementText().toUtf8();
        if (ts.name() != QLatin1String("source")) continue;
        const QByteArray source = ts.readElementText().toUtf8();
        QVERIFY2(!translator.translate(context, source).isEmpty(), source.constData());
        ++sources;
      }
      QVERIFY(!ts.hasError());
      QVERIFY(sources > 250);
      QCoreApplication::installTranslator(&translator);
      for (const std::string_view text : core_texts) {
        QVERIFY2(CoreText(text) != QLatin1String(text), language);
      }
      QCoreApplication::removeTranslator(&translator);
    }
  }

  // German menus, label captions and manual, and the same bytes in every file of the data folder
  // and of the job as in English.
  void GermanChangesNoDesignedFile() {
    const Run english = OptimizeSmallJob();
    QCOMPARE(english.menus.first(), QStringLiteral("&File"));
    InstallTranslations(*qApp, QStringLiteral("de"));
    const Run german = OptimizeSmallJob();
    QCOMPARE(german.menus, QStringList({"&Datei", "&Bearbeiten", "&Optimieren", "&Ansicht",
                                        "&Werkzeuge", "&Hilfe"}));
    QCOMPARE(testing::FolderChanges(english.data, german.data), std::vector<std::string>{});
    QVERIFY(english.job == german.job);
    // Printed lines keep their columns: a shorter caption is padded, a longer one takes the
    // blanks after it, or pushes on a line without further columns, or takes from the next gap
    // where it names a value; a caption is one only at the start or after a gap, so a value or a
    // word holding one is kept.
    const std::pair<const char*, const char*> lines[] = {
        {"CUSTOMER :ACME    SITE     :DOCK", "KUNDE    :ACME    BAUSTELLE:DOCK"},
        {"Sheet Size : 3210 x 2250 - 2 Pcs", "Plattenmaß : 3210 x 2250 - 2 Pcs"},
        {"   L1(MM) x    L2(MM)   Qty  Customer     Sr.No",
         "   L1(MM) x    L2(MM)   Stk  Kunde        Lfd.Nr."},
        {"Overall Yield(%)=92.62     Total Layouts=38",
         "Gesamtausbeute(%)=92.62    Schnittpläne gesamt=38"},
        {"Item: FLOAT CLEAR     Unit: MM", "Artikel: FLOAT CLEAR  Einheit: MM"},
        {"Layout No. 1/3", "Zuschnittplan Nr. 1/3"},
        {"Layout No. 1/3  Qty", "Layout No. 1/3  Stk"},
        {"Yield(%)   : 41.54  Area", "Ausb.(%)   : 41.54  Fläche"},
        {"ITEM     :SITE    TOTALS Balance", "ARTIKEL  :SITE    TOTALS Balance"},
    };
    for (const auto& [line, printed] : lines) QCOMPARE(LineInLanguage(line), QString(printed));
    // Messages core puts together are shown by their templates, their parts in place.
    QCOMPARE(CoreText("QTY missing in sheet number (2), Proceed?"),
             QStringLiteral("MENGE fehlt bei Tafel Nr. (2). Fortfahren?"));
    QCOMPARE(CoreText("Could not read /x/a: b"),
             QStringLiteral("/x/a: b konnte nicht gelesen werden"));
    // The manual's pages in German where there is one, else in English.
    QVERIFY(HelpUrl({}, "job-windows.html#keys").path().endsWith("/help/de/job-windows.html"));
    QVERIFY(HelpUrl({}, "report.html").path().endsWith("/help/report.html"));
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::LanguageTest)
#include "language_test.moc"
