#include "stage/objects/wave.h"

#include <cmath>

#include "records/stage/stage_globals.h"

const double g_dInvSqrt2 = 1.0 / std::sqrt(2.0);

namespace wave_terms {

constexpr double kRadiansPerDegree = 0.017453292519943295;

// One subtraction only: a phase far beyond the wrap stays beyond it, as the
// stored replays had it.
void AdvancePhase(double* phase, double step, double L) {
  *phase += step;
  if (*phase >= 360 * L) *phase -= 360 * L;
}

}  // namespace wave_terms

double WaveVelocity(double amplitude, double degrees, double* phase, double step, double phase0) {
  const double L = g_Stage.m_dSubSteps;
  const double w = degrees * wave_terms::kRadiansPerDegree;
  const double v = w * amplitude * std::cos(w * (*phase / L + phase0)) / L;
  wave_terms::AdvancePhase(phase, step, L);
  return v;
}

double WaveAcceleration(double amplitude, double degrees, double* phase, double step, double phase0) {
  const double L = g_Stage.m_dSubSteps;
  const double w = degrees * wave_terms::kRadiansPerDegree;
  const double a = -(w * amplitude * std::sin(w * (*phase / L + phase0)) * w / L) / L;
  wave_terms::AdvancePhase(phase, step, L);
  return a;
}
