// overlays icons: the wreck image list as the chart draws it.
//   overlays icons                  lists every image with its index
//   overlays icons --png DIR [--scale N]
//                                   writes each image as a PNG file (the
//                                   mask colour fully transparent) for a
//                                   person to look at

#include <png.h>

#include <array>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "Host.h"
#include "frame/FormatText.h"
#include "wrecks/CountryTable.h"
#include "wrecks/WrecksImageList.h"

namespace host {
namespace {

constexpr std::array<const char*, CWrecksImageList::kFirstFlagImage> kSymbolNames = {
    "wreck",    "obstruction", "status 0", "status 1", "status 2", "status 3", "status 4",
    "status 5", "status 6",    "status 7", "status 8", "status 9", "caution"};
constexpr int kMaxScale = 16;

struct IconsRequest {
  std::string pngFolder;
  int scale = 1;
};

std::string ImageName(int index) {
  if (index < CWrecksImageList::kFirstFlagImage) return kSymbolNames[static_cast<std::size_t>(index)];
  const int flag = index - CWrecksImageList::kFirstFlagImage;
  return flag < kFlagCount ? FormatText("flag %d %s", flag, kFlagNames[flag]) : "unnamed";
}

// "flag 1 United Kingdom" -> "014-flag-1-United-Kingdom.png"
std::string FileName(int index) {
  std::string name = FormatText("%03d-", index);
  for (const char c : ImageName(index))
    name += std::isalnum(static_cast<unsigned char>(c)) ? c : '-';
  return name + ".png";
}

// One image as 8-bit RGBA, each pixel a scale x scale square, the mask
// colour fully transparent.
std::vector<std::uint8_t> RgbaPixels(const CWrecksImageList& list, int index, int scale) {
  const CSize size = list.GetImageSize();
  std::vector<std::uint8_t> pixels;
  pixels.reserve(static_cast<std::size_t>(size.cx * scale) * static_cast<std::size_t>(size.cy * scale) * 4);
  for (int y = 0; y < size.cy * scale; ++y) {
    for (int x = 0; x < size.cx * scale; ++x) {
      const COLORREF colour = list.ExtractIcon(index)->GetPixel(x / scale, y / scale);
      const bool clear = list.IsTransparent(index, x / scale, y / scale);
      pixels.insert(pixels.end(), {GetRValue(colour), GetGValue(colour), GetBValue(colour),
                                   static_cast<std::uint8_t>(clear ? 0 : 255)});
    }
  }
  return pixels;
}

void WritePng(const CWrecksImageList& list, int index, int scale, const std::filesystem::path& path) {
  const CSize size = list.GetImageSize();
  const std::vector<std::uint8_t> pixels = RgbaPixels(list, index, scale);
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(size.cx * scale);
  image.height = static_cast<png_uint_32>(size.cy * scale);
  image.format = PNG_FORMAT_RGBA;
  if (!png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr))
    throw CommandError("cannot write '" + path.string() + "': " + image.message);
}

void WritePngs(const CWrecksImageList& list, const IconsRequest& request) {
  if (request.scale < 1 || request.scale > kMaxScale)
    throw CommandError("--scale wants 1 to " + std::to_string(kMaxScale) + ", not " + std::to_string(request.scale));
  const std::filesystem::path folder(request.pngFolder);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!std::filesystem::is_directory(folder, ec))
    throw CommandError("cannot make the folder '" + request.pngFolder + "'");
  for (int i = 0; i < list.GetImageCount(); ++i) {
    WritePng(list, i, request.scale, folder / FileName(i));
  }
  std::cout << list.GetImageCount() << " images written to " << folder.string() << "\n";
}

void RunIcons(const IconsRequest& request) {
  const CWrecksImageList list;
  if (!request.pngFolder.empty()) return WritePngs(list, request);
  const CSize size = list.GetImageSize();
  std::cout << list.GetImageCount() << " images of " << size.cx << " x " << size.cy << "\n";
  for (int i = 0; i < list.GetImageCount(); ++i) std::cout << FormatText("%3d  ", i) << Out(ImageName(i)) << "\n";
}

}  // namespace

void AddIconsCommand(CLI::App& app, const Options&) {
  static IconsRequest request;
  auto* icons = app.add_subcommand("icons", "List the wreck images (symbols, statuses, caution, flags), or write them "
                                            "as PNG files");
  auto* png =
      icons->add_option("--png", request.pngFolder, "Folder to write one PNG file per image into (made if missing)");
  // A scale alone would be silently ignored by the listing.
  icons->add_option("--scale", request.scale, "Enlarge each pixel of the PNG files to N x N (1 to 16, default 1)")
      ->needs(png);
  icons->callback([] { RunIcons(request); });
}

}  // namespace host
