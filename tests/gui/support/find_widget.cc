#include "gui/support/find_widget.h"

namespace lumora::testing {

QString DescribeChildren(const QObject* root) {
  QStringList names;
  for (const QObject* child : root->findChildren<QObject*>()) {
    names << QStringLiteral("%1(%2)").arg(child->objectName(), child->metaObject()->className());
  }
  return names.join(", ");
}

}  // namespace lumora::testing
