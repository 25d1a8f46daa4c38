#include "geodesy/shift/NadconRegionTable.h"

#include <array>

namespace {

constexpr std::array<NadconRegionDef, 5> kNad83{{
    {"Conterminous U S (lower 48 states)", "CONUS"},
    {"Alaska, incl. Aleutian Islands", "ALASKA"},
    {"St. Lawrence Is., Old Island Datum within Alaska", "STLRNC"},
    {"St. George Is., Old Island Datum within Alaska", "STGEORGE"},
    {"St. Paul Is., Old Island Datum within Alaska", "STPAUL"},
}};

// The names are the program's own, spelling ("Isands") and double blank
// included: they appear in the area text users have seen.
constexpr std::array<NadconRegionDef, 46> kHpgn{{
    {"Alabama", "ALHPGN"},
    {"Arkansas", "ARHPGN"},
    {"Arizona", "AZHPGN"},
    {"California (Above 37 degrees latitude)", "CNHPGN"},
    {"California  (Below 37 degrees latitude)", "CSHPGN"},
    {"Colorado", "COHPGN"},
    {"Florida", "FLHPGN"},
    {"Georgia", "GAHPGN"},
    {"Guam", "GUHPGN"},
    {"Hawaii", "HIHPGN"},
    {"Idaho-Montana (East of 113 degrees longitude)", "EMHPGN"},
    {"Idaho-Montana (West of 113 degrees longitude)", "WMHPGN"},
    {"Iowa", "IAHPGN"},
    {"Illinois", "ILHPGN"},
    {"Indiana", "INHPGN"},
    {"Kansas", "KSHPGN"},
    {"Kentucky", "KYHPGN"},
    {"Louisiana", "LAHPGN"},
    {"Maryland - Delaware", "MDHPGN"},
    {"Maine", "MEHPGN"},
    {"Michigan", "MIHPGN"},
    {"Minnesota", "MNHPGN"},
    {"Mississippi", "MSHPGN"},
    {"Missouri", "MOHPGN"},
    {"Nebraska", "NBHPGN"},
    {"Nevada", "NVHPGN"},
    {"New England", "NEHPGN"},
    {"New Jersey", "NJHPGN"},
    {"New Mexico", "NMHPGN"},
    {"New York", "NYHPGN"},
    {"North Dakota", "NDHPGN"},
    {"Ohio", "OHHPGN"},
    {"Oklahoma", "OKHPGN"},
    {"Puerto Rico-Virgin Isands", "PVHPGN"},
    {"Samoa (Eastern Islands)", "ESHPGN"},
    {"Samoa (Western Islands)", "WSHPGN"},
    {"South Dakota", "SDHPGN"},
    {"Tennessee", "TNHPGN"},
    {"Texas (East of 100 degrees longitude)", "ETHPGN"},
    {"Texas (West of 100 degrees longitude)", "WTHPGN"},
    {"Utah", "UTHPGN"},
    {"Virginia", "VAHPGN"},
    {"Washington-Oregon", "WOHPGN"},
    {"West Virginia", "WVHPGN"},
    {"Wisconsin", "WIHPGN"},
    {"Wyoming", "WYHPGN"},
}};

// A row left out of an array's count would stand there empty.
constexpr bool AllRowsFilled(std::span<const NadconRegionDef> table) {
  for (const NadconRegionDef& row : table)
    if (!row.name || !row.code || !*row.code) return false;
  return true;
}
static_assert(AllRowsFilled(kNad83) && AllRowsFilled(kHpgn), "a region row is missing");

}  // namespace

const std::span<const NadconRegionDef> kNadconNad83Regions{kNad83};
const std::span<const NadconRegionDef> kNadconHpgnRegions{kHpgn};
