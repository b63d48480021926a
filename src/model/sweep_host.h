// Everything a run touches outside the model: the settings window implements it for the
// desktop program, the command line for zelmora-sweep, the tests with scripted hosts.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/field_rules.h"

namespace zelmora {

class SweepHost {
 public:
  virtual ~SweepHost() = default;

  // Runs the change rule of one parameter field on the field's current text, as a text change
  // would, writing a normalised text back where the rule says so. May raise what the rule
  // raises.
  virtual void RunFieldHandler(ParamField field) = 0;
  // The index of the chosen turn algorithm (TurnAlgorithm), or -1 when none is chosen.
  virtual int32_t SelectedTurnAlgorithm() = 0;
  // Whether the "Display Tracks" box is ticked.
  virtual bool TracksDisplayed() = 0;

  // The run's displays; each is redrawn at once, without delivering any other event.
  virtual void ShowCatchText(std::string_view text) = 0;
  virtual void ShowRunLabel(std::string_view text) = 0;
  virtual void ShowFileLabel(bool shown) = 0;
  virtual void ShowTravelText(std::string_view text) = 0;
  virtual void ShowDensityText(std::string_view text) = 0;
  virtual void ShowViewer() = 0;
  virtual void HideViewer() = 0;

  // Delivers every pending window event and returns when none is left; handlers run nested.
  virtual void PumpEvents() = 0;
  // The stop request: 1 asks the running sweep to stop after the current trial.
  virtual int32_t StopRequested() = 0;
  virtual void SetStopRequested(int32_t value) = 0;
};

}  // namespace zelmora
