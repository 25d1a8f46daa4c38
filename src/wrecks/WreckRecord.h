#pragma once
// One wreck or obstruction. The fixed block is both the in-memory record and
// the 160-byte record of the database file, so its layout is fixed to the
// byte and checked below.
//
// Units: angles in radians (WGS 84, east and north positive), lengths in
// metres. A date number is a decimal integer read as YYYY, YYYYMM or
// YYYYMMDD; 0 means unknown. Code fields are 1-based indices into the wreck
// code tables; 0 means none.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <string_view>

#include "frame/Api.h"
#include "frame/XY.h"

struct WreckDataDef {
  std::uint32_t wreckId;            // shown as "WID:%d" when the record has no name
  std::int16_t wreckCategory;       // 1..5; 0 makes the record an obstruction
  std::int16_t obstructionCategory; // 1..14
  std::int16_t status;              // 1..9; also picks the status icon
  std::uint8_t padding10[6];
  double longitude;                 // latitude and longitude both 0: no position
  double latitude;
  std::uint32_t reserved32;
  std::int16_t positionMethod;      // 1..26
  std::uint8_t padding38[2];
  float depth;                      // negative is a drying height; 0 none
  std::uint32_t reserved44;
  std::int16_t soundingTechnique;   // 1..16
  std::int16_t soundingQuality;     // 1..14
  float accuracy;                   // shown when > 0
  std::int16_t waterLevel;          // metres, shown when > 0
  std::int16_t waterLevelEffect;    // 1..7
  std::int16_t verticalDatum;       // 1..32
  std::int16_t reported;            // date number; 16 bits, so a year in practice
  std::int16_t vesselType;          // 1..141
  char nationality[2];              // ISO 3166 alpha-2, complemented in the file
  std::int16_t reserved68;
  std::uint8_t padding70[2];
  float length;                     // shown when not 0
  float width;                      // beam; shown when not 0
  float draught;                    // shown when not 0
  float sonarLength;                // shown when > 0
  float sonarWidth;                 // shown when > 0
  float sonarShadowHeight;          // shown when > 0
  std::int16_t sonarOrientation;    // degrees; -1 none
  std::int16_t tonnage;             // shown when > 0
  std::int16_t tonnageKind;         // 1..4
  std::int16_t cargo;               // 1..72
  std::int16_t reserved104;
  std::int16_t reserved106;
  std::uint32_t sunk;               // date number
  std::uint8_t reserved112;
  std::uint8_t padding113;
  std::int16_t seabedTexture;       // 1..14
  float scourLength;                // shown when > 0
  float scourWidth;                 // shown when > 0
  float scourDepth;                 // shown when > 0
  std::int16_t scourOrientation;    // degrees; -1 none
  std::uint8_t padding130[2];
  float debrisLength;               // shown when not 0
  float debrisOrientation;          // degrees; -1.0 none
  std::int16_t originalSensor;      // 1..15
  std::int16_t lastSensor;          // 1..15
  std::uint32_t originalSensorDate; // date number
  std::uint32_t lastSensorDate;     // date number
  std::int16_t originalSource;      // 1..25
  std::uint8_t padding154[2];
  std::uint32_t amended;            // date number
};

// The block is read and written as raw bytes on little-endian machines.
static_assert(std::endian::native == std::endian::little);
static_assert(sizeof(WreckDataDef) == 160);
static_assert(offsetof(WreckDataDef, wreckCategory) == 4);
static_assert(offsetof(WreckDataDef, obstructionCategory) == 6);
static_assert(offsetof(WreckDataDef, status) == 8);
static_assert(offsetof(WreckDataDef, longitude) == 16);
static_assert(offsetof(WreckDataDef, latitude) == 24);
static_assert(offsetof(WreckDataDef, reserved32) == 32);
static_assert(offsetof(WreckDataDef, positionMethod) == 36);
static_assert(offsetof(WreckDataDef, depth) == 40);
static_assert(offsetof(WreckDataDef, reserved44) == 44);
static_assert(offsetof(WreckDataDef, soundingTechnique) == 48);
static_assert(offsetof(WreckDataDef, soundingQuality) == 50);
static_assert(offsetof(WreckDataDef, accuracy) == 52);
static_assert(offsetof(WreckDataDef, waterLevel) == 56);
static_assert(offsetof(WreckDataDef, waterLevelEffect) == 58);
static_assert(offsetof(WreckDataDef, verticalDatum) == 60);
static_assert(offsetof(WreckDataDef, reported) == 62);
static_assert(offsetof(WreckDataDef, vesselType) == 64);
static_assert(offsetof(WreckDataDef, nationality) == 66);
static_assert(offsetof(WreckDataDef, reserved68) == 68);
static_assert(offsetof(WreckDataDef, length) == 72);
static_assert(offsetof(WreckDataDef, width) == 76);
static_assert(offsetof(WreckDataDef, draught) == 80);
static_assert(offsetof(WreckDataDef, sonarLength) == 84);
static_assert(offsetof(WreckDataDef, sonarWidth) == 88);
static_assert(offsetof(WreckDataDef, sonarShadowHeight) == 92);
static_assert(offsetof(WreckDataDef, sonarOrientation) == 96);
static_assert(offsetof(WreckDataDef, tonnage) == 98);
static_assert(offsetof(WreckDataDef, tonnageKind) == 100);
static_assert(offsetof(WreckDataDef, cargo) == 102);
static_assert(offsetof(WreckDataDef, reserved104) == 104);
static_assert(offsetof(WreckDataDef, reserved106) == 106);
static_assert(offsetof(WreckDataDef, sunk) == 108);
static_assert(offsetof(WreckDataDef, reserved112) == 112);
static_assert(offsetof(WreckDataDef, seabedTexture) == 114);
static_assert(offsetof(WreckDataDef, scourLength) == 116);
static_assert(offsetof(WreckDataDef, scourWidth) == 120);
static_assert(offsetof(WreckDataDef, scourDepth) == 124);
static_assert(offsetof(WreckDataDef, scourOrientation) == 128);
static_assert(offsetof(WreckDataDef, debrisLength) == 132);
static_assert(offsetof(WreckDataDef, debrisOrientation) == 136);
static_assert(offsetof(WreckDataDef, originalSensor) == 140);
static_assert(offsetof(WreckDataDef, lastSensor) == 142);
static_assert(offsetof(WreckDataDef, originalSensorDate) == 144);
static_assert(offsetof(WreckDataDef, lastSensorDate) == 148);
static_assert(offsetof(WreckDataDef, originalSource) == 152);
static_assert(offsetof(WreckDataDef, amended) == 156);

// The five texts of a record, in their stored order.
enum class WreckText { Name, ChartingSymbol, History, Survey, Comment };
inline constexpr std::size_t kWreckTextCount = 5;

// The five texts kept one after another in a single block. A database holds
// a million records; five separate strings would cost four more allocations
// and about a hundred bytes more per record than the texts themselves.
class OVERLAYS_API CWreckTexts {
 public:
  CWreckTexts() = default;
  CWreckTexts(const CWreckTexts& other);
  CWreckTexts(CWreckTexts&& other) noexcept;
  CWreckTexts& operator=(CWreckTexts other) noexcept;
  ~CWreckTexts();

  std::string_view Get(WreckText which) const;
  void Set(WreckText which, std::string_view text);
  // All five at once, in their stored order; the block is sized exactly.
  void Assign(const std::array<std::string_view, kWreckTextCount>& texts);
  // Room for five texts of these lengths, one after another in their stored
  // order, for the caller to fill in; the old texts are gone. The lengths
  // must add up to less than 4 GiB.
  char* MakeRoom(const std::array<std::uint32_t, kWreckTextCount>& lengths);
  void Clear();

 private:
  std::size_t Size() const { return ends_.back(); }
  std::array<std::string_view, kWreckTextCount> Views() const;

  char* bytes_ = nullptr;  // from the record pool; Size() bytes
  std::array<std::uint32_t, kWreckTextCount> ends_{};
};

struct WreckDef {
  WreckDef() : data{} {}
  // For the database reader, which reads the fixed block over whole or
  // resets it, so zeroing it first would be wasted on a million records.
  struct DataToBeRead {};
  explicit WreckDef(DataToBeRead) {}

  WreckDataDef data;
  CXYArray outline;  // kept for the host; the module does not interpret it
  CWreckTexts texts;
  // Derived at run time, never stored.
  double bearing = 0;         // degrees from the search centre
  std::int16_t sunkYear = 0;  // year of the sunk date; 0 unknown

  bool IsWreck() const { return data.wreckCategory != 0; }
  std::string_view Name() const { return texts.Get(WreckText::Name); }
  std::string_view ChartingSymbol() const { return texts.Get(WreckText::ChartingSymbol); }
  std::string_view History() const { return texts.Get(WreckText::History); }
  std::string_view Survey() const { return texts.Get(WreckText::Survey); }
  std::string_view Comment() const { return texts.Get(WreckText::Comment); }

  // Records are made by the million when a database loads and deleted
  // together by the host, so they come from the record pool rather than
  // the heap; a plain new and delete are all the host ever writes.
  OVERLAYS_API static void* operator new(std::size_t bytes);
  OVERLAYS_API static void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept;
  OVERLAYS_API static void operator delete(void* record, std::size_t bytes) noexcept;
};

// Every field 0, strings and outline empty, the three orientations "none";
// padding bytes are left as they are.
OVERLAYS_API void ResetWreckRecord(WreckDef& record);
