#include "platform/ui/ResourceChain.h"

#include <algorithm>
#include <mutex>

namespace platform::ui {
namespace {

struct Chain {
  std::mutex mutex;
  std::vector<const ResourceModule*> modules;  // oldest first
};

Chain& TheChain() {
  static Chain chain;
  return chain;
}

}  // namespace

void ResourceChain::Join(const ResourceModule* module) {
  if (!module) return;
  Chain& chain = TheChain();
  std::lock_guard lock(chain.mutex);
  if (std::find(chain.modules.begin(), chain.modules.end(), module) == chain.modules.end())
    chain.modules.push_back(module);
}

void ResourceChain::Leave(const ResourceModule* module) {
  Chain& chain = TheChain();
  std::lock_guard lock(chain.mutex);
  std::erase(chain.modules, module);
}

std::vector<const ResourceModule*> ResourceChain::Modules() {
  Chain& chain = TheChain();
  std::lock_guard lock(chain.mutex);
  return {chain.modules.rbegin(), chain.modules.rend()};
}

}  // namespace platform::ui
