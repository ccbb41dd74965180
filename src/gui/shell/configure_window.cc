#include "gui/shell/configure_window.h"

#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "gui/job/settings_windows.h"
#include "gui/reports/labels_window.h"
#include "gui/shell/help.h"

namespace lumora {

ConfigureWindow::ConfigureWindow(Workspace workspace, Prompter& prompter, QWidget* parent)
    : QDialog(parent), workspace_(std::move(workspace)), prompter_(prompter) {
  setObjectName(QStringLiteral("Configure"));
  setWindowTitle(QStringLiteral("Configure"));

  auto* layout = new QVBoxLayout(this);
  const auto add_button = [&](int index, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QStringLiteral("cmd%1").arg(index));
    button->setMinimumHeight(34);
    layout->addWidget(button);
    return button;
  };
  connect(add_button(0, QStringLiteral("Chargeable Size")), &QPushButton::clicked, this,
          &ConfigureWindow::OpenChargeableSize);
  connect(add_button(1, QStringLiteral("Scrap Criteria")), &QPushButton::clicked, this,
          &ConfigureWindow::OpenScrapCriteria);
  connect(add_button(2, QStringLiteral("Labels")), &QPushButton::clicked, this,
          &ConfigureWindow::OpenLabels);
  connect(add_button(3, QStringLiteral("Misc")), &QPushButton::clicked, this,
          &ConfigureWindow::OpenMisc);
  layout->addSpacing(8);
  connect(add_button(4, QStringLiteral("Close")), &QPushButton::clicked, this,
          &ConfigureWindow::close);

  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this,
          [this] { OpenHelpFile(QString::fromStdString(workspace_.data_folder)); });
  setMinimumWidth(260);
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
