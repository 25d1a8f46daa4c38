#include "controls/UKPlaces.h"

#include <limits>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "geodesy/ellipsoid/Spheroid.h"

// The values as the module has always carried them: their digits vary from
// place to place (4 decimals in the south, 9 further north), and the search
// centres users have saved depend on them, so none is rounded or tidied.
const std::array<UKPlaceDef, kUKPlaceCount + 1> kUKPlaceTable = {{
    {"St.Mary's", 49.9167, -6.31667},
    {"Penzance", 50.1, -5.55},
    {"Lizard Point", 49.95, -5.2},
    {"Falmouth", 50.15, -5.05},
    {"Looe", 50.35, -4.45},
    {"Plymouth", 50.3667, -4.18333},
    {"Dartmouth", 50.35, -3.56667},
    {"Exmouth", 50.6, -3.38333},
    {"Bridport (West Bay)", 50.7, -2.75},
    {"Portland", 50.5667, -2.43333},
    {"Yarmouth (Isle Of Wight)", 50.7, -1.5},
    {"Ventnor", 50.6, -1.2},
    {"Cowes", 50.7667, -1.3},
    {"Southampton", 50.9, -1.4},
    {"Portsmouth", 50.8, -1.11667},
    {"Shoreham", 50.8333, -0.25},
    {"Folkestone", 51.0833, 1.2},
    {"Dover", 51.1167, 1.31667},
    {"Ramsgate", 51.3333, 1.41667},
    {"Margate", 51.3833, 1.38333},
    {"Whitstable", 51.3667, 1.03333},
    {"Sheerness", 51.45, 0.75},
    {"Southend-On-Sea", 51.5167, 0.716666},
    {"Tilbury", 51.45, 0.366666},
    {"Burnham-On-Crouch", 51.6167, 0.8},
    {"Harwich", 51.95, 1.28333},
    {"Lowestoft", 52.4667, 1.75},
    {"Great Yarmouth", 52.6, 1.75},
    {"Cromer", 52.9333, 1.3},
    {"Wells", 52.95, 0.85},
    {"King's Lynn", 52.75, 0.4},
    {"Skegness", 53.15, 0.35},
    {"Grimsby", 53.5833, -0.066666},
    {"Immingham", 53.6333, -0.183333},
    {"Hull", 53.7333, -0.266666},
    {"Humber Bridge", 53.7167, -0.45},
    {"Scarborough", 54.2833, -0.383333},
    {"Whitby", 54.4833, -0.616666},
    {"Middlesbrough", 54.5833, -1.21667},
    {"Hartlepool", 54.6833, -1.2},
    {"Sunderland", 54.9167, -1.366666667},
    {"Newcastle-Upon-Tyne", 54.9667, -1.6},
    {"Holy Island", 55.6667, -1.78333},
    {"Berwick", 55.7833, -2.0},
    {"Dunbar", 56.0, -2.51667},
    {"Leith", 55.9833, -3.18333},
    {"Grangemouth", 56.0333, -3.683333333},
    {"Alloa", 56.1167, -3.8},
    {"Stirling", 56.1167, -3.933333333},
    {"Dundee", 56.45, -2.96667},
    {"Perth", 56.4, -3.416666667},
    {"Arbroath", 56.55, -2.58333},
    {"Montrose", 56.7, -2.466666667},
    {"Stonehaven", 56.9667, -2.2},
    {"Aberdeen", 57.15, -2.066666667},
    {"Peterhead", 57.5, -1.76667},
    {"Fraserburgh", 57.6833, -2.0},
    {"Lossiemouth", 57.7167, -3.3},
    {"Inverness", 57.5, -4.233333333},
    {"Dingwall", 57.6, -4.416666667},
    {"Wick", 58.4333, -3.08333},
    {"Duncansby Head", 58.65, -3.03333},
    {"Kirkwall", 58.98333333, -2.966666667},
    {"St. Mary's (Scapa Flow)", 58.9, -2.916666667},
    {"Fair Isle", 59.53333333, -1.6},
    {"Sumburgh (Grutness Voe)", 59.88333333, -1.283333333},
    {"Lerwick", 60.15, -1.133333333},
    {"Burra Firth", 60.8, -0.866666667},
    {"Sullom Voe", 60.45, -1.3},
    {"Scrabster", 58.61666667, -3.55},
    {"Stornoway", 58.2, -6.383333333},
    {"Barra (North Bay)", 57.0, -7.4},
    {"St. Kilda", 57.8, -8.566666667},
    {"Flannan Isles", 58.28333333, -7.583333333},
    {"Rockall", 57.6, -13.68333333},
    {"Ullapool", 57.9, -5.15},
    {"Plockton", 57.35, -5.65},
    {"Kyle Of Lochalsh", 57.28333333, -5.716666667},
    {"Mallaig", 57.0, -5.833333333},
    {"Iona", 56.33333333, -6.383333333},
    {"Tobermory", 56.61666667, -6.066666667},
    {"Oban", 56.41666667, -5.483333333},
    {"Port Askaig", 55.85, -6.1},
    {"Campbeltown", 55.41666667, -5.6},
    {"Arrochar", 56.2, -4.75},
    {"Greenock", 55.95, -4.766666667},
    {"Clydebank", 55.9, -4.4},
    {"Irvine", 55.6, -4.7},
    {"Ayr", 55.46666667, -4.65},
    {"Stranraer", 54.91666667, -5.033333333},
    {"Port William", 54.76666667, -4.583333333},
    {"Southerness Point", 54.86666667, -3.6},
    {"Maryport", 54.71666667, -3.5},
    {"Whitehaven", 54.55, -3.6},
    {"Barrow", 54.1, -3.2},
    {"Arnside", 54.2, -2.85},
    {"Fleetwood", 53.93333333, -3.0},
    {"Liverpool", 53.4, -3.016666667},
    {"Douglas", 54.15, -4.466666667},
    {"Colwyn Bay", 53.3, -3.716666667},
    {"Llandudno", 53.33333333, -3.833333333},
    {"Holyhead", 53.31666667, -4.616666667},
    {"Aberystwyth", 52.4, -4.083333333},
    {"Fishguard", 52.01666667, -4.983333333},
    {"Milford Haven", 51.7, -5.05},
    {"Cardiff", 51.45, -3.166666667},
    {"Port Of Bristol (Avonmouth)", 51.5, -2.733333333},
    {"Burnham-On-Sea", 51.23333333, -3.0},
    {"Clovelly", 51.0, -4.4},
    {"St. Ives", 50.21666667, -5.483333333},
    {"Dublin", 53.35, -6.15},
    {"Warrenpoint", 54.1, -6.25},
    {"Belfast", 54.6, -5.916666667},
    {"Culdaff Bay", 55.3, -7.15},
    {"Cranford Bay", 55.15, -7.7},
    {"Clare Island", 53.8, -9.95},
    {"Seafield Point", 52.8, -9.5},
    {"Smerwick Harbour", 52.2, -10.4},
    {"Castletown Bearhaven", 51.65, -9.9},
    {"Cobh", 51.85, -8.3},
    {"New Ross", 52.4, -6.95},
    {"Rosslare Europort", 52.25, -6.35},
    {"", 0, 0},
}};

NearestPlace FindNearestPlace(std::span<const UKPlaceDef> places, double latitude, double longitude) {
  CSpheroid wgs84;
  wgs84.SelectSpheroid(kWgs1984Row);
  NearestPlace nearest;
  double smallest = std::numeric_limits<double>::max();
  for (std::size_t i = 0; i < places.size() && places[i].name[0] != '\0'; ++i) {
    double distance = 0;
    // A line the geodesic refuses (nearly antipodal) reports 0 m; taken at
    // its word it would beat every real distance, so it is passed over.
    if (!wgs84.GeodesicInverse(latitude, longitude, places[i].latitude * kRadiansPerDegree,
                               places[i].longitude * kRadiansPerDegree, &distance, nullptr))
      continue;
    if (distance < smallest) {
      smallest = distance;
      nearest = {static_cast<int>(i), distance};
    }
  }
  return nearest;
}

const UKPlaceDef* FindPlaceInText(std::string_view text) {
  for (const UKPlaceDef& place : UKPlaces())
    if (text.find(place.name) != std::string_view::npos) return &place;
  return nullptr;
}
