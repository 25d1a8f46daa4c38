#pragma once
// CWnd: a window without pixels. It has an id, a class of control, text,
// style bits, visibility, enabled state, a rectangle (pixels, in its
// parent's client coordinates), a parent and children, a font, and a
// message-to-handler table. Messages arrive through SendMessage (at once,
// and always on the window's own thread: from another thread the caller
// waits while that thread carries it out) or PostMessage (queued for the
// owning thread's message loop, from any thread).
//
// A C++ object and its window have separate lives, as on the original
// platform: a dialog's member controls exist before the dialog's window and
// are attached to the template's controls by SubclassDlgItem; destroying a
// window leaves the object, and destroying the object destroys its window.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/MessageMap.h"
#include "platform/ui/WinConstants.h"

class CDC;
class CFont;
class CMenu;

// The header of every WM_NOTIFY notification.
struct NMHDR {
  HWND hwndFrom = nullptr;
  UINT_PTR idFrom = 0;
  UINT code = 0;
};

// What an owner-drawn control, or menu item, is asked to draw (WM_DRAWITEM).
struct DRAWITEMSTRUCT {
  UINT CtlType = ODT_MENU;
  UINT CtlID = 0;
  UINT itemID = 0;
  UINT itemAction = 0;
  UINT itemState = 0;  // ODS_*
  HWND hwndItem = nullptr;
  CDC* pDC = nullptr;
  CRect rcItem;
  UINT_PTR itemData = 0;
};

struct TRACKMOUSEEVENT {
  DWORD dwFlags = 0;
  HWND hwndTrack = nullptr;
};

class OVERLAYS_API CWnd {
 public:
  CWnd();
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  // The object behind a handle of this thread, or null.
  static CWnd* FromHandle(HWND hwnd);

  // Creation of a child control (or a top-level window when parent is null).
  BOOL CreateWindowOf(platform::ui::ControlKind kind, std::string_view text, DWORD style, const CRect& rect,
                      CWnd* parent, UINT id);
  BOOL Create(std::string_view text, DWORD style, const CRect& rect, CWnd* parent, UINT id);
  // Takes over the template control `id` of `parent`: this object gets its
  // place, state and handle, and the stand-in object that the template
  // created is released. False when there is no such control.
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  virtual BOOL DestroyWindow();
  bool IsWindow() const { return m_hWnd != nullptr; }

  // Tree.
  CWnd* GetParent() const { return parent_; }
  CWnd* GetTopLevelParent();
  CWnd* GetDlgItem(int id) const;
  const std::vector<CWnd*>& Children() const { return children_; }
  int GetDlgCtrlID() const { return id_; }
  void SetDlgCtrlID(int id) { id_ = id; }
  bool IsChildOf(const CWnd* ancestor) const;

  // Class and template.
  platform::ui::ControlKind Kind() const { return kind_; }
  bool IsControl() const { return hasKind_; }
  // The template item this window was made from, if any.
  const platform::ui::DialogItemTemplate* TemplateItem() const { return templateItem_; }

  // Text (Windows-1252).
  void SetWindowText(std::string_view text);
  std::string GetWindowText() const;
  int GetWindowTextLength() const;
  void SetDlgItemText(int id, std::string_view text);
  std::string GetDlgItemText(int id) const;

  // Style bits.
  DWORD GetStyle() const { return style_; }
  DWORD GetExStyle() const { return exStyle_; }
  BOOL ModifyStyle(DWORD remove, DWORD add);
  BOOL ModifyStyleEx(DWORD remove, DWORD add);

  // Visibility, enabled state and focus.
  BOOL ShowWindow(int command);
  // Visible itself and every ancestor visible.
  bool IsWindowVisible() const;
  BOOL EnableWindow(BOOL enable = TRUE);
  bool IsWindowEnabled() const { return (style_ & WS_DISABLED) == 0; }
  CWnd* SetFocus();
  static CWnd* GetFocus();

  // Geometry (pixels). The window rectangle is in the parent's client
  // coordinates; the client rectangle starts at 0,0.
  void GetWindowRect(CRect* rect) const;
  void GetClientRect(CRect* rect) const;
  void MoveWindow(const CRect& rect, BOOL repaint = TRUE);
  void MapDialogRect(CRect* rect) const;

  // Font descriptor (not owned).
  void SetFont(CFont* font, BOOL redraw = TRUE);
  CFont* GetFont() const;

  // Messages.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs, void* unused = nullptr);
  BOOL KillTimer(UINT_PTR id);

  // Redrawing is counted, and told to the backend, which repaints.
  void Invalidate(BOOL erase = TRUE);
  void RedrawWindow() { Invalidate(); }
  void UpdateWindow() {}
  int PaintRequests() const { return paintRequests_; }

  // The message being handled (for handlers that pass it on).
  UINT CurrentMessage() const { return current_.message; }

  // Overridables.
  virtual const MessageMap& GetMessageMap() const;
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The control's built-in behaviour for messages no handler took.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Input on its way to this window or a descendant; true swallows it.
  virtual BOOL PreTranslateMessage(MSG* msg);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  // A notification of this control, offered to it before its parent.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // What a backend, a screen reader or the automation reads of a control
  // that shows rows (list, combo and tab entries), the selected row (-1 for
  // none), and what a user's click (or double-click) on a row does; false
  // when the control has no rows.
  virtual std::vector<std::string> AccessibleRows() const { return {}; }
  virtual int AccessibleSelection() const { return -1; }
  virtual bool ChooseRowByUser(int, bool) { return false; }
  // An owner-drawn control draws one of its items (its own face for a
  // button, a caption for a header): the parent's WM_DRAWITEM reflected.
  virtual void DrawItem(DRAWITEMSTRUCT*) {}
  // Problems with this control's state, for the invariant checker: each
  // control class states what must always hold of it.
  virtual void CheckInvariants(std::vector<std::string>& problems) const;

 protected:
  // Passes the current message to DefWindowProc.
  LRESULT Default();
  // Sends WM_COMMAND with this control's id and `code` to the parent.
  void NotifyParent(UINT code);
  // Called once the window exists (after creation or subclassing).
  virtual void OnWindowCreated() {}
  // Takes kind-specific state from the stand-in a template created.
  virtual void TakeStateFrom(CWnd& standIn);

 private:
  friend class CDialog;
  friend class CPropertySheet;
  void AttachHandle();
  void Unlink();
  void DestroyTree();
  BOOL DispatchCommand(WPARAM wParam, LPARAM lParam);
  BOOL DispatchNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  BOOL ReflectDrawItem(DRAWITEMSTRUCT* draw);

  UINT id_ = 0;
  bool hasKind_ = false;
  platform::ui::ControlKind kind_ = platform::ui::ControlKind::Static;
  const platform::ui::DialogItemTemplate* templateItem_ = nullptr;
  std::string text_;
  DWORD style_ = 0;
  DWORD exStyle_ = 0;
  CRect rect_;
  CFont* font_ = nullptr;
  CWnd* parent_ = nullptr;
  std::vector<CWnd*> children_;
  // Children the window system made from a template, owned until a module
  // object subclasses them or the parent is destroyed.
  std::vector<std::unique_ptr<CWnd>> standIns_;
  int paintRequests_ = 0;
  MSG current_{};
};

// The window that receives WM_MOUSELEAVE when the mouse leaves it.
OVERLAYS_API BOOL TrackMouseEvent(TRACKMOUSEEVENT* track);
// Modifier keys as the last input left them (the automation sets them).
OVERLAYS_API short GetKeyState(int virtualKey);
// The same for a handle, from any thread; 0 or FALSE when the window is
// gone.
OVERLAYS_API BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
OVERLAYS_API LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

namespace platform::ui {

// Called after every message dispatched from a loop and after every
// outermost SendMessage, with the window that handled it; the control
// invariant checker hangs here. One observer per thread.
using DispatchObserver = std::function<void(CWnd& window, const MSG& msg)>;
OVERLAYS_API void SetDispatchObserver(DispatchObserver observer);

// Delivers a message taken from the queue to its window (dropped, 0, when
// the window is gone) and tells the observer; the handler's result.
OVERLAYS_API LRESULT DispatchMessage(const MSG& msg);

// Modifier keys held during the input being delivered (the automation sets
// them; GetKeyState reads them).
OVERLAYS_API void SetModifierKeys(bool shift, bool control);

// The window that asked (TrackMouseEvent) to hear that the mouse left it,
// when that is `leaving`; the request is used up. Null otherwise.
OVERLAYS_API HWND TakeMouseLeaveTarget(HWND leaving);

}  // namespace platform::ui
