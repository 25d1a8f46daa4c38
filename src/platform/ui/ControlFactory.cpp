#include "platform/ui/ControlFactory.h"

#include "platform/ui/Button.h"
#include "platform/ui/ComboBoxEx.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/ProgressCtrl.h"
#include "platform/ui/RichEditCtrl.h"
#include "platform/ui/Static.h"
#include "platform/ui/TabCtrl.h"

namespace platform::ui {
namespace {

template <class T>
std::unique_ptr<CWnd> Make() {
  return std::make_unique<T>();
}

struct Maker {
  ControlKind kind;
  std::unique_ptr<CWnd> (*make)();
};

// Kinds without a row get a plain window that keeps the template's text
// and style until their module class subclasses it.
constexpr Maker kMakers[] = {
    {ControlKind::Static, Make<CStatic>},
    {ControlKind::Button, Make<CButton>},
    {ControlKind::Edit, Make<CEdit>},
    {ControlKind::ComboBox, Make<CComboBox>},
    {ControlKind::ComboBoxEx, Make<CComboBoxEx>},
    {ControlKind::ListBox, Make<CListBox>},
    {ControlKind::ListView, Make<CListCtrl>},
    {ControlKind::ProgressBar, Make<CProgressCtrl>},
    {ControlKind::TabControl, Make<CTabCtrl>},
    {ControlKind::RichEdit, Make<CRichEditCtrl>},
};

}  // namespace

std::unique_ptr<CWnd> MakeControl(ControlKind kind) {
  for (const Maker& maker : kMakers)
    if (maker.kind == kind) return maker.make();
  return std::make_unique<CWnd>();
}

}  // namespace platform::ui
