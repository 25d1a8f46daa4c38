// 'overlays icons' end to end: the listing of the wreck image list, and the
// PNG files it writes for a person to look at.

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <iterator>
#include <vector>

#include "CliRunner.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliResult;
using testing_support::Contains;
using testing_support::RunCli;
using testing_support::TempFolder;
namespace stdfs = std::filesystem;

// An RGBA image read back with libpng, so that the file is checked by the
// reader every viewer uses rather than by the writer's own assumptions.
struct Png {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<unsigned char> rgba;

  explicit Png(const stdfs::path& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return;
    image.format = PNG_FORMAT_RGBA;
    rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
      rgba.clear();
      return;
    }
    width = image.width;
    height = image.height;
  }
  unsigned char At(std::uint32_t x, std::uint32_t y, int channel) const {
    return rgba.at((y * width + x) * 4 + static_cast<std::uint32_t>(channel));
  }
};

TEST(CliIcons, ListsEveryImageWithItsIndex) {
  TempFolder sandbox;
  const CliResult r = RunCli({"--root", sandbox.Path().string(), "icons"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Contains(r.out, "110 images of 32 x 18")) << r.out;
  EXPECT_TRUE(Contains(r.out, "  0  wreck\n")) << r.out;
  EXPECT_TRUE(Contains(r.out, " 14  flag 1 United Kingdom\n")) << r.out;
  EXPECT_TRUE(Contains(r.out, "109  flag 96 Genoa\n")) << r.out;
}

TEST(CliIcons, WritesEachImageAsAPng) {
  TempFolder sandbox;
  const stdfs::path folder = sandbox.Path() / "png";
  const CliResult r = RunCli({"--root", sandbox.Path().string(), "icons", "--png", folder.string(), "--scale", "2"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(std::distance(stdfs::directory_iterator(folder), stdfs::directory_iterator()), 110);

  const Png wreck(folder / "000-wreck.png");
  ASSERT_FALSE(wreck.rgba.empty());
  EXPECT_EQ(wreck.width, 64u);
  EXPECT_EQ(wreck.height, 36u);
  EXPECT_EQ(wreck.At(0, 0, 3), 0) << "the symbol's ground lets the chart through";
  EXPECT_EQ(wreck.At(32, 17, 3), 255) << "the hull line shows";

  // Japan: a red disc in the middle of the flag, each pixel doubled.
  const Png japan(folder / "077-flag-64-Japan.png");
  ASSERT_FALSE(japan.rgba.empty());
  EXPECT_EQ(japan.At(32, 18, 0), 206);
  EXPECT_EQ(japan.At(32, 18, 1), 17);
  EXPECT_EQ(japan.At(33, 19, 3), 255);
}

}  // namespace
