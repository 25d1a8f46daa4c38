#include "frame/PathText.h"
#include "geodesy/datum/DatumRowSources.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/userfile/UserFileFormat.h"
#include "platform/fs/FileSystem.h"

namespace {

void TakeFile(const DatumFileDef& file, DatumFileKind kind, CSpheroid& nearEllipsoid, CSpheroid& farEllipsoid,
              DatumTransformation& out) {
  out.from = file.from;
  out.to = file.to;
  out.area = file.area;
  nearEllipsoid.FindSpheroid(file.nearName.c_str(), file.nearQualifier.c_str());
  farEllipsoid.FindSpheroid(file.farName.c_str(), file.farQualifier.c_str());
  out.shift = file.shift;
  out.gsf = file.gsf;
  out.grd = file.grd;
  if (kind == DatumFileKind::Affine) CompleteAffineBlock(out.grd);
}

}  // namespace

bool LoadDatumFile(const std::string& path, DatumFileKind kind, CSpheroid& nearEllipsoid, CSpheroid& farEllipsoid,
                   DatumTransformation& out) {
  out = DatumTransformation{};
  out.title = GetPathTitle(path);
  // Parsed whole before anything is taken, so that a short or garbled file
  // leaves the defaults rather than half its names.
  DatumFileDef file;
  const platform::fs::FilePtr stream = platform::fs::OpenFile(path, "rb");
  const bool read = stream && ReadDatumFile(stream.get(), kind, file);
  if (read) {
    TakeFile(file, kind, nearEllipsoid, farEllipsoid, out);
  } else {
    nearEllipsoid.SelectSpheroid(kWgs1984Row);
    farEllipsoid.SelectSpheroid(kInternationalRow);
  }
  if (out.area.empty()) out.area = out.title;
  return read;
}

std::uint32_t CountUserFileRows(const DatumFamilyDef& family) {
  return static_cast<std::uint32_t>(ListGlobalFiles(FormatOf(family.fileKind).extension).size());
}

bool SelectUserFileRow(const DatumFamilyDef& family, std::uint32_t row, CSpheroid& nearEllipsoid,
                       CSpheroid& farEllipsoid, DatumTransformation& out) {
  const auto files = ListGlobalFiles(FormatOf(family.fileKind).extension);
  // The folder may have changed since the caller counted.
  if (row >= files.size()) return false;
  return LoadDatumFile(files[row].path, family.fileKind, nearEllipsoid, farEllipsoid, out);
}
