// Writes src/geodesy/projection/NorwegianAxesTable.cpp: for every UTM zone
// (31 to 35) and NGO 1948 axis that the kind-13 rule can pair, a least-
// squares polynomial from UTM to the axis and one back, fitted to PROJ's
// conversion over Norway's area of use within the zone.
//   fit_norwegian_axes OUTPUT.cpp      the table at the module's degree
//   fit_norwegian_axes --survey        residuals of every degree 4..9
//
// Fit points lie on a 2 km lattice over the zone's rectangle; residuals are
// measured on the lattice shifted by half a step, with the module's own
// evaluation of the rounded coefficients.

#include <proj.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "NgoConversion.h"
#include "geodesy/projection/NorwegianAxes.h"

namespace {

using norwegian_axes::NgoConversion;

constexpr double kStep = 2000;              // metres between lattice points
constexpr double kMeetingLongitude = 0.05;  // degrees: bounding boxes that only touch do not meet
constexpr double kSouthernOrigin = 6430000;

struct Box {
  double south, west, north, east;  // degrees
};

Box AreaOfUse(const std::string& crs) {
  PJ_CONTEXT* ctx = proj_context_create();
  PJ* obj = proj_create(ctx, crs.c_str());
  Box b{};
  if (!obj || !proj_get_area_of_use(ctx, obj, &b.west, &b.south, &b.east, &b.north, nullptr)) {
    std::fprintf(stderr, "no area of use for %s\n", crs.c_str());
    std::exit(1);
  }
  proj_destroy(obj);
  proj_context_destroy(ctx);
  return b;
}

struct Sample {
  double e, n;  // UTM
  double y, x;  // NGO
};

// The least-squares solution of A·c = b (m rows, n columns, r right-hand
// sides, row-major) by Householder QR in long double, each column scaled to
// unit largest entry first so that high powers do not swamp low ones.
std::vector<long double> LeastSquares(std::vector<long double> A, std::size_t m, std::size_t n,
                                      std::vector<long double> b, std::size_t r) {
  std::vector<long double> scale(n, 0);
  for (std::size_t i = 0; i < m; ++i)
    for (std::size_t j = 0; j < n; ++j) scale[j] = std::max(scale[j], std::fabs(A[i * n + j]));
  for (std::size_t i = 0; i < m; ++i)
    for (std::size_t j = 0; j < n; ++j) A[i * n + j] /= scale[j];
  for (std::size_t k = 0; k < n; ++k) {
    long double norm = 0;
    for (std::size_t i = k; i < m; ++i) norm += A[i * n + k] * A[i * n + k];
    norm = std::sqrt(norm);
    const long double alpha = A[k * n + k] > 0 ? -norm : norm;
    std::vector<long double> v(m - k);
    for (std::size_t i = k; i < m; ++i) v[i - k] = A[i * n + k];
    v[0] -= alpha;
    long double vv = 0;
    for (long double x : v) vv += x * x;
    if (vv == 0) continue;
    auto reflect = [&](long double* column, std::size_t stride) {
      long double dot = 0;
      for (std::size_t i = k; i < m; ++i) dot += v[i - k] * column[i * stride];
      dot = 2 * dot / vv;
      for (std::size_t i = k; i < m; ++i) column[i * stride] -= dot * v[i - k];
    };
    for (std::size_t j = k; j < n; ++j) reflect(&A[j], n);
    for (std::size_t j = 0; j < r; ++j) reflect(&b[j], r);
  }
  std::vector<long double> c(n * r);
  for (std::size_t j = 0; j < r; ++j)
    for (std::size_t k = n; k-- > 0;) {
      long double sum = b[k * r + j];
      for (std::size_t l = k + 1; l < n; ++l) sum -= A[k * n + l] * c[l * r + j];
      c[k * r + j] = sum / A[k * n + k];
    }
  for (std::size_t k = 0; k < n; ++k)
    for (std::size_t j = 0; j < r; ++j) c[k * r + j] /= scale[k];
  return c;
}

// The monomials u^i·v^j in the order TrianglePolynomial.h stores them.
void Monomials(double u, double v, int degree, long double* out) {
  for (int i = 0; i <= degree; ++i)
    for (int j = 0; j <= degree - i; ++j) *out++ = std::pow(static_cast<long double>(u), i) * std::pow(v, j);
}

struct Reduction {
  double originNorthing;
  double ForwardU(const Sample& s) const { return (s.e - kNorwegianAxisEasting) / kNorwegianAxisUnit; }
  double ForwardV(const Sample& s) const { return (s.n - originNorthing) / kNorwegianAxisUnit; }
  double InverseU(const Sample& s) const { return s.y / kNorwegianAxisUnit; }
  double InverseV(const Sample& s) const { return (s.x - (originNorthing - kSouthernOrigin)) / kNorwegianAxisUnit; }
};

using Polynomial = std::vector<double>;

// Two polynomials (for the two outputs) from reduced inputs.
template <typename In, typename Out>
std::pair<Polynomial, Polynomial> Fit(const std::vector<Sample>& samples, int degree, In in, Out out) {
  const std::size_t m = samples.size(), n = TriangleTermCount(degree);
  std::vector<long double> A(m * n), b(m * 2);
  for (std::size_t i = 0; i < m; ++i) {
    const auto [u, v] = in(samples[i]);
    Monomials(u, v, degree, &A[i * n]);
    const auto [first, second] = out(samples[i]);
    b[i * 2] = first;
    b[i * 2 + 1] = second;
  }
  const std::vector<long double> c = LeastSquares(std::move(A), m, n, std::move(b), 2);
  Polynomial p1(n), p2(n);
  for (std::size_t k = 0; k < n; ++k) {
    p1[k] = static_cast<double>(c[k * 2]);
    p2[k] = static_cast<double>(c[k * 2 + 1]);
  }
  return {p1, p2};
}

struct Residual {
  double max = 0, sumSquares = 0;
  std::size_t count = 0;
  void Add(double d) {
    max = std::max(max, d);
    sumSquares += d * d;
    ++count;
  }
  double Rms() const { return count ? std::sqrt(sumSquares / static_cast<double>(count)) : 0; }
};

template <typename In, typename Out>
Residual Measure(const std::vector<Sample>& samples, const std::pair<Polynomial, Polynomial>& p, int degree, In in,
                 Out out) {
  Residual r;
  for (const Sample& s : samples) {
    const auto [u, v] = in(s);
    const auto [first, second] = out(s);
    r.Add(std::hypot(EvaluateTriangle(p.first, degree, u, v).value - first,
                     EvaluateTriangle(p.second, degree, u, v).value - second));
  }
  return r;
}

struct Zone {
  int number;
  NorwegianZoneAreaDef area;
};

// The UTM rectangle around Norway's area of use within the zone's band,
// from PROJ's own UTM on its outline, widened to whole kilometres.
NorwegianZoneAreaDef ZoneRectangle(int zone, const Box& norway) {
  PJ_CONTEXT* ctx = proj_context_create();
  PJ* utm = proj_create(ctx, ("+proj=utm +ellps=intl +zone=" + std::to_string(zone)).c_str());
  const double west = std::max(6.0 * zone - 186, norway.west), east = std::min(6.0 * zone - 180, norway.east);
  NorwegianZoneAreaDef a{zone, 1e300, -1e300, 1e300, -1e300};
  constexpr int kEdgePoints = 200;
  for (int i = 0; i <= kEdgePoints; ++i) {
    const double t = static_cast<double>(i) / kEdgePoints;
    const double lats[] = {norway.south + t * (norway.north - norway.south), norway.south, norway.north};
    const double lons[] = {west, west + t * (east - west), east};
    for (double lat : lats)
      for (double lon : lons) {
        if (lat != norway.south && lat != norway.north && lon != west && lon != east) continue;
        const PJ_XY p = proj_trans(utm, PJ_FWD, proj_coord(proj_torad(lon), proj_torad(lat), 0, 0)).xy;
        a.eastingMin = std::min(a.eastingMin, p.x);
        a.eastingMax = std::max(a.eastingMax, p.x);
        a.northingMin = std::min(a.northingMin, p.y);
        a.northingMax = std::max(a.northingMax, p.y);
      }
  }
  proj_destroy(utm);
  proj_context_destroy(ctx);
  a.eastingMin = std::floor(a.eastingMin / 1000) * 1000;
  a.northingMin = std::floor(a.northingMin / 1000) * 1000;
  a.eastingMax = std::ceil(a.eastingMax / 1000) * 1000;
  a.northingMax = std::ceil(a.northingMax / 1000) * 1000;
  return a;
}

struct Key {
  int axis;
  double originNorthing;
  bool operator==(const Key&) const = default;
};

// Every conversion the zone needs: the axes its regions force, and each
// axis kept from the variant whose own area of use meets the zone's band.
std::vector<Key> KeysOf(const NorwegianZoneAreaDef& a, const Box& norway, const std::vector<Box>& axisAreas) {
  std::vector<Key> keys;
  const auto add = [&keys](Key k) {
    if (std::find(keys.begin(), keys.end(), k) == keys.end()) keys.push_back(k);
  };
  const double west = std::max(6.0 * a.zone - 186, norway.west), east = std::min(6.0 * a.zone - 180, norway.east);
  for (int axis = 0; axis < kNorwegianAxisCount; ++axis) {
    const bool meets = std::min(east, axisAreas[axis].east) - std::max(west, axisAreas[axis].west) > kMeetingLongitude;
    for (double e = a.eastingMin; e <= a.eastingMax; e += kStep)
      for (double n = a.northingMin; n <= a.northingMax; n += kStep) {
        const NorwegianAxisChoice c = ChooseNorwegianAxis(a.zone, axis, e, n);
        if (c.axis != axis || meets) add({c.axis, c.originNorthing});
      }
  }
  std::sort(keys.begin(), keys.end(), [](Key l, Key r) {
    return l.axis != r.axis ? l.axis < r.axis : l.originNorthing < r.originNorthing;
  });
  return keys;
}

// The lattice points (offset by `shift` steps) that the rule sends to key.
std::vector<Sample> SamplesOf(const NorwegianZoneAreaDef& a, Key key, double shift) {
  const NgoConversion ngo(norwegian_axes::Ed50UtmCrs(a.zone), key.axis);
  if (!ngo.Valid()) {
    std::fprintf(stderr, "PROJ has no \"%s\" conversion for zone %d axis %d\n", norwegian_axes::kChosenStep, a.zone,
                 key.axis + 1);
    std::exit(1);
  }
  std::vector<Sample> samples;
  for (double e = a.eastingMin + shift * kStep; e <= a.eastingMax; e += kStep)
    for (double n = a.northingMin + shift * kStep; n <= a.northingMax; n += kStep) {
      const NorwegianAxisChoice c = ChooseNorwegianAxis(a.zone, key.axis, e, n);
      if (c.axis != key.axis || c.originNorthing != key.originNorthing) continue;
      const PJ_XY p = ngo.Forward(e, n);
      samples.push_back({e, n, p.x, p.y});
    }
  return samples;
}

struct FittedTable {
  Key key;
  int zone;
  std::pair<Polynomial, Polynomial> forward, inverse;
  Residual forwardResidual, inverseResidual;
  double yMin = 1e300, yMax = -1e300, xMin = 1e300, xMax = -1e300;
};

FittedTable FitTable(const NorwegianZoneAreaDef& a, Key key, int degree) {
  const Reduction red{key.originNorthing};
  const auto forwardIn = [&](const Sample& s) { return std::pair{red.ForwardU(s), red.ForwardV(s)}; };
  const auto forwardOut = [](const Sample& s) { return std::pair{s.y, s.x}; };
  const auto inverseIn = [&](const Sample& s) { return std::pair{red.InverseU(s), red.InverseV(s)}; };
  const auto inverseOut = [](const Sample& s) { return std::pair{s.e, s.n}; };
  const std::vector<Sample> fitPoints = SamplesOf(a, key, 0), checkPoints = SamplesOf(a, key, 0.5);
  FittedTable t{key, a.zone, Fit(fitPoints, degree, forwardIn, forwardOut),
                Fit(fitPoints, degree, inverseIn, inverseOut), {}, {}};
  t.forwardResidual = Measure(checkPoints, t.forward, degree, forwardIn, forwardOut);
  t.inverseResidual = Measure(checkPoints, t.inverse, degree, inverseIn, inverseOut);
  for (const Sample& s : fitPoints) {
    t.yMin = std::min(t.yMin, std::floor(s.y));
    t.yMax = std::max(t.yMax, std::ceil(s.y));
    t.xMin = std::min(t.xMin, std::floor(s.x));
    t.xMax = std::max(t.xMax, std::ceil(s.x));
  }
  return t;
}

// %.17g gives back every double exactly; four to a line keeps lines short.
void WriteArray(std::FILE* f, const char* label, const Polynomial& p) {
  constexpr std::size_t kPerLine = 4;
  std::fprintf(f, "     /* %s */ {", label);
  for (std::size_t k = 0; k < p.size(); ++k)
    std::fprintf(f, "%s%.17g", k == 0 ? "" : k % kPerLine == 0 ? ",\n              " : ", ", p[k]);
  std::fprintf(f, "},\n");
}

void WriteTable(std::FILE* f, const std::vector<NorwegianZoneAreaDef>& zones, const std::vector<FittedTable>& tables,
                const std::string& operation) {
  std::fprintf(f,
               "// Generated by tools/norwegian_axes/FitNorwegianAxes.cpp; do not edit.\n"
               "// PROJ %s; for zone 32 and Axis III its conversion reads\n// \"%s\".\n"
               "// Degree %d in u, v; each row states its largest and RMS residual on\n"
               "// points between those fitted, forward (NGO) and inverse (UTM), metres.\n\n"
               "#include \"geodesy/projection/NorwegianAxesTable.h\"\n\nnamespace {\n\n"
               "constexpr NorwegianZoneAreaDef kZones[] = {\n",
               proj_info().release, operation.c_str(), kNorwegianAxisDegree);
  for (const auto& z : zones)
    std::fprintf(f, "    {%d, %.0f, %.0f, %.0f, %.0f},\n", z.zone, z.eastingMin, z.eastingMax, z.northingMin,
                 z.northingMax);
  std::fprintf(f, "};\n\nconstexpr NorwegianAxisFitDef kFits[] = {\n");
  for (const auto& t : tables) {
    std::fprintf(f,
                 "    // zone %d, Axis %d from N - %.0f: forward max %.2g RMS %.2g, inverse max %.2g RMS %.2g "
                 "(%zu points)\n",
                 t.zone, t.key.axis + 1, t.key.originNorthing, t.forwardResidual.max, t.forwardResidual.Rms(),
                 t.inverseResidual.max, t.inverseResidual.Rms(), t.forwardResidual.count);
    std::fprintf(f, "    {%d, %d, %.0f,\n", t.zone, t.key.axis, t.key.originNorthing);
    WriteArray(f, "Y", t.forward.first);
    WriteArray(f, "X", t.forward.second);
    WriteArray(f, "E", t.inverse.first);
    WriteArray(f, "N", t.inverse.second);
    std::fprintf(f, "     %.0f, %.0f, %.0f, %.0f},\n", t.yMin, t.yMax, t.xMin, t.xMax);
  }
  std::fprintf(f,
               "};\n\n}  // namespace\n\n"
               "const std::span<const NorwegianAxisFitDef> kNorwegianAxisFits{kFits};\n"
               "const std::span<const NorwegianZoneAreaDef> kNorwegianZoneAreas{kZones};\n");
}

}  // namespace

int main(int argc, char** argv) {
  const bool survey = argc == 2 && std::strcmp(argv[1], "--survey") == 0;
  if (argc != 2) {
    std::fprintf(stderr, "usage: fit_norwegian_axes OUTPUT.cpp | --survey\n");
    return 2;
  }
  const Box norway = AreaOfUse("EPSG:4273");  // NGO 1948: Norway onshore
  std::vector<Box> axisAreas;
  for (int axis = 0; axis < kNorwegianAxisCount; ++axis)
    axisAreas.push_back(AreaOfUse(norwegian_axes::NgoAxisCrs(axis)));
  std::vector<NorwegianZoneAreaDef> zones;
  std::vector<FittedTable> tables;
  for (int zone = 31; zone <= 35; ++zone) {
    const NorwegianZoneAreaDef area = ZoneRectangle(zone, norway);
    zones.push_back(area);
    for (const Key key : KeysOf(area, norway, axisAreas)) {
      if (survey) {
        std::printf("zone %d axis %d origin %.0f:", zone, key.axis + 1, key.originNorthing);
        for (int degree = 4; degree <= 9; ++degree) {
          const FittedTable t = FitTable(area, key, degree);
          std::printf("  d%d %.2g/%.2g", degree, t.forwardResidual.max, t.inverseResidual.max);
        }
        std::printf("\n");
        std::fflush(stdout);
      } else {
        tables.push_back(FitTable(area, key, kNorwegianAxisDegree));
      }
    }
  }
  if (survey) return 0;
  std::FILE* f = std::fopen(argv[1], "w");
  if (!f) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  const NgoConversion sample(norwegian_axes::Ed50UtmCrs(32), 2);
  WriteTable(f, zones, tables, sample.Name());
  return std::fclose(f) == 0 ? 0 : 1;
}
