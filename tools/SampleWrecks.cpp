#include "SampleWrecks.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "WreckDatabaseWriter.h"
#include "geodesy/angle/AngleUnits.h"
#include "wrecks/CountryTable.h"

namespace tools {
namespace {

// Boxes of open water around the British Isles (degrees: west, south, east,
// north), chosen clear of the coasts so that no record lands ashore.
struct SeaBox {
  double west, south, east, north;
  const char* sea;
};
constexpr SeaBox kSeas[] = {
    {-5.5, 49.6, 1.2, 50.1, "English Channel"},   {-9.5, 48.5, -6.0, 49.8, "Celtic Sea"},
    {1.9, 51.6, 4.0, 53.3, "Southern North Sea"}, {0.8, 53.8, 4.5, 56.0, "Central North Sea"},
    {-1.5, 56.6, 4.0, 58.2, "Northern North Sea"}, {-5.3, 53.5, -3.6, 54.0, "Irish Sea"},
    {-12.0, 51.5, -10.5, 55.0, "Atlantic west of Ireland"}, {-6.6, 57.3, -6.2, 58.2, "The Minch"},
    {-4.5, 59.5, -1.0, 60.5, "Fair Isle Channel"},  {-7.5, 55.6, -6.6, 56.2, "Sea of the Hebrides"},
};

constexpr const char* kPrefixes[] = {"SS ", "HMS ", "MV ", "FV ", "SV ", "", "", "HMT ", "RMS "};
constexpr const char* kFirstWords[] = {"North", "Royal", "Golden", "Silver", "Saint", "Lady",  "Star",
                                       "Ocean", "Western", "Grey",   "Iron",   "Bold",  "Morning", "Sea"};
constexpr const char* kSecondWords[] = {"Star",  "Queen", "Dawn",   "Hope",  "Venture", "Gull", "Pioneer",
                                        "Heron", "Crown", "Mariner", "Rover", "Castle", "Trader", "Wanderer"};
constexpr const char* kCauses[] = {"foundered in a north-westerly gale", "struck a mine",
                                   "was torpedoed by a submarine",        "sank after a collision in fog",
                                   "ran aground and broke up",            "was scuttled after a fire in the hold",
                                   "capsized while trawling"};
constexpr const char* kSymbols[] = {"Wk", "Wk 23", "Foul", "Obstn", "Dangerous wreck", "Wk (PA)"};
constexpr const char* kCountryWeights[] = {"GB", "GB", "GB", "GB", "NO", "DE", "NL", "FR", "DK", "SE", "IE",
                                           "US", "BE", "ES", "GR", "PA", "LR", "RU"};

}  // namespace

SampleWreckGenerator::SampleWreckGenerator(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}

// splitmix64: tiny, fast and identical on every platform, unlike the
// standard library's distributions.
std::uint64_t SampleWreckGenerator::NextBits() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double SampleWreckGenerator::Uniform(double low, double high) {
  return low + (high - low) * static_cast<double>(NextBits() >> 11) * 0x1.0p-53;
}

int SampleWreckGenerator::Below(int n) { return static_cast<int>(NextBits() % static_cast<std::uint64_t>(n)); }

std::uint32_t SampleWreckGenerator::DateNumber(int firstYear, int lastYear) {
  const auto year = static_cast<std::uint32_t>(firstYear + Below(lastYear - firstYear + 1));
  const auto month = static_cast<std::uint32_t>(1 + Below(12));
  const auto day = static_cast<std::uint32_t>(1 + Below(28));
  switch (Below(3)) {
    case 0: return year;
    case 1: return year * 100 + month;
    default: return (year * 100 + month) * 100 + day;
  }
}

std::string SampleWreckGenerator::ShipName() {
  return std::string(Pick(kPrefixes, std::size(kPrefixes))) + Pick(kFirstWords, std::size(kFirstWords)) + " " +
         Pick(kSecondWords, std::size(kSecondWords));
}

std::string SampleWreckGenerator::HistoryText(const std::string& name) {
  char text[256];
  const char* who = name.empty() ? "The vessel" : name.c_str();
  std::snprintf(text, sizeof text, "%s %s.\r\nOf her crew of %d, %d were saved.", who,
                Pick(kCauses, std::size(kCauses)), 6 + Below(40), Below(6));
  return text;
}

std::string SampleWreckGenerator::SurveyText(const WreckDef& record) {
  char text[256];
  std::snprintf(text, sizeof text, "Surveyed by multibeam.\r\nLeast depth %.1f m; wreck lies %d\xB0/%d\xB0.",
                record.data.depth, Below(180), 180 + Below(180));
  return text;
}

WreckDef SampleWreckGenerator::Next() {
  const std::uint32_t n = serial_++;
  WreckDef r;
  ResetWreckRecord(r);
  WreckDataDef& d = r.data;
  // One record in five is an obstruction; the code fields walk their
  // tables with co-prime steps so that every value turns up early.
  d.wreckId = 100000 + n;
  d.wreckCategory = static_cast<std::int16_t>(n % 5 == 4 ? 0 : 1 + n % 5);
  d.obstructionCategory = static_cast<std::int16_t>(d.wreckCategory == 0 ? 1 + (n / 5) % 14 : 0);
  d.status = static_cast<std::int16_t>(1 + n % 9);
  const SeaBox& box = kSeas[n % std::size(kSeas)];
  d.longitude = Uniform(box.west, box.east) * kRadiansPerDegree;
  d.latitude = Uniform(box.south, box.north) * kRadiansPerDegree;
  d.positionMethod = static_cast<std::int16_t>(1 + n % 26);
  d.depth = static_cast<float>(std::round(Uniform(-2, 90) * 10) / 10);
  d.soundingTechnique = static_cast<std::int16_t>(1 + n % 16);
  d.soundingQuality = static_cast<std::int16_t>(1 + n % 14);
  d.accuracy = static_cast<float>(Below(4) * 5);
  d.waterLevel = static_cast<std::int16_t>(Below(3));
  d.waterLevelEffect = static_cast<std::int16_t>(1 + n % 7);
  d.verticalDatum = static_cast<std::int16_t>(1 + n % 32);
  d.reported = static_cast<std::int16_t>(1900 + Below(120));
  d.vesselType = static_cast<std::int16_t>(d.wreckCategory == 0 ? 0 : 1 + n % 141);
  const std::string_view code = n % 3 == 0 ? kCountries[(n / 3) % kCountryCount].code
                                           : Pick(kCountryWeights, std::size(kCountryWeights));
  d.nationality[0] = code[0];
  d.nationality[1] = code[1];
  if (d.wreckCategory != 0) {
    d.length = static_cast<float>(std::round(Uniform(12, 180)));
    d.width = static_cast<float>(std::round(d.length / Uniform(5, 8)));
    d.draught = static_cast<float>(std::round(Uniform(2, 9) * 10) / 10);
    d.tonnage = static_cast<std::int16_t>(50 + Below(12000));
    d.tonnageKind = static_cast<std::int16_t>(1 + n % 4);
    d.cargo = static_cast<std::int16_t>(1 + n % 72);
    d.sunk = DateNumber(1700, 2020);
  }
  d.sonarLength = n % 4 == 0 ? d.length * 0.9f : 0;
  d.sonarWidth = n % 4 == 0 ? d.width : 0;
  d.sonarShadowHeight = n % 4 == 0 ? static_cast<float>(Below(8)) : 0;
  d.sonarOrientation = static_cast<std::int16_t>(n % 4 == 0 ? Below(180) : -1);
  d.seabedTexture = static_cast<std::int16_t>(1 + n % 14);
  d.scourLength = n % 6 == 0 ? static_cast<float>(Below(60)) : 0;
  d.scourWidth = n % 6 == 0 ? static_cast<float>(Below(20)) : 0;
  d.scourDepth = n % 6 == 0 ? static_cast<float>(Below(3)) : 0;
  d.scourOrientation = static_cast<std::int16_t>(n % 6 == 0 ? Below(180) : -1);
  d.debrisLength = n % 7 == 0 ? static_cast<float>(Below(200)) : 0;
  d.debrisOrientation = n % 7 == 0 ? static_cast<float>(Below(180)) : -1.0f;
  d.originalSensor = static_cast<std::int16_t>(1 + n % 15);
  d.lastSensor = static_cast<std::int16_t>(1 + (n + 7) % 15);
  d.originalSensorDate = DateNumber(1950, 2000);
  d.lastSensorDate = DateNumber(2000, 2025);
  d.originalSource = static_cast<std::int16_t>(1 + n % 25);
  d.amended = DateNumber(1995, 2025);

  // Some records carry a debris outline: a small quadrilateral around the
  // position, in radians like the position itself.
  if (n % 10 == 3) {
    const int corners = 4 + Below(5);
    for (int i = 0; i < corners; ++i) {
      const double angle = 2 * M_PI * i / corners;
      r.outline.Add({d.longitude + 2e-6 * std::cos(angle), d.latitude + 1.5e-6 * std::sin(angle)});
    }
  }
  const std::string name = d.wreckCategory != 0 && n % 11 != 5 ? ShipName() : "";  // some wrecks are unnamed
  const std::string symbol = Pick(kSymbols, std::size(kSymbols));
  const std::string history = d.wreckCategory != 0 ? HistoryText(name) : "";
  const std::string survey = SurveyText(r);
  const std::string comment =
      n % 8 == 0 ? std::string("Lies in the ") + box.sea + ". Fishermen report nets lost here." : "";
  r.texts.Assign({name, symbol, history, survey, comment});
  return r;
}

std::string SampleWreckDatabase(std::uint64_t seed, std::size_t count) {
  SampleWreckGenerator generator(seed);
  std::string bytes;
  bytes.reserve(count * 420);
  for (std::size_t i = 0; i < count; ++i) AppendWreckRecord(bytes, generator.Next());
  return bytes;
}

}  // namespace tools
