// The program-wide state and the three windows, each existing once while the program runs.
#pragma once

#include "model/sim_params.h"
#include "support/random.h"
#include "ui/InfoUnit/about_form.h"
#include "ui/display/see_form.h"
#include "ui/settings/settings_form.h"

namespace zelmora {

// Created after the QApplication, in this order: the parameters (all zero) and the generator,
// the settings window (the main window, hidden), the notes window (hidden), the track viewer
// (shown as soon as it exists). Showing the settings window and running the event loop are the
// caller's. No program handler runs while it is created.
struct Program {
  Program();

  SimParams params;
  RandomGenerator random;
  // The settings window only keeps references to the two windows after it, which are not yet
  // constructed when it is.
  TSettingsform Settingsform{params, AboutForm, SeeForm};
  TAboutForm AboutForm;
  TSeeForm SeeForm{params, random, Settingsform};
};

}  // namespace zelmora
