#include "controls/UKLocationComboBox.h"

NearestPlace CUKLocationComboBox::SelectNearest(double latitude, double longitude) {
  const NearestPlace nearest = FindNearestPlace(UKPlaces(), latitude, longitude);
  if (GetCount() == 0) AddPlaceNames();
  const int entry = nearest.index < 0 ? CB_ERR : FindStringExact(-1, UKPlaces()[static_cast<std::size_t>(nearest.index)].name);
  SetCurSel(entry == CB_ERR ? 0 : entry);
  return nearest;
}

void CUKLocationComboBox::AddPlaceNames() {
  for (const UKPlaceDef& place : UKPlaces()) AddString(place.name);
}
