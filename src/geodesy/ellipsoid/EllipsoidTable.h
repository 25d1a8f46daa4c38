#pragma once
// The built-in ellipsoids. Each row holds only the defining constants, the
// semi-major axis a (metres) and the inverse flattening 1/f; the semi-minor
// axis and every series constant are derived from them (CSpheroid).
//
// Provenance: codes 7001-7059 are the registry's ellipsoid codes and 1024
// the Chinese CGCS2000 code. Rows the registry defines by a and b (Airy 1830,
// Clarke 1866, Clarke 1880 (Benoit), (IGN), Everest 1967 and 1830
// Definition, Clarke 1880 (International Foot)) carry 1/f computed from that
// pair, so the full digits are kept. Spheres have f = 0, written as an
// infinite 1/f so that b = a·(1 − 1/(1/f)) holds for every row.

#include <array>
#include <cstdint>
#include <limits>

struct EllipsoidDef {
  std::int32_t code;
  const char* name;       // Windows-1252
  const char* qualifier;  // second line of the name; may be empty
  double a;               // semi-major axis, metres
  double invFlattening;   // 1/f; infinite for a sphere

  constexpr double SemiMinorAxis() const { return a * (1.0 - 1.0 / invFlattening); }
};

inline constexpr double kSphere = std::numeric_limits<double>::infinity();

// The default ellipsoid of every datum object, and the far side of a
// transformation whose file cannot be read.
inline constexpr unsigned kWgs1984Row = 26;
inline constexpr unsigned kInternationalRow = 20;
// The sides of the grid-shift transformations (OSGB36, NAD27, NAD83).
inline constexpr unsigned kAiry1830Row = 0;
inline constexpr unsigned kClarke1866Row = 7;
inline constexpr unsigned kGrs80Row = 17;

inline constexpr std::array<EllipsoidDef, 53> kEllipsoidTable{{
    // Airy and the national ellipsoids of the nineteenth century.
    {7001, "Airy 1830", "OSGB", 6377563.39635, 299.32497041446857},
    {7002, "Airy (modified 1849)", "The Grid", 6377340.189, 299.3249646},
    {7003, "Reference 1967", "(Australian)", 6378160, 298.25},
    {7004, "Bessel 1841", "Original", 6377397.155, 299.1528128},
    {7005, "Bessel (modified)", "NGO", 6377492.0176, 299.15281981},
    {7006, "Bessel (Namibia)", "", 6377483.865, 299.1528128},
    // The Clarke family; several are defined in feet or by a and b.
    {7007, "Clarke 1858", "", 6378293.645, 294.3},
    {7008, "Clarke 1866 Spheroid", "", 6378206.4, 294.9786982138982},
    {7009, "Clarke 1866 (Michigan)", "", 6378450.047548896, 294.97869716467716},
    {7010, "Clarke 1880 (Benoit)", "", 6378300.789, 293.4663155389811},
    {7011, "Clarke 1880 (IGN)", "", 6378249.2, 293.4660212936269},
    {7012, "Clarke 1880 (RGS)", "", 6378249.145, 293.465},
    {7013, "Clarke 1880 (Arc)", "South African", 6378249.145, 293.4663077},
    {7014, "Clarke 1880 (SGA 1922)", "", 6378249.2, 293.46598},
    // Everest variants of the Indian survey and Malaysia.
    {7015, "Everest 1830 (1937 Adj)", "", 6377276.345, 300.8017},
    {7016, "Everest 1830 (1967 Def)", "(East Malaysia)", 6377298.555679764, 300.8016995962373},
    {7018, "Everest 1830 (Modified)", "(West Malaysia)", 6377304.063110002, 300.8017},
    // Twentieth-century reference ellipsoids.
    {7019, "GRS80", "", 6378137, 298.257222101},
    {7020, "Helmert 1906", "", 6378200, 298.3},
    {7021, "National Spheroid", "Indonesian", 6378160, 298.247},
    {7022, "International Spheroid", "(Hayford 1910)", 6378388, 297.0},
    {7024, "Krassowsky 1940", "", 6378245, 298.3},
    {7025, "NWL 9D", "", 6378145, 298.25},
    {7027, "Plessis 1817", "", 6376523, 308.64},
    {7028, "Struve 1860", "", 6378297, 294.73},
    {7029, "War Office", "", 6378300.583, 296.0},
    {7030, "WGS 1984", "", 6378137, 298.257223563},
    // Gravity-model ellipsoids sharing the WGS 1984 flattening.
    {7031, "GEM 10C", "", 6378137, 298.257223563},
    {7032, "OSU86F", "Gravity Model", 6378136.2, 298.257223563},
    {7033, "OSU91A", "Gravity Model", 6378136.3, 298.257223563},
    {7034, "Clarke 1880 Spheroid", "", 6378249.2, 293.465},
    {7035, "Authalic", "Sphere", 6371000, kSphere},
    {7036, "GRS 1967", "", 6378160, 298.247167427},
    {7041, "Average Terrestrial System", "1977", 6378135, 298.257},
    {7042, "Everest (1830 Definition)", "(India)", 6377299.370817111, 300.8016995962437},
    {7043, "NWL 10D", "(WGS 1972)", 6378135, 298.26},
    {7044, "Everest (NHO)", "(India & Pakistan)", 6377301.243, 300.8017255},
    {7045, "Everest 1830 (1975 Def)", "India since metrication", 6377299.151, 300.8017255},
    {7046, "Bessel (GLM)", "Namibia", 6377397.155, 299.1528128},
    {7047, "Clarke 1866 (code 7008)", "Authalic Sphere", 6370997, kSphere},
    {7048, "GRS 1980", "Authalic Sphere", 6371007, kSphere},
    {7049, "IAG 1975", "", 6378140, 298.257},
    {7050, "SAD 1969", "(South American)", 6378160, 298.25},
    {7051, "Danish Spheroid", "", 6378160, 298.25},
    // The registry lists this sphere twice (7047 and 7052); both rows stay.
    {7052, "Clarke 1866 (code 7008)", "Authalic Sphere", 6370997, kSphere},
    {7053, "Hough 1960", "", 6378270, 297.0},
    {7054, "PZ-90", "", 6378136, 298.257839303},
    {7055, "Clarke 1880 (International Foot)", "", 6378306.3696, 293.4663076556355},
    {7056, "Everest 1830 RSO 1969", "", 6377295.664, 300.8017},
    {7057, "International 1924", "Authalic Sphere", 6371228, kSphere},
    {7058, "Hughes 1980", "", 6378273, 298.279411123064},
    {7059, "Popular Visualisation Sphere", "", 6378137, kSphere},
    // China Geodetic Coordinate System 2000: the GRS80 shape.
    {1024, "CGCS2000", "China", 6378137, 298.257222101},
}};

static_assert(kEllipsoidTable[kWgs1984Row].code == 7030);
static_assert(kEllipsoidTable[kInternationalRow].code == 7022);
