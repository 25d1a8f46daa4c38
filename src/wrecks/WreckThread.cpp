#include "wrecks/WreckThread.h"

#include <new>

#include "frame/Folders.h"
#include "frame/MessageNames.h"
#include "wrecks/WreckDatabase.h"
#include "wrecks/WreckList.h"

namespace {

const UINT UM_END_THREAD = platform::ui::RegisterWindowMessage(messages::kEndThread);

}  // namespace

BOOL CWreckThread::InitInstance() { return TRUE; }

int CWreckThread::Run() {
  bool read = false;
  try {
    read = LoadDatabase();
  } catch (const std::bad_alloc&) {
    // A text too large for memory ends the read like a record that cannot
    // be allocated: what was read so far stays.
    m_bAbort = true;
  }
  if (m_pWreckList) m_pWreckList->loading = false;
  if (m_pOwner) m_pOwner->PostMessage(UM_END_THREAD, 0, 0);
  return read ? 1 : 0;
}

bool CWreckThread::LoadDatabase() {
  std::string folder, path;
  if (!m_pWreckList || !FindDataFolder(folder, kWrecksDataFolder)) return false;
  if (!FindLatestDatabase(folder, kWreckDatabaseExtension, path)) return false;
  // The database is read once per run of the host.
  if (m_pWreckList->GetSize() != 0) return false;
  m_pWreckList->loading = true;
  return ReadWreckDatabase(path, *m_pWreckList, &m_bAbort);
}
