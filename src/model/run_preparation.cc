#include "model/run_preparation.h"

#include "model/field_rules.h"
#include "support/number_text.h"
#include "support/real.h"

namespace zelmora {

float TravelFor(const SimParams& params) {
  return ToSingle(params.SoakMins * Real{params.Speed} * 60);
}

std::string TravelText(float travel) {
  return RealText(RoundToInt(travel * 0.001L), ".");
}

float DensityFor(int32_t length, float travel) {
  return ToSingle(Divide(1, (length + travel * 2.0L) * travel * 2 * 0.000001L));
}

void PrepareRun(SimParams& params, SweepHost& host, std::string_view decimal_separator) {
  for (const FieldInfo& info : kParamFields) host.RunFieldHandler(info.field);
  params.Travel = TravelFor(params);
  host.ShowTravelText(TravelText(params.Travel));
  params.Density = DensityFor(params.Length, params.Travel);
  host.ShowDensityText(RealText(params.Density, decimal_separator));
  host.ShowViewer();
}

}  // namespace zelmora
