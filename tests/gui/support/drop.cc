#include "gui/support/drop.h"

#include <QApplication>
#include <QDropEvent>
#include <QWidget>

namespace lumora::testing {

void DropOn(QWidget* target, const QMimeData& data) {
  const QPoint middle = target->rect().center();
  QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
}

}  // namespace lumora::testing
