// 'overlays icons' end to end: the listing of the wreck image list, and the
// PNG files it writes for a person to look at, read back with zlib.

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <iterator>

#include "CliRunner.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliResult;
using testing_support::Contains;
using testing_support::RunCli;
using testing_support::TempFolder;
namespace stdfs = std::filesystem;

std::uint32_t BigEndianAt(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

// The writer puts IHDR first and the whole image in one IDAT after it.
struct Png {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::string rows;  // each row: filter byte, then RGBA

  explicit Png(const stdfs::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.size() < 41 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || bytes.compare(12, 4, "IHDR") != 0 ||
        bytes.compare(37, 4, "IDAT") != 0)
      return;
    width = BigEndianAt(bytes, 16);
    height = BigEndianAt(bytes, 20);
    const std::uint32_t packed = BigEndianAt(bytes, 33);
    rows.resize(static_cast<std::size_t>(height) * (1 + 4 * width));
    uLongf size = static_cast<uLongf>(rows.size());
    if (uncompress(reinterpret_cast<Bytef*>(rows.data()), &size,
                   reinterpret_cast<const Bytef*>(bytes.data() + 41), packed) != Z_OK ||
        size != rows.size())
      rows.clear();
  }
  unsigned char At(std::uint32_t x, std::uint32_t y, int channel) const {
    return static_cast<unsigned char>(rows.at(y * (1 + 4 * width) + 1 + 4 * x + static_cast<std::uint32_t>(channel)));
  }
};

TEST(CliIcons, ListsEveryImageWithItsIndex) {
  TempFolder sandbox;
  const CliResult r = RunCli({"--root", sandbox.Path().string(), "icons"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Contains(r.out, "110 images of 32 x 18")) << r.out;
  EXPECT_TRUE(Contains(r.out, "  0  wreck\n")) << r.out;
  EXPECT_TRUE(Contains(r.out, "  5  status 3\n")) << r.out;
  EXPECT_TRUE(Contains(r.out, " 12  caution\n")) << r.out;
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
  ASSERT_FALSE(wreck.rows.empty());
  EXPECT_EQ(wreck.width, 64u);
  EXPECT_EQ(wreck.height, 36u);
  EXPECT_EQ(wreck.At(0, 0, 3), 0) << "the symbol's ground lets the chart through";
  EXPECT_EQ(wreck.At(32, 17, 3), 255) << "the hull line shows";

  // Japan: a red disc in the middle of the flag, each pixel doubled.
  const Png japan(folder / "077-flag-64-Japan.png");
  ASSERT_FALSE(japan.rows.empty());
  EXPECT_EQ(japan.At(32, 18, 0), 206);
  EXPECT_EQ(japan.At(32, 18, 1), 17);
  EXPECT_EQ(japan.At(33, 19, 3), 255);
}

TEST(CliIcons, ARefusedScaleIsReported) {
  TempFolder sandbox;
  const CliResult r = RunCli({"--root", sandbox.Path().string(), "icons", "--png", (sandbox.Path() / "png").string(),
                              "--scale", "0"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Contains(r.err, "--scale wants 1 to 16")) << r.err;
}

}  // namespace
