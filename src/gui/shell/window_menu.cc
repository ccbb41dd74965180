#include "gui/shell/window_menu.h"

#include <QAction>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStringList>
#include <algorithm>
#include <cstdlib>

#include "core/base/file_routines.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

constexpr char kPlaceShownProperty[] = "lumoraPlaceShown";

}  // namespace

ChildWindowPlaces::ChildWindowPlaces(QMdiArea* area, QMenu* menu, std::string places_file)
    : QObject(area), area_(area), menu_(menu), places_file_(std::move(places_file)) {
  Load();
  area_->viewport()->installEventFilter(this);
  connect(menu_, &QMenu::aboutToShow, this, &ChildWindowPlaces::FillMenu);
  FillMenu();
}

ChildWindowPlaces::~ChildWindowPlaces() { Store(); }

std::optional<QRect> ChildWindowPlaces::PlaceOf(const QString& name) const {
  const auto found = places_.find(name);
  if (found == places_.end()) return std::nullopt;
  return found->second;
}

void ChildWindowPlaces::FillMenu() {
  menu_->clear();
  QAction* tile = menu_->addAction(tr("&Tile"));
  tile->setObjectName(QStringLiteral("WindowTile"));
  connect(tile, &QAction::triggered, area_, &QMdiArea::tileSubWindows);
  QAction* cascade = menu_->addAction(tr("&Cascade"));
  cascade->setObjectName(QStringLiteral("WindowCascade"));
  connect(cascade, &QAction::triggered, this, &ChildWindowPlaces::Cascade);
  const QList<QMdiSubWindow*> windows = area_->subWindowList();
  if (!windows.isEmpty()) menu_->addSeparator();
  for (QMdiSubWindow* window : windows) {
    QAction* entry = menu_->addAction(window->windowTitle());
    entry->setCheckable(true);
    entry->setChecked(window == area_->activeSubWindow());
    connect(entry, &QAction::triggered, area_, [this, window] {
      window->showNormal();
      area_->setActiveSubWindow(window);
    });
  }
}

void ChildWindowPlaces::Cascade() {
  area_->cascadeSubWindows();
  // Each window keeps the size it asks for, as far as the area has room for it below and to the
  // right of its place in the cascade.
  const QRect room = area_->viewport()->rect();
  for (QMdiSubWindow* window : area_->subWindowList()) {
    if (!window->isVisible() || window->isMinimized()) continue;
    QRect place = window->geometry();
    place.setWidth(
        std::max(window->minimumWidth(), std::min(place.width(), room.right() - place.left())));
    place.setHeight(
        std::max(window->minimumHeight(), std::min(place.height(), room.bottom() - place.top())));
    window->setGeometry(place);
  }
}

bool ChildWindowPlaces::eventFilter(QObject* watched, QEvent* event) {
  if (watched == area_->viewport()) {
    if (event->type() == QEvent::ChildAdded) {
      auto* child = static_cast<QChildEvent*>(event)->child();
      if (qobject_cast<QMdiSubWindow*>(child) != nullptr) child->installEventFilter(this);
    }
    return false;
  }
  auto* window = qobject_cast<QMdiSubWindow*>(watched);
  if (window == nullptr || window->objectName().isEmpty()) return false;
  switch (event->type()) {
    case QEvent::Show:
      if (!window->property(kPlaceShownProperty).toBool()) {
        window->setProperty(kPlaceShownProperty, true);
        if (const auto place = PlaceOf(window->objectName())) window->setGeometry(*place);
      }
      break;
    case QEvent::Move:
    case QEvent::Resize:
      if (window->isVisible() && !window->isMaximized() && !window->isMinimized()) {
        places_[window->objectName()] = window->geometry();
        moved_ = true;
      }
      break;
    case QEvent::Close:
      Store();
      break;
    default:
      break;
  }
  return false;
}

void ChildWindowPlaces::Load() {
  const std::optional<std::string> bytes = ReadFileBytes(places_file_, kTableFileLimit);
  if (!bytes) return;
  for (const QString& line : QString::fromLatin1(*bytes).split(QLatin1Char('\n'))) {
    const QStringList fields = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fields.size() != 5) continue;
    bool all = true;
    int numbers[4] = {};
    for (int i = 0; i < 4; ++i) {
      bool ok = false;
      numbers[i] = fields[i + 1].toInt(&ok);
      all = all && ok;
    }
    // A place too small to use or far off any screen is a damaged line.
    if (!all || numbers[2] < 50 || numbers[3] < 30 || std::abs(numbers[0]) > 20000 ||
        std::abs(numbers[1]) > 20000 || numbers[2] > 20000 || numbers[3] > 20000) {
      continue;
    }
    places_[fields[0]] = QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
  }
}

void ChildWindowPlaces::Store() {
  if (!moved_) return;
  moved_ = false;
  std::string bytes;
  for (const auto& [name, place] : places_) {
    bytes += QStringLiteral("%1 %2 %3 %4 %5\r\n")
                 .arg(name)
                 .arg(place.x())
                 .arg(place.y())
                 .arg(place.width())
                 .arg(place.height())
                 .toLatin1()
                 .toStdString();
  }
  // Where the windows were is a convenience: a folder that cannot take it changes nothing else.
  (void)WriteFileAtomically(places_file_, bytes);
}

}  // namespace lumora
