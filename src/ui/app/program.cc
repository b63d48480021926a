#include "ui/app/program.h"

#include <QApplication>
#include <QTimer>

#include "support/real.h"
#include "ui/app/application_title.h"

namespace zelmora {

void SetUpApplication() {
  // After Qt and the libraries it loaded, any of which may have changed it.
  SetModelFloatingPointEnvironment();
  // The layouts are drawn for the classic three-dimensional look: sunken fields and panels, and
  // group headings that cut their frame's line.
  QApplication::setStyle(QStringLiteral("Windows"));
  // Not the display name: Qt would append that to every window's caption.
  QApplication::setApplicationName(ApplicationTitle(QCoreApplication::applicationFilePath()));
  // The viewer and the notes window only hide when closed, and the main window's closing is a
  // quit request of its own.
  QApplication::setQuitOnLastWindowClosed(false);
}

Program::Program() {
  SeeForm.show();
}

int RunEventLoop(Program& program) {
  TSettingsform& main_window = program.Settingsform;
  QTimer::singleShot(0, &main_window, [&main_window] {
    main_window.show();
    main_window.raise();
    main_window.activateWindow();
  });
  // However the loop came to end, the program ends with exit code 0.
  QApplication::exec();
  return 0;
}

}  // namespace zelmora
