#include "shape/LoadShapeThread.h"

#include "frame/MessageNames.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Toolkit.h"

namespace {

const UINT UM_SHAPE_THREAD = platform::ui::RegisterWindowMessage(messages::kShapeThread);
constexpr char kLabelField[] = "TEXTSTRING";

}  // namespace

BOOL CLoadShapeThread::InitInstance() { return TRUE; }

int CLoadShapeThread::Run() {
  m_job->stop = 1;
  CShape& shape = *m_job->shape;
  if (CopyEntities(shape)) {
    if (!ReadShapeDisplay(shape.path, shape.display)) shape.hostFlag = 0;
    ChooseLabelColumn(shape);
  }
  ::PostMessage(m_hDialog, UM_SHAPE_THREAD, m_job->stop.load(), 0);
  return 0;
}

bool CLoadShapeThread::CopyEntities(CShape& shape) {
  shape.RemoveAllEntities();
  shape.ReadProjection();
  shape.attributes.SetFile(shape.path);
  shape.attributes.ReadFields();
  CShapeFile file;
  if (!shape.ReadHeader() || !file.Open(shape.path)) return false;
  m_job->stop = 0;
  for (std::int32_t i = 0; i < shape.entityCount; ++i) {
    m_job->copied = i + 1;
    shape.AppendEntity(file.ReadEntity(i));
    if (m_job->stop) break;
  }
  return true;
}

void CLoadShapeThread::ChooseLabelColumn(CShape& shape) {
  const auto& names = shape.attributes.fieldNames;
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (!platform::text::EqualsIgnoringCase(names[k], kLabelField)) continue;
    if (shape.display.labelColumn != static_cast<std::int16_t>(k)) {
      shape.display.labelColumn = static_cast<std::int16_t>(k);
      WriteShapeDisplay(shape.path, shape.display);
    }
    return;
  }
}
