// The wreck search's result on screen, opened through its export: a radius
// typed into the real field and Find clicked fill the table view with the
// cells the list holds, degree signs and all, under captions the header
// draws in its own face colour.

#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include "SampleWreckList.h"
#include "controls/MyHeaderCtrl.h"
#include "desktop/DesktopSession.h"
#include "frame/Exports.h"
#include "geodesy/angle/AngleUnits.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"
#include "support/TestMachine.h"
#include "wrecks/WreckList.h"
#include "wrecks/WreckResources.h"

namespace {

using desktop_test::DesktopSession;
using platform::ui::Driver;
using platform::ui::ModalTurn;

constexpr std::size_t kRecords = 400;

class DesktopWreckSearch : public testing::Test {
 protected:
  void SetUp() override {
    searchList.centreLatitude = 54 * kRadiansPerDegree;
    searchList.centreLongitude = -2 * kRadiansPerDegree;
    searchList.showWrecks = searchList.showObstructions = true;
  }
  // Opens the search and works it with `work`; the export's result.
  bool Open(const std::function<void(Driver&)>& work) {
    platform::ui::ScopedAutomation hook([&](Driver& d) {
      if (d.Turn() == ModalTurn::Started && d.TemplateId() == IDD_WRECK_FIND) work(d);
    });
    tagXY unused;
    return WreckFinder(&sample.wrecks, &searchList, nullptr, unused);
  }

  testing_support::TestMachine machine;
  DesktopSession session;
  tools::SampleWreckList sample{3, kRecords};
  CWreckList searchList;
};

// The table's cells of one row in Windows-1252, tab-separated as the
// list's rows read.
std::string ShownRow(QTableView& table, int row) {
  std::string cells;
  for (int c = 0; c < table.model()->columnCount(); ++c) {
    if (c > 0) cells += '\t';
    cells += platform::text::AnsiFromUtf8(table.model()->data(table.model()->index(row, c)).toString().toStdString());
  }
  return cells;
}

TEST_F(DesktopWreckSearch, TheTableShowsTheListsCellsUnderTheHeadersOwnCaptions) {
  EXPECT_TRUE(Open([&](Driver& d) {
    auto& radius = session.WidgetAs<QLineEdit>(d.Item(IDC_RADIUS));
    QTest::mouseClick(&radius, Qt::LeftButton);
    QTest::keyClick(&radius, Qt::Key_End);
    for (int i = 0; i < 8; ++i) QTest::keyClick(&radius, Qt::Key_Backspace);
    QTest::keyClicks(&radius, "150");
    QTest::mouseClick(&session.WidgetOf(d.Item(IDC_FIND_LOCATION)), Qt::LeftButton);
    const std::vector<std::string> rows = d.Rows(IDC_RESULTS);
    ASSERT_GT(rows.size(), 2u) << "150 NM round the centre holds some of the sample";
    auto& table = session.WidgetAs<QTableView>(d.Item(IDC_RESULTS));
    ASSERT_EQ(table.model()->rowCount(), static_cast<int>(rows.size()));
    for (int r : {0, static_cast<int>(rows.size()) - 1}) EXPECT_EQ(ShownRow(table, r), rows[static_cast<size_t>(r)]);
    auto& list = d.ItemAs<CListCtrl>(IDC_RESULTS);
    EXPECT_EQ(table.horizontalHeader()->height(), list.HeaderHeight());
    const QImage shot = session.Screenshot(d.Dialog(), "wreck_search");
    // The captions are the header's own faces, in its background colour.
    const COLORREF face = dynamic_cast<CMyHeaderCtrl&>(*list.GetHeaderCtrl()).GetBackgroundColour();
    const QPoint caption = table.horizontalHeader()->mapTo(&session.WidgetOf(d.Dialog()), QPoint(3, 3));
    EXPECT_EQ(shot.pixelColor(caption), QColor(GetRValue(face), GetGValue(face), GetBValue(face)));
    QTest::mouseClick(&session.WidgetOf(d.Item(IDOK)), Qt::LeftButton);
  }));
  EXPECT_DOUBLE_EQ(searchList.searchRadius, 150) << "the radius typed is the one the search keeps";
}

}  // namespace
