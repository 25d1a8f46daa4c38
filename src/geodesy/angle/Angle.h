#pragma once
// An angle as the edit fields hold it: radians, with its degrees, sine and
// cosine kept in step so that readers need not convert again.

#include <string_view>

#include "frame/Api.h"

class OVERLAYS_API CAngle {
 public:
  CAngle() = default;
  explicit CAngle(double radians) { SetRadians(radians); }

  void SetRadians(double radians);
  // The angle typed as text of a kind (0 when the text does not parse).
  void SetFromText(std::string_view text, int kind);

  double Radians() const { return radians_; }
  double Degrees() const { return degrees_; }
  double Sine() const { return sine_; }
  double Cosine() const { return cosine_; }

  friend bool operator==(const CAngle& a, const CAngle& b) { return a.radians_ == b.radians_; }

 private:
  double radians_ = 0.0;
  double degrees_ = 0.0;
  double sine_ = 0.0;
  double cosine_ = 1.0;
};
