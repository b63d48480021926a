// The desktop program: its start-up, its program-wide state and the three windows, each
// existing once while the program runs, and its event loop.
#pragma once

#include "model/sim_params.h"
#include "support/random.h"
#include "ui/InfoUnit/about_form.h"
#include "ui/app/decimal_separator.h"
#include "ui/display/see_form.h"
#include "ui/settings/settings_form.h"

namespace zelmora {

// The first step of start-up, once the QApplication exists: the model's floating-point
// environment, the windows' style, the application title (QCoreApplication::applicationName,
// the error box's caption) from the executable's file name, and an event loop that only a quit
// request ends, not the closing of the last visible window.
void SetUpApplication();

// Created after the QApplication, in this order: the parameters (all zero) and the generator,
// the regional decimal separator, the settings window (the main window, hidden), the notes
// window (hidden), the track viewer (shown as soon as it exists). No program handler runs
// while it is created.
struct Program {
  Program();

  SimParams params;
  RandomGenerator random;
  RegionalDecimalSeparator decimal_separator;
  // The settings window only keeps references to the two windows after it, which are not yet
  // constructed when it is.
  TSettingsform Settingsform{params, decimal_separator, AboutForm, SeeForm};
  TAboutForm AboutForm;
  TSeeForm SeeForm{params, random, Settingsform};
};

// The event loop. Its first act shows the main window, last of the windows and so in front and
// active. It delivers every event, a failure that escapes a handler shown in the error box, and
// returns the exit code 0 once a quit request has been taken and control is back in it.
int RunEventLoop(Program& program);

}  // namespace zelmora
