#pragma once
// Message-to-handler tables. Each window class lists, in one static table,
// which message, command or notification goes to which member function; a
// table points at its base class's table, and dispatch walks from the most
// derived class up. Handlers are named explicitly in the table; nothing is
// looked up by name.
//
//   const MessageMap& CMyDlg::GetMessageMap() const {
//     using H = Handlers<CMyDlg>;
//     static const MessageMap map(&CDialog::GetMessageMap(), {
//         H::Command(IDC_FIND, &CMyDlg::OnFind),
//         H::Registered(UM_END_THREAD, &CMyDlg::OnEndThread),
//         H::Timer(&CMyDlg::OnTimer),
//     });
//     return map;
//   }

#include <functional>
#include <initializer_list>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/WinConstants.h"

class CWnd;
class CDC;
class CBrush;
struct NMHDR;

struct MessageEntry {
  enum class Kind {
    Message,        // a window message in [message, messageLast]
    Registered,     // a registered message, read from its static at dispatch
    Command,        // WM_COMMAND with a code and an id range
    Notify,         // WM_NOTIFY with a code and an id range
    ReflectCommand, // a child's own WM_COMMAND code, reflected back to it
    ReflectNotify,  // a child's own WM_NOTIFY code, reflected back to it
  };
  Kind kind = Kind::Message;
  UINT message = 0;
  UINT messageLast = 0;
  const UINT* registered = nullptr;
  UINT code = 0;
  UINT idFirst = 0;
  UINT idLast = 0;
  std::function<LRESULT(CWnd&, WPARAM, LPARAM)> call;
};

class OVERLAYS_API MessageMap {
 public:
  MessageMap(const MessageMap* base, std::initializer_list<MessageEntry> entries)
      : base_(base), entries_(entries) {}
  // The entry for a message, searching this table and then its bases.
  const MessageEntry* FindMessage(UINT message) const;
  const MessageEntry* FindCommand(MessageEntry::Kind kind, UINT code, UINT id) const;

 private:
  const MessageMap* base_;
  std::vector<MessageEntry> entries_;
};

// Builders of table entries for the handler shapes the toolkit knows.
template <class T>
struct Handlers {
  using Raw = LRESULT (T::*)(WPARAM, LPARAM);

  static MessageEntry Message(UINT message, Raw fn) { return Range(message, message, fn); }
  static MessageEntry Message(UINT message, void (T::*fn)()) {
    return Entry(MessageEntry::Kind::Message, message, message, [fn](T& t, WPARAM, LPARAM) {
      (t.*fn)();
      return LRESULT{0};
    });
  }
  static MessageEntry Range(UINT first, UINT last, Raw fn) {
    return Entry(MessageEntry::Kind::Message, first, last,
                 [fn](T& t, WPARAM w, LPARAM l) { return (t.*fn)(w, l); });
  }
  // A registered message; `message` is the static that holds its number.
  static MessageEntry Registered(const UINT& message, Raw fn) {
    MessageEntry e = Entry(MessageEntry::Kind::Registered, 0, 0,
                           [fn](T& t, WPARAM w, LPARAM l) { return (t.*fn)(w, l); });
    e.registered = &message;
    return e;
  }
  // Mouse messages: key flags and the point in client coordinates.
  static MessageEntry Mouse(UINT message, void (T::*fn)(UINT, CPoint)) {
    return Entry(MessageEntry::Kind::Message, message, message, [fn](T& t, WPARAM w, LPARAM l) {
      (t.*fn)(static_cast<UINT>(w), CPoint::FromLParam(l));
      return LRESULT{0};
    });
  }
  // Key and character messages: the key or character, repeat count, flags.
  static MessageEntry Key(UINT message, void (T::*fn)(UINT, UINT, UINT)) {
    return Entry(MessageEntry::Kind::Message, message, message, [fn](T& t, WPARAM w, LPARAM l) {
      (t.*fn)(static_cast<UINT>(w), static_cast<UINT>(l & 0xFFFF), static_cast<UINT>((l >> 16) & 0xFFFF));
      return LRESULT{0};
    });
  }
  // Focus gained or lost: the other window (may be null).
  static MessageEntry Focus(UINT message, void (T::*fn)(CWnd*)) {
    return Entry(MessageEntry::Kind::Message, message, message, [fn](T& t, WPARAM w, LPARAM) {
      (t.*fn)(reinterpret_cast<CWnd*>(w));
      return LRESULT{0};
    });
  }
  static MessageEntry Timer(void (T::*fn)(UINT_PTR)) {
    return Entry(MessageEntry::Kind::Message, WM_TIMER, WM_TIMER, [fn](T& t, WPARAM w, LPARAM) {
      (t.*fn)(w);
      return LRESULT{0};
    });
  }
  // Every control-colour request: the drawing context, the control asking
  // and its CTLCOLOR_* kind. A null brush keeps the toolkit's colours.
  static MessageEntry CtlColor(CBrush* (T::*fn)(CDC*, CWnd*, UINT)) {
    return Entry(MessageEntry::Kind::Message, WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC,
                 [fn](T& t, WPARAM w, LPARAM l) {
                   return reinterpret_cast<LRESULT>((t.*fn)(reinterpret_cast<CDC*>(w), reinterpret_cast<CWnd*>(l),
                                                            t.CurrentMessage() - WM_CTLCOLORMSGBOX));
                 });
  }
  // A command from a menu item or a button (BN_CLICKED).
  static MessageEntry Command(UINT id, void (T::*fn)()) { return Control(BN_CLICKED, id, fn); }
  static MessageEntry CommandRange(UINT first, UINT last, void (T::*fn)(UINT)) {
    MessageEntry e = Entry(MessageEntry::Kind::Command, 0, 0, [fn](T& t, WPARAM w, LPARAM) {
      (t.*fn)(LOWORD(w));
      return LRESULT{0};
    });
    e.code = BN_CLICKED;
    e.idFirst = first;
    e.idLast = last;
    return e;
  }
  // A control's WM_COMMAND notification (CBN_SELCHANGE, EN_CHANGE...).
  static MessageEntry Control(UINT code, UINT id, void (T::*fn)()) {
    MessageEntry e = Entry(MessageEntry::Kind::Command, 0, 0, [fn](T& t, WPARAM, LPARAM) {
      (t.*fn)();
      return LRESULT{0};
    });
    e.code = code;
    e.idFirst = e.idLast = id;
    return e;
  }
  static MessageEntry Notify(UINT code, UINT id, void (T::*fn)(NMHDR*, LRESULT*)) {
    MessageEntry e = Entry(MessageEntry::Kind::Notify, 0, 0, [fn](T& t, WPARAM, LPARAM l) {
      LRESULT result = 0;
      (t.*fn)(reinterpret_cast<NMHDR*>(l), &result);
      return result;
    });
    e.code = code;
    e.idFirst = e.idLast = id;
    return e;
  }
  // A control handling its own notification before its parent sees it.
  static MessageEntry Reflect(UINT code, void (T::*fn)()) {
    MessageEntry e = Entry(MessageEntry::Kind::ReflectCommand, 0, 0, [fn](T& t, WPARAM, LPARAM) {
      (t.*fn)();
      return LRESULT{0};
    });
    e.code = code;
    return e;
  }
  static MessageEntry NotifyReflect(UINT code, void (T::*fn)(NMHDR*, LRESULT*)) {
    MessageEntry e = Entry(MessageEntry::Kind::ReflectNotify, 0, 0, [fn](T& t, WPARAM, LPARAM l) {
      LRESULT result = 0;
      (t.*fn)(reinterpret_cast<NMHDR*>(l), &result);
      return result;
    });
    e.code = code;
    return e;
  }

 private:
  template <class F>
  static MessageEntry Entry(MessageEntry::Kind kind, UINT first, UINT last, F f) {
    MessageEntry e;
    e.kind = kind;
    e.message = first;
    e.messageLast = last;
    e.call = [f](CWnd& w, WPARAM wp, LPARAM lp) { return f(static_cast<T&>(w), wp, lp); };
    return e;
  }
};
