#include "gui/shell/launcher.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <functional>

#include "core/base/file_routines.h"
#include "core/base/version.h"
#include "gui/engine2d/optimization_runner.h"
#include "gui/job/job_window_factories.h"
#include "gui/library/library_windows.h"
#include "gui/library/load_products_window.h"
#include "gui/reports/result_window_factories.h"
#include "gui/shell/about_window.h"
#include "gui/shell/configure_window.h"
#include "gui/shell/help.h"
#include "gui/shell/job_recovery_keeper.h"
#include "gui/shell/main_window.h"
#include "gui/shell/message_box_prompter.h"
#include "gui/shell/shell_colours.h"

namespace lumora {
namespace {

QLabel* BannerLabel(const QString& text, double scale, bool bold, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * scale);
  font.setBold(bold);
  label->setFont(font);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

Launcher::Launcher(LauncherSetup setup, QWidget* parent)
    : QWidget(parent), setup_(std::move(setup)), prompter_(setup_.prompter) {
  setObjectName(QStringLiteral("Launcher"));
  setWindowTitle(QLatin1String(kApplicationTitle));
  if (prompter_ == nullptr) {
    own_prompter_ = std::make_unique<MessageBoxPrompter>(this);
    prompter_ = own_prompter_.get();
  }

  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kLauncherBackground);
  colours.setColor(QPalette::WindowText, kBannerText);
  setPalette(colours);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(40, 40, 40, 24);
  layout->addStretch(2);
  auto* title = BannerLabel(QLatin1String(kApplicationTitle), 4.0, true, this);
  title->setObjectName(QStringLiteral("TitleLbl"));
  layout->addWidget(title);
  layout->addWidget(BannerLabel(tr("Guillotine cutting plans for glass shops"), 1.4, false, this));
  layout->addSpacing(36);

  struct Button {
    const char* caption;
    const char* tooltip;
    std::function<void()> action;
  };
  const Button buttons[] = {
      {QT_TR_NOOP("Base Module"), QT_TR_NOOP("Base Module"), [this] { OpenMainWindow(false); }},
      {QT_TR_NOOP("S D R"), QT_TR_NOOP("Strandor"), [this] { OpenMainWindow(true); }},
      {QT_TR_NOOP("M L M"), QT_TR_NOOP("Material Library Manager"),
       [this] {
         ShowLauncherModule(new MaterialLibraryWindow(setup_.workspace, prompter(), false, this));
       }},
      {QT_TR_NOOP("P L M"), QT_TR_NOOP("Product Library Manager"),
       [this] {
         ShowLauncherModule(new ProductLibraryWindow(setup_.workspace, prompter(), this));
       }},
      {QT_TR_NOOP("Load Products"), QT_TR_NOOP("Load Products"),
       [this] { ShowLauncherModule(new LoadProductsWindow(setup_.workspace, prompter(), this)); }},
      {QT_TR_NOOP("Configure"), QT_TR_NOOP("Modify Settings"), [this] { ShowConfigure(); }},
      {QT_TR_NOOP("About..."), QT_TR_NOOP("About LUMORA"), [this] { ShowAbout(); }},
      {QT_TR_NOOP("Exit"), QT_TR_NOOP("Close LUMORA"), [this] { Exit(); }},
  };
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(18);
  grid->setVerticalSpacing(14);
  for (int index = 0; index < 8; ++index) {
    auto* button = new QPushButton(tr(buttons[index].caption), this);
    button->setObjectName(QStringLiteral("cmd%1").arg(index));
    button->setToolTip(tr(buttons[index].tooltip));
    button->setMinimumSize(220, 44);
    grid->addWidget(button, index / 2, index % 2);
    connect(button, &QPushButton::clicked, this, buttons[index].action);
  }
  auto* centred = new QHBoxLayout;
  centred->addStretch();
  centred->addLayout(grid);
  centred->addStretch();
  layout->addLayout(centred);
  layout->addStretch(3);
  auto* version = new QLabel(AboutWindow::VersionText(), this);
  version->setAlignment(Qt::AlignRight);
  layout->addWidget(version);

  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this,
          [this] { OpenHelpFile(QString::fromStdString(setup_.workspace.data_folder)); });
}

Launcher::~Launcher() {
  if (main_window_) delete main_window_.data();
}

MainWindow* Launcher::main_window() const { return main_window_.data(); }

MainWindow* Launcher::OpenMainWindow(bool coil_mode, const std::string& job_file) {
  if (main_window_) return main_window_;
  settings_.coil_mode = coil_mode;
  MainWindowSetup setup;
  setup.workspace = setup_.workspace;
  setup.settings = settings_;
  setup.command_line_file = job_file;
  setup.prompter = setup_.prompter;
  setup.file_dialog = setup_.file_dialog;
  AddJobWindows(setup);
  AddResultWindows(setup);
  AddOptimizationRunner(setup);
  auto* window = new MainWindow(std::move(setup));
  window->setAttribute(Qt::WA_DeleteOnClose);
  main_window_ = window;
  connect(window, &MainWindow::Closed, this, [this, window] {
    settings_ = window->job().settings;
    setEnabled(true);
    activateWindow();
  });
  setEnabled(false);
  // The main window takes the work area the launcher fills; maximised, the window manager keeps
  // its frame and status bar on the screen whatever their size.
  window->showMaximized();
  return window;
}

void Launcher::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FillWorkArea();
  if (first_shown_) return;
  first_shown_ = true;
  QTimer::singleShot(0, this, &Launcher::FirstShown);
}

void Launcher::FirstShown() {
  if (OfferJobRecovery(*this, prompter(), setup_.workspace.data_folder)) return;
  const std::string& file = setup_.command_line_file;
  if (!file.empty() && FileExists(file)) {
    OpenMainWindow(false, file);
  } else {
    ShowAbout();
  }
}

void Launcher::FillWorkArea() {
  QScreen* screen = this->screen();
  if (screen == nullptr) return;
  if (screen != screen_) {
    if (screen_) disconnect(screen_, nullptr, this, nullptr);
    screen_ = screen;
    connect(screen, &QScreen::availableGeometryChanged, this, &Launcher::FillWorkArea);
  }
  // The frame, not just the client area, fits the work area.
  const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
  const QRect area = screen->availableGeometry();
  move(area.topLeft());
  resize(area.size().shrunkBy(frame));
}

void Launcher::ShowAbout() {
  auto* about = new AboutWindow(this);
  about->setAttribute(Qt::WA_DeleteOnClose);
  about->setWindowModality(Qt::ApplicationModal);
  about->show();
}

void Launcher::ShowConfigure() {
  auto* configure = new ConfigureWindow(setup_.workspace, prompter(), this);
  configure->setAttribute(Qt::WA_DeleteOnClose);
  configure->setWindowModality(Qt::ApplicationModal);
  configure->show();
}

void Launcher::Exit() { close(); }

void Launcher::closeEvent(QCloseEvent* event) {
  if (main_window_) {
    event->ignore();
    return;
  }
  // Closing the launcher ends the program as Exit does, so no run leaves working files behind.
  setup_.workspace.RemoveWorkingFiles();
  event->accept();
}

}  // namespace lumora
