#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "core/deep/deep_settings_file.h"
#include "gui/shell/main_window.h"
#include "gui/shell/toolbar_icons.h"

// The menus, the toolbar and the status bar of the main window.
namespace lumora {
namespace {

QKeySequence Key(int key) { return QKeySequence(key); }
QKeySequence Ctrl(Qt::Key key) { return QKeySequence(Qt::CTRL | key); }

}  // namespace

QAction* MainWindow::AddMenuItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut,
                                 void (MainWindow::*command)()) {
  QAction* action = menu->addAction(caption);
  // Named after the menu and the item's index in it ("File1", "Tools5").
  action->setObjectName(menu->objectName() + QString::number(menu->actions().size()));
  action->setShortcut(shortcut);
  if (command != nullptr) connect(action, &QAction::triggered, this, command);
  return action;
}

void MainWindow::BuildMenus() {
  const auto add_menu = [this](const QString& caption, const QString& name) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    return menu;
  };

  QMenu* file = add_menu(QStringLiteral("&File"), QStringLiteral("File"));
  AddMenuItem(file, QStringLiteral("&New"), Ctrl(Qt::Key_N), &MainWindow::FileNewCommand);
  AddMenuItem(file, QStringLiteral("&Open..."), Ctrl(Qt::Key_O), &MainWindow::FileOpenCommand);
  AddMenuItem(file, QStringLiteral("&Save"), Ctrl(Qt::Key_S), &MainWindow::FileSaveCommand);
  AddMenuItem(file, QStringLiteral("Save &As..."), {}, &MainWindow::FileSaveAsCommand);
  file->addSeparator();
  AddMenuItem(file, QStringLiteral("Save As Defaults"), {}, &MainWindow::FileSaveAsDefaultsCommand);
  file->addSeparator();
  connect(AddMenuItem(file, QStringLiteral("E&xit"), {}, nullptr), &QAction::triggered, this,
          &MainWindow::close);

  QMenu* edit = add_menu(QStringLiteral("&Edit"), QStringLiteral("Edit"));
  AddMenuItem(edit, QStringLiteral("&Basic Details"), Key(Qt::Key_F4),
              &MainWindow::EditBasicDetails);
  edit->addSeparator();
  edit_sheet_ = AddMenuItem(edit, QStringLiteral("&Sheet Specifications"), Key(Qt::Key_F2),
                            &MainWindow::EditSheet);
  edit->addSeparator();
  AddMenuItem(edit, QStringLiteral("&Glass Size Specifications"), Key(Qt::Key_F3),
              &MainWindow::EditGlass);

  QMenu* optimize = add_menu(QStringLiteral("&Optimize"), QStringLiteral("Optimize"));
  AddMenuItem(optimize, QStringLiteral("&Start Optimization"), Key(Qt::Key_F5),
              &MainWindow::StartOptimizationCommand);
  optimize->addSeparator();
  maximum_yield_ =
      AddMenuItem(optimize, QStringLiteral("Maximum Yield"), {}, &MainWindow::ChooseObjective);
  minimum_layouts_ =
      AddMenuItem(optimize, QStringLiteral("Minimum Layouts"), {}, &MainWindow::ChooseObjective);
  maximum_yield_->setCheckable(true);
  minimum_layouts_->setCheckable(true);
  optimize->addSeparator();
  AddMenuItem(optimize, QStringLiteral("&Deep Optimization..."),
              QKeySequence(Qt::SHIFT | Qt::Key_F5), &MainWindow::DeepOptimizationCommand);
  AddMenuItem(optimize, QStringLiteral("Cutting &Line..."), {}, &MainWindow::CuttingLineCommand);
  optimize->addSeparator();
  // How the deep optimization treats the stock that came back from leftovers.
  leftovers_first_ = AddMenuItem(optimize, QString::fromLatin1(kUseLeftoversFirstCaption), {},
                                 &MainWindow::StoreLeftoverSettings);
  keep_leftover_ = AddMenuItem(optimize, QString::fromLatin1(kKeepOneLeftoverCaption), {},
                               &MainWindow::StoreLeftoverSettings);
  const LeftoverSettings leftovers = ReadLeftoverSettings(job_.workspace);
  for (const auto& [action, on] : {std::pair{leftovers_first_, leftovers.use_leftovers_first},
                                   std::pair{keep_leftover_, leftovers.keep_one_leftover}}) {
    action->setCheckable(true);
    action->setChecked(on);
  }

  QMenu* view = add_menu(QStringLiteral("&View"), QStringLiteral("View"));
  AddMenuItem(view, QStringLiteral("&Report"), Key(Qt::Key_F7), &MainWindow::ViewReport);
  view->addSeparator();
  AddMenuItem(view, QStringLiteral("&Layouts"), Key(Qt::Key_F8), &MainWindow::ViewLayouts);
  view->addSeparator();
  AddMenuItem(view, QStringLiteral("&Balance And Scrap Table"), Key(Qt::Key_F6),
              &MainWindow::ViewBalance);
  view->addSeparator();
  AddMenuItem(view, QStringLiteral("Rack &Plan"), {}, &MainWindow::ViewRackPlan);

  QMenu* tools = add_menu(QStringLiteral("&Tools"), QStringLiteral("Tools"));
  AddMenuItem(tools, QStringLiteral("&Unit Conversion Tool"), Key(Qt::Key_F9),
              &MainWindow::UnitConversionTool);
  tools->addSeparator();
  AddMenuItem(tools, QStringLiteral("&Density Table"), {}, &MainWindow::DensityTableCommand);
  tools->addSeparator();
  AddMenuItem(tools, QStringLiteral("Change Unit to &IN"), Key(Qt::Key_F11),
              &MainWindow::ChangeUnitToInch);
  AddMenuItem(tools, QStringLiteral("Change Unit to &MM"), Key(Qt::Key_F12),
              &MainWindow::ChangeUnitToMM);
  tools->addSeparator();
  AddMenuItem(tools, QStringLiteral("Define &Labels..."), {}, &MainWindow::DefineLabels);

  QMenu* help = add_menu(QStringLiteral("&Help"), QStringLiteral("Help"));
  AddMenuItem(help, QStringLiteral("&Lumora Help"), Key(Qt::Key_F1), &MainWindow::OpenHelp);
  help->addSeparator();
  AddMenuItem(help, QStringLiteral("&About LUMORA"), {}, &MainWindow::ShowAbout);
}

void MainWindow::BuildToolBar() {
  toolbar_ = addToolBar(QStringLiteral("Toolbar"));
  toolbar_->setObjectName(QStringLiteral("TB"));
  toolbar_->setMovable(false);
  toolbar_->setIconSize(QSize(24, 24));

  struct Button {
    int index;
    const char* tooltip;
    const char* target;
  };
  static constexpr Button kButtons[] = {
      {1, "New FIle", "File1"},
      {2, "Open File", "File2"},
      {3, "Save File", "File3"},
      {5, "Basic Details", "Edit1"},
      {6, "Sheet Specifications", "Edit3"},
      {7, "Coil Specifications", "Edit3"},
      {8, "Glass Size Specifications", "Edit5"},
      {10, "Start Optimization", "Optimize1"},
      {12, "Report", "View1"},
      {13, "Layouts", "View3"},
      {14, "Balance And Scrap Table", "View5"},
      {16, "Change Unit to IN", "Tools5"},
      {17, "Change Unit to MM", "Tools6"},
  };
  unit_pair_ = new QActionGroup(this);
  unit_pair_->setExclusive(true);
  int next = 1;
  for (const Button& button : kButtons) {
    for (; next < button.index; ++next) toolbar_->addSeparator();
    QAction* action = toolbar_->addAction(MainToolbarIcon(button.index), button.tooltip);
    action->setObjectName(QStringLiteral("TB%1").arg(button.index));
    action->setToolTip(QString::fromLatin1(button.tooltip));
    auto* target = findChild<QAction*>(QString::fromLatin1(button.target));
    connect(action, &QAction::triggered, target, &QAction::trigger);
    if (button.index >= 16) {
      action->setCheckable(true);
      unit_pair_->addAction(action);
    }
    next = button.index + 1;
  }
}

void MainWindow::BuildStatusBar() {
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  statusBar()->setSizeGripEnabled(true);
  for (int i = 0; i < 4; ++i) {
    auto* panel = new QLabel(this);
    panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setContentsMargins(4, 0, 4, 0);
    statusBar()->addWidget(panel, i == 3 ? 0 : 1);
    status_panels_[i] = panel;
  }
}

QAction* MainWindow::ToolbarButton(QLatin1StringView name) const {
  return toolbar_->findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

}  // namespace lumora
