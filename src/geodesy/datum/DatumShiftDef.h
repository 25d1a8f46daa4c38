#pragma once
// The seven-parameter transformation block of the datum object. The same
// 144 bytes, little-endian, are the binary part of a user transformation
// file, so the layout is fixed and checked below.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

// Values of `convention`; any value other than 1 means position vector.
inline constexpr std::int32_t kPositionVector = 0;
inline constexpr std::int32_t kCoordinateFrame = 1;

struct DatumShiftDef {
  double tX = 0, tY = 0, tZ = 0;  // translations, metres
  double rX = 0, rY = 0, rZ = 0;  // rotations, arc-seconds
  double s = 0;                   // scale difference, parts per million
  std::int32_t convention = kPositionVector;
  std::int32_t padding1 = 0;
  // Change per year of each parameter above, in the same units and order.
  double dtX = 0, dtY = 0, dtZ = 0;
  double drX = 0, drY = 0, drZ = 0;
  double ds = 0;
  double referenceEpoch = 0;  // decimal year at which the parameters hold
  double epochOfUse = 0;      // decimal year used when fixedEpoch is 1
  std::uint8_t timeDependent = 0;  // 1: apply the rates
  std::uint8_t fixedEpoch = 1;     // 1: use epochOfUse, else today's date
  std::uint8_t padding2[6] = {};
};

static_assert(std::is_standard_layout_v<DatumShiftDef> && std::is_trivially_copyable_v<DatumShiftDef>);
static_assert(sizeof(double) == 8 && sizeof(DatumShiftDef) == 144);
static_assert(offsetof(DatumShiftDef, tX) == 0 && offsetof(DatumShiftDef, tY) == 8 &&
              offsetof(DatumShiftDef, tZ) == 16);
static_assert(offsetof(DatumShiftDef, rX) == 24 && offsetof(DatumShiftDef, rY) == 32 &&
              offsetof(DatumShiftDef, rZ) == 40);
static_assert(offsetof(DatumShiftDef, s) == 48);
static_assert(offsetof(DatumShiftDef, convention) == 56 && offsetof(DatumShiftDef, padding1) == 60);
static_assert(offsetof(DatumShiftDef, dtX) == 64 && offsetof(DatumShiftDef, dtY) == 72 &&
              offsetof(DatumShiftDef, dtZ) == 80);
static_assert(offsetof(DatumShiftDef, drX) == 88 && offsetof(DatumShiftDef, drY) == 96 &&
              offsetof(DatumShiftDef, drZ) == 104);
static_assert(offsetof(DatumShiftDef, ds) == 112);
static_assert(offsetof(DatumShiftDef, referenceEpoch) == 120 && offsetof(DatumShiftDef, epochOfUse) == 128);
static_assert(offsetof(DatumShiftDef, timeDependent) == 136 && offsetof(DatumShiftDef, fixedEpoch) == 137 &&
              offsetof(DatumShiftDef, padding2) == 138);
// The block is read and written as raw bytes, which is only right on a
// little-endian machine.
static_assert(std::endian::native == std::endian::little);
