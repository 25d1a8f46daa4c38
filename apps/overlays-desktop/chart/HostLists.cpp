#include "chart/HostLists.h"

namespace chart {

HostLists::~HostLists() {
  for (WreckDef* record : wrecks.records) delete record;
}

}  // namespace chart
