#include "platform/ui/Dialog.h"

#include <algorithm>
#include <tuple>

#include "platform/ui/Automation.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Button.h"
#include "platform/ui/ControlFactory.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ResourceChain.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (dx && dx->m_pDlgWnd && !control.m_hWnd) control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

CDialog::CDialog() = default;

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parentWindow_(parent) {}

CDialog::~CDialog() {
  if (m_hWnd) DestroyWindow();
}

const MessageMap& CDialog::GetMessageMap() const {
  using H = Handlers<CDialog>;
  static const MessageMap map(&CWnd::GetMessageMap(), {
      H::Message(WM_INITDIALOG, &CDialog::OnInitDialogMessage),
      H::Command(IDOK, &CDialog::OnOkCommand),
      H::Command(IDCANCEL, &CDialog::OnCancelCommand),
  });
  return map;
}

BOOL CDialog::CreateDialogWindow(CWnd* parent, DWORD extraStyle) {
  const platform::ui::DialogTemplate* dialog = platform::ui::ResourceChain::FindDialog(templateId_);
  return dialog ? BuildFromTemplate(*dialog, parent, extraStyle) : FALSE;
}

BOOL CDialog::BuildFromTemplate(const platform::ui::DialogTemplate& dialog, CWnd* parent, DWORD extraStyle) {
  using namespace platform::ui;
  templateId_ = dialog.id;
  if (!dialogFont_.IsCreated()) dialogFont_.CreatePointFont(dialog.fontPoints * 10, std::string(dialog.fontFace).c_str());
  CRect rect(dialog.rect.x, dialog.rect.y, dialog.rect.x + dialog.rect.cx, dialog.rect.y + dialog.rect.cy);
  MapDialogRect(&rect);
  // Shown only once initialised, as the platform shows a dialog; a child
  // dialog (a property page) loses its frame.
  DWORD style = (dialog.style & ~WS_VISIBLE) | extraStyle;
  if (extraStyle & WS_CHILD) style &= ~(WS_POPUP | WS_CAPTION | WS_SYSMENU);
  if (!CWnd::Create(dialog.caption, style, rect, parent, 0)) return FALSE;
  SetFont(&dialogFont_, FALSE);
  for (const DialogItemTemplate& item : dialog.items) {
    std::unique_ptr<CWnd> control = MakeControl(item.kind);
    control->templateItem_ = &item;
    CRect itemRect(item.rect.x, item.rect.y, item.rect.x + item.rect.cx, item.rect.y + item.rect.cy);
    MapDialogRect(&itemRect);
    control->CreateWindowOf(item.kind, item.text, item.style | WS_CHILD, itemRect, this, static_cast<UINT>(item.id));
    standIns_.push_back(std::move(control));
  }
  return TRUE;
}

int CDialog::DoModal() {
  if (m_hWnd || !CreateDialogWindow(parentWindow_, 0)) return -1;
  modal_ = true;
  ended_ = false;
  result_ = IDCANCEL;
  SendMessage(WM_INITDIALOG);
  if (!ended_) {
    ShowWindow(SW_SHOW);
    RunModalLoop();
  }
  DestroyWindow();
  modal_ = false;
  return result_;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  templateId_ = templateId;
  parentWindow_ = parent;
  if (m_hWnd || !CreateDialogWindow(parent, 0)) return FALSE;
  modal_ = false;
  ended_ = false;
  SendMessage(WM_INITDIALOG);
  ShowWindow(SW_SHOW);
  return TRUE;
}

void CDialog::EndDialog(int result) {
  result_ = result;
  ended_ = true;
}

LRESULT CDialog::OnInitDialogMessage(WPARAM, LPARAM) {
  const BOOL focusDefault = OnInitDialog();
  if (focusDefault) {
    const std::vector<CWnd*> stops = TabStops();
    if (!stops.empty()) stops.front()->SetFocus();
  }
  return focusDefault;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx{saveAndValidate, this};
  DoDataExchange(&dx);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
  if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    CWnd* cancel = GetDlgItem(IDCANCEL);
    return SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel ? cancel->m_hWnd : nullptr));
  }
  return CWnd::DefWindowProc(message, wParam, lParam);
}

int CDialog::RunModalLoop() {
  using namespace platform::ui;
  Automation::Turn(*this, ModalTurn::Started);
  while (!ended_ && m_hWnd) {
    // Sent messages go before posted ones; their senders are waiting.
    if (MessageQueue::ServeSent()) continue;
    MSG msg;
    if (MessageQueue::TakePosted(msg) || MessageQueue::TakeDueTimer(CurrentClock().Now(), msg)) {
      DispatchMessage(msg);
      continue;
    }
    const auto before = std::make_tuple(MessageQueue::Activity(), CurrentClock().Now());
    Automation::Turn(*this, ModalTurn::Idle);
    if (ended_ || !m_hWnd) break;
    if (before != std::make_tuple(MessageQueue::Activity(), CurrentClock().Now())) continue;
    if (!WaitForWork()) EndDialog(IDCANCEL);
  }
  return result_;
}

bool CDialog::WaitForWork() {
  using namespace platform::ui;
  // A timer is something to wait for only when time passes by itself.
  const std::optional<Millis> nextTimer = MessageQueue::NextTimerDue();
  const std::optional<Millis> deadline = CurrentClock().Runs() ? nextTimer : std::nullopt;
  // With pixels, the user can always act: the backend pumps its own events.
  if (Backend* backend = CurrentBackend()) return backend->WaitForWork(deadline);
  return MessageQueue::WaitForWork(deadline);
}

namespace {

bool IsContainer(const CWnd& w) { return !w.IsControl() && !w.Children().empty(); }

void CollectTabStops(const CWnd& parent, std::vector<CWnd*>& stops) {
  for (CWnd* child : parent.Children()) {
    if (!child->IsWindowVisible() || !child->IsWindowEnabled()) continue;
    if (IsContainer(*child))
      CollectTabStops(*child, stops);
    else if (child->GetStyle() & WS_TABSTOP)
      stops.push_back(child);
  }
}

}  // namespace

std::vector<CWnd*> CDialog::TabStops() const {
  std::vector<CWnd*> stops;
  // During initialisation the dialog itself is still hidden; its controls
  // count as they will be shown.
  for (CWnd* child : Children()) {
    if (!(child->GetStyle() & WS_VISIBLE) || !child->IsWindowEnabled()) continue;
    if (IsContainer(*child))
      CollectTabStops(*child, stops);
    else if (child->GetStyle() & WS_TABSTOP)
      stops.push_back(child);
  }
  return stops;
}

void CDialog::GotoDlgCtrl(CWnd* control) {
  if (!control) return;
  control->SetFocus();
  // Tabbing into a text field selects all of it.
  if (control->Kind() == platform::ui::ControlKind::Edit) control->SendMessage(EM_SETSEL, 0, -1);
}

void CDialog::NextDlgCtrl() {
  const std::vector<CWnd*> stops = TabStops();
  if (stops.empty()) return;
  auto it = std::find(stops.begin(), stops.end(), GetFocus());
  GotoDlgCtrl(it == stops.end() || it + 1 == stops.end() ? stops.front() : *(it + 1));
}

void CDialog::PrevDlgCtrl() {
  const std::vector<CWnd*> stops = TabStops();
  if (stops.empty()) return;
  auto it = std::find(stops.begin(), stops.end(), GetFocus());
  GotoDlgCtrl(it == stops.end() || it == stops.begin() ? stops.back() : *(it - 1));
}

CWnd* CDialog::DefaultButton() const {
  // A focused push button is the default while it has the focus.
  if (auto* focused = dynamic_cast<CButton*>(GetFocus()); focused && focused->IsChildOf(this) &&
                                                            focused->ButtonType() <= BS_DEFPUSHBUTTON)
    return focused;
  for (CWnd* child : Children())
    if (auto* button = dynamic_cast<CButton*>(child); button && button->ButtonType() == BS_DEFPUSHBUTTON) return button;
  return GetDlgItem(IDOK);
}

BOOL CDialog::IsDialogMessage(MSG* msg) {
  if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_CHAR)) return FALSE;
  CWnd* target = FromHandle(msg->hwnd);
  const LRESULT wants = target ? target->SendMessage(WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg)) : 0;
  if (wants & DLGC_WANTALLKEYS) return FALSE;
  const bool keyDown = msg->message == WM_KEYDOWN;
  const WPARAM key = msg->wParam;
  const bool tab = keyDown ? key == VK_TAB : key == '\t';
  const bool enter = keyDown ? key == VK_RETURN : key == '\r';
  const bool escape = keyDown ? key == VK_ESCAPE : key == 0x1B;
  if (tab && (wants & DLGC_WANTTAB)) return FALSE;
  if (!tab && !enter && !escape) return FALSE;
  // The character that follows a handled key is swallowed.
  if (!keyDown) return TRUE;
  if (tab) {
    if (GetKeyState(static_cast<int>(VK_SHIFT)) < 0)
      PrevDlgCtrl();
    else
      NextDlgCtrl();
  } else {
    CWnd* button = enter ? DefaultButton() : GetDlgItem(IDCANCEL);
    const int id = enter ? (button ? button->GetDlgCtrlID() : IDOK) : IDCANCEL;
    if (button && !button->IsWindowEnabled()) return TRUE;
    SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED),
                reinterpret_cast<LPARAM>(button ? button->m_hWnd : nullptr));
  }
  return TRUE;
}
