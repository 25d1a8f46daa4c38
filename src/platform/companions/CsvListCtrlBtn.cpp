#include "platform/companions/CsvListCtrlBtn.h"

#include "platform/companions/ListCsv.h"
#include "platform/fs/ReplaceFile.h"

void CCsvListCtrlBtn::Export(const platform::companions::ListTable& table) {
  const std::optional<std::string> path =
      AskForPath(table, "Save List As CSV", "csv", "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||");
  if (!path) return;
  std::string reason;
  if (!platform::fs::ReplaceFileWith(*path, platform::companions::ListCsv(table), reason)) Fail(reason);
}
