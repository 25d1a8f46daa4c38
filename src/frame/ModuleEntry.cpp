#include "frame/ModuleEntry.h"

#include "frame/MessageNames.h"
#include "platform/ui/RegisteredMessages.h"

namespace module_entry {
namespace {

// A function-local object, so that the resource files under res/ can add
// to it during static initialisation whatever the order of the objects.
platform::ui::ResourceModule& Resources() {
  static platform::ui::ResourceModule resources{"overlays"};
  return resources;
}

// The extension module record: attached from load to unload.
struct ExtensionModule {
  bool attached = false;
  ExtensionModule() {
    platform::ui::ResourceChain::Join(&Resources());
    attached = true;
  }
  ~ExtensionModule() {
    platform::ui::ResourceChain::Leave(&Resources());
    attached = false;
  }
};

// Every message of the module is registered before any export can run, so
// a host that looks a number up by name finds it whatever it calls first.
const bool kMessagesRegistered = [] {
  for (auto name : messages::kAll) platform::ui::RegisterWindowMessage(name);
  return true;
}();

ExtensionModule& Module() {
  static ExtensionModule module;
  return module;
}

// Attach at load time rather than at first use.
const bool kAttached = Module().attached;

}  // namespace

const platform::ui::ResourceModule& ModuleResources() { return Resources(); }

bool AddDialog(const platform::ui::DialogTemplate& dialog) {
  Resources().AddDialog(dialog);
  return true;
}

bool AddBitmap(const platform::ui::BitmapResource& bitmap) {
  Resources().AddBitmap(bitmap);
  return true;
}

bool IsAttached() { return kMessagesRegistered && Module().attached; }

}  // namespace module_entry
