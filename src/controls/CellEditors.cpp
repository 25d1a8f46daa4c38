#include "controls/CellEditors.h"

#include "platform/ui/Beep.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ImageList.h"

namespace {

// Enter and Escape end a cell edit, so the dialog around the list must not
// take them for its default and cancel buttons.
bool EndsCellEdit(LPARAM lParam) {
  const auto* msg = reinterpret_cast<const MSG*>(lParam);
  return msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
         (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE || msg->wParam == '\r' || msg->wParam == 0x1B);
}

void SendEnd(CWnd& list, NMLVDISPINFO& info) {
  list.SendMessage(WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
}

}  // namespace

void CellEdit::Begin(int row, int column, std::string_view text) {
  row_ = row;
  column_ = column;
  cancelled_ = false;
  startText_ = text;
}

bool CellEdit::EndKey(UINT key, CWnd& editor) {
  if (key != VK_RETURN && key != VK_ESCAPE) return false;
  cancelled_ = key == VK_ESCAPE;
  if (CWnd* list = editor.GetParent()) list->SetFocus();
  return true;
}

NMLVDISPINFO CellEdit::End(const CWnd& list, std::optional<std::string> text) const {
  NMLVDISPINFO info = EndLabelEditInfo(list, row_, column_);
  info.item.pszText = cancelled_ || !text ? startText_ : std::move(*text);
  info.item.cchTextMax = static_cast<int>(info.item.pszText.size());
  return info;
}

// --- the text editors ---

BOOL CInPlaceCellEdit::Open(CListCtrl& list, const CRect& rect, DWORD style, UINT id, int row, int column,
                            std::string_view text) {
  if (m_hWnd) DestroyWindow();
  cell_.Begin(row, column, text);
  if (!Create(style | WS_CHILD | WS_VISIBLE | WS_BORDER, rect, &list, id)) return FALSE;
  SetFont(list.GetFont());
  SetWindowText(text);
  SetSel(0, -1);
  SetFocus();
  return TRUE;
}

const MessageMap& CInPlaceCellEdit::GetMessageMap() const {
  using H = Handlers<CInPlaceCellEdit>;
  static const MessageMap map(&CEdit::GetMessageMap(), {
      H::Key(WM_KEYDOWN, &CInPlaceCellEdit::OnKeyDown),
      H::Message(WM_GETDLGCODE, &CInPlaceCellEdit::OnGetDlgCode),
      H::Focus(WM_KILLFOCUS, &CInPlaceCellEdit::OnKillFocus),
  });
  return map;
}

void CInPlaceCellEdit::OnKeyDown(UINT key, UINT, UINT) {
  if (!cell_.EndKey(key, *this)) Default();
}

LRESULT CInPlaceCellEdit::OnGetDlgCode(WPARAM, LPARAM lParam) {
  return EndsCellEdit(lParam) ? DLGC_WANTALLKEYS : Default();
}

void CInPlaceCellEdit::OnKillFocus(CWnd*) {
  Default();
  CWnd* list = GetParent();
  if (!list) return;
  NMLVDISPINFO info = cell_.End(*list, GetWindowText());
  DestroyWindow();
  SendEnd(*list, info);
}

const MessageMap& CInPlaceEdit::GetMessageMap() const {
  using H = Handlers<CInPlaceEdit>;
  static const MessageMap map(&CInPlaceCellEdit::GetMessageMap(), {
      H::Key(WM_CHAR, &CInPlaceEdit::OnChar),
      H::Message(WM_PASTE, &CInPlaceEdit::OnPaste),
  });
  return map;
}

bool CInPlaceEdit::IsAllowed(std::string_view text) const {
  return allowed_.empty() || text.find_first_not_of(allowed_) == std::string_view::npos;
}

void CInPlaceEdit::OnChar(UINT ch, UINT, UINT) {
  const auto c = static_cast<char>(ch);
  const bool editing = c == '\b' || c == kCtrlC || c == kCtrlV || c == kCtrlX;
  if (!editing && !IsAllowed(std::string_view(&c, 1))) {
    MessageBeep(MB_ICONEXCLAMATION);
    return;
  }
  Default();
}

LRESULT CInPlaceEdit::OnPaste(WPARAM, LPARAM) {
  const auto text = platform::ui::Clipboard::GetText();
  return text && IsAllowed(*text) ? Default() : 0;
}

void CInPlaceAngleEdit::SetAngle(int kind, int format) {
  kind_ = kind;
  format_ = format;
}

AngleFieldLayout CInPlaceAngleEdit::Layout() const {
  return AngleFieldLayoutFor(kind_, format_, -1, kind_ == 5 ? 'N' : 'E');
}

const MessageMap& CInPlaceAngleEdit::GetMessageMap() const {
  using H = Handlers<CInPlaceAngleEdit>;
  static const MessageMap map(&CInPlaceCellEdit::GetMessageMap(), {
      H::Key(WM_CHAR, &CInPlaceAngleEdit::OnChar),
  });
  return map;
}

void CInPlaceAngleEdit::OnChar(UINT ch, UINT, UINT) {
  const auto c = static_cast<char>(ch);
  if (c == kCtrlC || c == kCtrlV || c == kCtrlX) {
    Default();
    return;
  }
  int start = 0;
  int end = 0;
  GetSel(start, end);
  const auto edit = TypeAngleCharacter(Layout(), GetWindowText(), start, end, c);
  if (!edit) return;
  SetWindowText(edit->text);
  SetSel(edit->caret, edit->caret);
}

// --- the choice ---

bool CInPlaceCombo::HasImages() const { return GetImageList() && GetImageList()->GetImageCount() > 0; }

BOOL CInPlaceCombo::Open(CListCtrl& list, const CRect& rect, DWORD style, int row, int column, std::string_view text,
                         const std::vector<std::string>& items, CImageList* images) {
  if (m_hWnd) DestroyWindow();
  cell_.Begin(row, column, text);
  if (!Create(style | WS_CHILD | WS_VISIBLE, rect, &list, kCellChoiceId)) return FALSE;
  SetFont(list.GetFont());
  ResetContent();
  SetImageList(images);
  for (std::size_t i = 0; i < items.size(); ++i) {
    COMBOBOXEXITEM item;
    item.mask = CBEIF_TEXT;
    item.pszText = items[i];
    if (HasImages()) {
      item.mask |= CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
      item.iImage = item.iSelectedImage = static_cast<int>(i);
    }
    InsertItem(&item);
  }
  SetCurSel(FindStringExact(-1, text));
  SetFocus();
  ShowDropDown(TRUE);
  return TRUE;
}

const MessageMap& CInPlaceCombo::GetMessageMap() const {
  using H = Handlers<CInPlaceCombo>;
  static const MessageMap map(&CComboBoxEx::GetMessageMap(), {
      H::Key(WM_KEYDOWN, &CInPlaceCombo::OnKeyDown),
      H::Message(WM_GETDLGCODE, &CInPlaceCombo::OnGetDlgCode),
      H::Reflect(CBN_CLOSEUP, &CInPlaceCombo::OnCloseUp),
      H::Focus(WM_KILLFOCUS, &CInPlaceCombo::OnKillFocus),
  });
  return map;
}

void CInPlaceCombo::OnKeyDown(UINT key, UINT, UINT) {
  if (!cell_.EndKey(key, *this)) Default();
}

LRESULT CInPlaceCombo::OnGetDlgCode(WPARAM, LPARAM lParam) {
  return EndsCellEdit(lParam) ? DLGC_WANTALLKEYS : Default();
}

void CInPlaceCombo::OnCloseUp() { EndEdit(); }

void CInPlaceCombo::OnKillFocus(CWnd*) {
  Default();
  EndEdit();
}

void CInPlaceCombo::EndEdit() {
  CWnd* list = GetParent();
  // Handing the focus back below comes round here again.
  if (!m_hWnd || !list || ending_) return;
  ending_ = true;
  const int chosen = GetCurSel();
  NMLVDISPINFO info = cell_.End(*list, chosen < 0 ? std::nullopt : std::optional(GetLBText(chosen)));
  if (!cell_.Cancelled() && chosen >= 0 && HasImages()) {
    info.item.mask |= LVIF_IMAGE;
    info.item.iImage = chosen;
  }
  // Closed first: the list may open the next editor while it is told.
  if (CWnd::GetFocus() == this) list->SetFocus();
  DestroyWindow();
  ending_ = false;
  SendEnd(*list, info);
}

// --- the button ---

BOOL CInPlaceButton::Show(CListCtrl& list, const CRect& cell, DWORD style) {
  if (m_hWnd) DestroyWindow();
  // As wide as the cell is high, at its right end.
  const CRect rect(cell.right - cell.Height(), cell.top, cell.right, cell.bottom);
  if (!Create("...", style | WS_CHILD | WS_VISIBLE, rect, &list, kCellButtonId)) return FALSE;
  SetFont(list.GetFont());
  return TRUE;
}

CellEditors& SharedCellEditors() {
  // Window objects belong to their thread; the editors live with it.
  thread_local CellEditors editors;
  return editors;
}

void CloseSharedCellEditors() {
  CellEditors& editors = SharedCellEditors();
  editors.edit.DestroyWindow();
  editors.angle.DestroyWindow();
  editors.combo.DestroyWindow();
  editors.button.DestroyWindow();
}
