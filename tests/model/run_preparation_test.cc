#include "model/run_preparation.h"

#include <gtest/gtest.h>

#include "common/expect_failure.h"
#include "model/fakes.h"
#include "support/number_text.h"

namespace zelmora {
namespace {

using testing::FakeHost;

TEST(PrepareRun, DerivesTravelAndDensityFromTheDefaultFields) {
  SimParams p;
  FakeHost host(p);
  PrepareRun(p, host, ".");
  EXPECT_EQ(p.Speed, 1.0f);
  EXPECT_EQ(p.TurnInt, 60);
  EXPECT_EQ(p.Compass, 45);
  EXPECT_EQ(p.TurnRange, 0);
  EXPECT_EQ(p.Risk, 4);
  EXPECT_EQ(p.Safe, 1);
  EXPECT_EQ(p.Length, 2500);
  EXPECT_EQ(p.SoakMins, 960);
  EXPECT_EQ(p.NofTrials, 100);
  EXPECT_EQ(p.Steps, 4);
  EXPECT_EQ(p.Travel, 57600.0f);
  EXPECT_EQ(p.Density, 7.3751536547206342e-5f);
  EXPECT_EQ(host.travel_text, "58");
  EXPECT_EQ(host.density_text, "7.37515365472063E-5");
  EXPECT_EQ(host.viewer, "shown");
  using F = ParamField;
  const std::vector<F> order = {F::kSpeed, F::kTurnInt,   F::kTurnRange, F::kCompass,   F::kRisk,
                                F::kSafe,  F::kNetLength, F::kSoakHours, F::kNofTrials, F::kSteps};
  EXPECT_EQ(host.handlers_run, order);
}

TEST(PrepareRun, WritesTheDensityWithTheRegionalSeparator) {
  SimParams p;
  FakeHost host(p);
  host.texts[ParamField::kSoakHours] = "1";
  host.texts[ParamField::kNetLength] = "100";
  PrepareRun(p, host, ",");
  EXPECT_EQ(host.travel_text, "4");  // 3600 m
  EXPECT_EQ(host.density_text, RealText(p.Density, ","));
  EXPECT_NE(host.density_text.find(','), std::string::npos);
}

TEST(TravelText, RoundsWithTheConstantJustBelowOneThousandth) {
  EXPECT_EQ(TravelText(1500), "1");
  EXPECT_EQ(TravelText(2500), "2");
  EXPECT_EQ(TravelText(3500), "3");
  EXPECT_EQ(TravelText(57600), "58");
  EXPECT_EQ(TravelText(0), "0");
}

TEST(PrepareRun, AZeroSoakShowsTravelThenFailsAtTheDensity) {
  SimParams p;
  p.Density = 0.5f;
  FakeHost host(p);
  host.density_text = "before";
  host.texts[ParamField::kSoakHours] = "0.005";
  EXPECT_FAILURE(PrepareRun(p, host, "."), "Floating point division by zero");
  EXPECT_EQ(p.SoakMins, 0);
  EXPECT_EQ(p.Travel, 0.0f);
  EXPECT_EQ(host.travel_text, "0");
  EXPECT_EQ(p.Density, 0.5f);
  EXPECT_EQ(host.density_text, "before");
  EXPECT_EQ(host.viewer, "unset");
}

TEST(PrepareRun, FaultsStopAtTheirStep) {
  {  // a speed beyond the single range: the handlers after it do not run
    SimParams p;
    FakeHost host(p);
    host.texts[ParamField::kSpeed] = "9e99";
    EXPECT_FAILURE(PrepareRun(p, host, "."), "Floating point overflow");
    EXPECT_EQ(host.handlers_run.size(), 1u);
    EXPECT_EQ(p.TurnInt, 0);
  }
  {  // a travel beyond the single range overflows when it is stored
    SimParams p;
    FakeHost host(p);
    host.texts[ParamField::kSpeed] = "9e35";
    EXPECT_FAILURE(PrepareRun(p, host, "."), "Floating point overflow");
    EXPECT_EQ(p.Travel, 0.0f);
    EXPECT_EQ(host.travel_text, "");
  }
  {  // whole kilometres beyond 32 bits: Travel is stored, its text is not shown
    SimParams p;
    FakeHost host(p);
    host.texts[ParamField::kSpeed] = "9e9";
    EXPECT_FAILURE(PrepareRun(p, host, "."), "Invalid floating point operation");
    EXPECT_GT(p.Travel, 1e14f);
    EXPECT_EQ(host.travel_text, "");
  }
}

}  // namespace
}  // namespace zelmora
