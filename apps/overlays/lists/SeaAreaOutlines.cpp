// Outlines approximated from the published boundary descriptions of the
// forecast areas (corner points on whole or half degrees, coasts cut
// short): good enough to draw the areas and see which is which, not to
// decide in which area a position lies.

#include "SeaAreaOutlines.h"

#include <initializer_list>

#include "geodesy/angle/AngleUnits.h"

namespace host {
namespace {

struct Corner {
  double lat, lon;  // degrees, east positive
};

struct SeaAreaOutlineDef {
  const char* name;
  std::initializer_list<Corner> corners;
};

const SeaAreaOutlineDef kSeaAreaOutlines[] = {
    {"Viking", {{61, 0}, {61, 4}, {58.5, 4}, {58.5, 0}}},
    {"North Utsire", {{61, 4}, {61, 5}, {59, 5.6}, {59, 4}}},
    {"South Utsire", {{59, 4}, {59, 5.6}, {58.1, 6.5}, {57.8, 7.5}, {57.75, 4}}},
    {"Forties", {{58.5, -1}, {58.5, 4}, {56, 4}, {56, 1}, {57, 1}, {57, -1}}},
    {"Cromarty", {{57, -2}, {57.7, -1.8}, {57.7, -4}, {58.5, -3}, {58.5, -1}, {57, -1}}},
    {"Forth", {{55.8, -1.8}, {56.5, -2.5}, {57, -2}, {57, 1}, {55.8, 1}}},
    {"Tyne", {{54.25, -0.4}, {55, -1.4}, {55.8, -1.8}, {55.8, 1}, {54.25, 1}}},
    {"Dogger", {{56, 1}, {56, 5}, {54.5, 5}, {54.25, 2.5}, {54.25, 1}, {55.8, 1}}},
    {"Fisher", {{57.75, 4}, {57.8, 7.5}, {57, 8.2}, {56, 8.1}, {56, 4}}},
    {"German Bight", {{56, 5}, {56, 8.1}, {53.9, 8.8}, {53.4, 6.5}, {53.4, 4.6}, {54.5, 5}}},
    {"Humber", {{52.5, 1.75}, {53.6, 0.1}, {54.25, -0.4}, {54.25, 2.5}, {54.5, 5}, {53.4, 4.6}, {52.5, 4.6}}},
    {"Thames", {{51.45, 1.45}, {52.5, 1.75}, {52.5, 4.6}, {51.9, 4}, {51.3, 3.2}, {51.3, 2.6}}},
    {"Dover", {{50.9, 1}, {51.45, 1.45}, {51.3, 2.6}, {51.05, 2.35}, {50.2, 1.6}}},
    {"Wight", {{50.6, -1.9}, {50.9, 1}, {50.2, 1.6}, {49.4, 0.2}, {49.7, -1.9}}},
    {"Portland", {{50.2, -3.25}, {50.6, -1.9}, {49.7, -1.9}, {48.8, -3.25}}},
    {"Plymouth", {{50, -6.25}, {50, -5.7}, {50.2, -3.25}, {48.8, -3.25}, {48.45, -4.8}, {48.45, -6.25}}},
    {"Biscay", {{48.45, -6.25}, {48.45, -4.8}, {47.3, -2.5}, {45.5, -1.2}, {43.4, -1.6}, {43.5, -5.8}, {43.8, -7.9},
                {44.5, -6.25}}},
    {"Trafalgar", {{43, -15}, {42.9, -9.3}, {37, -9}, {36.5, -6.5}, {35, -6.5}, {35, -15}}},
    {"FitzRoy", {{48.45, -15}, {48.45, -6.25}, {44.5, -6.25}, {43.8, -7.9}, {42.9, -9.3}, {43, -15}}},
    {"Sole", {{50, -15}, {50, -6.25}, {48.45, -6.25}, {48.45, -15}}},
    {"Lundy", {{52.1, -6.4}, {51.6, -5.1}, {51.4, -3.2}, {51.1, -4.2}, {50.6, -4.7}, {50, -5.7}, {50, -6.25},
               {51, -6.25}}},
    {"Fastnet", {{51.5, -10}, {51.9, -8}, {52.1, -6.4}, {51, -6.25}, {50, -6.25}, {50, -10}}},
    {"Irish Sea", {{55, -6}, {54.7, -5}, {54, -3}, {53.2, -4.5}, {52, -5}, {52.1, -6.4}, {53.5, -6}, {54.5, -5.6}}},
    {"Shannon", {{53.5, -15}, {53.5, -10}, {51.5, -10}, {50, -10}, {50, -15}}},
    {"Rockall", {{58, -15}, {58, -10}, {53.5, -10}, {53.5, -15}}},
    {"Malin", {{57, -10}, {57, -6}, {55.7, -5.5}, {55, -6}, {55.3, -7.5}, {54.5, -8.5}, {53.5, -10}}},
    {"Hebrides", {{61.25, -10}, {59, -7}, {58.5, -5}, {57, -6}, {57, -10}}},
    {"Bailey", {{63.1, -15}, {62, -11}, {61.25, -10}, {58, -10}, {58, -15}}},
    {"Fair Isle", {{62, -3}, {61, 0}, {58.5, 0}, {58.5, -5}, {59, -7}}},
    {"Faeroes", {{63, -7}, {62, -3}, {59, -7}, {62, -11}}},
    {"Southeast Iceland", {{64, -18}, {65, -14}, {63, -7}, {62, -11}}},
};

}  // namespace

void FillSeaAreas(CSeaAreas& seaAreas) {
  seaAreas.areas.clear();
  for (const SeaAreaOutlineDef& def : kSeaAreaOutlines) {
    SeaAreaDef area{def.name, {}};
    for (const Corner& c : def.corners) area.outline.Add({c.lon * kRadiansPerDegree, c.lat * kRadiansPerDegree});
    seaAreas.areas.push_back(std::move(area));
  }
}

}  // namespace host
