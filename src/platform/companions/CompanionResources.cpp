#include "platform/companions/CompanionResources.h"

#include "platform/ui/ResourceChain.h"

namespace companions {
namespace {

// Function-local, so that the resource files can add to it during static
// initialisation whatever the order of the objects.
platform::ui::ResourceModule& Resources() {
  static platform::ui::ResourceModule resources{"companions"};
  return resources;
}

struct Loaded {
  Loaded() { platform::ui::ResourceChain::Join(&Resources()); }
  ~Loaded() { platform::ui::ResourceChain::Leave(&Resources()); }
};

const Loaded kLoaded;

}  // namespace

bool AddBitmap(const platform::ui::BitmapResource& bitmap) {
  Resources().AddBitmap(bitmap);
  return true;
}

}  // namespace companions
