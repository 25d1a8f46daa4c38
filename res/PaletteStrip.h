#pragma once
// Bitmap strips kept as text: each image is rows of palette characters,
// turned into colour values while compiling, so the resource data needs no
// work at load time and a malformed image (a short row, a character missing
// from the palette) stops the build instead of showing wrong pixels.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "platform/ui/DialogTemplate.h"

namespace resources {

struct PaletteEntry {
  char key;
  COLORREF colour;
};

namespace detail {

// Palette characters are printable ASCII; a table indexed by character
// keeps decoding linear in the pixel count (compilers bound the steps of a
// constant evaluation).
inline constexpr std::size_t kKeys = 128;

struct PaletteTable {
  std::array<COLORREF, kKeys> colour{};
  std::array<bool, kKeys> known{};
};

// Not a constant expression for a bad palette: the build fails there.
inline void BadImageData() {}

constexpr PaletteTable MakeTable(std::span<const PaletteEntry> palette) {
  PaletteTable table;
  for (const PaletteEntry& entry : palette) {
    const auto key = static_cast<unsigned char>(entry.key);
    if (key >= kKeys || table.known[key]) BadImageData();
    table.colour[key] = entry.colour;
    table.known[key] = true;
  }
  return table;
}

}  // namespace detail

// The pixels of a strip of Count images, each Width x Height characters
// (rows one after the other), laid side by side: row by row from the top,
// Width * Count pixels a row, as a BitmapResource holds them.
template <int Width, int Height, std::size_t Count>
constexpr std::array<COLORREF, Width * Height * Count> DecodeStrip(
    std::span<const PaletteEntry> palette, const std::array<std::string_view, Count>& images) {
  static_assert(Width > 0 && Height > 0 && Count > 0);
  constexpr std::size_t kRow = static_cast<std::size_t>(Width) * Count;
  const detail::PaletteTable table = detail::MakeTable(palette);
  std::array<COLORREF, Width * Height * Count> pixels{};
  for (std::size_t n = 0; n < Count; ++n) {
    if (images[n].size() != static_cast<std::size_t>(Width * Height)) detail::BadImageData();
    for (std::size_t i = 0; i < images[n].size(); ++i) {
      const auto key = static_cast<unsigned char>(images[n][i]);
      if (key >= detail::kKeys || !table.known[key]) detail::BadImageData();
      const std::size_t y = i / Width;
      const std::size_t x = i % Width;
      pixels[y * kRow + n * Width + x] = table.colour[key];
    }
  }
  return pixels;
}

}  // namespace resources
