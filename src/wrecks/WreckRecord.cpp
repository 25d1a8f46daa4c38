#include "wrecks/WreckRecord.h"

#include <cstring>
#include <string>
#include <utility>

#include "platform/memory/BlockPool.h"

namespace memory = platform::memory;

CWreckTexts::CWreckTexts(const CWreckTexts& other) { Assign(other.Views()); }

CWreckTexts::CWreckTexts(CWreckTexts&& other) noexcept
    : bytes_(std::exchange(other.bytes_, nullptr)), ends_(std::exchange(other.ends_, {})) {}

CWreckTexts& CWreckTexts::operator=(CWreckTexts other) noexcept {
  std::swap(bytes_, other.bytes_);
  std::swap(ends_, other.ends_);
  return *this;
}

CWreckTexts::~CWreckTexts() { memory::FreeSmall(bytes_, Size()); }

std::string_view CWreckTexts::Get(WreckText which) const {
  const auto i = static_cast<std::size_t>(which);
  const std::uint32_t begin = i == 0 ? 0 : ends_[i - 1];
  return std::string_view(bytes_ + begin, ends_[i] - begin);
}

std::array<std::string_view, kWreckTextCount> CWreckTexts::Views() const {
  std::array<std::string_view, kWreckTextCount> views;
  for (std::size_t i = 0; i < kWreckTextCount; ++i) views[i] = Get(WreckText(i));
  return views;
}

void CWreckTexts::Assign(const std::array<std::string_view, kWreckTextCount>& texts) {
  std::array<std::uint32_t, kWreckTextCount> lengths{};
  for (std::size_t i = 0; i < kWreckTextCount; ++i) lengths[i] = static_cast<std::uint32_t>(texts[i].size());
  // Filled in before the old block goes, so a record can be given its own
  // texts.
  CWreckTexts fresh;
  char* at = fresh.MakeRoom(lengths);
  for (auto text : texts) {
    if (!text.empty()) std::memcpy(at, text.data(), text.size());
    at += text.size();
  }
  *this = std::move(fresh);
}

char* CWreckTexts::MakeRoom(const std::array<std::uint32_t, kWreckTextCount>& lengths) {
  std::array<std::uint32_t, kWreckTextCount> ends{};
  std::uint32_t at = 0;
  for (std::size_t i = 0; i < kWreckTextCount; ++i) ends[i] = at += lengths[i];
  char* bytes = at ? static_cast<char*>(memory::AllocateSmall(at)) : nullptr;
  Clear();
  bytes_ = bytes;
  ends_ = ends;
  return bytes_;
}

void CWreckTexts::Set(WreckText which, std::string_view text) {
  auto views = Views();
  views[static_cast<std::size_t>(which)] = text;
  Assign(views);
}

void CWreckTexts::Clear() {
  memory::FreeSmall(bytes_, Size());
  bytes_ = nullptr;
  ends_.fill(0);
}

void* WreckDef::operator new(std::size_t bytes) { return memory::AllocateSmall(bytes); }

void* WreckDef::operator new(std::size_t bytes, const std::nothrow_t&) noexcept {
  return memory::TryAllocateSmall(bytes);
}

void WreckDef::operator delete(void* record, std::size_t bytes) noexcept { memory::FreeSmall(record, bytes); }

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
