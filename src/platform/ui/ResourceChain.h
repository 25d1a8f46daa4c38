#pragma once
// The chain of resource modules searched for dialog templates and bitmaps,
// newest first, as the host's toolkit searches its extension modules. A
// module joins when its library loads and leaves when it unloads.

#include <string_view>
#include <vector>

namespace platform::ui {

struct ResourceModule {
  std::string_view name;
};

class ResourceChain {
 public:
  static void Join(const ResourceModule* module);
  static void Leave(const ResourceModule* module);
  // Modules in search order (the last to join first).
  static std::vector<const ResourceModule*> Modules();
};

}  // namespace platform::ui
