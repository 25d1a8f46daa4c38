#include "platform/ui/RegisteredMessages.h"

#include <cctype>
#include <mutex>
#include <string>
#include <unordered_map>

namespace platform::ui {
namespace {

std::string FoldCase(std::string_view name) {
  std::string key(name);
  for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return key;
}

struct Registry {
  std::mutex mutex;
  std::unordered_map<std::string, MessageId> numbers;
  MessageId next = kFirstRegisteredMessage;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

MessageId RegisterWindowMessage(std::string_view name) {
  if (name.empty()) return 0;
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  auto [it, added] = registry.numbers.try_emplace(FoldCase(name), 0);
  if (added) {
    if (registry.next > kLastRegisteredMessage) {
      registry.numbers.erase(it);
      return 0;
    }
    it->second = registry.next++;
  }
  return it->second;
}

}  // namespace platform::ui
