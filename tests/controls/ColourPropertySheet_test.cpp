// The colour property sheet: its own buttons, and the page it reopens on,
// kept in the settings file "<caption>_PS" of a throw-away machine.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <list>

#include "ColourTemplates.h"
#include "controls/ColourPropertyPage.h"
#include "controls/ColourPropertySheet.h"
#include "frame/ConfigFile.h"
#include "platform/ui/Automation.h"
#include "platform/ui/InvariantChecker.h"
#include "support/TestMachine.h"

namespace {

using namespace controls_test;
using platform::ui::Driver;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;
using testing::IsEmpty;

constexpr char kCaption[] = "Wreck Properties";

class SheetTest : public testing::Test {
 protected:
  // Runs a four-page sheet with `act` on its first turn; the sheet's result.
  int Run(const std::function<void(Driver&, CColourPropertySheet&)>& act) {
    std::list<CColourPropertyPage> pages;
    CColourPropertySheet sheet(kCaption);
    for (const DialogTemplate& page : kPages) sheet.AddPage(&pages.emplace_back(page.id));
    ScopedAutomation automation([&](Driver& d) {
      if (d.Turn() == ModalTurn::Started) act(d, sheet);
    });
    return sheet.DoModal();
  }
  std::string SettingsPath() const { return CConfigFile().GetFilePath("Wreck Properties_PS"); }

  testing_support::TestMachine machine;
  ColourResources resources;
  platform::ui::InvariantChecker checker;
};

TEST_F(SheetTest, OwnOkAndCancelReplaceTheStandardButtons) {
  CRect ok, cancel, client;
  Run([&](Driver& d, CColourPropertySheet& sheet) {
    d.Item(IDOK).GetWindowRect(&ok);
    d.Item(IDCANCEL).GetWindowRect(&cancel);
    sheet.GetClientRect(&client);
    EXPECT_EQ(d.Text(IDOK), "Ok");
    EXPECT_FALSE(d.Has(IDHELP) || d.Has(ID_APPLY_NOW)) << "no Help, no Apply";
    EXPECT_FALSE(sheet.GetStyle() & WS_SYSMENU);
    for (int id : {IDOK, IDCANCEL}) EXPECT_NE(dynamic_cast<CColourButton*>(&d.Item(id)), nullptr) << id;
    d.End(IDCANCEL);
  });
  // Standard-sized, along the bottom: Ok at the left, Cancel after it.
  EXPECT_EQ(ok, CRect(CPoint(15, client.bottom - 10 - ok.Height()), CPropertySheet::StandardButtonSize()));
  EXPECT_EQ(std::pair(cancel.Size(), cancel.top), std::pair(ok.Size(), ok.top));
  EXPECT_GT(cancel.left, ok.right);
  EXPECT_THAT(checker.Problems(), IsEmpty());
}

// Rows run in turn on one machine. Cancel is a command too, so the page in
// hand is written first; a sheet ended without a command writes nothing. A
// stored page beyond the last opens the first.
TEST_F(SheetTest, ReopensOnTheLastPage) {
  struct Row {
    const char* stored;
    int select;  // the tab the user picks, or -1
    int button;  // the button pressed, or 0 to end without a command
    int shown;
    std::optional<std::string> written;
  } rows[] = {
      {nullptr, -1, 0, 0, std::nullopt},
      {"Active Page = 7\n", -1, IDCANCEL, 0, "Active Page = 0\n"},
      {nullptr, 2, IDOK, 0, "Active Page = 2\n"},
      {nullptr, -1, IDCANCEL, 2, "Active Page = 2\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.written.value_or("nothing written"));
    if (row.stored) machine.Write(SettingsPath(), row.stored);
    int shown = -1;
    std::string caption;
    Run([&](Driver& d, CColourPropertySheet& sheet) {
      shown = sheet.GetActiveIndex();
      caption = sheet.GetActivePage()->GetWindowText();
      if (row.select >= 0) d.SelectTab(row.select);
      row.button ? d.Click(row.button) : d.End(IDCANCEL);
    });
    EXPECT_EQ(shown, row.shown);
    EXPECT_EQ(caption, kPages[row.shown].caption);
    EXPECT_EQ(machine.Read(SettingsPath()), row.written);
  }
}

TEST_F(SheetTest, PagesAreCreatedWhenFirstShownAndAnswerInTheDarkLook) {
  std::vector<bool> created;
  Run([&](Driver& d, CColourPropertySheet& sheet) {
    for (int i = 0; i < 4; ++i) created.push_back(sheet.GetPage(i)->IsWindow());
    d.SelectTab(3);
    created.push_back(sheet.GetPage(3)->IsWindow());
    CDC dc;
    const auto brush = [&](UINT message) {
      return reinterpret_cast<CBrush*>(sheet.GetPage(3)->SendMessage(message, reinterpret_cast<WPARAM>(&dc), 0));
    };
    const CBrush* button = brush(WM_CTLCOLORBTN);
    EXPECT_EQ(button ? button->Colour() : COLORREF{1}, 0x555555u) << "pages give buttons the dark brush";
    EXPECT_EQ(brush(WM_CTLCOLOREDIT), nullptr) << "and leave edit fields to the toolkit";
    d.End(IDOK);
  });
  EXPECT_EQ(created, std::vector<bool>({true, false, false, false, true}));
}

}  // namespace
