#include "platform/ui/TextMetrics.h"

#include <cstdlib>

#include "platform/ui/Font.h"

namespace platform::ui {
namespace {
// The dialog font: 8 points at 96 dpi is 13 pixels high, 6 wide on average.
constexpr int kDefaultCharWidth = 6;
constexpr int kDefaultLineHeight = 13;

int FontHeight(const CFont* font) {
  return font && font->IsCreated() && font->Descriptor().lfHeight != 0 ? std::abs(font->Descriptor().lfHeight) : 0;
}
}  // namespace

int CharWidth(const CFont* font) {
  const int height = FontHeight(font);
  return height ? (height + 1) / 2 : kDefaultCharWidth;
}

int LineHeight(const CFont* font) {
  const int height = FontHeight(font);
  return height ? height : kDefaultLineHeight;
}

CSize TextExtent(const CFont* font, std::string_view text) {
  return {CharWidth(font) * static_cast<int>(text.size()), LineHeight(font)};
}

}  // namespace platform::ui
