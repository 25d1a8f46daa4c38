#include "platform/ui/WinThread.h"

#include <system_error>

#include "platform/ui/MessageQueue.h"

DWORD ThreadHandle::ExitCode() const {
  std::lock_guard lock(mutex_);
  return code_;
}

void ThreadHandle::Wait() const {
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return finished_; });
}

void ThreadHandle::Finish(DWORD code) {
  {
    std::lock_guard lock(mutex_);
    code_ = code;
    finished_ = true;
  }
  done_.notify_all();
}

CWinThread::CWinThread() : handle_(std::make_shared<ThreadHandle>()) {}

CWinThread::~CWinThread() = default;

BOOL CWinThread::CreateThread(DWORD flags, UINT) {
  if (started_) return FALSE;
  // Everything the creator sets is set before the thread exists: a thread
  // that is not suspended may end, and delete this, at once.
  resumed_ = !(flags & CREATE_SUSPENDED);
  started_ = true;
  platform::ui::MessageQueue::WorkerStarted();
  try {
    std::thread(&CWinThread::Main, this).detach();
  } catch (const std::system_error&) {
    started_ = false;
    platform::ui::MessageQueue::WorkerEnded();
    return FALSE;
  }
  return TRUE;
}

DWORD CWinThread::ResumeThread() {
  // Notified under the lock: once it is released the thread may run to
  // its end and delete this.
  std::lock_guard lock(gateMutex_);
  if (resumed_) return 0;
  resumed_ = true;
  gate_.notify_all();
  return 1;
}

BOOL CWinThread::SetThreadPriority(int priority) {
  // Priorities are kept for a backend that maps them; the scheduler here
  // treats every worker alike.
  priority_ = priority;
  return TRUE;
}

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::Run() { return ExitInstance(); }

int CWinThread::ExitInstance() { return 0; }

void CWinThread::Main() {
  {
    std::unique_lock lock(gateMutex_);
    gate_.wait(lock, [this] { return resumed_; });
  }
  const int code = InitInstance() ? Run() : ExitInstance();
  // Keep what outlives the object before it may go.
  std::shared_ptr<ThreadHandle> handle = handle_;
  if (m_bAutoDelete) delete this;
  handle->Finish(static_cast<DWORD>(code));
  platform::ui::MessageQueue::WorkerEnded();
}
