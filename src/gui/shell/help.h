#ifndef LUMORA_GUI_SHELL_HELP_H_
#define LUMORA_GUI_SHELL_HELP_H_

#include <QString>
#include <QUrl>
#include <string_view>

class QWidget;

namespace lumora {

// The help manual's first page: help/index.html in the data folder, else in the data installed
// with the program (share/lumora beside its bin folder), else in the source tree the program was
// built from. Empty when there is none.
QString FindHelpFile(const QString& data_folder);

// The address of a page of the manual ("settings.html#misc"), in the folder of FindHelpFile;
// the page in the desktop's language where the manual has one (help/de/...). Empty when there
// is no manual.
QUrl HelpUrl(const QString& data_folder, std::string_view page);

// The manual's page for a window: by its object name, and for the main window by the name of
// its active child window.
std::string_view HelpPageForWindow(const QWidget* window);

// Opens the page for a window (the window in front when null) with the desktop's browser,
// without waiting; failures are not told. A desktop without a browser gets the page in the
// program's own viewer, which says where the manual is.
void OpenHelpFile(const QString& data_folder, const QWidget* window = nullptr);
// Opens the page of a numbered help topic (the layout edit dialogs' 38 and 39).
void OpenHelpTopic(const QString& data_folder, int topic);

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_HELP_H_
