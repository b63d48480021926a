#include "model/field_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/expect_failure.h"

namespace zelmora {
namespace {

struct IntRuleCase {
  ParamField field;
  const char* text;
  int32_t stored;
  const char* shown;  // the text written back; nullptr for a field that is not
};

int32_t StoredInt(ParamField field, const SimParams& p) {
  switch (field) {
    case ParamField::kTurnInt:
      return p.TurnInt;
    case ParamField::kCompass:
      return p.Compass;
    case ParamField::kTurnRange:
      return p.TurnRange;
    case ParamField::kRisk:
      return p.Risk;
    case ParamField::kSafe:
      return p.Safe;
    case ParamField::kNetLength:
      return p.Length;
    case ParamField::kNofTrials:
      return p.NofTrials;
    case ParamField::kSteps:
      return p.Steps;
    default:
      return -999999;
  }
}

TEST(IntegerFieldRules, ClampAndNormalise) {
  using F = ParamField;
  const IntRuleCase cases[] = {
      {F::kTurnInt, "", 2, "2"},
      {F::kTurnInt, "1", 2, "2"},
      {F::kTurnInt, "2", 2, "2"},
      {F::kTurnInt, "99999", 28800, "28800"},
      {F::kTurnInt, "28800", 28800, "28800"},
      {F::kTurnInt, "60s", 60, "60"},  // text after the number is dropped
      {F::kCompass, "360", 0, "0"},    // above 359 becomes 0, not 359
      {F::kCompass, "359", 359, "359"},
      {F::kCompass, "-90", -90, "-90"},
      {F::kTurnRange, "101", 100, "100"},
      {F::kTurnRange, "-5", -5, "-5"},
      {F::kTurnRange, "+5", 5, "5"},
      {F::kRisk, "101", 100, "100"},
      {F::kRisk, "-5", -5, "-5"},
      {F::kSafe, "101", 100, "100"},
      {F::kSafe, "0", 0, "0"},
      {F::kNetLength, "50", 100, "100"},
      {F::kNetLength, "30000", 25000, "25000"},
      {F::kNetLength, "2500", 2500, "2500"},
      {F::kNofTrials, "007", 7, "7"},
      {F::kNofTrials, "0", 0, "0"},
      {F::kNofTrials, "-3", -3, "-3"},
      {F::kSteps, "", 0, nullptr},  // not written back: keeps what the user typed
      {F::kSteps, "4x", 4, nullptr},
      {F::kSteps, "-1", -1, nullptr},
  };
  for (const IntRuleCase& c : cases) {
    SimParams p;
    const std::optional<std::string> shown = ApplyFieldText(c.field, c.text, p);
    EXPECT_EQ(StoredInt(c.field, p), c.stored) << c.text;
    EXPECT_EQ(shown.has_value(), c.shown != nullptr) << c.text;
    if (shown && c.shown) {
      EXPECT_EQ(*shown, c.shown) << c.text;
    }
  }
}

TEST(SpeedRule, RaisesEverythingBelowOneHundredthToTheSingleNearestIt) {
  const struct {
    const char* text;
    float speed;
  } cases[] = {{"1", 1.0f},     {"", 0.01f},     {"0", 0.01f},    {"-3", 0.01f},
               {"0.01", 0.01f}, {"0.02", 0.02f}, {"1.5x", 15.0f}, {"9e9", 9e9f}};
  for (const auto& c : cases) {
    SimParams p;
    EXPECT_EQ(ApplyFieldText(ParamField::kSpeed, c.text, p), std::nullopt);
    EXPECT_EQ(p.Speed, c.speed) << c.text;
  }
}

TEST(SoakRule, GivesWholeMinutesWithHalfMinutesToEven) {
  const struct {
    const char* text;
    int32_t minutes;
  } cases[] = {{"16", 960},     {"", 60},
               {"0", 60},       {"-2", 60},
               {"0.001", 0},    {"0.0009", 60},
               {"0.5", 30},     {"0.125", 8},
               {"0.375", 22},   {"2.125", 128},
               {"1.9999", 120}, {"16.5", 990},
               {"0.005", 0},    {"35791392", 2147483520}};
  for (const auto& c : cases) {
    SimParams p;
    EXPECT_EQ(ApplyFieldText(ParamField::kSoakHours, c.text, p), std::nullopt);
    EXPECT_EQ(p.SoakMins, c.minutes) << c.text;
  }
}

TEST(FieldRules, FaultsLeaveTheStoredValue) {
  SimParams p;
  p.Speed = 2;
  p.SoakMins = 77;
  EXPECT_FAILURE(ApplyFieldText(ParamField::kSpeed, "9e99", p), "Floating point overflow");
  EXPECT_FAILURE(ApplyFieldText(ParamField::kSoakHours, "9e99", p), "Floating point overflow");
  EXPECT_FAILURE(ApplyFieldText(ParamField::kSoakHours, "3e9", p),
                 "Invalid floating point operation");  // 2^31 hours or more
  // Whole minutes beyond 32 bits: refused rather than wrapped.
  EXPECT_FAILURE(ApplyFieldText(ParamField::kSoakHours, "4e7", p),
                 "Soak time too long: at most 2147483647 minutes (35791394 hours)");
  EXPECT_EQ(p.Speed, 2);
  EXPECT_EQ(p.SoakMins, 77);
}

TEST(FieldTable, HoldsEveryFieldOnceInRunOrder) {
  using F = ParamField;
  const F order[] = {F::kSpeed, F::kTurnInt,   F::kTurnRange, F::kCompass,   F::kRisk,
                     F::kSafe,  F::kNetLength, F::kSoakHours, F::kNofTrials, F::kSteps};
  for (size_t k = 0; k < kParamFields.size(); ++k) EXPECT_EQ(kParamFields[k].field, order[k]);
  EXPECT_EQ(InfoOf(F::kNofTrials).max_typed, 8);
  EXPECT_EQ(InfoOf(F::kNetLength).default_text, "2500");
  EXPECT_FALSE(InfoOf(F::kSteps).written_back);
}

}  // namespace
}  // namespace zelmora
