#include "gui/shell/message_box_prompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace lumora {

class MessageBoxPrompterTest : public QObject {
  Q_OBJECT

 private:
  struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton default_button = QMessageBox::NoButton;
  };

  // Asks the prompt, notes what the box showed and presses the button the test names.
  static PromptAnswer AskAndPress(const Prompt& prompt, QMessageBox::StandardButton press,
                                  Seen& seen) {
    QTimer::singleShot(0, [&seen, press] {
      QMessageBox* box = nullptr;
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* shown = qobject_cast<QMessageBox*>(window); shown && shown->isVisible()) {
          box = shown;
        }
      }
      if (box == nullptr) return;
      seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
              box->defaultButton() != nullptr ? box->standardButton(box->defaultButton())
                                              : QMessageBox::NoButton};
      box->button(press)->click();
    });
    MessageBoxPrompter prompter;
    return prompter.Ask(prompt);
  }

 private slots:
  void ShowsTheBoxAsAsked() {
    Seen seen;
    const PromptAnswer answer = AskAndPress({.title = "Attention!",
                                             .text = "Save changes in current file?",
                                             .icon = PromptIcon::kQuestion,
                                             .buttons = PromptButtons::kYesNoCancel,
                                             .default_answer = PromptAnswer::kYes},
                                            QMessageBox::Cancel, seen);
    QCOMPARE(answer, PromptAnswer::kCancel);
    QCOMPARE(seen.title, QStringLiteral("Attention!"));
    QCOMPARE(seen.text, QStringLiteral("Save changes in current file?"));
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(seen.default_button, QMessageBox::Yes);
  }

  void NoCanBeTheDefault() {
    Seen seen;
    const PromptAnswer answer = AskAndPress({.title = "Lumora",
                                             .text = "L1 missing in sheet number (1), Proceed?",
                                             .icon = PromptIcon::kQuestion,
                                             .buttons = PromptButtons::kYesNo,
                                             .default_answer = PromptAnswer::kNo},
                                            QMessageBox::Yes, seen);
    QCOMPARE(answer, PromptAnswer::kYes);
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(seen.default_button, QMessageBox::No);
  }

  void RefusalsAndNotices() {
    Seen seen;
    QCOMPARE(AskAndPress({.title = "Lumora",
                          .text = "Total Glass Size Area is MORE then Total Sheet Area!",
                          .icon = PromptIcon::kExclamation,
                          .buttons = PromptButtons::kOk,
                          .default_answer = PromptAnswer::kOk},
                         QMessageBox::Ok, seen),
             PromptAnswer::kOk);
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    AskAndPress({.title = "Lumora",
                 .text = "Lumora is already running",
                 .icon = PromptIcon::kInformation,
                 .buttons = PromptButtons::kOk,
                 .default_answer = PromptAnswer::kOk},
                QMessageBox::Ok, seen);
    QCOMPARE(seen.icon, QMessageBox::Information);
  }
};

}  // namespace lumora

QTEST_MAIN(lumora::MessageBoxPrompterTest)
#include "message_box_prompter_test.moc"
