// The sweep's host for zelmora-sweep: parameter texts from the command line, no viewer, the
// run's progress on standard error, and a stop asked for by SIGINT or SIGTERM.
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "model/field_rules.h"
#include "model/sim_params.h"
#include "model/sweep_host.h"

namespace zelmora::cli {

// Installs the SIGINT and SIGTERM handlers that ask a running sweep to stop after the current
// trial, and ignores SIGXFSZ so that a results file beyond the size limit is reported as an
// I/O failure instead of killing the program with its lines unwritten.
void InstallStopSignals();
// Whether SIGINT or SIGTERM has arrived.
bool StopSignalled();

class ConsoleHost final : public SweepHost {
 public:
  // texts holds each parameter field's text; the algorithm is a TurnAlgorithm index. Progress
  // is drawn as a bar when standard error is a terminal, else one line per combination.
  ConsoleHost(SimParams& params, std::map<ParamField, std::string> texts, int32_t algorithm);

  void RunFieldHandler(ParamField field) override;
  int32_t SelectedTurnAlgorithm() override { return algorithm_; }
  bool TracksDisplayed() override { return false; }
  void ShowCatchText(std::string_view text) override;
  void ShowRunLabel(std::string_view text) override;
  void ShowFileLabel(bool) override {}
  void ShowTravelText(std::string_view text) override { travel_text_ = text; }
  void ShowDensityText(std::string_view text) override { density_text_ = text; }
  void ShowViewer() override {}
  void HideViewer() override {}
  void PumpEvents() override;
  int32_t StopRequested() override { return stop_requested_; }
  void SetStopRequested(int32_t value) override { stop_requested_ = value; }

  const std::string& TravelText() const { return travel_text_; }
  const std::string& DensityText() const { return density_text_; }
  int64_t TrialsRun() const { return trials_run_; }
  int64_t AnimalsCaught() const { return animals_caught_; }
  int64_t CombinationsDone() const { return combinations_done_; }
  int64_t Combinations() const { return combinations_; }
  // Ends the progress display (the bar's line) before other output follows.
  void EndProgress();

 private:
  void DrawProgress(bool force);

  SimParams& params_;
  std::map<ParamField, std::string> texts_;
  int32_t algorithm_;
  int32_t stop_requested_ = 0;
  std::string travel_text_, density_text_;
  bool terminal_;
  bool bar_shown_ = false;
  bool run_counter_shown_ = false;
  int64_t trials_run_ = 0, animals_caught_ = 0;
  int64_t combinations_done_ = 0, combinations_ = 0;
  std::chrono::steady_clock::time_point started_, last_drawn_;
};

}  // namespace zelmora::cli
