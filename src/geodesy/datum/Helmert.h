#pragma once
// The seven-parameter (Helmert) step between two geocentric frames, in the
// small-angle form: X′ = m·R·X + T with R = [1 −rZ rY; rZ 1 −rX; −rY rX 1]
// for the position-vector convention (the rotations change sign for the
// coordinate-frame convention) and m = 1 + s·1e-6.
//
// Notation: X, Y, Z geocentric coordinates (metres); tX.. translations
// (metres); rX.. rotations (arc-seconds in DatumShiftDef, radians inside);
// s scale difference (ppm); t, epochs as decimal years.

#include "geodesy/datum/DatumShiftDef.h"
#include "platform/fs/FileSystem.h"

inline constexpr int kForward = 1;
inline constexpr int kReverse = -1;

// A date as a decimal year: year + (days since 1 January + seconds since
// midnight/86400)/365. Every year counts 365 days, leap years too, so 31
// December of a leap year reaches year + 1.
double DecimalYear(const platform::fs::LocalTime& when);

// The epoch at which time-dependent parameters are evaluated: the stored
// epoch of use, or today's local date when the fixed-epoch flag is not 1.
double EpochOfUse(const DatumShiftDef& shift);

// The seven parameters moved by their rates to decimal year t.
DatumShiftDef ParametersAtEpoch(const DatumShiftDef& shift, double t);

// Applies the step in place. The reverse direction (any negative
// `direction`) negates every parameter: it undoes a translation-only step
// exactly, but with rotations or scale it is only the inverse to first
// order.
void HelmertStep(const DatumShiftDef& shift, int direction, double& X, double& Y, double& Z);
