#include "geodesy/angle/Angle.h"

#include <cmath>

#include "geodesy/angle/AngleText.h"
#include "geodesy/angle/AngleUnits.h"

void CAngle::SetRadians(double radians) {
  radians_ = radians;
  degrees_ = radians * kDegreesPerRadian;
  sine_ = std::sin(radians);
  cosine_ = std::cos(radians);
}

void CAngle::SetFromText(std::string_view text, int kind) { SetRadians(ParseAngle(text, kind)); }
