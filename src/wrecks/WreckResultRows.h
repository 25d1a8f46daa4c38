#pragma once
// What a row of the wreck search's result list shows of one record: a text
// and an image per column, the easting and northing only when a grid is
// selected. The columns are one table, so the headings and the cells
// cannot drift apart.

#include <string>
#include <string_view>
#include <vector>

#include "frame/Api.h"
#include "geodesy/angle/AngleSettings.h"

class CDatum;
struct WreckDef;

struct ResultCell {
  std::string text;
  int image = -1;  // into the wreck image list; -1 none
};

class OVERLAYS_API CWreckResultRows {
 public:
  // With a datum the rows carry the easting and northing of its grid. The
  // user's angle settings are read once here, not once per cell.
  explicit CWreckResultRows(CDatum* gridDatum);

  std::vector<std::string_view> Headings() const;
  std::vector<ResultCell> Cells(const WreckDef& record) const;

  // Read by the cells.
  const AngleSettings& LatitudeSettings() const { return latitude_; }
  const AngleSettings& LongitudeSettings() const { return longitude_; }

 private:
  CDatum* datum_;
  AngleSettings latitude_;
  AngleSettings longitude_;
};
