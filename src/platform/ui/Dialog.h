#pragma once
// CDialog: a window built from a dialog template (or, for a property
// sheet, by code), modal or modeless. DoModal initialises it (OnInitDialog),
// shows it and runs the message loop until EndDialog: messages sent from
// other threads first, then posted messages (also from worker threads),
// then due timers, then an idle turn for the automation hook. OK and Cancel end it through OnOK and OnCancel; Enter,
// Escape and Tab work as the dialog keyboard interface defines.
//
// Headless, a modal loop that nothing can wake any more (no hook acting,
// no posted or sent message, no live worker thread, no timer that time
// will reach) ends with IDCANCEL, as if the user had closed it. With a
// backend (Backend.h) the loop waits on the backend instead, which pumps
// its own events, since a user can always act.

#include <memory>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/Font.h"
#include "platform/ui/Wnd.h"

class CDialog;

// Data exchange between a dialog and its members (controls attached).
struct CDataExchange {
  BOOL m_bSaveAndValidate = FALSE;
  CDialog* m_pDlgWnd = nullptr;
};
// Attaches `control` to the template control `id` the first time.
OVERLAYS_API void DDX_Control(CDataExchange* dx, int id, CWnd& control);

class OVERLAYS_API CDialog : public CWnd {
 public:
  CDialog();
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  virtual int DoModal();
  // Modeless: built, initialised and shown; it lives until DestroyWindow.
  BOOL Create(UINT templateId, CWnd* parent = nullptr);
  void EndDialog(int result);
  bool IsEnded() const { return ended_; }
  int Result() const { return result_; }
  bool IsModal() const { return modal_; }
  UINT TemplateId() const { return templateId_; }

  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  void GotoDlgCtrl(CWnd* control);
  void NextDlgCtrl();
  void PrevDlgCtrl();
  // The dialog keyboard: Tab, Enter and Escape; true when it took the key.
  BOOL IsDialogMessage(MSG* msg);

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  virtual void DoDataExchange(CDataExchange* dx);

  const MessageMap& GetMessageMap() const override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // Makes the window and its controls; false when there is no template.
  virtual BOOL CreateDialogWindow(CWnd* parent, DWORD extraStyle);
  BOOL BuildFromTemplate(const platform::ui::DialogTemplate& dialog, CWnd* parent, DWORD extraStyle);
  // Runs the message loop until EndDialog; the result.
  int RunModalLoop();
  void SetTemplateId(UINT id) { templateId_ = id; }
  CWnd* ParentWindow() const { return parentWindow_; }
  // The dialog's template font (the face and size of its template).
  CFont dialogFont_;

 private:
  LRESULT OnInitDialogMessage(WPARAM, LPARAM);
  void OnOkCommand() { OnOK(); }
  void OnCancelCommand() { OnCancel(); }
  // Waits for something that can wake the loop; false when nothing can.
  bool WaitForWork();
  std::vector<CWnd*> TabStops() const;
  CWnd* DefaultButton() const;

  UINT templateId_ = 0;
  CWnd* parentWindow_ = nullptr;
  bool modal_ = false;
  bool ended_ = false;
  int result_ = IDCANCEL;
};
