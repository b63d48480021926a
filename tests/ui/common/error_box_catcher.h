// Answers the error boxes a test provokes: while it exists, every message box that becomes the
// active modal window is recorded and closed with its OK button, so a handler that shows one
// returns and the test goes on.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

namespace zelmora::testing {

struct ShownBox {
  QString caption;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  int button_count;
  Qt::WindowModality modality;
};

class ErrorBoxCatcher {
 public:
  ErrorBoxCatcher() {
    // Polled, because the box runs its own event loop: the timer fires inside it.
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerShownBox(); });
    timer_.start();
  }

  std::vector<ShownBox> boxes;
  // When set, runs while each box is shown, before it is answered.
  std::function<void()> while_shown;

 private:
  void AnswerShownBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    boxes.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                     static_cast<int>(box->buttons().size()), box->windowModality()});
    if (while_shown) while_shown();
    box->button(QMessageBox::Ok)->click();
  }

  QTimer timer_;
};

}  // namespace zelmora::testing
