#include "wrecks/WreckRecord.h"

std::string_view CWreckTexts::Get(WreckText which) const {
  const auto i = static_cast<std::size_t>(which);
  const std::uint32_t begin = i == 0 ? 0 : ends_[i - 1];
  return std::string_view(bytes_).substr(begin, ends_[i] - begin);
}

void CWreckTexts::Assign(const std::array<std::string_view, kWreckTextCount>& texts) {
  std::size_t total = 0;
  for (auto text : texts) total += text.size();
  std::string bytes;
  bytes.reserve(total);
  for (std::size_t i = 0; i < kWreckTextCount; ++i) {
    bytes += texts[i];
    ends_[i] = static_cast<std::uint32_t>(bytes.size());
  }
  bytes_ = std::move(bytes);
}

void CWreckTexts::Set(WreckText which, std::string_view text) {
  std::array<std::string, kWreckTextCount> copies;
  std::array<std::string_view, kWreckTextCount> views;
  for (std::size_t i = 0; i < kWreckTextCount; ++i) {
    copies[i] = i == static_cast<std::size_t>(which) ? std::string(text) : std::string(Get(WreckText(i)));
    views[i] = copies[i];
  }
  Assign(views);
}

void CWreckTexts::Clear() {
  std::string().swap(bytes_);
  ends_.fill(0);
}

void ResetWreckRecord(WreckDef& record) {
  WreckDataDef& d = record.data;
  // Field by field rather than one memset: the padding of a record read
  // from a file keeps the file's bytes.
  d.wreckId = 0;
  d.wreckCategory = d.obstructionCategory = d.status = 0;
  d.longitude = d.latitude = 0;
  d.reserved32 = 0;
  d.positionMethod = 0;
  d.depth = 0;
  d.reserved44 = 0;
  d.soundingTechnique = d.soundingQuality = 0;
  d.accuracy = 0;
  d.waterLevel = d.waterLevelEffect = d.verticalDatum = d.reported = d.vesselType = 0;
  d.nationality[0] = d.nationality[1] = 0;
  d.reserved68 = 0;
  d.length = d.width = d.draught = 0;
  d.sonarLength = d.sonarWidth = d.sonarShadowHeight = 0;
  d.sonarOrientation = -1;
  d.tonnage = d.tonnageKind = d.cargo = 0;
  d.reserved104 = d.reserved106 = 0;
  d.sunk = 0;
  d.reserved112 = 0;
  d.seabedTexture = 0;
  d.scourLength = d.scourWidth = d.scourDepth = 0;
  d.scourOrientation = -1;
  d.debrisLength = 0;
  d.debrisOrientation = -1.0f;
  d.originalSensor = d.lastSensor = 0;
  d.originalSensorDate = d.lastSensorDate = 0;
  d.originalSource = 0;
  d.amended = 0;
  record.outline.RemoveAll();
  record.texts.Clear();
  record.bearing = 0;
  record.sunkYear = 0;
}
