#include "platform/ui/Menu.h"

#include <algorithm>

#include "platform/ui/Automation.h"
#include "platform/ui/Backend.h"

BOOL CMenu::CreatePopupMenu() {
  if (created_) return FALSE;
  created_ = true;
  return TRUE;
}

BOOL CMenu::DestroyMenu() {
  if (!created_) return FALSE;
  created_ = false;
  items_.clear();
  measured_.clear();
  return TRUE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, std::string_view text) {
  return InsertMenu(static_cast<UINT>(items_.size()), flags | MF_BYPOSITION, id, text);
}

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR id, std::string_view text) {
  if (!created_) return FALSE;
  std::size_t at = items_.size();
  if (flags & MF_BYPOSITION) {
    at = std::min<std::size_t>(position, items_.size());
  } else {
    auto it = std::find_if(items_.begin(), items_.end(), [&](const MenuItem& m) { return m.id == position; });
    if (it != items_.end()) at = static_cast<std::size_t>(it - items_.begin());
  }
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at),
                MenuItem{flags & ~MF_BYPOSITION, static_cast<UINT>(id), std::string(text), 0});
  return TRUE;
}

BOOL CMenu::DeleteMenu(UINT position, UINT flags) {
  const MenuItem* item = Find(position, flags);
  if (!item) return FALSE;
  items_.erase(items_.begin() + (item - items_.data()));
  return TRUE;
}

BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR id, std::string_view text) {
  MenuItem* item = Find(position, flags);
  if (!item) return FALSE;
  *item = MenuItem{flags & ~MF_BYPOSITION, static_cast<UINT>(id), std::string(text), item->data};
  return TRUE;
}

MenuItem* CMenu::Find(UINT item, UINT flags) {
  return const_cast<MenuItem*>(static_cast<const CMenu*>(this)->Find(item, flags));
}

const MenuItem* CMenu::Find(UINT item, UINT flags) const {
  if (flags & MF_BYPOSITION) return item < items_.size() ? &items_[item] : nullptr;
  auto it = std::find_if(items_.begin(), items_.end(),
                         [&](const MenuItem& m) { return m.id == item && !(m.flags & MF_SEPARATOR); });
  return it == items_.end() ? nullptr : &*it;
}

UINT CMenu::CheckMenuItem(UINT item, UINT check) {
  MenuItem* found = Find(item, check);
  if (!found) return static_cast<UINT>(-1);
  const UINT previous = found->flags & MF_CHECKED;
  found->flags = (found->flags & ~MF_CHECKED) | (check & MF_CHECKED);
  return previous;
}

UINT CMenu::EnableMenuItem(UINT item, UINT enable) {
  MenuItem* found = Find(item, enable);
  if (!found) return static_cast<UINT>(-1);
  const UINT previous = found->flags & (MF_GRAYED | MF_DISABLED);
  found->flags = (found->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
  return previous;
}

UINT CMenu::GetMenuItemID(int position) const {
  if (position < 0 || position >= static_cast<int>(items_.size())) return static_cast<UINT>(-1);
  return items_[static_cast<std::size_t>(position)].id;
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const {
  const MenuItem* found = Find(item, flags);
  return found ? found->flags : static_cast<UINT>(-1);
}

std::string CMenu::GetMenuString(UINT item, UINT flags) const {
  const MenuItem* found = Find(item, flags);
  return found ? found->text : std::string();
}

void CMenu::MeasureItem(MEASUREITEMSTRUCT*) {}

void CMenu::DrawItem(DRAWITEMSTRUCT*) {}

void CMenu::MeasureOwnerDrawn() {
  measured_.clear();
  for (const MenuItem& item : items_) {
    if (!(item.flags & MF_OWNERDRAW)) continue;
    MEASUREITEMSTRUCT measure;
    measure.itemID = item.id;
    measure.itemData = item.data;
    MeasureItem(&measure);
    measured_.emplace_back(item.id, CSize(static_cast<int>(measure.itemWidth), static_cast<int>(measure.itemHeight)));
  }
}

CSize CMenu::MeasuredSize(UINT id) const {
  auto it = std::find_if(measured_.begin(), measured_.end(), [id](const auto& m) { return m.first == id; });
  return it == measured_.end() ? CSize{} : it->second;
}

// The automation chooses when a test or the host works the menu; otherwise
// a backend shows it to the user.
UINT CMenu::ChooseItem(int x, int y, CWnd* owner) {
  using namespace platform::ui;
  if (Automation::Installed()) return Automation::ChooseFromMenu(*this);
  if (Backend* backend = CurrentBackend()) return backend->TrackPopupMenu(*this, CPoint(x, y), owner);
  return 0;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const CRect*) {
  if (!created_ || items_.empty()) return FALSE;
  MeasureOwnerDrawn();
  const UINT chosen = ChooseItem(x, y, owner);
  // Only an enabled item with an id can be chosen.
  const MenuItem* item = chosen ? Find(chosen, MF_BYCOMMAND) : nullptr;
  const UINT id = item && !(item->flags & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR)) ? chosen : 0;
  if (flags & TPM_RETURNCMD) return static_cast<BOOL>(id);
  if (id && owner) owner->PostMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
  return id != 0;
}
