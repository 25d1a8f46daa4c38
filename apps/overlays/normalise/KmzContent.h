#pragma once
// The KML text of a KMZ archive (every entry named *.kml, in any folder,
// as a producer's NetworkLinks to "layers/*.kml" need), or of a plain KML
// file, read into memory for the normaliser.
//
// The archive is held to the ZIP bomb limits of the overlay module
// (CInflationBudget), counting the bytes really inflated, and the KML held
// in memory to kMaxKmlBytes in all; anything past them is refused.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace normalise {

struct KmlText {
  std::string name;  // the entry's name in the archive, or the file's name
  std::string text;
};

// Four times the largest overlay our users load; the parser needs about as
// much again.
inline constexpr std::uint64_t kMaxKmlBytes = std::uint64_t{256} << 20;

// Throws NormaliseError when the file is missing, is neither a ZIP archive
// nor KML text, holds no KML, or is refused.
std::vector<KmlText> ReadKmlTexts(const std::filesystem::path& file);

}  // namespace normalise
