// overlays datums [--family F]: every built-in datum transformation with its
// names, ellipsoids, parameters and rotation convention, and the user's
// transformation files in the "Global" data folder, family by family.

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <string>

#include "Host.h"
#include "frame/Folders.h"
#include "geodesy/datum/DatumFamilies.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/userfile/UserFileFormat.h"

namespace host {
namespace {

struct MethodTextDef {
  DatumMethod method;
  const char* text;
  bool helmert;  // whether the seven parameters mean anything for it
};

constexpr std::array<MethodTextDef, 10> kMethodTexts{{
    {DatumMethod::None, "no shift: positions stay WGS 1984 latitude and longitude", false},
    {DatumMethod::SameEllipsoid, "no shift: both grids on the user's own ellipsoid", false},
    {DatumMethod::Helmert, "seven-parameter Helmert", true},
    {DatumMethod::Ostn15, "OSTN15 grid shift", false},
    {DatumMethod::NorwayRule, "Helmert, then the ED87/ED50 rule for Norway on row 0", true},
    {DatumMethod::Nadcon, "NADCON grid shift", false},
    {DatumMethod::Ntv2, "NTv2 grid shift", false},
    {DatumMethod::UserHelmert, "Helmert from the user's DMF files", true},
    {DatumMethod::UserThreeValues, "the three values of the user's GSF files", false},
    {DatumMethod::UserAffine, "affine grid to grid from the user's GRD files", false},
}};

const MethodTextDef& MethodTextOf(DatumMethod method) {
  for (const auto& def : kMethodTexts)
    if (def.method == method) return def;
  return kMethodTexts[0];
}

// The shortest text that reads back as the same double, so each parameter
// shows the table's own digits.
std::string DatumNumber(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

std::string EllipsoidText(const CSpheroid& s) {
  return Out(s.qualifier.empty() ? s.name : s.name + " " + s.qualifier);
}

void PrintHelmert(const DatumShiftDef& p) {
  std::printf("      tX %s tY %s tZ %s m, rX %s rY %s rZ %s arc-seconds, s %s ppm, %s\n", DatumNumber(p.tX).c_str(),
              DatumNumber(p.tY).c_str(), DatumNumber(p.tZ).c_str(), DatumNumber(p.rX).c_str(),
              DatumNumber(p.rY).c_str(), DatumNumber(p.rZ).c_str(), DatumNumber(p.s).c_str(),
              p.convention == kCoordinateFrame ? "coordinate frame" : "position vector");
  if (p.timeDependent == 1)
    std::printf("      rates per year from %s: %s %s %s m, %s %s %s arc-seconds, %s ppm\n",
                DatumNumber(p.referenceEpoch).c_str(), DatumNumber(p.dtX).c_str(), DatumNumber(p.dtY).c_str(),
                DatumNumber(p.dtZ).c_str(), DatumNumber(p.drX).c_str(), DatumNumber(p.drY).c_str(),
                DatumNumber(p.drZ).c_str(), DatumNumber(p.ds).c_str());
}

void PrintUserBlock(DatumFileKind kind, const DatumTransformation& t) {
  if (kind == DatumFileKind::ThreeValues)
    std::printf("      values %s %s %s\n", DatumNumber(t.gsf.values[0]).c_str(), DatumNumber(t.gsf.values[1]).c_str(),
                DatumNumber(t.gsf.values[2]).c_str());
  if (kind == DatumFileKind::Affine)
    std::printf("      rotation %s degrees, scales %s %s, matrix %s %s %s %s\n", DatumNumber(t.grd.rotation).c_str(),
                DatumNumber(t.grd.scale1).c_str(), DatumNumber(t.grd.scale2).c_str(),
                DatumNumber(t.grd.matrix[0]).c_str(), DatumNumber(t.grd.matrix[1]).c_str(),
                DatumNumber(t.grd.matrix[2]).c_str(), DatumNumber(t.grd.matrix[3]).c_str());
}

void PrintRow(const DatumFamilyDef& family, std::uint32_t row, bool read, const CSpheroid& nearEllipsoid,
              const CSpheroid& farEllipsoid, const DatumTransformation& t) {
  std::printf("  %2u  %s -> %s  (%s)\n", static_cast<unsigned>(row), Out(t.from).c_str(), Out(t.to).c_str(),
              Out(t.area).c_str());
  if (!t.title.empty()) std::printf("      file %s%s\n", Out(t.title).c_str(), read ? "" : " (cannot be read)");
  if (!read) return;
  std::printf("      ellipsoids %s -> %s\n", EllipsoidText(nearEllipsoid).c_str(), EllipsoidText(farEllipsoid).c_str());
  if (MethodTextOf(family.method).helmert) PrintHelmert(t.shift);
  if (family.rowSource == DatumRowSource::UserFiles) PrintUserBlock(family.fileKind, t);
}

void PrintFamily(const DatumFamilyDef& family) {
  std::printf("family %d: %s (%s)\n", family.family, family.title, MethodTextOf(family.method).text);
  const std::uint32_t rows = DatumFamilyRowCount(family.family);
  if (rows == 0) {
    std::string folder;
    FindDataFolder(folder, kGlobalDataFolder);
    std::printf("  no .%s files in %s\n", FormatOf(family.fileKind).extension, Out(folder).c_str());
  }
  for (std::uint32_t row = 0; row < rows; ++row) {
    CSpheroid nearEllipsoid, farEllipsoid;
    DatumTransformation t;
    const bool read = SelectDatumTransformation(family.family, row, nearEllipsoid, farEllipsoid, t);
    PrintRow(family, row, read, nearEllipsoid, farEllipsoid, t);
  }
}

struct DatumsArguments {
  std::vector<int> families;  // empty: all of them
};

void PrintDatums(const DatumsArguments& args) {
  for (int family = kGeographicalsFamily; family <= kLastDatumFamily; ++family) {
    if (!args.families.empty() && std::find(args.families.begin(), args.families.end(), family) == args.families.end())
      continue;
    PrintFamily(*FindDatumFamily(family));
  }
}

}  // namespace

void AddDatumsCommand(CLI::App& app, const Options&) {
  auto* cmd = app.add_subcommand("datums", "List the datum transformations, built-in and the user's files");
  static DatumsArguments args;
  cmd->add_option("--family", args.families, "Only this family, -1 to 9 (repeatable)")
      ->check(CLI::Range(kGeographicalsFamily, kLastDatumFamily));
  cmd->callback([] { PrintDatums(args); });
}

}  // namespace host
