#pragma once
// What selecting a datum family and row sets in the datum object beside its
// two ellipsoids: the names shown to the user and the parameter blocks.

#include <string>

#include "geodesy/datum/DatumShiftDef.h"
#include "geodesy/datum/UserShiftBlocks.h"

struct DatumTransformation {
  std::string title;  // title of the user file, else empty
  std::string from, to, area;
  DatumShiftDef shift;
  GsfBlockDef gsf;
  GrdBlockDef grd;
};
