#include "wrecks/WrecksImageList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string_view>
#include <tuple>

#include "frame/ModuleEntry.h"
#include "platform/ui/ResourceChain.h"
#include "wrecks/CountryTable.h"

namespace {

constexpr int kSymbolImages = 13;
constexpr int kAllImages = kSymbolImages + kFlagCount;
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The record's two nationality bytes are neither terminated nor upper-cased;
// the country table's own cases are its tests'.
TEST(WrecksImageList, ARecordPicksTheFlagOfItsTwoNationalityBytes) {
  const std::pair<std::string_view, int> cases[] = {{"Gb", 1}, {"G", 0}, {"NO", 12}};
  for (const auto& [nationality, flag] : cases) {
    WreckDataDef data{};
    std::memcpy(data.nationality, nationality.data(), nationality.size());
    EXPECT_EQ(CWrecksImageList::GetCountryCode(data), flag) << nationality;
  }
}

TEST(WrecksImageList, OnlyPureWhiteIsTransparent) {
  const CWrecksImageList list;
  ASSERT_EQ(list.GetImageCount(), kAllImages);
  EXPECT_NE(list.Flags() & ILC_MASK, 0u);
  int transparent = 0;
  for (int i = 0; i < list.GetImageCount(); ++i)
    for (int y = 0; y < 18; ++y)
      for (int x = 0; x < 32; ++x) {
        const bool white = list.ExtractIcon(i)->GetPixel(x, y) == kWhite;
        ASSERT_EQ(list.IsTransparent(i, x, y), white) << "image " << i << " at " << x << "," << y;
        // Flags (from image 13 on) are opaque throughout, their white parts
        // drawn in near-white.
        ASSERT_FALSE(white && i >= kSymbolImages) << "flag image " << i;
        transparent += white;
      }
  // The symbols stand on a transparent ground.
  EXPECT_GT(transparent, 0);
}

TEST(WrecksImageList, NoTwoImagesAreAlike) {
  const CWrecksImageList list;
  for (int a = 0; a < list.GetImageCount(); ++a)
    for (int b = a + 1; b < list.GetImageCount(); ++b)
      EXPECT_NE(list.ExtractIcon(a)->Pixels(), list.ExtractIcon(b)->Pixels()) << "images " << a << " and " << b;
}

// A pixel that only the right flag has at that place: it catches a flag
// drawn out of order or a strip added in the wrong order.
TEST(WrecksImageList, FlagsFollowTheFlagNameTable) {
  constexpr COLORREF kRed = RGB(206, 17, 38);
  constexpr COLORREF kShownWhite = RGB(254, 254, 254);
  constexpr COLORREF kBlue = RGB(0, 56, 168);
  constexpr COLORREF kBorder = RGB(128, 128, 128);
  // The flag, a pixel of it, and that pixel's colour.
  const std::tuple<int, int, int, COLORREF> landmarks[] = {
      {0, 16, 9, RGB(192, 192, 192)},  // Unknown: plain grey
      {0, 0, 0, kBorder},              // every flag has a one-pixel frame
      {1, 16, 9, kRed},                // United Kingdom: red cross in the middle
      {1, 8, 1, kBlue},                //   on blue
      {2, 3, 3, kShownWhite},          // England: red cross on white
      {18, 3, 9, kBlue},               // France: blue, white, red upright
      {64, 16, 9, kRed},               // Japan: red disc on white
      {84, 3, 3, kRed},                // Switzerland: white cross on red
      {96, 16, 9, RGB(128, 0, 32)},    // Genoa: a darker red cross than England's
  };
  const CWrecksImageList list;
  for (const auto& [flag, x, y, colour] : landmarks)
    EXPECT_EQ(list.ExtractIcon(CWrecksImageList::kFirstFlagImage + flag)->GetPixel(x, y), colour) << kFlagNames[flag];
}

// Stands in for the host's resources: a module of its own with these
// bitmaps at the head of the chain, optionally with the overlays module's
// own resources taken out.
class ChainedResources {
 public:
  ChainedResources(std::initializer_list<const platform::ui::BitmapResource*> bitmaps, bool withoutModule)
      : withoutModule_(withoutModule) {
    if (withoutModule_) platform::ui::ResourceChain::Leave(&module_entry::ModuleResources());
    for (const auto* bitmap : bitmaps) host_.AddBitmap(*bitmap);
    platform::ui::ResourceChain::Join(&host_);
  }
  ~ChainedResources() {
    platform::ui::ResourceChain::Leave(&host_);
    if (withoutModule_) platform::ui::ResourceChain::Join(&module_entry::ModuleResources());
  }

 private:
  bool withoutModule_;
  platform::ui::ResourceModule host_{"host"};
};

// Three flags of the host, side by side, all black.
constexpr COLORREF kHostFlagPixels[3 * 32 * 18] = {};
constexpr platform::ui::BitmapResource kHostFlags{25502, 3 * 32, 18, kHostFlagPixels};
// A strip of one and a half images: the half is dropped.
constexpr COLORREF kRaggedPixels[48 * 18] = {};
constexpr platform::ui::BitmapResource kRaggedCaution{17011, 48, 18, kRaggedPixels};

TEST(WrecksImageList, AFlagStripOfTheHostWinsOverOurs) {
  const ChainedResources resources({&kHostFlags}, false);
  const CWrecksImageList list;
  const int ourSecondStrip = 24;  // flags 25..48
  EXPECT_EQ(list.GetImageCount(), kAllImages - ourSecondStrip + 3);
  // The host's strip follows the first flag strip.
  EXPECT_EQ(list.ExtractIcon(CWrecksImageList::kFirstFlagImage + 25)->GetPixel(5, 5), RGB(0, 0, 0));
}

TEST(WrecksImageList, StripsThatCannotBeFoundAddNothing) {
  {
    const ChainedResources nothing({}, true);
    const CWrecksImageList empty;
    EXPECT_TRUE(empty.IsCreated());
    EXPECT_EQ(empty.GetImageCount(), 0);
  }
  const ChainedResources resources({&kRaggedCaution, &kHostFlags}, true);
  EXPECT_EQ(CWrecksImageList().GetImageCount(), 1 + 3);
}

}  // namespace
