#pragma once
// The unit factors every angle of the module goes through. They are the
// rounded values the module has always used, not the exact ones, so that a
// stored radian value and its text agree with what earlier versions showed
// and wrote.

inline constexpr double kDegreesPerRadian = 57.2957795131;
inline constexpr double kRadiansPerDegree = 0.017453292519943;
inline constexpr double kGradiansPerRadian = 63.66197723677778;
inline constexpr double kRadiansPerGradian = 0.0157079632679487;
// 0.001 arc-second: below this two angles count as one (about 3 cm on the
// ground).
inline constexpr double kRadiansPerMilliArcSecond = 4.848136811095278e-9;
inline constexpr double kArcSecondsPerRadian = 206264.80624716;
inline constexpr double kRadiansPerArcSecond = 4.848136811095278e-6;
