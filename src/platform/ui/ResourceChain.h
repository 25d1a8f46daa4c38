#pragma once
// The chain of resource modules searched for dialog templates and bitmaps,
// newest first, as the host's toolkit searches its extension modules. A
// module joins when its library loads and leaves when it unloads.

#include <mutex>
#include <string_view>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/DialogTemplate.h"

namespace platform::ui {

// One library's resources. Resources are added while the library loads
// (static initialisation of its resource files) and stay for its lifetime.
class OVERLAYS_API ResourceModule {
 public:
  explicit ResourceModule(std::string_view name) : name_(name) {}
  std::string_view Name() const { return name_; }

  void AddDialog(const DialogTemplate& dialog);
  void AddBitmap(const BitmapResource& bitmap);
  const DialogTemplate* FindDialog(UINT id) const;
  const BitmapResource* FindBitmap(UINT id) const;
  std::vector<const DialogTemplate*> Dialogs() const;
  std::vector<const BitmapResource*> Bitmaps() const;

 private:
  std::string_view name_;
  mutable std::mutex mutex_;
  std::vector<const DialogTemplate*> dialogs_;
  std::vector<const BitmapResource*> bitmaps_;
};

class OVERLAYS_API ResourceChain {
 public:
  static void Join(const ResourceModule* module);
  static void Leave(const ResourceModule* module);
  // Modules in search order (the last to join first).
  static std::vector<const ResourceModule*> Modules();
  // The first module in search order that has the resource wins.
  static const DialogTemplate* FindDialog(UINT id);
  static const BitmapResource* FindBitmap(UINT id);
};

}  // namespace platform::ui
