#pragma once
// The shape types of the ESRI shapefile technical description (1998) and
// what each one is to the overlay: the class it is counted in by the file
// selector, and whether its entities get a length.

#include <cstdint>
#include <optional>
#include <span>

enum class ShapeClass { Point, Line, Polygon, Uncounted };

struct ShapeTypeDef {
  std::int32_t code;  // SHPT_*
  const char* name;
  ShapeClass counted;
  bool measured;  // entities carry the length of their vertex chain
};

std::span<const ShapeTypeDef> ShapeTypeTable();
// The row of a code; none for a code outside the table.
std::optional<ShapeTypeDef> FindShapeType(std::int32_t code);
