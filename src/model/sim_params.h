// The one parameter record of a simulation, and what a sweep derives from it per soak step.
#pragma once

#include <cstdint>

namespace zelmora {

// Filled by the field rules and the Run preparation; a sweep overwrites SoakMins, TurnRange,
// Travel and Density as it steps. All fields are zero until something sets them.
struct SimParams {
  float Travel = 0;       // metres: farthest distance swum in the soak; the net's distance from
                          // every edge of the arena
  float Speed = 0;        // metres per second
  float Density = 0;      // animals per square kilometre that one animal in the arena stands for
  int32_t Length = 0;     // metres: net length
  int32_t TurnInt = 0;    // seconds: time of one straight leg
  int32_t TurnRange = 0;  // per cent of half a turn: bound of the random turn per interval
  int32_t Compass = 0;    // whole degrees: bias direction of the directional turn algorithm
  int32_t Steps = 0;      // a sweep runs (Steps + 1) × (Steps + 1) combinations
  int32_t Risk = 0;       // turn intervals at net depth per dive cycle
  int32_t Safe = 0;       // turn intervals out of the net's reach per dive cycle
  int32_t NofTrials = 0;  // animals swum per combination
  int32_t SoakMins = 0;   // whole minutes: soak time of the net
};

// Derived by the sweep once per soak step; every trial of the step reads it.
struct SoakStepValues {
  int32_t SwimCount = 0;      // turn intervals (legs) in the soak
  int32_t OneThirdMark = 0;   // interval of the one-third reach check
  int32_t TwoThirdsMark = 0;  // interval of the two-thirds reach check
  float StepLen = 0;          // metres swum per interval
  float BiasHeading = 0;      // radians: Compass as a heading
  float ArenaWidth = 0;       // metres: Length + 2 × Travel
  float ViewScale = 0;        // view pixels per metre
};

// The turn algorithms, by their index in the settings window's choice. Any other index (no
// item chosen) turns nothing.
enum TurnAlgorithm : int32_t {
  TurnRandom = 0,
  TurnAheadBias = 1,
  TurnDirectionalBias = 2,
};

}  // namespace zelmora
