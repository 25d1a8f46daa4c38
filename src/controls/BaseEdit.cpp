#include "controls/BaseEdit.h"

#include <algorithm>

#include "frame/MessageNames.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/MainWindow.h"
#include "platform/ui/Menu.h"
#include "platform/ui/RegisteredMessages.h"
#include "platform/ui/TextMetrics.h"

namespace {

const UINT UM_EDIT_ANGLE = platform::ui::RegisterWindowMessage(messages::kEditAngle);
const UINT UM_EDIT_UPDATE = platform::ui::RegisterWindowMessage(messages::kEditUpdate);
const UINT UM_EDITBOX_FOCUS_DATA = platform::ui::RegisterWindowMessage(messages::kEditBoxFocusData);
const UINT UM_EDITBOX_KILL_FOCUS_DATA = platform::ui::RegisterWindowMessage(messages::kEditBoxKillFocusData);

constexpr char kNotAvailable[] = "n/a";
// An in-place field grows to its text plus this much, so the last
// character is not against the border.
constexpr int kInPlaceMargin = 5;

void PostToMainWindow(UINT message) {
  if (HWND main = platform::ui::MainWindow()) PostMessage(main, message);
}

bool ControlHeld() { return GetKeyState(static_cast<int>(VK_CONTROL)) < 0; }

}  // namespace

CBaseEdit::CBaseEdit(EditKind kind) : kind_(kind) {}

// The window goes while the field is still a field, so that its leaving is
// reported.
CBaseEdit::~CBaseEdit() { DestroyWindow(); }

const MessageMap& CBaseEdit::GetMessageMap() const {
  using H = Handlers<CBaseEdit>;
  static const MessageMap map(&CEdit::GetMessageMap(), {
      H::Focus(WM_SETFOCUS, &CBaseEdit::OnSetFocus),
      H::Focus(WM_KILLFOCUS, &CBaseEdit::OnKillFocus),
      H::Mouse(WM_LBUTTONUP, &CBaseEdit::OnLButtonUp),
      H::Mouse(WM_RBUTTONDOWN, &CBaseEdit::OnRButtonDown),
      H::Key(WM_CHAR, &CBaseEdit::OnChar),
      H::Key(WM_KEYDOWN, &CBaseEdit::OnKeyDown),
      H::Message(WM_GETDLGCODE, &CBaseEdit::OnGetDlgCode),
      H::Message(WM_DESTROY, &CBaseEdit::OnDestroy),
      // The field's own menu answers the right click; the parent's is not
      // asked as well.
      H::Message(WM_CONTEXTMENU, &CBaseEdit::OnContextMenu),
  });
  return map;
}

void CBaseEdit::SetValid(BOOL valid) {
  valid_ = valid != FALSE;
  if (valid_) {
    ShowValue();
  } else if (IsCreated()) {
    SetWindowText(kNotAvailable);
  } else {
    pending_ = true;
  }
  if (IsCreated()) EnableWindow(valid_);
}

void CBaseEdit::SetReadOnly(BOOL readOnly) {
  readOnly_ = readOnly != FALSE;
  if (IsCreated()) CEdit::SetReadOnly(readOnly);
}

void CBaseEdit::SetCell(int item, int subItem, std::string_view startText) {
  item_ = item;
  subItem_ = subItem;
  startText_ = startText;
}

BOOL CBaseEdit::CreateInPlace(const CRect& rect, CWnd* list) {
  inPlace_ = true;
  return CEdit::Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, list, kInPlaceEditId);
}

void CBaseEdit::OnWindowCreated() {
  created_ = true;
  if (inPlace_)
    StartInPlace();
  else
    ApplyStoredState();
  toolTip_.AddPending(*this);
}

void CBaseEdit::ApplyStoredState() {
  if (pending_) {
    if (valid_)
      ShowValue();
    else
      SetWindowText(kNotAvailable);
    pending_ = false;
  }
  EnableWindow(valid_);
  if (readOnly_) CEdit::SetReadOnly(TRUE);
}

void CBaseEdit::StartInPlace() {
  if (CWnd* list = GetParent()) SetFont(list->GetFont());
  SetWindowText(startText_);
  SetFocus();
  SelectAll();
  WidenToText();
}

void CBaseEdit::WidenToText() {
  CWnd* list = GetParent();
  if (!list) return;
  CRect rect;
  GetWindowRect(&rect);
  const int wanted = platform::ui::TextExtent(list->GetFont(), GetWindowText()).cx + kInPlaceMargin;
  if (rect.Width() >= wanted) return;
  CRect client;
  list->GetClientRect(&client);
  rect.right = std::max(rect.right, std::min(rect.left + wanted, client.right));
  MoveWindow(rect);
}

void CBaseEdit::ShowText(std::string_view text) {
  if (IsCreated() && m_hWnd)
    SetWindowText(text);
  else
    pending_ = true;
}

void CBaseEdit::InstallToolTip(std::string_view text) { toolTip_.Install(*this, text); }

void CBaseEdit::PostValueChanged(bool angle) {
  CWnd* parent = GetParent();
  if (!parent) return;
  const auto id = static_cast<unsigned>(GetDlgCtrlID());
  if (angle) parent->PostMessage(UM_EDIT_ANGLE, MAKEWPARAM(id, UM_EDIT_ANGLE));
  parent->PostMessage(UM_EDIT_UPDATE, MAKEWPARAM(id, UM_EDIT_UPDATE));
}

void CBaseEdit::SelectAll() {
  SetSel(0, -1);
  SendMessage(EM_SCROLLCARET);
}

void CBaseEdit::EndInPlaceEdit(bool cancelled, bool byTab) {
  cancelled_ = cancelled_ || cancelled;
  endedByTab_ = endedByTab_ || byTab;
  if (CWnd* list = GetParent()) list->SetFocus();
}

void CBaseEdit::SendEndLabelEdit() {
  CWnd* list = GetParent();
  CWnd* owner = list ? list->GetParent() : nullptr;
  if (!owner) return;
  NMLVDISPINFO info = EndLabelEditInfo(*list, item_, subItem_);
  info.hasText = !cancelled_;
  if (info.hasText) info.item.pszText = GetWindowText();
  info.item.cchTextMax = static_cast<int>(info.item.pszText.size());
  info.item.lParam = endedByTab_ ? 1 : 0;
  owner->SendMessage(WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
}

BOOL CBaseEdit::PreTranslateMessage(MSG* msg) {
  if (msg->hwnd != m_hWnd) return CEdit::PreTranslateMessage(msg);
  if (toolTip_.IsAdded()) toolTip_.RelayEvent(msg);
  if (inPlace_) {
    if (TranslateInPlaceKey(*msg)) return TRUE;
  } else if (enterAsTab_) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) msg->wParam = VK_TAB;
    if (msg->message == WM_CHAR && msg->wParam == '\r') msg->wParam = '\t';
  }
  return CEdit::PreTranslateMessage(msg);
}

// Keys that end or edit the cell go straight to the field: the dialog
// around the list must not take Enter or Escape as its own buttons.
bool CBaseEdit::TranslateInPlaceKey(MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  const bool own = msg.wParam == VK_RETURN || msg.wParam == VK_DELETE || msg.wParam == VK_ESCAPE || ControlHeld();
  if (!own) return false;
  SendMessage(msg.message, msg.wParam, msg.lParam);
  return true;
}

void CBaseEdit::OnSetFocus(CWnd*) {
  Default();
  if (!readOnly_) {
    SelectAll();
    focusClick_ = true;
    PostToMainWindow(UM_EDITBOX_FOCUS_DATA);
  }
  OnFocusTaken();
}

void CBaseEdit::OnKillFocus(CWnd*) {
  Default();
  OnFocusLost();
  if (inPlace_ && m_hWnd) {
    SendEndLabelEdit();
    DestroyWindow();
  }
}

void CBaseEdit::OnLButtonUp(UINT, CPoint) {
  Default();
  if (!focusClick_ || !selectOnClick_) return;
  focusClick_ = false;
  int start = 0;
  int end = 0;
  GetSel(start, end);
  if (start == end) SelectAll();
}

void CBaseEdit::OnRButtonDown(UINT, CPoint) {
  if (valid_) ShowContextMenu();
}

LRESULT CBaseEdit::OnContextMenu(WPARAM, LPARAM) { return 0; }

void CBaseEdit::ShowContextMenu() {
  CMenu menu;
  menu.CreatePopupMenu();
  const UINT editing = readOnly_ ? MF_STRING | MF_GRAYED : MF_STRING;
  menu.AppendMenu(editing, kEditMenuCut, "Cut");
  menu.AppendMenu(MF_STRING, kEditMenuCopy, "Copy");
  menu.AppendMenu(editing, kEditMenuPaste, "Paste");
  CRect rect;
  GetWindowRect(&rect);
  switch (static_cast<UINT>(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, rect.left,
                                                rect.bottom, this))) {
    case kEditMenuCut:
      CutSelection();
      break;
    case kEditMenuCopy:
      SendMessage(WM_COPY);
      break;
    case kEditMenuPaste:
      PasteClipboard();
      break;
    default:
      break;
  }
}

LRESULT CBaseEdit::OnGetDlgCode(WPARAM, LPARAM) {
  // A cell editor takes Tab, Enter and Escape itself to end the edit.
  return inPlace_ ? DLGC_WANTALLKEYS : Default();
}

void CBaseEdit::OnDestroy() {
  PostToMainWindow(UM_EDITBOX_KILL_FOCUS_DATA);
  Default();
}

// The clipboard's keys work alike in every field, and a read-only field
// only copies.
void CBaseEdit::OnChar(UINT ch, UINT, UINT) {
  const auto c = static_cast<char>(ch);
  if (c == kCtrlC) {
    SendMessage(WM_COPY);
    return;
  }
  if (readOnly_) return;
  if (c == kCtrlV) return PasteClipboard();
  if (c == kCtrlX) return CutSelection();
  int start = 0;
  int end = 0;
  GetSel(start, end);
  TypeCharacter(c, start, end);
}

void CBaseEdit::OnKeyDown(UINT key, UINT, UINT) {
  if (!inPlace_) {
    Default();
    return;
  }
  if (key == VK_RETURN)
    EndInPlaceEdit(false, false);
  else if (key == VK_ESCAPE)
    EndInPlaceEdit(true, false);
  else if (key == VK_TAB)
    EndInPlaceEdit(false, true);
  else
    Default();
}
