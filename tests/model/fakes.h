// Test doubles for the model's seams: a generator that plays a script and records the bounds it
// was asked for, a canvas that records every call, and a host with plain fields.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "model/canvas.h"
#include "model/field_rules.h"
#include "model/sim_params.h"
#include "model/sweep_host.h"

namespace zelmora::testing {

class ScriptedRandom {
 public:
  explicit ScriptedRandom(std::vector<int32_t> script = {}) : script_(std::move(script)) {}
  // The next scripted value (0 once the script has run out); records the bound.
  int32_t RandomBelow(int32_t n) {
    bounds.push_back(n);
    return next_ < script_.size() ? script_[next_++] : 0;
  }
  std::vector<int32_t> bounds;

 private:
  std::vector<int32_t> script_;
  size_t next_ = 0;
};

class RecordingCanvas final : public Canvas {
 public:
  void SetPenColour(Rgb c) override {
    pen_ = c;
    calls.push_back("pen " + Text(c));
  }
  Rgb PenColour() const override { return pen_; }
  void SetBrushColour(Rgb c) override { calls.push_back("brush " + Text(c)); }
  void MoveTo(int32_t x, int32_t y) override { calls.push_back("move " + Point(x, y)); }
  void LineTo(int32_t x, int32_t y) override { calls.push_back("line " + Point(x, y)); }
  void FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
    calls.push_back("fill " + Point(x1, y1) + " " + Point(x2, y2));
  }
  std::vector<std::string> calls;

  static std::string Text(Rgb c) {
    return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
  }

 private:
  static std::string Point(int32_t x, int32_t y) {
    return std::to_string(x) + "," + std::to_string(y);
  }
  Rgb pen_;
};

// A host whose fields hold texts; RunFieldHandler applies the field rule to the params it is
// given and writes a normalised text back, as the settings window does.
class FakeHost : public SweepHost {
 public:
  explicit FakeHost(SimParams& params) : params_(params) {
    for (const FieldInfo& info : kParamFields) texts[info.field] = std::string(info.default_text);
  }

  void RunFieldHandler(ParamField field) override {
    handlers_run.push_back(field);
    if (auto normal = ApplyFieldText(field, texts[field], params_)) texts[field] = *normal;
  }
  int32_t SelectedTurnAlgorithm() override { return algorithm; }
  bool TracksDisplayed() override { return displayed; }
  void ShowCatchText(std::string_view t) override { catch_texts.emplace_back(t); }
  void ShowRunLabel(std::string_view t) override { run_labels.emplace_back(t); }
  void ShowFileLabel(bool shown) override { file_label = shown ? "shown" : "hidden"; }
  void ShowTravelText(std::string_view t) override { travel_text = t; }
  void ShowDensityText(std::string_view t) override { density_text = t; }
  void ShowViewer() override { viewer = "shown"; }
  void HideViewer() override { viewer = "hidden"; }
  void PumpEvents() override {
    ++pumps;
    if (on_pump) on_pump(pumps);
  }
  int32_t StopRequested() override { return stop; }
  void SetStopRequested(int32_t value) override { stop = value; }

  std::map<ParamField, std::string> texts;
  int32_t algorithm = TurnAheadBias;
  bool displayed = false;
  std::vector<ParamField> handlers_run;
  std::vector<std::string> catch_texts, run_labels;
  std::string file_label = "unset", travel_text = "", density_text = "", viewer = "unset";
  int pumps = 0;
  std::function<void(int)> on_pump;  // called with the pump's number, from 1
  int32_t stop = 0;

 private:
  SimParams& params_;
};

}  // namespace zelmora::testing
