// The settings window: the program's main window and its only place of input. It holds the ten
// parameter fields, the turn algorithm, "Display Tracks", the Run, Stop, Notes and Close buttons
// and the run's displays, and it is the host of every sweep.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "model/field_rules.h"
#include "model/sim_params.h"
#include "model/sweep_host.h"

class QLineEdit;
class QRadioButton;
class QRect;

namespace Ui {
class TSettingsform;
}

namespace zelmora {

class RegionalDecimalSeparator;
class TAboutForm;
class TSeeForm;

class TSettingsform final : public QWidget, public SweepHost {
  Q_OBJECT

 public:
  // The window only keeps references to params, decimal_separator, notes and viewer, which must
  // outlive it; the windows may still be under construction. The fields show their initial
  // texts, and no handler has run: loading the layout raises no change event.
  TSettingsform(SimParams& params, const RegionalDecimalSeparator& decimal_separator,
                TAboutForm& notes, TSeeForm& viewer);
  ~TSettingsform() override;

  // The change handlers of the parameter fields, each bound to its field's text changes and
  // also called directly by the Run preparation and the sweep. Each applies its field's rule
  // to the field's text, storing the value into params, and writes the normalised text back
  // where the rule says so and it differs: that write raises the change event once more, and
  // the handler finds nothing further to change. Each raises what its rule raises, storing
  // nothing.
  void SpeedEditChange();
  void TurnIntEditChange();
  void CompassEditChange();
  void TurnRangeEditChange();
  void RiskTimeEditChange();
  void SafeEditChange();
  void NetLengthEditChange();
  void SoakHrsEditChange();
  void NofTrialsEditChange();
  void StepsEditChange();

  // The Run preparation (every field re-read, travel and density shown, the density with the
  // regional decimal separator, the viewer shown), then a sweep that draws in the viewer. Returns
  // when the sweep has ended; a failure ends it at the step that raises it and propagates.
  void RunBtnClick();
  // Asks a running sweep to stop after its current trial. Between sweeps it has no effect: the
  // next sweep clears the request at its start.
  void StopBtnClick();
  // A quit request: the event loop ends once control is back in it. The windows stay open and
  // live until then, and a running sweep runs on to its end.
  void CloseBtnClick();
  // Shows the notes window, in front and with the keyboard focus, when it is hidden; changes
  // nothing when it is visible.
  void InfoPnlClick();

  // SweepHost.
  void RunFieldHandler(ParamField field) override;
  int32_t SelectedTurnAlgorithm() override;
  bool TracksDisplayed() override;
  void ShowCatchText(std::string_view text) override;
  void ShowRunLabel(std::string_view text) override;
  void ShowFileLabel(bool shown) override;
  void ShowTravelText(std::string_view text) override;
  void ShowDensityText(std::string_view text) override;
  void ShowViewer() override;
  void HideViewer() override;
  void PumpEvents() override;
  int32_t StopRequested() override { return stop_requested_; }
  void SetStopRequested(int32_t value) override { stop_requested_ = value; }

 protected:
  // Closing the main window is a quit request, as the Close button.
  void closeEvent(QCloseEvent* event) override;

 private:
  struct FieldBinding {
    ParamField field;
    QLineEdit* edit;
    void (TSettingsform::*handler)();
  };

  const FieldBinding& BindingOf(ParamField field) const;
  void ApplyFieldRule(ParamField field);
  // The items of the turn-algorithm group, by their TurnAlgorithm index.
  std::array<QRadioButton*, 3> AlgoItems() const;
  void KeepTabStopAtCheckedItem();
  // Redraws at once what lies in area of the client area, controls and frame lines included.
  void RepaintNow(const QRect& area);

  std::unique_ptr<Ui::TSettingsform> ui_;
  SimParams& params_;
  const RegionalDecimalSeparator& decimal_separator_;
  TAboutForm& notes_;
  TSeeForm& viewer_;
  std::array<FieldBinding, 10> fields_;
  int32_t stop_requested_ = 0;  // 1 asks the running sweep to stop
};

}  // namespace zelmora
