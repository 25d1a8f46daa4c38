#include "platform/ui/MessageMap.h"

const MessageEntry* MessageMap::FindMessage(UINT message) const {
  for (const MessageMap* map = this; map; map = map->base_)
    for (const MessageEntry& e : map->entries_) {
      if (e.kind == MessageEntry::Kind::Message && message >= e.message && message <= e.messageLast) return &e;
      if (e.kind == MessageEntry::Kind::Registered && *e.registered != 0 && *e.registered == message) return &e;
    }
  return nullptr;
}

const MessageEntry* MessageMap::FindCommand(MessageEntry::Kind kind, UINT code, UINT id) const {
  const bool reflected = kind == MessageEntry::Kind::ReflectCommand || kind == MessageEntry::Kind::ReflectNotify;
  for (const MessageMap* map = this; map; map = map->base_)
    for (const MessageEntry& e : map->entries_)
      if (e.kind == kind && e.code == code && (reflected || (id >= e.idFirst && id <= e.idLast))) return &e;
  return nullptr;
}
