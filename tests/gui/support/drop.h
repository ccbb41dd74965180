#ifndef LUMORA_TESTS_GUI_SUPPORT_DROP_H_
#define LUMORA_TESTS_GUI_SUPPORT_DROP_H_

class QMimeData;
class QWidget;

namespace lumora::testing {

// Drags the data onto the middle of the widget and drops it there, as a drag from a file manager
// would: the drop reaches only the widget that took the drag.
void DropOn(QWidget* target, const QMimeData& data);

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_GUI_SUPPORT_DROP_H_
