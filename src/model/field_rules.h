// The rules by which the text of a parameter field becomes a SimParams value.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/sim_params.h"

namespace zelmora {

// The ten parameter fields of the settings window, in the order of the Run preparation.
enum class ParamField {
  kSpeed,
  kTurnInt,
  kTurnRange,
  kCompass,
  kRisk,
  kSafe,
  kNetLength,
  kSoakHours,
  kNofTrials,
  kSteps,
};

struct FieldInfo {
  ParamField field;
  std::string_view default_text;  // the field's text when the program starts
  int max_typed;                  // the most characters a user can type into it
  bool written_back;              // whether its rule writes the normalised value back
};

// The fields in the order in which the Run preparation re-reads them.
extern const std::array<FieldInfo, 10> kParamFields;

const FieldInfo& InfoOf(ParamField field);

// Applies a field's rule to its text: converts it, applies the field's bounds and stores the
// value into its SimParams field. Text that does not convert is never refused: the value the
// conversion yields passes through the bounds. For the fields that are written back, returns
// the normalised text of the stored value (the caller writes it into the field when it
// differs); returns nothing for the others.
//
// Raises, storing nothing, the overflow fault for a speed or soak value beyond the single range,
// the invalid-operation fault for soak hours of 2^31 or more, and a kLimit failure for soak
// hours whose whole minutes exceed the 32-bit range.
std::optional<std::string> ApplyFieldText(ParamField field, std::string_view text,
                                          SimParams& params);

}  // namespace zelmora
