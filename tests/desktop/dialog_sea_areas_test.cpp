// The sea areas setup on screen, opened through its export: an entry
// picked from a real drop-down list and OK clicked store what the
// headless tests see stored, and a colour box shows its colour's swatch.

#include <QComboBox>
#include <QAbstractItemView>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

#include "desktop/DesktopSession.h"
#include "frame/Exports.h"
#include "platform/ui/Automation.h"
#include "seaareas/SeaAreas.h"
#include "seaareas/SeaAreasResources.h"
#include "support/TestMachine.h"

namespace {

using desktop_test::DesktopSession;
using platform::ui::Driver;

// Opens the box's list as a user does and clicks the entry.
void Pick(QComboBox& box, const QString& entry) {
  const int index = box.findText(entry);
  ASSERT_GE(index, 0) << entry.toStdString();
  box.showPopup();
  QAbstractItemView* list = box.view();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(index, 0)).center());
}

TEST(DesktopSeaAreas, AnEntryPickedFromTheOpenListIsStoredAtOk) {
  struct Case {
    int box;
    QString entry;
    std::function<bool(const CSeaAreas&)> stored;
    QColor swatch;  // the chosen entry's image, when it has one
  };
  const Case cases[] = {
      {IDC_SEA_AREAS_HIGHLIGHT, "Dogger", [](const CSeaAreas& s) { return s.activeArea == 2; }, {}},
      {IDC_SEA_AREAS_COLOUR, "Dark Blue", [](const CSeaAreas& s) { return s.colour == 0x800000u; }, QColor(0, 0, 128)},
      {IDC_SEA_AREAS_ACTIVE_COLOUR, "Green", [](const CSeaAreas& s) { return s.activeColour == 0x00FF00u; },
       QColor(0, 255, 0)},
  };
  testing_support::TestMachine machine;
  DesktopSession session;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry.toStdString());
    CSeaAreas seaAreas;
    for (const char* name : {"Viking", "Forties", "Dogger"}) seaAreas.areas.push_back({name, {}});
    platform::ui::ScopedAutomation hook([&](Driver& d) {
      if (d.Turn() != platform::ui::ModalTurn::Started) return;
      auto& box = session.WidgetAs<QComboBox>(d.Item(c.box));
      Pick(box, c.entry);
      session.Backend().SyncNow();
      EXPECT_EQ(box.currentText(), c.entry) << "the box shows the control's choice";
      if (c.swatch.isValid()) {
        const QImage swatch = box.itemIcon(box.currentIndex()).pixmap(16, 16).toImage();
        EXPECT_EQ(swatch.pixelColor(swatch.width() / 2, swatch.height() / 2), c.swatch);
      }
      QTest::mouseClick(&session.WidgetOf(d.Item(IDOK)), Qt::LeftButton);
    });
    EXPECT_TRUE(SeaAreasSetup(nullptr, &seaAreas));
    EXPECT_TRUE(c.stored(seaAreas));
  }
}

}  // namespace
