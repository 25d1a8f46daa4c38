#pragma once
// The worker thread that loads the wreck database into the host's wreck
// list while the loading dialog waits. It runs once, posts "UM_END_THREAD"
// to its owner as its very last act in every case, and deletes itself.
// The dialog does not touch the list until that message arrives, so no
// lock is needed.

#include "frame/Api.h"
#include "platform/ui/Toolkit.h"

class CWreckList;

class OVERLAYS_API CWreckThread : public CWinThread {
 public:
  BOOL InitInstance() override;
  // 1 when a database file was opened and read, 0 otherwise.
  int Run() override;

  CWnd* m_pOwner = nullptr;          // receives UM_END_THREAD
  CWreckList* m_pWreckList = nullptr;
  CWreckList* m_pSearchList = nullptr;  // not used by the load
  bool m_bAbort = false;             // a record could not be allocated

 private:
  bool LoadDatabase();
};
