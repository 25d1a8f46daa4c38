#pragma once
// CUKLocationComboBox: a drop-down list of the named coastal places (see
// UKPlaces.h) that, given a position, selects the place nearest to it. The
// names are added the first time a position is given to an empty list, so
// the owner may create the box from its template and call SelectNearest
// whenever the position changes.

#include "controls/UKPlaces.h"
#include "frame/Api.h"
#include "platform/ui/ComboBox.h"

class OVERLAYS_API CUKLocationComboBox : public CComboBox {
 public:
  // Selects the entry of the place nearest to the position (radians); when
  // no entry has that name, the first entry. Returns the place measured.
  NearestPlace SelectNearest(double latitude, double longitude);

 private:
  void AddPlaceNames();
};
