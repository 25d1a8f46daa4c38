#pragma once
// The user's choice of angle text: one settings group for every angle that
// is not a position ("Angle Settings": format, decimals) and one for
// latitudes and longitudes ("Geographicals Settings": format, decimals and
// the hemisphere letters shown for a value of exactly 0).

inline constexpr char kAngleSettingsGroup[] = "Angle Settings";
inline constexpr char kGeographicalsSettingsGroup[] = "Geographicals Settings";

struct AngleSettings {
  int format = 1;
  int decimals = 7;
  // The default hemisphere letter of the kind; 0 for kinds without one.
  char hemisphere = 0;
};

struct GeographicalsSettings {
  int format = 1;
  int decimals = 7;
  char latitudeHemisphere = 'N';
  char longitudeHemisphere = 'E';
};

// The group as stored, with the defaults for whatever the file lacks.
AngleSettings LoadAngleSettings();
GeographicalsSettings LoadGeographicalsSettings();
// Rewrites a group whole; false when the file could not be written.
bool SaveAngleSettings(const AngleSettings& settings);
bool SaveGeographicalsSettings(const GeographicalsSettings& settings);

// The settings that decide the text of a kind: the geographical ones (with
// the latitude or longitude letter) for kinds 5 and 6, the angle ones for
// every other kind. A stored format outside 0..4 reads as the default, so
// that "decided by the settings" always ends in a real format.
AngleSettings ReadAngleSettings(int kind);
// The format an edit field of the kind shows: always decimal degrees
// (format 2) for kinds 7, 8 and 9, else the user's.
int DisplayFormat(int kind);
