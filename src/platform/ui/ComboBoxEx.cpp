#include "platform/ui/ComboBoxEx.h"

#include "platform/ui/ImageList.h"

BOOL CComboBoxEx::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  return CreateWindowOf(platform::ui::ControlKind::ComboBoxEx, "", style, rect, parent, id);
}

void CComboBoxEx::TakeStateFrom(CWnd& standIn) {
  CComboBox::TakeStateFrom(standIn);
  if (auto* other = dynamic_cast<CComboBoxEx*>(&standIn)) images_ = other->images_;
}

int CComboBoxEx::InsertItem(const COMBOBOXEXITEM* item) {
  if (!item) return -1;
  platform::ui::StringItem entry;
  if (item->mask & CBEIF_TEXT) entry.text = item->pszText;
  if (item->mask & CBEIF_IMAGE) entry.image = item->iImage;
  if (item->mask & CBEIF_SELECTEDIMAGE) entry.selectedImage = item->iSelectedImage;
  if (item->mask & CBEIF_INDENT) entry.indent = item->iIndent;
  if (item->mask & CBEIF_LPARAM) entry.data = static_cast<UINT_PTR>(item->lParam);
  Invalidate();
  // The extended combo box keeps its entries where they are put.
  return items_.Insert(item->iItem, std::move(entry));
}

BOOL CComboBoxEx::GetItem(COMBOBOXEXITEM* item) const {
  const platform::ui::StringItem* entry = item ? items_.At(item->iItem) : nullptr;
  if (!entry) return FALSE;
  item->pszText = entry->text;
  item->iImage = entry->image;
  item->iSelectedImage = entry->selectedImage;
  item->iIndent = entry->indent;
  item->lParam = static_cast<LPARAM>(entry->data);
  return TRUE;
}

CImageList* CComboBoxEx::SetImageList(CImageList* images) {
  CImageList* previous = images_;
  images_ = images;
  Invalidate();
  return previous;
}

int CComboBoxEx::GetItemImage(int index) const {
  const platform::ui::StringItem* entry = items_.At(index);
  return entry ? entry->image : -1;
}

void CComboBoxEx::CheckInvariants(std::vector<std::string>& problems) const {
  CComboBox::CheckInvariants(problems);
  if (!images_) return;
  for (int i = 0; i < items_.Count(); ++i)
    if (items_.At(i)->image >= images_->GetImageCount())
      problems.push_back("combo box " + std::to_string(GetDlgCtrlID()) + ": entry " + std::to_string(i) +
                         " shows image " + std::to_string(items_.At(i)->image) + " of " +
                         std::to_string(images_->GetImageCount()));
}
