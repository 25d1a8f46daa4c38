#pragma once
// A wreck search's result list as the printouts and CSV files take it, for
// tests and benchmarks: row r (from 1) is number r, name "Wreck r" and the
// position "DD° MM.mmm' N" with DD = 50 + r % 10, MM = r % 60 and
// mmm = r % 1000, the degree sign as the list's Windows-1252 byte.

#include "platform/companions/ListTable.h"

namespace tools {

platform::companions::ListTable SampleWreckTable(int rows);

}  // namespace tools
