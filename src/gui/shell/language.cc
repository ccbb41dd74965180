#include "gui/shell/language.h"

#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <cstdio>
#include <optional>
#include <vector>

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

// The messages core puts together at run time, as templates: "%1", "%2" stand for the parts
// that vary, which are shown through CoreText themselves (a field's name, a file's).
constexpr const char* kCoreTemplates[] = {
    "%1 missing in sheet number (%2), Proceed?",
    "%1 missing in glass size (%2), Proceed?",
    "Could not open %1: %2",
    "Could not save %1: %2",
    "Could not read %1",
    "%1 holds no rack.",
    "%1 has no density for %2: its weights are 0.",
    "Too many pieces: more than %1.",
    "The layout file is damaged: %1",
};

// The parts of text that stand for %1, %2, ... of the template; none when it does not match.
std::optional<QStringList> MatchTemplate(std::string_view text, std::string_view pattern) {
  std::vector<std::string_view> literals;
  for (size_t start = 0;;) {
    const size_t marker = pattern.find('%', start);
    literals.push_back(pattern.substr(start, marker - start));
    if (marker == std::string_view::npos) break;
    start = marker + 2;
  }
  if (!text.starts_with(literals.front()) || !text.ends_with(literals.back())) return std::nullopt;
  QStringList parts;
  size_t at = literals.front().size();
  const size_t end = text.size() - literals.back().size();
  for (size_t i = 1; i < literals.size(); ++i) {
    const size_t next = i + 1 == literals.size() ? end : text.find(literals[i], at);
    if (next == std::string_view::npos || next > end || next < at) return std::nullopt;
    parts << CoreText(text.substr(at, next - at));
    at = next + literals[i].size();
  }
  return parts;
}

// A message core assembled, in the desktop's language by its template; none when no template
// matches or the template has no translation.
std::optional<QString> AssembledText(std::string_view text) {
  for (const char* pattern : kCoreTemplates) {
    const QString translated = QCoreApplication::translate(kCoreContext, pattern);
    if (translated == QLatin1String(pattern)) continue;
    if (const auto parts = MatchTemplate(text, pattern)) {
      QString shown = translated;
      for (const QString& part : *parts) shown = shown.arg(part);
      return shown;
    }
  }
  return std::nullopt;
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
  if (translated != QString::fromUtf8(key)) return translated;
  if (const auto assembled = AssembledText(english)) return *assembled;
  // Untranslated, core's bytes are shown as they always were: Latin-1, not UTF-8.
  return QString::fromLatin1(key);
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
