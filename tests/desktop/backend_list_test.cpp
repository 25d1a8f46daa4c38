// A report list on Qt's table view: the model reads the list itself (a
// list of 100,000 rows is not copied), clicks on cells select rows as the
// list defines, and the rows show the list's colours.

#include <QTableView>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "desktop/DesktopSession.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Toolkit.h"
#include "ui/TestDialogs.h"

namespace {

using desktop_test::DesktopSession;
using platform::ui::Driver;
using namespace ui_test;

constexpr int kListId = 300;
const CRect kListRect(5, 5, 280, 180);
constexpr COLORREF kRowBackground = RGB(255, 255, 0);

std::string Cell(int row, int column) { return std::to_string(row) + static_cast<char>('a' + column); }

// The form with a report list of three columns made in code.
class CListDlg : public CDialog {
 public:
  explicit CListDlg(int rows) : CDialog(kFormDialog), rows_(rows) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, kListRect, this, kListId);
    for (int c = 0; c < 3; ++c) list.InsertColumn(c, std::string(1, static_cast<char>('A' + c)), LVCFMT_LEFT, 80);
    for (int r = 0; r < rows_; ++r) {
      list.InsertItem(r, Cell(r, 0));
      for (int c = 1; c < 3; ++c) list.SetItemText(r, c, Cell(r, c));
    }
    list.SetTextBkColor(kRowBackground);
    return TRUE;
  }
  CListCtrl list;

 private:
  int rows_;
};

class DesktopList : public testing::Test {
 protected:
  QTableView& TableOf(const CWnd& list) { return session.WidgetAs<QTableView>(list); }
  QString Shown(QTableView& table, int row, int column) {
    return table.model()->data(table.model()->index(row, column)).toString();
  }
  TestResources resources;
  DesktopSession session;
};

TEST_F(DesktopList, TheModelShowsWhatTheListHoldsAfterEachChange) {
  constexpr int kRows = 100000;
  struct Step {
    const char* what;
    std::function<void(CListCtrl&)> change;
    int rows;
    int probeRow;
    QString probe;  // column 2 of probeRow
  };
  const Step steps[] = {
      {"as filled", [](CListCtrl&) {}, kRows, kRows - 1, "99999c"},
      {"a cell of the last row changed", [](CListCtrl& l) { l.SetItemText(kRows - 1, 2, "changed"); }, kRows,
       kRows - 1, "changed"},
      {"the first row deleted", [](CListCtrl& l) { l.DeleteItem(0); }, kRows - 1, 0, "1c"},
      {"a row inserted at the top", [](CListCtrl& l) { l.InsertItem(0, "new"); }, kRows, 1, "1c"},
      {"every row deleted", [](CListCtrl& l) { l.DeleteAllItems(); }, 0, -1, ""},
  };
  CListDlg dialog(kRows);
  session.RunModal(dialog, [&](Driver& d) {
    for (const Step& step : steps) {
      SCOPED_TRACE(step.what);
      step.change(dialog.list);
      QTableView& table = TableOf(dialog.list);
      EXPECT_EQ(table.model()->rowCount(), step.rows);
      if (step.probeRow >= 0) {
        EXPECT_EQ(Shown(table, step.probeRow, 2), step.probe);
      }
    }
    d.Click(IDCANCEL);
  });
}

TEST_F(DesktopList, ClicksOnCellsSelectRowsAsTheListDefines) {
  struct Click {
    int row;
    Qt::KeyboardModifiers modifiers;
    std::vector<int> selected;
  };
  // Row 4000 lies beyond the 16 bits of a mouse message's coordinates in
  // the list's own geometry.
  const Click clicks[] = {
      {2, {}, {2}},
      {4, Qt::ControlModifier, {2, 4}},
      {2, Qt::ControlModifier, {4}},
      {4000, Qt::ControlModifier, {4, 4000}},
      {0, {}, {0}},
  };
  CListDlg dialog(5000);
  session.RunModal(dialog, [&](Driver& d) {
    QTableView& table = TableOf(dialog.list);
    for (const Click& click : clicks) {
      SCOPED_TRACE(click.row);
      table.scrollTo(table.model()->index(click.row, 1));
      const QRect cell = table.visualRect(table.model()->index(click.row, 1));
      QTest::mouseClick(table.viewport(), Qt::LeftButton, click.modifiers, cell.center());
      std::vector<int> selected;
      for (int r = dialog.list.GetNextItem(-1, LVNI_SELECTED); r >= 0; r = dialog.list.GetNextItem(r, LVNI_SELECTED))
        selected.push_back(r);
      EXPECT_EQ(selected, click.selected);
    }
    // Row 0 selected, row 1 in the list's own text background.
    const QImage shot = session.Screenshot(dialog.list, "list");
    const auto probe = [&](int row) {
      const QRect cell = table.visualRect(table.model()->index(row, 2));
      return shot.pixelColor(table.viewport()->mapTo(&table, cell.center() + QPoint(cell.width() / 3, 0)));
    };
    EXPECT_EQ(probe(1), QColor(255, 255, 0));
    EXPECT_NE(probe(0), QColor(255, 255, 0));
    d.Click(IDCANCEL);
  });
}

}  // namespace
