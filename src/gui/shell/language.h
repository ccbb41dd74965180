#ifndef LUMORA_GUI_SHELL_LANGUAGE_H_
#define LUMORA_GUI_SHELL_LANGUAGE_H_

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <string_view>

namespace lumora {

// A language the desktop speaks: its code ("de") and its own name ("Deutsch").
struct Language {
  QString code;
  QString name;
};

// English first, then every language a translation is shipped for.
const QList<Language>& AvailableLanguages();

// The desktop's language choice, kept in language.set of the data folder so that the
// designed settings files stay as they are.
struct LanguageSettings {
  // Empty: the system's language when we have it, else English.
  QString language;
  // The printouts' captions on paper in the chosen language; the designed files stay as they are.
  bool print_in_language = false;
};

QString LanguageSettingsFile(const QString& data_folder);
// A missing or unreadable file gives the defaults.
LanguageSettings ReadLanguageSettings(const QString& data_folder);
// False when the file could not be written.
bool WriteLanguageSettings(const QString& data_folder, const LanguageSettings& settings);

// The language a run speaks: the one asked for on the command line, else the stored
// choice, else the system's; always one of AvailableLanguages().
QString ResolveLanguage(const QString& asked, const LanguageSettings& settings);

// Installs the desktop's and Qt's own translations for a language and makes its locale the
// default one, so numbers and dates shown follow it. English installs no translation.
void InstallTranslations(QCoreApplication& app, const QString& code);
// The language installed last; "en" before any.
QString DesktopLanguage();

// A text of core, which stays English, in the desktop's language: core's English text is
// the key of its translation, or, for a message core puts together, its template's.
QString CoreText(std::string_view english);

// A "Caption = value" text of core with its caption in the desktop's language.
QString CoreCaptioned(std::string_view text);

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_LANGUAGE_H_
