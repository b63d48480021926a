// The track viewer's drawing rules: how a sweep and its trials draw the arena, the net, every
// leg of a track and each catch. Each operation is told whether tracks are displayed at that
// moment; when they are not, nothing is drawn, but the pen and brush state still change as
// the viewer's own canvas state would.
#pragma once

#include <cstdint>
#include <span>

#include "model/canvas.h"
#include "model/sim_params.h"
#include "support/real.h"

namespace zelmora {

inline constexpr int32_t kViewSize = 600;  // width of the track view in pixels

// The pen colour of trial number n, by n mod 11: white, maroon, green, navy, teal, purple,
// blue, aqua, olive, red, black.
Rgb TrackColour(int32_t n);

inline constexpr Rgb kArenaColour{192, 192, 192};  // silver
inline constexpr Rgb kNetColour{0, 0, 0};          // black

// Where a leg of a track ends, in arena metres.
struct LegEnd {
  float x;
  float y;
};

class ArenaDrawing {
 public:
  // Reads Travel and Length from params and ViewScale from step when it draws, so both must
  // outlive this object and may change between calls.
  ArenaDrawing(Canvas& canvas, const SimParams& params, const SoakStepValues& step)
      : canvas_(canvas), params_(params), step_(step) {}

  // The pixel coordinate of an arena position of v metres at the current soak step's scale.
  int32_t ToViewPixel(Real v) const { return TruncToInt(v * step_.ViewScale); }

  // At the start of every combination: a silver arena over columns 0 to 600, rows 0 to 599.
  void ClearArena(bool displayed);
  // At the start of every trial: the black net line, over any track that crossed it.
  void DrawNet(bool displayed);
  // Moves the pen to the track's start point; draws nothing.
  void StartTrack(float x, float y);
  // Legs of one track in order, each from the pen position to its end in the trial's colour.
  void DrawLegs(bool displayed, int32_t trial_number, std::span<const LegEnd> ends);
  // A block in the pen's colour between the catching leg's start and its end, the end's
  // column and row left out.
  void MarkCatch(bool displayed, float x, float y, float xe, float ye);

 private:
  Canvas& canvas_;
  const SimParams& params_;
  const SoakStepValues& step_;
};

}  // namespace zelmora
