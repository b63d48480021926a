#include "model/arena_drawing.h"

#include <array>

namespace zelmora {

Rgb TrackColour(int32_t n) {
  static constexpr std::array<Rgb, 11> kColours = {{
      {255, 255, 255},  // white
      {128, 0, 0},      // maroon
      {0, 128, 0},      // green
      {0, 0, 128},      // navy
      {0, 128, 128},    // teal
      {128, 0, 128},    // purple
      {0, 0, 255},      // blue
      {0, 255, 255},    // aqua
      {128, 128, 0},    // olive
      {255, 0, 0},      // red
      {0, 0, 0},        // black
  }};
  const int32_t index = n % 11;  // a constant divisor: no division instruction on every leg
  return kColours[static_cast<size_t>(index < 0 ? index + 11 : index)];
}

void ArenaDrawing::ClearArena(bool displayed) {
  canvas_.SetBrushColour(kArenaColour);
  if (displayed) canvas_.FillRect(0, 0, kViewSize + 1, kViewSize);
}

void ArenaDrawing::DrawNet(bool displayed) {
  canvas_.SetPenColour(kNetColour);
  const int32_t row = ToViewPixel(params_.Travel);
  canvas_.MoveTo(ToViewPixel(params_.Travel), row);
  if (displayed)
    canvas_.LineTo(ToViewPixel(static_cast<Real>(params_.Length) + params_.Travel), row);
}

void ArenaDrawing::StartTrack(float x, float y) {
  canvas_.MoveTo(ToViewPixel(x), ToViewPixel(y));
}

void ArenaDrawing::DrawLegs(bool displayed, int32_t trial_number, std::span<const LegEnd> ends) {
  if (!displayed) return;
  for (const LegEnd& end : ends) {
    canvas_.SetPenColour(TrackColour(trial_number));  // set for every leg, as for one alone
    canvas_.LineTo(ToViewPixel(end.x), ToViewPixel(end.y));
  }
}

void ArenaDrawing::MarkCatch(bool displayed, float x, float y, float xe, float ye) {
  if (!displayed) return;
  canvas_.SetBrushColour(canvas_.PenColour());
  canvas_.FillRect(ToViewPixel(x), ToViewPixel(y), ToViewPixel(xe), ToViewPixel(ye));
}

}  // namespace zelmora
