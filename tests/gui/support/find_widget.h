#ifndef LUMORA_TESTS_GUI_SUPPORT_FIND_WIDGET_H_
#define LUMORA_TESTS_GUI_SUPPORT_FIND_WIDGET_H_

#include <QObject>
#include <QString>
#include <QStringList>

namespace lumora::testing {

// The object names (with class names) of every descendant of root, for failure messages.
QString DescribeChildren(const QObject* root);

// The descendant of root with the object name; fails the test with the names that were found
// when there is none.
template <typename T>
T* FindWidget(QObject* root, const QString& name) {
  T* found = root->findChild<T*>(name);
  if (found == nullptr) {
    qFatal("no %s named '%s' under '%s'; found: %s", T::staticMetaObject.className(),
           qPrintable(name), qPrintable(root->objectName()), qPrintable(DescribeChildren(root)));
  }
  return found;
}

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_GUI_SUPPORT_FIND_WIDGET_H_
