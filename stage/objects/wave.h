#pragma once
// The wave and circle motion terms of the circle movement and the wave shots.
// phase counts sub-steps; each call advances it by step and wraps it once
// past 360 x L (L: g_Stage's sub-steps per frame).
//
//   double phase = 0;
//   double vx = WaveVelocity(40, 3, &phase, 1, 0);   // w x 40 x cos(0) / L, phase 1

// 1 / sqrt(2), the diagonal of an escape at 45 degrees.
extern const double g_dInvSqrt2;

double WaveVelocity(double amplitude, double degrees, double* phase, double step, double phase0);
double WaveAcceleration(double amplitude, double degrees, double* phase, double step, double phase0);
