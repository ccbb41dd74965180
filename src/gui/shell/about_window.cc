#include "gui/shell/about_window.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/version.h"
#include "gui/shell/shell_colours.h"

namespace lumora {

QString AboutWindow::VersionText() {
  return tr("%1 version %2").arg(QLatin1String(kApplicationTitle), QLatin1String(kVersion));
}

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("About"));
  setWindowTitle(tr("About ") + QLatin1String(kApplicationTitle));

  auto* banner = new QLabel(QLatin1String(kApplicationTitle), this);
  banner->setObjectName(QStringLiteral("TitleLbl"));
  banner->setAlignment(Qt::AlignCenter);
  QFont banner_font = banner->font();
  banner_font.setPointSizeF(banner_font.pointSizeF() * 2.6);
  banner_font.setBold(true);
  banner->setFont(banner_font);
  banner->setAutoFillBackground(true);
  QPalette banner_palette = banner->palette();
  banner_palette.setColor(QPalette::Window, kLauncherBackground);
  banner_palette.setColor(QPalette::WindowText, kBannerText);
  banner->setPalette(banner_palette);
  banner->setMinimumHeight(90);

  auto* version = new QLabel(VersionText(), this);
  version->setObjectName(QStringLiteral("VersionLbl"));
  version->setAlignment(Qt::AlignCenter);

  auto* purpose = new QLabel(tr("Guillotine cutting plans for glass shops"), this);
  purpose->setAlignment(Qt::AlignCenter);

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(banner);
  layout->addSpacing(12);
  layout->addWidget(version);
  layout->addWidget(purpose);
  layout->addSpacing(12);
  layout->addWidget(ok, 0, Qt::AlignCenter);
  setMinimumWidth(360);
}

}  // namespace lumora
