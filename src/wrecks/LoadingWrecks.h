#pragma once
// The modal progress dialog behind which the wreck database is loaded on a
// worker thread. It reads the stored search settings into the search list,
// starts the thread, and closes with OK exactly when the thread's
// "UM_END_THREAD" arrives.

#include "controls/ColourDialogEx.h"
#include "frame/Api.h"
#include "platform/ui/Toolkit.h"

class CWreckList;
class CWreckThread;

class OVERLAYS_API CLoadingWrecks : public CColourDialogEx {
 public:
  explicit CLoadingWrecks(CWnd* parent = nullptr);
  ~CLoadingWrecks() override;

  void SetData(CWreckList* wrecks, CWreckList* searchList);
  BOOL OnInitDialog() override;
  LRESULT OnEndThread(WPARAM, LPARAM);

  const CFont& TextFont() const { return font_; }
  const MessageMap& GetMessageMap() const override;

 private:
  CStatic loadingText_;
  CStatic waitText_;
  CFont font_;
  CWreckList* wrecks_ = nullptr;
  CWreckList* searchList_ = nullptr;
  CWreckThread* thread_ = nullptr;  // deletes itself when it ends
};
