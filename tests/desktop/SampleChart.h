#pragma once
// The chart over the sample data, as the desktop host shows it: the wreck
// sample's records (those within 10 NM of the first found by a search), the
// sample wind farms, the Plymouth Approaches KMZ, the Sound Survey Lines
// shapefile and the sea areas with Plymouth highlighted, over the bundled
// world coastline, on a throw-away machine.

#include <QImage>

#include <filesystem>
#include <memory>

#include "desktop/DesktopSession.h"
#include "support/TestMachine.h"
#include "chart/Chart.h"
#include "chart/HostLayers.h"

namespace desktop_test {

// Fills the host's lists with the sample data above, the files it needs
// copied onto `machine`.
void FillSampleLists(testing_support::TestMachine& machine, chart::HostLists& lists);

class SampleChart {
 public:
  SampleChart();
  chart::Chart chart;
  chart::HostLists& Lists() { return *lists_; }

 private:
  testing_support::TestMachine machine_;
  std::unique_ptr<chart::HostLists> lists_;
};

}  // namespace desktop_test
