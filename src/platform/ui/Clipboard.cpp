#include "platform/ui/Clipboard.h"

#include <mutex>

namespace platform::ui {
namespace {

struct Store {
  std::mutex mutex;
  std::optional<std::string> text;
};

Store& TheStore() {
  static Store store;
  return store;
}

}  // namespace

void Clipboard::SetText(std::string_view text) {
  Store& store = TheStore();
  std::lock_guard lock(store.mutex);
  store.text = std::string(text);
}

std::optional<std::string> Clipboard::GetText() {
  Store& store = TheStore();
  std::lock_guard lock(store.mutex);
  return store.text;
}

void Clipboard::Empty() {
  Store& store = TheStore();
  std::lock_guard lock(store.mutex);
  store.text.reset();
}

}  // namespace platform::ui
