// The geometric tests a trial asks after every leg: does the leg cross the net, and can the
// animal still reach the net in the rest of the soak. Pure, on single inputs, computed in
// extended precision. Inline: they run for every leg of every trial.
#pragma once

#include <algorithm>
#include <cstdint>

#include "support/real.h"

namespace zelmora {

// Whether the leg from (prev_x, prev_y) to (new_x, new_y) crosses the net, the segment of the
// line y = travel from x = travel to x = travel + net_length. A crossing exactly at either end
// of the net is none. Most legs are settled by the side and span comparisons before any
// division. A leg lying on the net line counts when its x-range overlaps the open span.
// Raises the overflow fault only when the crossing point lies beyond the single range.
inline bool CrossesNet(int32_t net_length, float prev_x, float new_x, float prev_y, float new_y,
                       float travel) {
  const Real line = travel;
  if (prev_y > line && new_y > line) return false;
  if (prev_y < line && new_y < line) return false;
  const Real right_end = net_length + line;
  if (prev_x > right_end && new_x > right_end) return false;
  if (prev_x < line && new_x < line) return false;
  if (prev_y == new_y) {  // both ends on the line: no crossing point to compute
    return std::min(prev_x, new_x) < right_end && std::max(prev_x, new_x) > line;
  }
  const Real cross_x =
      ToSingle(new_x + (new_y - line) / (Real{prev_y} - new_y) * (Real{new_x} - prev_x));
  return line < cross_x && cross_x < right_end;
}

// Whether (x, y) lies outside the box from which the net can still be reached when one third
// of the soak has passed: the net widened by two thirds of travel on every side, the lower
// edge at travel × 1.6667 exactly. A point on an edge is within reach.
inline bool OutOfReachAtOneThird(float x, float y, float travel, float arena_width) {
  const Real margin = travel * kOneThird;
  return x < margin || y < margin || x > arena_width - margin || y > travel * 1.6667L;
}

// The same at two thirds of the soak: widened by one third of travel, lower edge travel × 1.3333.
inline bool OutOfReachAtTwoThirds(float x, float y, float travel, float arena_width) {
  const Real margin = travel * kTwoThirds;
  return x < margin || y < margin || x > arena_width - margin || y > travel * 1.3333L;
}

}  // namespace zelmora
