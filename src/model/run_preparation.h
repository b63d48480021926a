// The Run preparation: what the Run button does before it starts a sweep.
#pragma once

#include <string>
#include <string_view>

#include "model/sim_params.h"
#include "model/sweep_host.h"

namespace zelmora {

// SoakMins × Speed × 60 metres, rounded once to single. Raises the overflow fault beyond the
// single range.
float TravelFor(const SimParams& params);

// Travel in whole kilometres, as digits: travel × 0.001 rounded to nearest, ties to even. The
// constant lies just below 0.001, so 1500 m shows "1" and 3500 m "3". Raises the
// invalid-operation fault beyond the 32-bit range.
std::string TravelText(float travel);

// The density one animal in the arena stands for: 1 / ((length + travel × 2) × travel × 2 ×
// 0.000001) animals per square kilometre, evaluated in that order and rounded to single.
// Raises the division-by-zero fault when the arena has no area.
float DensityFor(int32_t length, float travel);

// Re-reads all ten parameter fields through the host in the fixed order, derives Travel and
// Density into params, shows the travel text and the density text (with decimal_separator),
// and shows the viewer. A failure ends it at the step that raises it: what earlier steps stored
// or showed stays, later steps do not happen.
void PrepareRun(SimParams& params, SweepHost& host, std::string_view decimal_separator);

}  // namespace zelmora
