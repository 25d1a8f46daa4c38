#pragma once
// The chart over the sample data, as the desktop host shows it: the wreck
// sample's records (those within 10 NM of the first found by a search), the
// sample wind farms, the Plymouth Approaches KMZ, the Sound Survey Lines
// shapefile and the sea areas with Plymouth highlighted, over the bundled
// world coastline, on a throw-away machine.

#include <QImage>

#include <filesystem>
#include <memory>

#include "support/TestMachine.h"
#include "chart/Chart.h"
#include "chart/HostLayers.h"

namespace desktop_test {

// Qt's painting needs an application object; made once, offscreen unless
// the caller's environment says otherwise.
void EnsureGuiApplication();

// Where chart-*.png go: $OVERLAYS_SCREENSHOTS, else the build folder.
std::filesystem::path ScreenshotFolder();

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
