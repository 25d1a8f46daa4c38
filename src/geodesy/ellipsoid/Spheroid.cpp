#include "geodesy/ellipsoid/Spheroid.h"

#include <cmath>

#include "frame/PathText.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "geodesy/ellipsoid/SpheroidFile.h"
#include "geodesy/geodesic/GeodesicInverse.h"
#include "geodesy/userfile/UserFileFormat.h"
#include "platform/fs/FileSystem.h"

namespace fs = platform::fs;

namespace {

// The range of inverse flattenings of real earth ellipsoids; anything else
// is taken for a typing error and replaced by the International value.
constexpr double kMinInverseFlattening = 290.0;
constexpr double kMaxInverseFlattening = 310.0;
constexpr double kFallbackInverseFlattening = 297.0;

// Meridional-arc coefficients A0..A6 in e² (series to e⁶).
void DeriveMeridionalArc(SpheroidConstants& k, double a) {
  const double e2 = k.es, e4 = e2 * e2, e6 = e4 * e2;
  k.A0 = 1 - e2 / 4 - 3 * e4 / 64 - 5 * e6 / 256;
  k.A2 = 3.0 / 8.0 * (e2 + e4 / 4 + 15 * e6 / 128);
  k.A4 = 15.0 / 256.0 * (e4 + 3 * e6 / 4);
  k.A6 = 35 * e6 / 3072;
  k.aA0 = a * k.A0;
  k.arcSlope = k.A0 - 2 * k.A2 + 4 * k.A4 - 6 * k.A6;
}

// Footpoint-latitude coefficients in e1 (series to e1⁴).
void DeriveFootpoint(SpheroidConstants& k) {
  const double e1 = k.e1, e12 = e1 * e1, e13 = e12 * e1, e14 = e12 * e12;
  k.fp2 = 3 * e1 / 2 - 27 * e13 / 32;
  k.fp4 = 21 * e12 / 16 - 55 * e14 / 32;
  k.fp6 = 151 * e13 / 96;
  k.fp8 = 1097 * e14 / 512;
}

}  // namespace

CSpheroid::CSpheroid() { SelectSpheroid(kWgs1984Row); }

bool CSpheroid::SelectSpheroid(std::uint32_t wanted) {
  if (wanted >= kEllipsoidTable.size()) return false;
  const EllipsoidDef& def = kEllipsoidTable[wanted];
  title.clear();
  name = def.name;
  qualifier = def.qualifier;
  a = def.a;
  b = def.SemiMinorAxis();
  invFlattening = def.invFlattening;
  row = wanted;
  code = def.code;
  DeriveSpheroid();
  return true;
}

void CSpheroid::SetSpheroidParameters(double semiMajor, double inverseFlattening) {
  a = semiMajor;
  invFlattening = inverseFlattening >= kMinInverseFlattening && inverseFlattening <= kMaxInverseFlattening
                      ? inverseFlattening
                      : kFallbackInverseFlattening;
  b = (1 - 1 / invFlattening) * a;
  DeriveSpheroid();
}

void CSpheroid::DeriveSpheroid() {
  derived = {};
  // Written so that NaN, as well as zero and negative values, gives the
  // zeroed object.
  if (!(invFlattening > 0)) return;
  SpheroidConstants& k = derived;
  k.f = 1 / invFlattening;
  k.es = 2 * k.f - k.f * k.f;
  k.e = std::sqrt(k.es);
  k.halfE = k.e / 2;
  k.oneMinusEs = 1 - k.es;
  k.eps = k.es / k.oneMinusEs;
  k.onePlusEps = 1 + k.eps;
  k.polarC = std::sqrt(std::pow(1 + k.e, 1 + k.e) * std::pow(1 - k.e, 1 - k.e));
  const double root = std::sqrt(k.oneMinusEs);
  k.e1 = (1 - root) / (1 + root);
  DeriveMeridionalArc(k, a);
  DeriveFootpoint(k);
}

double CSpheroid::MeridionalArc(double phi) const { return MeridionalArc(phi, std::sin(phi), std::cos(phi)); }

// The multiple angles from double- and triple-angle identities rather than
// three more sines: the projections evaluate the arc once a point, or once
// a step of the footpoint iteration, where the sines dominate the time.
double CSpheroid::MeridionalArc(double phi, double sinPhi, double cosPhi) const {
  const SpheroidConstants& k = derived;
  const double sin2 = 2 * sinPhi * cosPhi, cos2 = (cosPhi - sinPhi) * (cosPhi + sinPhi);
  const double sin4 = 2 * sin2 * cos2, sin6 = sin2 * (3 - 4 * sin2 * sin2);
  return a * (k.A0 * phi - k.A2 * sin2 + k.A4 * sin4 - k.A6 * sin6);
}

bool CSpheroid::Matches(const std::string& wantedName, const std::string& wantedQualifier) const {
  return name == wantedName && qualifier == wantedQualifier;
}

bool CSpheroid::FindSpheroid(const char* wantedName, const char* wantedQualifier) {
  const std::string findName = wantedName && wantedQualifier ? std::string(wantedName) : name;
  const std::string findQualifier = wantedName && wantedQualifier ? std::string(wantedQualifier) : qualifier;
  for (std::uint32_t r = 0; r < kEllipsoidTable.size(); ++r) {
    const EllipsoidDef& def = kEllipsoidTable[r];
    const bool nameOnly = r == kWgs1984Row;
    if (findName == def.name && (nameOnly || findQualifier == def.qualifier)) return SelectSpheroid(r);
  }
  // Walking the table leaves its last row loaded.
  SelectSpheroid(kEllipsoidTable.size() - 1);
  for (const auto& file : ListGlobalFiles(kSpheroidFileExtension))
    if (LoadSpheroidFile(file.path) && Matches(findName, findQualifier)) return true;
  return false;
}

bool CSpheroid::LoadSpheroidFile(const std::string& path) {
  SpheroidFileDef file;
  const fs::FilePtr stream = fs::OpenFile(path, "rb");
  if (!stream || !ReadSpheroidFile(stream.get(), file)) {
    SelectSpheroid(kWgs1984Row);
    return false;
  }
  title = GetPathTitle(path);
  name = file.name.empty() && file.qualifier.empty() ? title : file.name;
  qualifier = file.qualifier;
  a = file.a;
  b = file.b;
  invFlattening = file.invFlattening;
  code = 0;
  DeriveSpheroid();
  return true;
}

bool CSpheroid::GeodesicInverse(double lat1, double lon1, double lat2, double lon2, double* distance,
                                double* azimuth) const {
  return ::GeodesicInverse(*this, lat1, lon1, lat2, lon2, distance, azimuth);
}
