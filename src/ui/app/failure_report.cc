#include "ui/app/failure_report.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <exception>
#include <string>

#include "support/failure.h"

namespace zelmora {

void ReportFailure(std::string_view message) {
  QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                  QString::fromStdString(WithFullStop(message)), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  // Not exec(): after a quit request (Close during a sweep) every new event loop returns at
  // once, and the box would vanish unread. Delivering events until the box is closed waits
  // for the user whatever the quit request says.
  box.show();
  while (box.isVisible()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void RunGuarded(const std::function<void()>& handler) {
  std::string message;
  try {
    handler();
    return;
  } catch (const std::exception& failure) {
    message = failure.what();
  }
  // Shown outside the handler of the exception: the box delivers events while it waits, and
  // their handlers may raise and report failures in turn.
  ReportFailure(message);
}

}  // namespace zelmora
