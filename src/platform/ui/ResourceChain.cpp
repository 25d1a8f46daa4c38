#include "platform/ui/ResourceChain.h"

#include <algorithm>

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

template <class T>
const T* FindById(const std::vector<const T*>& items, UINT id) {
  auto it = std::find_if(items.begin(), items.end(), [id](const T* item) { return item->id == id; });
  return it == items.end() ? nullptr : *it;
}

}  // namespace

void ResourceModule::AddDialog(const DialogTemplate& dialog) {
  std::lock_guard lock(mutex_);
  dialogs_.push_back(&dialog);
}

void ResourceModule::AddBitmap(const BitmapResource& bitmap) {
  std::lock_guard lock(mutex_);
  bitmaps_.push_back(&bitmap);
}

const DialogTemplate* ResourceModule::FindDialog(UINT id) const {
  std::lock_guard lock(mutex_);
  return FindById(dialogs_, id);
}

const BitmapResource* ResourceModule::FindBitmap(UINT id) const {
  std::lock_guard lock(mutex_);
  return FindById(bitmaps_, id);
}

std::vector<const DialogTemplate*> ResourceModule::Dialogs() const {
  std::lock_guard lock(mutex_);
  return dialogs_;
}

std::vector<const BitmapResource*> ResourceModule::Bitmaps() const {
  std::lock_guard lock(mutex_);
  return bitmaps_;
}

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

const DialogTemplate* ResourceChain::FindDialog(UINT id) {
  for (const ResourceModule* module : Modules())
    if (const DialogTemplate* dialog = module->FindDialog(id)) return dialog;
  return nullptr;
}

const BitmapResource* ResourceChain::FindBitmap(UINT id) {
  for (const ResourceModule* module : Modules())
    if (const BitmapResource* bitmap = module->FindBitmap(id)) return bitmap;
  return nullptr;
}

}  // namespace platform::ui
