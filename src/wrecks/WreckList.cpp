#include "wrecks/WreckList.h"

void CWreckList::Add(WreckDef* record) {
  records.push_back(record);
  if (record->IsWreck())
    ++wreckCount;
  else
    ++obstructionCount;
}

void CWreckList::RemoveAll() {
  // Frees the pointer array itself, not just its contents.
  std::vector<WreckDef*>().swap(records);
  wreckCount = 0;
  obstructionCount = 0;
}
