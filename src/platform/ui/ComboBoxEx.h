#pragma once
// CComboBoxEx: a combo box whose entries carry images from an image list.

#include "frame/Api.h"
#include "platform/ui/ComboBox.h"

class CImageList;

struct COMBOBOXEXITEM {
  UINT mask = 0;
  int iItem = -1;  // -1 appends
  std::string pszText;
  int iImage = -1;
  int iSelectedImage = -1;
  int iIndent = 0;
  LPARAM lParam = 0;
};
inline constexpr UINT CBEIF_TEXT = 0x01;
inline constexpr UINT CBEIF_IMAGE = 0x02;
inline constexpr UINT CBEIF_SELECTEDIMAGE = 0x04;
inline constexpr UINT CBEIF_INDENT = 0x10;
inline constexpr UINT CBEIF_LPARAM = 0x20;

class OVERLAYS_API CComboBoxEx : public CComboBox {
 public:
  BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);
  int InsertItem(const COMBOBOXEXITEM* item);
  int DeleteItem(int index) { return DeleteString(static_cast<UINT>(index)); }
  BOOL GetItem(COMBOBOXEXITEM* item) const;
  CImageList* SetImageList(CImageList* images);
  CImageList* GetImageList() const { return images_; }
  // The image an entry shows, -1 for none.
  int GetItemImage(int index) const;
  void CheckInvariants(std::vector<std::string>& problems) const override;

 protected:
  void TakeStateFrom(CWnd& standIn) override;

 private:
  CImageList* images_ = nullptr;
};
