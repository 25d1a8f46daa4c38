#pragma once
// Code tables of the wreck records: each coded field of a record is a
// 1-based index into one of these. A value of 0, a negative value or one
// beyond the table gives the empty text.

#include <cstddef>
#include <iterator>
#include <string>

#include "frame/Api.h"

struct CodeTable {
  const char* name;
  const char* const* texts;
  std::size_t count;

  // The text of a code, or empty.
  std::string Text(long code) const {
    return code >= 1 && static_cast<std::size_t>(code) <= count ? texts[code - 1] : "";
  }
};

extern const char* const kWreckCategories[5];
extern const char* const kObstructionCategories[14];
extern const char* const kStatuses[9];
extern const char* const kPositionMethods[26];
extern const char* const kSoundingTechniques[16];
extern const char* const kSoundingQualities[14];
extern const char* const kWaterLevelEffects[7];
extern const char* const kVerticalDatums[32];
extern const char* const kTonnageKinds[4];
extern const char* const kSeabedTextures[14];
extern const char* const kSensors[15];
extern const char* const kSources[25];
extern const char* const kVesselTypes[141];
extern const char* const kCargoes[72];

// Every table with its name, for listings and checks.
extern const CodeTable kWreckCodeTables[14];

enum class WreckCode : std::size_t {
  WreckCategory,
  ObstructionCategory,
  Status,
  PositionMethod,
  SoundingTechnique,
  SoundingQuality,
  WaterLevelEffect,
  VerticalDatum,
  TonnageKind,
  SeabedTexture,
  Sensor,
  Source,
  VesselType,
  Cargo,
};

// The text of a code of one table: WreckCodeText(WreckCode::Status, 3) is "Live".
inline std::string WreckCodeText(WreckCode table, long code) {
  return kWreckCodeTables[static_cast<std::size_t>(table)].Text(code);
}
