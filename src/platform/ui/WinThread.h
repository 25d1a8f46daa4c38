#pragma once
// CWinThread: a worker thread object. Created suspended (or not), given its
// inputs, resumed; it runs InitInstance and, when that returns true, Run;
// the exit code is Run's result (ExitInstance's when InitInstance refused).
// With m_bAutoDelete set (the default) the object deletes itself when the
// thread ends, so the creator must not touch it after resuming it. The exit
// code stays readable through the thread's handle, which outlives the object.
//
//   auto* worker = BeginThread<CWreckThread>(THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
//   worker->m_pOwner = this;
//   worker->ResumeThread();

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "frame/Api.h"
#include "platform/ui/WinConstants.h"

class CWnd;

// What is left of a thread to wait for and to ask for its exit code.
class OVERLAYS_API ThreadHandle {
 public:
  // STILL_ACTIVE while the thread runs.
  DWORD ExitCode() const;
  void Wait() const;

 private:
  friend class CWinThread;
  void Finish(DWORD code);
  mutable std::mutex mutex_;
  mutable std::condition_variable done_;
  bool finished_ = false;
  DWORD code_ = STILL_ACTIVE;
};

class OVERLAYS_API CWinThread {
 public:
  CWinThread();
  virtual ~CWinThread();
  CWinThread(const CWinThread&) = delete;
  CWinThread& operator=(const CWinThread&) = delete;

  BOOL CreateThread(DWORD flags = 0, UINT stackSize = 0);
  // Lets a suspended thread run; the previous suspend count (1 or 0).
  DWORD ResumeThread();
  BOOL SetThreadPriority(int priority);
  int GetThreadPriority() const { return priority_; }
  std::shared_ptr<const ThreadHandle> Handle() const { return handle_; }

  virtual BOOL InitInstance();
  virtual int Run();
  virtual int ExitInstance();

  BOOL m_bAutoDelete = TRUE;
  CWnd* m_pMainWnd = nullptr;

 private:
  void Main();

  std::shared_ptr<ThreadHandle> handle_;
  std::mutex gateMutex_;
  std::condition_variable gate_;
  bool resumed_ = false;
  bool started_ = false;
  int priority_ = THREAD_PRIORITY_NORMAL;
};

// Creates a thread object of class T and its thread; null when the thread
// could not be created.
template <class T>
T* BeginThread(int priority = THREAD_PRIORITY_NORMAL, UINT stackSize = 0, DWORD flags = 0) {
  auto* thread = new T;
  thread->m_bAutoDelete = TRUE;
  if (!thread->CreateThread(flags | CREATE_SUSPENDED, stackSize)) {
    delete thread;
    return nullptr;
  }
  thread->SetThreadPriority(priority);
  if (!(flags & CREATE_SUSPENDED)) thread->ResumeThread();
  return thread;
}
