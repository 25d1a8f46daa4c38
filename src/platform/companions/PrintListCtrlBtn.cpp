#include "platform/companions/PrintListCtrlBtn.h"

#include "platform/companions/ListPdf.h"
#include "platform/companions/PrintQueue.h"

void CPrintListCtrlBtn::Export(const platform::companions::ListTable& table) {
  using namespace platform::companions;
  const PrintQueue& queue = CurrentPrintQueue();
  std::string reason;
  if (const std::optional<std::string> printer = queue.defaultPrinter()) {
    const std::optional<std::string> pdf = RenderListPdf(table, reason);
    if (!pdf || !queue.print(*printer, *pdf, table.title, reason)) Fail(reason);
    return;
  }
  const std::optional<std::string> path =
      AskForPath(table, "Save Printout As", "pdf", "PDF Documents (*.pdf)|*.pdf|All Files (*.*)|*.*||");
  if (path && !WriteListPdf(table, *path, reason)) Fail(reason);
}
