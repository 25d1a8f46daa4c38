// Installing a wreck package through the install dialog.

#include <gtest/gtest.h>

#include "SampleWrecks.h"
#include "ZipWriter.h"
#include "frame/Exports.h"
#include "platform/ui/Automation.h"
#include "support/TestMachine.h"
#include "wrecks/WreckResources.h"
#include "wrecks/WreckSplashDlg.h"

namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;
using testing_support::TestMachine;

void WritePackage(TestMachine& machine, const std::string& path) {
  std::filesystem::create_directories(machine.Host(path).parent_path());
  tools::ZipWriter zip(machine.Host(path));
  tools::ZipEntry entry;
  entry.name = "Wrecks Jan 2026.WRK";
  zip.Add(entry, tools::SampleWreckDatabase(3, 10));
  zip.Close();
}

// Runs InstallWrecks, pressing `button` in the dialog; how often it opened
// and the notice it showed.
struct Offer {
  int opened = 0;
  std::string notice, title;
};
Offer Install(int button) {
  Offer offer;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    ++offer.opened;
    offer.notice = d.Text(IDC_SPLASH_NOTICE);
    offer.title = d.Text(IDC_SPLASH_TITLE);
    d.Click(button);
  });
  InstallWrecks();
  return offer;
}

TEST(InstallWrecks, NoPackageShowsNoDialog) {
  TestMachine machine;
  EXPECT_EQ(Install(IDC_ACCEPT).opened, 0);
}

TEST(InstallWrecks, AcceptUnpacksAndFilesThePackage) {
  TestMachine machine;
  machine.SetClock(1780000000);  // in 2026
  WritePackage(machine, "C:\\Navlore Download\\w.WKZ");
  const Offer offer = Install(IDC_ACCEPT);
  EXPECT_EQ(offer.opened, 1);
  EXPECT_EQ(offer.title, "Wrecks");
  EXPECT_NE(offer.notice.find("2026"), std::string::npos) << offer.notice;
  EXPECT_TRUE(machine.Exists("C:\\MyData\\Wrecks\\Wrecks Jan 2026.WRK"));
  EXPECT_TRUE(machine.Exists("C:\\Navlore Download\\Installed\\w.WKZ"));
  EXPECT_FALSE(machine.Exists("C:\\Navlore Download\\w.WKZ"));
}

TEST(InstallWrecks, DeclineLeavesThePackageToBeOfferedAgain) {
  TestMachine machine;
  WritePackage(machine, "C:\\Navlore Download\\w.WKZ");
  EXPECT_EQ(Install(IDC_DECLINE).opened, 1);
  EXPECT_FALSE(machine.Exists("C:\\MyData\\Wrecks\\Wrecks Jan 2026.WRK"));
  EXPECT_TRUE(machine.Exists("C:\\Navlore Download\\w.WKZ"));
  EXPECT_EQ(Install(IDC_DECLINE).opened, 1);
}

TEST(InstallWrecks, ACdRomPackageIsCopiedAndTheDiscKeepsIt) {
  TestMachine machine;
  machine.AddDrive('E', platform::fs::DriveType::CdRom);
  WritePackage(machine, "E:\\disc.WKZ");
  EXPECT_EQ(Install(IDC_ACCEPT).opened, 1);
  EXPECT_TRUE(machine.Exists("C:\\MyData\\Wrecks\\Wrecks Jan 2026.WRK"));
  EXPECT_TRUE(machine.Exists("C:\\Navlore Download\\Installed\\disc.WKZ"));
  EXPECT_TRUE(machine.Exists("E:\\disc.WKZ"));
}

TEST(WreckSplashDlg, FontsAndButtonColours) {
  TestMachine machine;
  CWreckSplashDlg dialog;
  LOGFONT title{}, button{};
  CColourButton::Colours accept{}, decline{};
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    dialog.TitleFont().GetLogFont(&title);
    dialog.ButtonFont().GetLogFont(&button);
    accept = dialog.AcceptButton().GetColours();
    decline = dialog.DeclineButton().GetColours();
    d.Click(IDC_DECLINE);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(title.lfHeight, 72);
  EXPECT_EQ(title.lfQuality, DRAFT_QUALITY);
  EXPECT_EQ(button.lfHeight, 20);
  EXPECT_EQ(button.lfWeight, FW_BOLD);
  EXPECT_EQ(button.lfFaceName, "Tahoma");
  EXPECT_EQ(accept.normalFace, RGB(0, 128, 0));
  EXPECT_EQ(accept.hoverFace, RGB(0, 255, 0));
  EXPECT_EQ(accept.normalText, RGB(255, 255, 255));
  EXPECT_EQ(decline.normalFace, RGB(128, 0, 0));
  EXPECT_EQ(decline.hoverFace, RGB(255, 0, 0));
  EXPECT_EQ(decline.normalSecond, RGB(192, 192, 192));
}

}  // namespace
