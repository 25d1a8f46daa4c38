#pragma once
// CMenu: a popup menu's items (text, id, checked, greyed, owner-drawn).
// Tracking a menu hands it to the automation hook, which may choose an
// item; the choice is returned (TPM_RETURNCMD) or posted to the owner as a
// command, as the platform does.

#include <string>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/Wnd.h"

class CDC;

struct MEASUREITEMSTRUCT {
  UINT CtlType = ODT_MENU;
  UINT CtlID = 0;
  UINT itemID = 0;
  UINT itemWidth = 0;
  UINT itemHeight = 0;
  UINT_PTR itemData = 0;
};

struct MenuItem {
  UINT flags = MF_STRING;
  UINT id = 0;
  std::string text;
  UINT_PTR data = 0;
};

class OVERLAYS_API CMenu {
 public:
  CMenu() = default;
  virtual ~CMenu() = default;
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  BOOL CreatePopupMenu();
  BOOL DestroyMenu();
  bool IsCreated() const { return created_; }
  // An owner-drawn item's data is its text unless the caller gives data.
  BOOL AppendMenu(UINT flags, UINT_PTR id = 0, std::string_view text = {});
  BOOL InsertMenu(UINT position, UINT flags, UINT_PTR id = 0, std::string_view text = {});
  BOOL DeleteMenu(UINT position, UINT flags);
  BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR id = 0, std::string_view text = {});
  // Previous state (MF_CHECKED or MF_UNCHECKED), or -1 when there is no item.
  UINT CheckMenuItem(UINT item, UINT check);
  UINT EnableMenuItem(UINT item, UINT enable);
  int GetMenuItemCount() const { return created_ ? static_cast<int>(items_.size()) : -1; }
  UINT GetMenuItemID(int position) const;
  UINT GetMenuState(UINT item, UINT flags) const;
  std::string GetMenuString(UINT item, UINT flags) const;
  const std::vector<MenuItem>& Items() const { return items_; }

  // Returns the chosen id with TPM_RETURNCMD (0 when dismissed); otherwise
  // posts WM_COMMAND to the owner and returns whether an item was chosen.
  BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const CRect* ignored = nullptr);

  // Owner-drawn items.
  virtual void MeasureItem(MEASUREITEMSTRUCT* measure);
  virtual void DrawItem(DRAWITEMSTRUCT* draw);
  // The size tracking gave an owner-drawn item, after MeasureItem.
  CSize MeasuredSize(UINT id) const;

 private:
  MenuItem* Find(UINT item, UINT flags);
  const MenuItem* Find(UINT item, UINT flags) const;
  void MeasureOwnerDrawn();
  UINT ChooseItem(int x, int y, CWnd* owner);

  bool created_ = false;
  std::vector<MenuItem> items_;
  std::vector<std::pair<UINT, CSize>> measured_;
};
