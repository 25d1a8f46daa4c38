// overlays icons: the wreck image list as the chart draws it.
//   overlays icons                  lists every image with its index
//   overlays icons --png DIR [--scale N]
//                                   writes each image as a PNG file (the
//                                   mask colour fully transparent) for a
//                                   person to look at

#include <zlib.h>

#include <array>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
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

void AppendBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void AppendChunk(std::string& out, const char* type, const std::string& data) {
  AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::string body = type + data;
  out += body;
  AppendBigEndian(out, static_cast<std::uint32_t>(
                           crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}

// An 8-bit RGBA PNG of one image, each pixel a scale x scale square.
std::string PngOf(const CWrecksImageList& list, int index, int scale) {
  const CSize size = list.GetImageSize();
  const int width = size.cx * scale;
  const int height = size.cy * scale;
  std::string raw;
  for (int y = 0; y < height; ++y) {
    raw += '\0';  // no filter
    for (int x = 0; x < width; ++x) {
      const COLORREF colour = list.ExtractIcon(index)->GetPixel(x / scale, y / scale);
      const bool clear = list.IsTransparent(index, x / scale, y / scale);
      raw += {static_cast<char>(GetRValue(colour)), static_cast<char>(GetGValue(colour)),
              static_cast<char>(GetBValue(colour)), static_cast<char>(clear ? 0 : 255)};
    }
  }
  std::vector<Bytef> packed(compressBound(static_cast<uLong>(raw.size())));
  uLongf packedSize = static_cast<uLongf>(packed.size());
  if (compress(packed.data(), &packedSize, reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size())) !=
      Z_OK)
    throw CommandError("cannot compress image " + std::to_string(index));

  std::string header;
  AppendBigEndian(header, static_cast<std::uint32_t>(width));
  AppendBigEndian(header, static_cast<std::uint32_t>(height));
  header += {8, 6, 0, 0, 0};  // 8 bits a sample, RGBA, deflate, no filter, no interlace
  std::string png = "\x89PNG\r\n\x1a\n";
  AppendChunk(png, "IHDR", header);
  AppendChunk(png, "IDAT", std::string(reinterpret_cast<const char*>(packed.data()), packedSize));
  AppendChunk(png, "IEND", "");
  return png;
}

void WritePngs(const CWrecksImageList& list, const IconsRequest& request) {
  if (request.scale < 1 || request.scale > kMaxScale)
    throw CommandError("--scale wants 1 to " + std::to_string(kMaxScale) + ", not " + std::to_string(request.scale));
  const std::filesystem::path folder(request.pngFolder);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!std::filesystem::is_directory(folder, ec)) throw CommandError("cannot make the folder '" + request.pngFolder + "'");
  for (int i = 0; i < list.GetImageCount(); ++i) {
    const std::filesystem::path path = folder / FileName(i);
    std::ofstream file(path, std::ios::binary);
    file << PngOf(list, i, request.scale);
    if (!file) throw CommandError("cannot write '" + path.string() + "'");
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
  icons->add_option("--png", request.pngFolder, "Folder to write one PNG file per image into (made if missing)");
  icons->add_option("--scale", request.scale, "Enlarge each pixel to N x N (1 to 16, default 1)");
  icons->callback([] { RunIcons(request); });
}

}  // namespace host
