#include "platform/ui/Wnd.h"

#include <algorithm>

#include "platform/ui/Backend.h"
#include "platform/ui/Font.h"
#include "platform/ui/MessageQueue.h"

namespace {

// Window state that belongs to a thread, as the platform keeps it per
// thread: the focus, the dispatch observer and the keyboard modifiers.
struct ThreadState {
  CWnd* focus = nullptr;
  int sendDepth = 0;
  platform::ui::DispatchObserver observer;
  bool shift = false;
  bool control = false;
  HWND mouseLeaveTarget = nullptr;
  // Set while an object's destructor takes its window down: the window's
  // tree then holds objects half destroyed, which must not be checked.
  int observerMuted = 0;
};

ThreadState& State() {
  thread_local ThreadState state;
  return state;
}

void Observe(CWnd& window, const MSG& msg) {
  if (State().observerMuted) return;
  // Copied: the observer may replace itself.
  if (auto observer = State().observer) observer(window, msg);
}

}  // namespace

namespace platform::ui {

void SetDispatchObserver(DispatchObserver observer) { State().observer = std::move(observer); }

LRESULT DispatchMessage(const MSG& msg) {
  CWnd* window = CWnd::FromHandle(msg.hwnd);
  if (!window) return 0;
  const LRESULT result = window->WindowProc(msg.message, msg.wParam, msg.lParam);
  // The handler may have destroyed the window (a dialog ending itself).
  if (CWnd* still = CWnd::FromHandle(msg.hwnd)) Observe(*still, msg);
  return result;
}

void SetModifierKeys(bool shift, bool control) {
  State().shift = shift;
  State().control = control;
}

}  // namespace platform::ui

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track) {
  if (!track) return FALSE;
  if (track->dwFlags & TME_CANCEL) {
    if (State().mouseLeaveTarget == track->hwndTrack) State().mouseLeaveTarget = nullptr;
  } else if (track->dwFlags & TME_LEAVE) {
    State().mouseLeaveTarget = track->hwndTrack;
  }
  return TRUE;
}

short GetKeyState(int virtualKey) {
  // The high bit marks a key that is down.
  constexpr short kDown = static_cast<short>(0x8000);
  if (virtualKey == static_cast<int>(VK_SHIFT)) return State().shift ? kDown : 0;
  if (virtualKey == static_cast<int>(VK_CONTROL)) return State().control ? kDown : 0;
  return 0;
}

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return platform::ui::MessageQueue::Post(hwnd, message, wParam, lParam) ? TRUE : FALSE;
}

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (CWnd* window = CWnd::FromHandle(hwnd)) return window->SendMessage(message, wParam, lParam);
  return hwnd ? platform::ui::MessageQueue::SendAcross(hwnd, message, wParam, lParam) : 0;
}

namespace platform::ui {
// The window asked for WM_MOUSELEAVE (read by the automation when the
// mouse moves off it); the request is used up by the leave message.
HWND TakeMouseLeaveTarget(HWND leaving) {
  if (State().mouseLeaveTarget != leaving) return nullptr;
  State().mouseLeaveTarget = nullptr;
  return leaving;
}
}  // namespace platform::ui

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (!m_hWnd) return;
  ++State().observerMuted;
  DestroyWindow();
  --State().observerMuted;
}

CWnd* CWnd::FromHandle(HWND hwnd) { return hwnd ? platform::ui::MessageQueue::Lookup(hwnd) : nullptr; }

const MessageMap& CWnd::GetMessageMap() const {
  static const MessageMap map(nullptr, {});
  return map;
}

BOOL CWnd::CreateWindowOf(platform::ui::ControlKind kind, std::string_view text, DWORD style, const CRect& rect,
                          CWnd* parent, UINT id) {
  kind_ = kind;
  hasKind_ = true;
  return Create(text, style, rect, parent, id);
}

BOOL CWnd::Create(std::string_view text, DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  if (m_hWnd) return FALSE;
  text_ = text;
  style_ = style;
  rect_ = rect;
  id_ = id;
  parent_ = parent;
  if (parent && (style & WS_CHILD)) {
    parent->children_.push_back(this);
    if (!font_) font_ = parent->font_;
  }
  AttachHandle();
  SendMessage(WM_CREATE);
  OnWindowCreated();
  platform::ui::NotifyCreated(*this);
  return TRUE;
}

void CWnd::AttachHandle() { m_hWnd = platform::ui::MessageQueue::Register(this); }

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  if (m_hWnd || !parent) return FALSE;
  auto owned = std::find_if(parent->standIns_.begin(), parent->standIns_.end(),
                            [id](const std::unique_ptr<CWnd>& w) { return w->id_ == id && w->m_hWnd; });
  if (owned == parent->standIns_.end()) return FALSE;
  std::unique_ptr<CWnd> standIn = std::move(*owned);
  parent->standIns_.erase(owned);

  id_ = standIn->id_;
  hasKind_ = standIn->hasKind_;
  kind_ = standIn->kind_;
  templateItem_ = standIn->templateItem_;
  text_ = standIn->text_;
  style_ = standIn->style_;
  exStyle_ = standIn->exStyle_;
  rect_ = standIn->rect_;
  font_ = standIn->font_;
  parent_ = parent;
  TakeStateFrom(*standIn);

  std::replace(parent->children_.begin(), parent->children_.end(), standIn.get(), this);
  if (State().focus == standIn.get()) State().focus = this;
  m_hWnd = standIn->m_hWnd;
  platform::ui::MessageQueue::Rebind(m_hWnd, this);
  standIn->m_hWnd = nullptr;
  standIn->parent_ = nullptr;
  OnWindowCreated();
  // Same handle, another object: what it shows may differ (owner-drawn).
  platform::ui::NotifyChanged(*this, platform::ui::WindowChange::State);
  return TRUE;
}

void CWnd::TakeStateFrom(CWnd&) {}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  SendMessage(WM_DESTROY);
  DestroyTree();
  platform::ui::NotifyDestroyed(*this);
  if (State().focus == this) State().focus = nullptr;
  platform::ui::MessageQueue::Unregister(m_hWnd);
  m_hWnd = nullptr;
  Unlink();
  return TRUE;
}

void CWnd::DestroyTree() {
  // Copied: each child unlinks itself.
  const std::vector<CWnd*> children = children_;
  for (CWnd* child : children) child->DestroyWindow();
  standIns_.clear();
}

void CWnd::Unlink() {
  if (parent_) std::erase(parent_->children_, this);
  parent_ = nullptr;
}

CWnd* CWnd::GetTopLevelParent() {
  CWnd* w = this;
  while ((w->style_ & WS_CHILD) && w->parent_) w = w->parent_;
  return w;
}

CWnd* CWnd::GetDlgItem(int id) const {
  for (CWnd* child : children_)
    if (static_cast<int>(child->id_) == id) return child;
  return nullptr;
}

bool CWnd::IsChildOf(const CWnd* ancestor) const {
  for (const CWnd* w = parent_; w; w = w->parent_)
    if (w == ancestor) return true;
  return false;
}

void CWnd::SetWindowText(std::string_view text) {
  const std::string copy(text);
  if (m_hWnd)
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
  else
    text_ = copy;
}

std::string CWnd::GetWindowText() const { return text_; }

int CWnd::GetWindowTextLength() const { return static_cast<int>(text_.size()); }

void CWnd::SetDlgItemText(int id, std::string_view text) {
  if (CWnd* item = GetDlgItem(id)) item->SetWindowText(text);
}

std::string CWnd::GetDlgItemText(int id) const {
  const CWnd* item = GetDlgItem(id);
  return item ? item->GetWindowText() : std::string();
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) {
  const DWORD before = style_;
  style_ = (style_ & ~remove) | add;
  if (style_ == before) return FALSE;
  platform::ui::NotifyChanged(*this, platform::ui::WindowChange::Style);
  return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add) {
  const DWORD before = exStyle_;
  exStyle_ = (exStyle_ & ~remove) | add;
  if (exStyle_ == before) return FALSE;
  platform::ui::NotifyChanged(*this, platform::ui::WindowChange::Style);
  return TRUE;
}

BOOL CWnd::ShowWindow(int command) {
  const bool wasVisible = (style_ & WS_VISIBLE) != 0;
  const bool show = command != SW_HIDE;
  if (show == wasVisible) return wasVisible;
  ModifyStyle(show ? 0 : WS_VISIBLE, show ? WS_VISIBLE : 0);
  // A hidden window cannot keep the focus.
  if (!show && State().focus && (State().focus == this || State().focus->IsChildOf(this))) State().focus = nullptr;
  if (m_hWnd) SendMessage(WM_SHOWWINDOW, show ? TRUE : FALSE);
  platform::ui::NotifyChanged(*this, platform::ui::WindowChange::Visibility);
  Invalidate();
  return wasVisible;
}

bool CWnd::IsWindowVisible() const {
  for (const CWnd* w = this; w; w = (w->style_ & WS_CHILD) ? w->parent_ : nullptr)
    if (!(w->style_ & WS_VISIBLE)) return false;
  return true;
}

BOOL CWnd::EnableWindow(BOOL enable) {
  const bool wasDisabled = !IsWindowEnabled();
  if (wasDisabled == !enable) return wasDisabled;
  ModifyStyle(enable ? WS_DISABLED : 0, enable ? 0 : WS_DISABLED);
  if (!enable && State().focus == this) State().focus = nullptr;
  if (m_hWnd) SendMessage(WM_ENABLE, enable ? TRUE : FALSE);
  platform::ui::NotifyChanged(*this, platform::ui::WindowChange::Enabled);
  Invalidate();
  return wasDisabled;
}

CWnd* CWnd::SetFocus() {
  CWnd* old = State().focus;
  if (!m_hWnd || old == this) return old;
  if (old && old->m_hWnd) old->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(this));
  State().focus = this;
  SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(old && old->m_hWnd ? old : nullptr));
  platform::ui::NotifyChanged(*this, platform::ui::WindowChange::Focus);
  return old;
}

CWnd* CWnd::GetFocus() { return State().focus; }

void CWnd::GetWindowRect(CRect* rect) const {
  if (rect) *rect = rect_;
}

void CWnd::GetClientRect(CRect* rect) const {
  if (rect) *rect = CRect(0, 0, rect_.Width(), rect_.Height());
}

void CWnd::MoveWindow(const CRect& rect, BOOL repaint) {
  rect_ = rect;
  platform::ui::NotifyChanged(*this, platform::ui::WindowChange::Rect);
  if (m_hWnd) SendMessage(WM_SIZE, 0, MAKELPARAM(static_cast<unsigned>(rect.Width()), static_cast<unsigned>(rect.Height())));
  if (repaint) Invalidate();
}

void CWnd::MapDialogRect(CRect* rect) const {
  if (!rect) return;
  using namespace platform::ui;
  *rect = CRect(PixelsFromUnitsX(rect->left), PixelsFromUnitsY(rect->top), PixelsFromUnitsX(rect->right),
                PixelsFromUnitsY(rect->bottom));
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
  if (m_hWnd)
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
  else
    font_ = font;
}

CFont* CWnd::GetFont() const { return font_; }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!m_hWnd) return 0;
  const HWND self = m_hWnd;
  using platform::ui::MessageQueue;
  if (!MessageQueue::IsOwn(self)) return MessageQueue::SendAcross(self, message, wParam, lParam);
  ThreadState& state = State();
  ++state.sendDepth;
  const LRESULT result = WindowProc(message, wParam, lParam);
  --state.sendDepth;
  if (state.sendDepth == 0)
    if (CWnd* still = FromHandle(self)) Observe(*still, MSG{self, message, wParam, lParam});
  return result;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* item = GetDlgItem(id);
  return item ? item->SendMessage(message, wParam, lParam) : 0;
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs, void*) {
  if (!m_hWnd || id == 0) return 0;
  platform::ui::MessageQueue::SetTimer(m_hWnd, id, elapseMs);
  return id;
}

BOOL CWnd::KillTimer(UINT_PTR id) { return m_hWnd && platform::ui::MessageQueue::KillTimer(m_hWnd, id); }

void CWnd::Invalidate(BOOL) {
  ++paintRequests_;
  platform::ui::NotifyChanged(*this, platform::ui::WindowChange::State);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const MSG saved = current_;
  current_ = MSG{m_hWnd, message, wParam, lParam};
  LRESULT result = 0;
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) result = DefWindowProc(message, wParam, lParam);
  } else if (message == WM_NOTIFY) {
    if (!OnNotify(wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  } else if (const MessageEntry* entry = GetMessageMap().FindMessage(message)) {
    result = entry->call(*this, wParam, lParam);
  } else {
    result = DefWindowProc(message, wParam, lParam);
  }
  current_ = saved;
  return result;
}

LRESULT CWnd::Default() { return DefWindowProc(current_.message, current_.wParam, current_.lParam); }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      text_ = lParam ? reinterpret_cast<const char*>(lParam) : "";
      platform::ui::NotifyChanged(*this, platform::ui::WindowChange::Text);
      Invalidate();
      return TRUE;
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(text_.size());
    case WM_SETFONT:
      font_ = reinterpret_cast<CFont*>(wParam);
      platform::ui::NotifyChanged(*this, platform::ui::WindowChange::Font);
      if (lParam) Invalidate();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_RBUTTONUP:
      // The platform turns a right-button release into a context-menu
      // request, which climbs to the parent when the control ignores it.
      return SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd), lParam);
    case WM_CONTEXTMENU:
      if ((style_ & WS_CHILD) && parent_) return parent_->SendMessage(WM_CONTEXTMENU, wParam, lParam);
      return 0;
    case WM_DRAWITEM:
      return ReflectDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return 0;  // no brush: the toolkit's own colours
    default:
      return 0;
  }
}

// The platform hands an owner-drawn control's drawing to its parent, whose
// default is to give it back to the control.
BOOL CWnd::ReflectDrawItem(DRAWITEMSTRUCT* draw) {
  CWnd* control = draw ? FromHandle(draw->hwndItem) : nullptr;
  if (!control || control == this) return FALSE;
  control->DrawItem(draw);
  return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (CWnd* child = FromHandle(reinterpret_cast<HWND>(lParam)); child && child != this) {
    LRESULT ignored = 0;
    if (child->OnChildNotify(WM_COMMAND, wParam, lParam, &ignored)) return TRUE;
  }
  return DispatchCommand(wParam, lParam);
}

BOOL CWnd::DispatchCommand(WPARAM wParam, LPARAM lParam) {
  const MessageEntry* entry = GetMessageMap().FindCommand(MessageEntry::Kind::Command, HIWORD(wParam), LOWORD(wParam));
  if (!entry) return FALSE;
  entry->call(*this, wParam, lParam);
  return TRUE;
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (!header) return FALSE;
  if (CWnd* child = FromHandle(header->hwndFrom); child && child != this)
    if (child->OnChildNotify(WM_NOTIFY, wParam, lParam, result)) return TRUE;
  return DispatchNotify(wParam, lParam, result);
}

BOOL CWnd::DispatchNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  const MessageEntry* entry =
      GetMessageMap().FindCommand(MessageEntry::Kind::Notify, header->code, static_cast<UINT>(header->idFrom));
  if (!entry) return FALSE;
  const LRESULT value = entry->call(*this, wParam, lParam);
  if (result) *result = value;
  return TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const MessageEntry* entry = nullptr;
  if (message == WM_COMMAND)
    entry = GetMessageMap().FindCommand(MessageEntry::Kind::ReflectCommand, HIWORD(wParam), 0);
  else if (message == WM_NOTIFY && lParam)
    entry = GetMessageMap().FindCommand(MessageEntry::Kind::ReflectNotify, reinterpret_cast<const NMHDR*>(lParam)->code, 0);
  if (!entry) return FALSE;
  const LRESULT value = entry->call(*this, wParam, lParam);
  if (result) *result = value;
  return TRUE;
}

void CWnd::NotifyParent(UINT code) {
  if (parent_ && m_hWnd)
    parent_->SendMessage(WM_COMMAND, MAKEWPARAM(id_, code), reinterpret_cast<LPARAM>(m_hWnd));
}

void CWnd::CheckInvariants(std::vector<std::string>& problems) const {
  for (const CWnd* child : children_) {
    if (child->parent_ != this) problems.push_back("child " + std::to_string(child->id_) + " does not name its parent");
    if (!child->m_hWnd) problems.push_back("child " + std::to_string(child->id_) + " has no window");
  }
}
