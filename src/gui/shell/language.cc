#include "gui/shell/language.h"

#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <cstdio>

namespace lumora {
namespace {

constexpr char kCoreContext[] = "Core";

QString& InstalledLanguage() {
  static QString language = QStringLiteral("en");
  return language;
}

bool IsAvailable(const QString& code) {
  for (const Language& language : AvailableLanguages()) {
    if (language.code == code) return true;
  }
  return false;
}

// A translation that is missing (Qt's own without qt6-translations-l10n) leaves its texts in
// English and says so on the terminal.
void Install(QCoreApplication& app, const QString& file, const QString& folder) {
  auto* translator = new QTranslator(&app);
  if (translator->load(file, folder)) {
    QCoreApplication::installTranslator(translator);
  } else {
    std::fprintf(stderr, "No translation %s in %s\n", qPrintable(file), qPrintable(folder));
    delete translator;
  }
}

}  // namespace

const QList<Language>& AvailableLanguages() {
  static const QList<Language> kLanguages = {
      {QStringLiteral("en"), QStringLiteral("English")},
      {QStringLiteral("de"), QStringLiteral("Deutsch")},
      {QStringLiteral("it"), QStringLiteral("Italiano")},
      {QStringLiteral("es"), QStringLiteral("Español")},
      {QStringLiteral("fr"), QStringLiteral("Français")},
      {QStringLiteral("tr"), QStringLiteral("Türkçe")},
  };
  return kLanguages;
}

QString LanguageSettingsFile(const QString& data_folder) {
  return QDir(data_folder).filePath(QStringLiteral("language.set"));
}

LanguageSettings ReadLanguageSettings(const QString& data_folder) {
  const QSettings file(LanguageSettingsFile(data_folder), QSettings::IniFormat);
  LanguageSettings settings;
  settings.language = file.value(QStringLiteral("Language")).toString();
  settings.print_in_language = file.value(QStringLiteral("PrintInChosenLanguage")).toBool();
  return settings;
}

bool WriteLanguageSettings(const QString& data_folder, const LanguageSettings& settings) {
  QSettings file(LanguageSettingsFile(data_folder), QSettings::IniFormat);
  file.setValue(QStringLiteral("Language"), settings.language);
  file.setValue(QStringLiteral("PrintInChosenLanguage"), settings.print_in_language);
  file.sync();
  return file.status() == QSettings::NoError;
}

QString ResolveLanguage(const QString& asked, const LanguageSettings& settings) {
  if (IsAvailable(asked)) return asked;
  if (IsAvailable(settings.language)) return settings.language;
  const QString system = QLocale::system().name().section(QLatin1Char('_'), 0, 0);
  return IsAvailable(system) ? system : QStringLiteral("en");
}

void InstallTranslations(QCoreApplication& app, const QString& code) {
  if (!IsAvailable(code)) return;
  InstalledLanguage() = code;
  QLocale::setDefault(QLocale(code));
  if (code == QLatin1String("en")) return;
  Install(app, QStringLiteral("qtbase_") + code,
          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  Install(app, QStringLiteral("lumora_") + code, QStringLiteral(":/i18n"));
}

QString DesktopLanguage() { return InstalledLanguage(); }

QString CoreText(std::string_view english) {
  const QByteArray key(english.data(), static_cast<qsizetype>(english.size()));
  const QString translated = QCoreApplication::translate(kCoreContext, key.constData());
  // Untranslated, core's bytes are shown as they always were: Latin-1, not UTF-8.
  if (translated == QString::fromUtf8(key)) return QString::fromLatin1(key);
  return translated;
}

QString CoreCaptioned(std::string_view text) {
  constexpr std::string_view kEquals = " = ";
  const size_t equals = text.find(kEquals);
  if (equals == std::string_view::npos) return CoreText(text);
  const std::string_view value = text.substr(equals);
  return CoreText(text.substr(0, equals)) +
         QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size()));
}

}  // namespace lumora
