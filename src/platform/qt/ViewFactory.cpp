#include "platform/qt/ViewFactory.h"

#include "platform/qt/ButtonView.h"
#include "platform/qt/ComboView.h"
#include "platform/qt/EditView.h"
#include "platform/qt/ListBoxView.h"
#include "platform/qt/ProgressView.h"
#include "platform/qt/ReportView.h"
#include "platform/qt/StaticView.h"
#include "platform/qt/TabView.h"
#include "platform/qt/WindowView.h"
#include "platform/ui/HeaderCtrl.h"

namespace platform::qt {
namespace {

using platform::ui::ControlKind;

template <class View>
std::unique_ptr<ControlView> Make(CWnd& window, QWidget* parent) {
  return std::make_unique<View>(window, parent);
}

struct ViewMaker {
  ControlKind kind;
  std::unique_ptr<ControlView> (*make)(CWnd&, QWidget*);
};

constexpr ViewMaker kMakers[] = {
    {ControlKind::Static, Make<StaticView>},      {ControlKind::Button, Make<ButtonView>},
    {ControlKind::Edit, Make<EditView>},          {ControlKind::RichEdit, Make<EditView>},
    {ControlKind::ComboBox, Make<ComboView>},     {ControlKind::ComboBoxEx, Make<ComboView>},
    {ControlKind::ListBox, Make<ListBoxView>},    {ControlKind::ListView, Make<ReportView>},
    {ControlKind::ProgressBar, Make<ProgressView>}, {ControlKind::TabControl, Make<TabView>},
};

}  // namespace

std::unique_ptr<ControlView> MakeView(CWnd& window, QWidget* parent) {
  if (dynamic_cast<CHeaderCtrl*>(&window)) return nullptr;
  if (!window.IsControl()) return Make<WindowView>(window, parent);
  for (const ViewMaker& maker : kMakers)
    if (maker.kind == window.Kind()) return maker.make(window, parent);
  return Make<WindowView>(window, parent);
}

}  // namespace platform::qt
