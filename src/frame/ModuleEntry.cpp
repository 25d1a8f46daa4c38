#include "frame/ModuleEntry.h"

#include "frame/MessageNames.h"
#include "platform/ui/RegisteredMessages.h"

namespace module_entry {
namespace {

const platform::ui::ResourceModule kResources{"overlays"};

// The extension module record: attached from load to unload.
struct ExtensionModule {
  bool attached = false;
  ExtensionModule() {
    platform::ui::ResourceChain::Join(&kResources);
    attached = true;
  }
  ~ExtensionModule() {
    platform::ui::ResourceChain::Leave(&kResources);
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

const platform::ui::ResourceModule& ModuleResources() { return kResources; }

bool IsAttached() { return kMessagesRegistered && Module().attached; }

}  // namespace module_entry
