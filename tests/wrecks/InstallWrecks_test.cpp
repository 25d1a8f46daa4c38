// Installing a wreck package through the install dialog.

#include <gtest/gtest.h>

#include "SampleWrecks.h"
#include "frame/Exports.h"
#include "kml/KmzArchive.h"
#include "platform/ui/Automation.h"
#include "support/TestMachine.h"
#include "wrecks/WreckResources.h"

namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;
using testing_support::TestMachine;
using testing_support::WriteKmz;

// Runs InstallWrecks, pressing `button` in the dialog; how often it opened
// and the notice it showed.
struct Offer {
  int opened = 0;
  std::string notice;
};
Offer Install(int button) {
  Offer offer;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    ++offer.opened;
    offer.notice = d.Text(IDC_SPLASH_NOTICE);
    d.Click(button);
  });
  InstallWrecks();
  return offer;
}

TEST(InstallWrecks, AcceptedPackagesAreUnpackedAndFiledDeclinedOnesOfferedAgain) {
  // The package (none: no dialog at all), the button pressed, where the
  // package is filed (none: declined, so offered again), and whether it
  // stays where it was (a disc keeps its copy). Only a filed one installs.
  struct Row {
    const char* package;
    int button;
    const char* filed;
    bool packageStays;
  };
  const Row rows[] = {
      {nullptr, IDC_ACCEPT, nullptr, false},
      {"C:\\Navlore Download\\w.WKZ", IDC_ACCEPT, "C:\\Navlore Download\\Installed\\w.WKZ", false},
      {"C:\\Navlore Download\\w.WKZ", IDC_DECLINE, nullptr, true},
      {"E:\\disc.WKZ", IDC_ACCEPT, "C:\\Navlore Download\\Installed\\disc.WKZ", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.package ? row.package : "no package");
    SCOPED_TRACE(row.button);
    TestMachine machine;
    machine.SetClock(1780000000);  // in 2026
    machine.AddDrive('E', platform::fs::DriveType::CdRom);
    if (row.package) WriteKmz(machine.Host(row.package), {{"Wrecks Jan 2026.WRK", tools::SampleWreckDatabase(3, 10)}});
    const Offer offer = Install(row.button);
    EXPECT_EQ(machine.Exists("C:\\MyData\\Wrecks\\Wrecks Jan 2026.WRK"), row.filed != nullptr);
    if (!row.package) {
      EXPECT_EQ(offer.opened, 0);
      continue;
    }
    EXPECT_EQ(offer.opened, 1);
    EXPECT_NE(offer.notice.find("2026"), std::string::npos) << offer.notice;
    EXPECT_EQ(machine.Exists(row.package), row.packageStays);
    if (row.filed) {
      EXPECT_TRUE(machine.Exists(row.filed));
    } else {
      EXPECT_EQ(Install(IDC_DECLINE).opened, 1) << "offered again";
    }
  }
}

}  // namespace
