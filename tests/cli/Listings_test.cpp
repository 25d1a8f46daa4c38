// The commands that list what the module holds (its folders, messages,
// templates and images) end to end, and the PNG files 'overlays icons'
// writes for a person to look at.

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <iterator>
#include <tuple>
#include <utility>
#include <vector>

#include "CliRunner.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliResult;
using testing_support::Contains;
using testing_support::RunCli;
using testing_support::TempFolder;
namespace stdfs = std::filesystem;

TEST(CliListings, EachShowsWhatTheModuleHolds) {
  TempFolder sandbox;
  const struct {
    const char* command;
    std::vector<std::string> lines;
  } cases[] = {
      // Each folder as a Windows path and as the host path behind it.
      {"folders",
       {"C:\\Navlore Download\\", "C:\\MySettings\\overlays\\", "C:\\MyData\\Wrecks\\",
        (sandbox.Path() / "C" / "MyData" / "Wrecks").string()}},
      // Both lower-case GUIDs come out exactly as registered; registered
      // numbers lie from 0xC000 on.
      {"resources",
       {"Registered messages\n", "  UM_EDITBOX_FOCUS_DATA-{67f4b673-533f-4e09-8003-365c753e8457}\n",
        "  UM_BUTTON_DOWN-{20CAE8CB-D830-4603-B551-A96E86611928}\n", "  0xC0", "Dialog templates\n", "Bitmaps\n"}},
      {"icons", {"110 images of 32 x 18", "  0  wreck\n", " 14  flag 1 United Kingdom\n", "109  flag 96 Genoa\n"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    const CliResult r = RunCli({"--root", sandbox.Path().string(), c.command});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const auto& line : c.lines) EXPECT_TRUE(Contains(r.out, line)) << line << "\n" << r.out;
  }
}

// An RGBA image read back with libpng, so that the file is checked by the
// reader every viewer uses rather than by the writer's own assumptions.
// Empty when the file cannot be read.
struct Png {
  png_image image{};
  std::vector<unsigned char> rgba;

  explicit Png(const stdfs::path& path) {
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return;
    image.format = PNG_FORMAT_RGBA;
    rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) rgba.clear();
  }
  unsigned char At(std::uint32_t x, std::uint32_t y, int channel) const {
    return rgba.at((y * image.width + x) * 4 + static_cast<std::uint32_t>(channel));
  }
};

TEST(CliIcons, WritesEachImageAsAPng) {
  TempFolder sandbox;
  const stdfs::path folder = sandbox.Path() / "png";
  const CliResult r = RunCli({"--root", sandbox.Path().string(), "icons", "--png", folder.string(), "--scale", "2"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(std::distance(stdfs::directory_iterator(folder), stdfs::directory_iterator()), 110);

  const Png wreck(folder / "000-wreck.png");
  ASSERT_FALSE(wreck.rgba.empty());
  EXPECT_EQ(std::pair(wreck.image.width, wreck.image.height), std::pair(64u, 36u));
  EXPECT_EQ(wreck.At(0, 0, 3), 0) << "the symbol's ground lets the chart through";
  EXPECT_EQ(wreck.At(32, 17, 3), 255) << "the hull line shows";

  // Japan: a red disc in the middle of the flag, each pixel doubled.
  const Png japan(folder / "077-flag-64-Japan.png");
  ASSERT_FALSE(japan.rgba.empty());
  EXPECT_EQ(std::tuple(japan.At(32, 18, 0), japan.At(32, 18, 1), japan.At(33, 19, 3)), std::tuple(206, 17, 255));
}

}  // namespace
