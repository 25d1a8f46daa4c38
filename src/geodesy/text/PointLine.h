#pragma once
// One position as a line of text, the way coordinate streams carry them:
// two numbers separated by blanks or tabs ("51.5 -0.12", "530000 180000").
// A line may end in "\r" (files written on Windows); an empty line, or one
// whose first non-blank character is '#', holds no position.

#include <string_view>

#include "frame/Api.h"

enum class PointLine { Point, Blank, Malformed };

// A whole token as a finite number in C-locale decimal or exponent form,
// with an optional sign: "12", "-0.5", "+1e3". Anything else, "inf" and
// "nan" included, gives false and leaves value alone.
OVERLAYS_API bool ParseNumberToken(std::string_view token, double& value);

// Reads both numbers of a line; they are written only for Point.
OVERLAYS_API PointLine ParsePointLine(std::string_view line, double& first, double& second);
