#include "gui/shell/configure_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/base/version.h"
#include "gui/job/settings_windows.h"
#include "gui/reports/labels_window.h"
#include "gui/shell/help.h"
#include "gui/shell/language.h"

namespace lumora {

ConfigureWindow::ConfigureWindow(Workspace workspace, Prompter& prompter, QWidget* parent)
    : QDialog(parent), workspace_(std::move(workspace)), prompter_(prompter) {
  setObjectName(QStringLiteral("Configure"));
  setWindowTitle(tr("Configure"));

  auto* layout = new QVBoxLayout(this);
  const auto add_button = [&](int index, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QStringLiteral("cmd%1").arg(index));
    button->setMinimumHeight(34);
    layout->addWidget(button);
    return button;
  };
  connect(add_button(0, tr("Chargeable Size")), &QPushButton::clicked, this,
          &ConfigureWindow::OpenChargeableSize);
  connect(add_button(1, tr("Scrap Criteria")), &QPushButton::clicked, this,
          &ConfigureWindow::OpenScrapCriteria);
  connect(add_button(2, tr("Labels")), &QPushButton::clicked, this, &ConfigureWindow::OpenLabels);
  connect(add_button(3, tr("Misc")), &QPushButton::clicked, this, &ConfigureWindow::OpenMisc);
  layout->addSpacing(8);
  AddLanguageChoice(layout);
  layout->addSpacing(8);
  connect(add_button(4, tr("Close")), &QPushButton::clicked, this, &ConfigureWindow::close);

  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this,
          [this] { OpenHelpFile(QString::fromStdString(workspace_.data_folder)); });
  setMinimumWidth(260);
}

void ConfigureWindow::AddLanguageChoice(QVBoxLayout* layout) {
  const QString folder = QString::fromStdString(workspace_.data_folder);
  const LanguageSettings settings = ReadLanguageSettings(folder);
  auto* language = new QComboBox(this);
  language->setObjectName(QStringLiteral("Language"));
  for (const Language& choice : AvailableLanguages()) language->addItem(choice.name, choice.code);
  language->setCurrentIndex(language->findData(ResolveLanguage({}, settings)));
  auto* print = new QCheckBox(tr("Print in the chosen language"), this);
  print->setObjectName(QStringLiteral("PrintInLanguage"));
  print->setToolTip(tr("The field captions of printed labels; the files stay in English"));
  print->setChecked(settings.print_in_language);
  auto* form = new QFormLayout;
  form->addRow(tr("Language"), language);
  layout->addLayout(form);
  layout->addWidget(print);
  auto* note = new QLabel(tr("The language applies at the next start."), this);
  note->setWordWrap(true);
  layout->addWidget(note);

  const auto store = [this, folder, language, print] {
    const LanguageSettings chosen{language->currentData().toString(), print->isChecked()};
    if (!WriteLanguageSettings(folder, chosen)) {
      prompter_.Ask({.title = kApplicationTitle,
                     .text = "Could not write " + LanguageSettingsFile(folder).toStdString(),
                     .icon = PromptIcon::kExclamation});
    }
  };
  connect(language, &QComboBox::currentIndexChanged, this, store);
  connect(print, &QCheckBox::toggled, this, store);
}

void ConfigureWindow::ShowModal(QDialog* window) {
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowModality(Qt::ApplicationModal);
  window->show();
}

void ConfigureWindow::OpenChargeableSize() {
  ShowModal(new ChargeableSizeWindow(workspace_, prompter_, this));
}

void ConfigureWindow::OpenScrapCriteria() {
  ShowModal(new ScrapCriteriaWindow(workspace_, prompter_, this));
}

void ConfigureWindow::OpenLabels() { ShowModal(new LabelsWindow(workspace_, prompter_, this)); }

void ConfigureWindow::OpenMisc() { ShowModal(new MiscWindow(workspace_, prompter_, this)); }

}  // namespace lumora
