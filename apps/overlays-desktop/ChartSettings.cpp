#include "ChartSettings.h"

#include "frame/ConfigFile.h"

namespace desktop {
namespace {

constexpr double kDegreesPerRadian = 57.2957795131;
constexpr int kAngleDecimals = 9;  // a millimetre on the ground
constexpr int kScaleDecimals = 4;

}  // namespace

void SaveChartSettings(const chart::Chart& chart) {
  const chart::GeoPosition centre = chart.Projection().Inverse(chart.View().Centre());
  CConfigFile file;
  if (!file.OpenWrite(kChartSettingsGroup)) return;
  file.WriteDouble("Latitude", centre.lat * kDegreesPerRadian, kAngleDecimals);
  file.WriteDouble("Longitude", centre.lon * kDegreesPerRadian, kAngleDecimals);
  file.WriteDouble("Metres Per Pixel", chart.View().MetresPerPixel(), kScaleDecimals);
  for (const auto& layer : chart.Layers()) file.WriteBool(layer->Name(), layer->visible);
  file.Close();
}

bool LoadChartSettings(chart::Chart& chart) {
  CConfigFile file;
  if (!file.OpenRead(kChartSettingsGroup)) return false;
  const chart::GeoPosition old = chart.Projection().Inverse(chart.View().Centre());
  const double lat = file.ReadDouble(old.lat * kDegreesPerRadian) / kDegreesPerRadian;
  const double lon = file.ReadDouble(old.lon * kDegreesPerRadian) / kDegreesPerRadian;
  chart.View().CentreOn({lat, lon});
  chart.View().SetMetresPerPixel(file.ReadDouble(chart.View().MetresPerPixel()));
  for (const auto& layer : chart.Layers()) layer->visible = file.ReadBool(layer->visible);
  return true;
}

}  // namespace desktop
