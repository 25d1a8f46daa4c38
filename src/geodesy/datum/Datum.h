#pragma once
// The datum object: the one place where the overlays relate WGS 1984
// positions to the user's chart grid. The holder owns the far ellipsoid and
// the user grid, points this object at them, and chooses a transformation
// by family and row (DatumFamilies.h); the object then turns latitude and
// longitude into easting and northing on the user grid and back.
//
// Notation: lat, lon radians (east positive); easting, northing metres.
// Positions travel as tagXY with the longitude or easting in x and the
// latitude or northing in y.
//
// Lifecycle: the far ellipsoid and the user grid must outlive the object;
// the family, row and direction change only through SetDatum.

#include <array>
#include <cstdint>
#include <string>

#include "frame/Api.h"
#include "frame/XY.h"
#include "geodesy/datum/DatumTransformation.h"
#include "geodesy/datum/PositionDef.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/shift/NTv2.h"
#include "geodesy/shift/NadconRegion.h"
#include "geodesy/shift/Ostn15.h"

class OVERLAYS_API CDatum {
 public:
  // WGS 1984 on the near side with a new grid on it, no far side, family 0
  // forward row 0 with zero parameters; the OSTN15 grids are read and the
  // Canadian grid shift finds its folder.
  CDatum();
  CDatum(const CDatum&) = delete;
  CDatum& operator=(const CDatum&) = delete;

  // Stores the three values (kept even when the call fails), frees the
  // NADCON grids and fills the names, both ellipsoids and the parameters
  // from the family's row; −1 then reverses the direction, except for the
  // user file families, whose files always run forward. Whatever happens,
  // the user grid's catalogue entry is then applied again on the far
  // ellipsoid. The Canadian family reads the national grid from the Global
  // data folder when the shift holds no grid yet. False for a family outside −1..9 or a row it does not have
  // (a user file family also when the file cannot be read).
  bool SetDatum(int family, std::uint32_t row, int direction);
  // Swaps the near and far ellipsoids and the near and user grids' own
  // definitions (each grid stays on its ellipsoid object) and negates the
  // Helmert and GSF parameters. Twice restores everything.
  void ReverseDirection();

  // A WGS 1984 position (x longitude, y latitude) on the user grid (x
  // easting, y northing); (0, 0) for a family without a grid, without the
  // user grid it needs, outside the OSTN15 extent, or where the projection
  // or shift gives no answer. Families 3 to 9 take the position on the
  // near side (WGS 1984, NAD27, NAD83 or HPGN as the row names it), carry
  // it across by ConvertPosition at height 0 and project it on the user
  // grid; a NADCON row may load its grids and rewrites the Area name.
  tagXY LatLonToGrid(tagXY position);
  // The reverse: a grid position back to the near side, (0, 0) as above.
  // The reverse Helmert step negates the parameters, so with rotations or
  // scale it undoes LatLonToGrid only to second order (millimetres).
  tagXY GridToLatLon(tagXY position);

  // Carries a position from one side of the transformation to the other:
  // direction +1 from `from` (near ellipsoid and grid) to `to` (far
  // ellipsoid and user grid), −1 back. The Helmert families (1, 6, 7) and
  // the GSF family (8, three geocentric translations) read the source's X,
  // Y, Z and seed the latitude iteration with the target's latitude; the Norway, NADCON, NTv2 and OSTN15 families read its
  // latitude, longitude and height, the affine family (9) its easting and
  // northing. The target is then filled whole (FillPosition), its grid
  // values 0 where its grid cannot project. NADCON rewrites the Area name.
  // False, with the target untouched, for a family without a conversion
  // (−1, 0), a side without its ellipsoid or grid where one is needed,
  // or a point outside the shift's grids.
  bool ConvertPosition(PositionDef& from, PositionDef& to, int direction);

  int Family() const { return family_; }
  int Direction() const { return direction_; }
  std::uint32_t Row() const { return row_; }

  CSpheroid nearEllipsoid;  // the "From" side
  CGridSystem nearGrid;     // on nearEllipsoid
  CSpheroid* farEllipsoid = nullptr;  // the "To" side; the holder's
  CGridSystem* userGrid = nullptr;    // on farEllipsoid; the holder's
  std::uint32_t reserved = 0;
  COstn15 ostn15;
  CNTv2 ntv2;  // writes its settings when the object goes

 private:
  int family_ = 0;
  int direction_ = 1;
  std::uint32_t row_ = 0;

 public:
  std::string spareText;
  // Title of a user file, the From, To and Area names and the parameters.
  DatumTransformation transformation;
  // The grid pair of the NADCON region that covered the last point, one
  // slot per side.
  std::array<CNadconRegion, 2> nadconRegions;
  CSpheroid secondEllipsoid;
  CGridSystem secondGrid;  // on secondEllipsoid
  std::uint16_t spare = 0;

 private:
  // Latitude first, as the shifts and projections take it.
  using Conversion = bool (CDatum::*)(double, double, double&, double&);
  struct FamilyConversions {
    int family;
    Conversion toGrid, toLatLon;
  };
  static const FamilyConversions kConversions[];
  static constexpr int kFirstShiftThenProjectFamily = 3;

  // Both null for the geographicals family.
  FamilyConversions ConversionsOfFamily() const;

  // One side of the transformation: the near ellipsoid and grid, or the
  // holder's far ellipsoid and user grid (either may be absent).
  struct Side {
    const CSpheroid* ellipsoid;
    const CGridSystem* grid;
  };
  Side NearSide() const { return {&nearEllipsoid, &nearGrid}; }
  Side FarSide() const { return {farEllipsoid, userGrid}; }
  // Each method reads `source` on side `in` and fills `target` on side
  // `out`; `direction` is the caller's, `sense` that times the object's
  // own direction (+1 when the step runs the way the row is named).
  struct Step {
    const PositionDef& source;
    PositionDef& target;
    Side in, out;
    int direction, sense;
  };
  using PositionConversion = bool (CDatum::*)(const Step&);
  static PositionConversion ConversionOfFamily(int family);
  bool ConvertHelmert(const Step& step);
  bool ConvertTranslation(const Step& step);
  bool ConvertGeocentric(const Step& step, const DatumShiftDef& shift);
  bool ConvertNorway(const Step& step);
  bool ConvertNadcon(const Step& step);
  bool ConvertNtv2(const Step& step);
  bool ConvertOstn(const Step& step);
  bool ConvertAffine(const Step& step);
  DatumShiftDef NorwayShiftAt(double lat) const;
  bool Ntv2Shift(double lat, double lon, double& shiftedLat, double& shiftedLon);
  void ReapplyUserGrid();

  bool ProjectOnly(double lat, double lon, double& easting, double& northing);
  bool UnprojectOnly(double easting, double northing, double& lat, double& lon);
  bool ShiftAndProject(double lat, double lon, double& easting, double& northing);
  bool UnprojectAndShiftBack(double easting, double northing, double& lat, double& lon);
  bool OstnForward(double lat, double lon, double& easting, double& northing);
  bool OstnInverse(double easting, double northing, double& lat, double& lon);
  bool ShiftThenProject(double lat, double lon, double& easting, double& northing);
  bool UnprojectThenShiftBack(double easting, double northing, double& lat, double& lon);
};
