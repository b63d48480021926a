#include "model/field_rules.h"

#include <cstdint>

#include "support/number_text.h"
#include "support/real.h"

namespace zelmora {

const std::array<FieldInfo, 10> kParamFields = {{
    {ParamField::kSpeed, "1", 4, false},
    {ParamField::kTurnInt, "60", 5, true},
    {ParamField::kTurnRange, "0", 3, true},
    {ParamField::kCompass, "45", 3, true},
    {ParamField::kRisk, "4", 3, true},
    {ParamField::kSafe, "1", 3, true},
    {ParamField::kNetLength, "2500", 5, true},
    {ParamField::kSoakHours, "16", 4, false},
    {ParamField::kNofTrials, "100", 8, true},
    {ParamField::kSteps, "4", 5, false},
}};

const FieldInfo& InfoOf(ParamField field) {
  for (const FieldInfo& info : kParamFields)
    if (info.field == field) return info;
  return kParamFields.front();  // unreachable: every field is in the table
}

namespace {

int32_t AtLeast(int32_t value, int32_t lower) {
  return value < lower ? lower : value;
}
int32_t AtMost(int32_t value, int32_t upper) {
  return value > upper ? upper : value;
}

// Speed in m/s: anything below 0.01 becomes the single nearest to 0.01. The constant lies
// just below 0.01 and that single below the constant, so the replacement is stable.
float SpeedFromText(std::string_view text) {
  const float speed = ToSingle(ParseRealText(text).value);
  return speed < 0.01L ? ToSingle(0.01L) : speed;
}

// Soak hours to whole minutes: the whole hours times 60 plus the fraction of an hour in
// minutes, rounded to the nearest minute with ties to even. Below 0.001 hours means one hour.
int32_t SoakMinutesFromText(std::string_view text) {
  float hours = ToSingle(ParseRealText(text).value);
  if (hours < 0.001L) hours = 1.0f;
  const int64_t whole_hours = TruncToInt(hours);
  const int64_t minutes = whole_hours * 60 + RoundToInt(FracPart(hours) * 60);
  if (minutes > INT32_MAX) {
    RaiseLimit("Soak time too long: at most " + IntText(INT32_MAX) + " minutes (" +
               IntText(INT32_MAX / 60) + " hours)");
  }
  return static_cast<int32_t>(minutes);
}

}  // namespace

std::optional<std::string> ApplyFieldText(ParamField field, std::string_view text,
                                          SimParams& params) {
  const auto integer = [text] { return ParseIntText(text).value; };
  int32_t* target = nullptr;
  int32_t value = 0;
  switch (field) {
    case ParamField::kSpeed:
      params.Speed = SpeedFromText(text);
      return std::nullopt;
    case ParamField::kSoakHours:
      params.SoakMins = SoakMinutesFromText(text);
      return std::nullopt;
    case ParamField::kSteps:
      params.Steps = integer();
      return std::nullopt;
    case ParamField::kTurnInt:
      target = &params.TurnInt;
      value = AtMost(AtLeast(integer(), 2), 28800);
      break;
    case ParamField::kCompass:
      target = &params.Compass;
      value = integer() > 359 ? 0 : integer();
      break;
    case ParamField::kTurnRange:
      target = &params.TurnRange;
      value = AtMost(integer(), 100);
      break;
    case ParamField::kRisk:
      target = &params.Risk;
      value = AtMost(integer(), 100);
      break;
    case ParamField::kSafe:
      target = &params.Safe;
      value = AtMost(integer(), 100);
      break;
    case ParamField::kNetLength:
      target = &params.Length;
      value = AtMost(AtLeast(integer(), 100), 25000);
      break;
    case ParamField::kNofTrials:
      target = &params.NofTrials;
      value = integer();
      break;
  }
  *target = value;
  return IntText(value);
}

}  // namespace zelmora
