// The desktop program: the settings window, the track viewer and the notes window.

#include <QApplication>

#include "ui/app/program.h"

int main(int argc, char** argv) {
  // The program reads no command line; Qt is given the program's name only.
  int qt_argc = argc > 0 ? 1 : 0;
  QApplication application(qt_argc, argv);
  zelmora::SetUpApplication();
  zelmora::Program program;
  return zelmora::RunEventLoop(program);
}
