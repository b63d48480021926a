// The desktop program: the settings window, the track viewer and the notes window.

#include <QApplication>

#include "support/real.h"
#include "ui/app/application_title.h"
#include "ui/app/program.h"

int main(int argc, char** argv) {
  // The program reads no command line; Qt is given the program's name only.
  int qt_argc = argc > 0 ? 1 : 0;
  QApplication application(qt_argc, argv);
  // After Qt and the libraries it loaded, any of which may have changed it.
  zelmora::SetModelFloatingPointEnvironment();
  // The layouts are drawn for the classic three-dimensional look: sunken fields and panels, and
  // group headings that cut their frame's line.
  QApplication::setStyle(QStringLiteral("Windows"));
  QApplication::setApplicationName(
      zelmora::ApplicationTitle(QCoreApplication::applicationFilePath()));
  // Only the main window's closing ends the program; the viewer and the notes window just hide.
  QApplication::setQuitOnLastWindowClosed(false);

  zelmora::Program program;
  program.Settingsform.show();
  return QApplication::exec();
}
