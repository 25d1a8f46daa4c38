#include "geodesy/angle/AngleSettings.h"

#include <string>

#include "frame/ConfigFile.h"
#include "geodesy/angle/AngleKind.h"

namespace {

constexpr char kFormatKey[] = "Format";
constexpr char kDecimalsKey[] = "Decimals";
constexpr char kLatitudeKey[] = "Latitude Hemisphere";
constexpr char kLongitudeKey[] = "Longitude Hemisphere";
constexpr int kDecimalDegreesFormat = 2;


bool IsGeographical(int kind) {
  const AngleKindDef* def = FindAngleKind(kind);
  return def && (def->sign == AngleSign::Latitude || def->sign == AngleSign::Longitude);
}

// Both groups begin with the format and the decimals.
bool OpenAndReadFormat(CConfigFile& file, const char* group, int& format, int& decimals) {
  if (!file.OpenRead(group)) return false;
  format = file.ReadInt(format);
  decimals = file.ReadInt(decimals);
  return true;
}

bool OpenAndWriteFormat(CConfigFile& file, const char* group, int format, int decimals) {
  if (!file.OpenWrite(group)) return false;
  file.WriteInt(kFormatKey, format);
  file.WriteInt(kDecimalsKey, decimals);
  return true;
}

}  // namespace

AngleSettings LoadAngleSettings() {
  AngleSettings settings;
  CConfigFile file;
  OpenAndReadFormat(file, kAngleSettingsGroup, settings.format, settings.decimals);
  return settings;
}

GeographicalsSettings LoadGeographicalsSettings() {
  GeographicalsSettings settings;
  CConfigFile file;
  if (!OpenAndReadFormat(file, kGeographicalsSettingsGroup, settings.format, settings.decimals)) return settings;
  settings.latitudeHemisphere = file.ReadChar(settings.latitudeHemisphere);
  settings.longitudeHemisphere = file.ReadChar(settings.longitudeHemisphere);
  return settings;
}

bool SaveAngleSettings(const AngleSettings& settings) {
  CConfigFile file;
  return OpenAndWriteFormat(file, kAngleSettingsGroup, settings.format, settings.decimals) && file.Close();
}

bool SaveGeographicalsSettings(const GeographicalsSettings& settings) {
  CConfigFile file;
  if (!OpenAndWriteFormat(file, kGeographicalsSettingsGroup, settings.format, settings.decimals)) return false;
  file.WriteText(kLatitudeKey, std::string(1, settings.latitudeHemisphere));
  file.WriteText(kLongitudeKey, std::string(1, settings.longitudeHemisphere));
  return file.Close();
}

AngleSettings ReadAngleSettings(int kind) {
  AngleSettings settings;
  if (IsGeographical(kind)) {
    const GeographicalsSettings geo = LoadGeographicalsSettings();
    settings.format = geo.format;
    settings.decimals = geo.decimals;
    settings.hemisphere = FindAngleKind(kind)->sign == AngleSign::Latitude ? geo.latitudeHemisphere
                                                                           : geo.longitudeHemisphere;
  } else {
    settings = LoadAngleSettings();
  }
  if (!IsAngleFormat(settings.format)) settings.format = AngleSettings{}.format;
  return settings;
}

int DisplayFormat(int kind) {
  const AngleKindDef* def = FindAngleKind(kind);
  if (def && def->decimalDegreesOnly) return kDecimalDegreesFormat;
  return ReadAngleSettings(kind).format;
}
