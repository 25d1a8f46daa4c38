#include "DatumFileWriter.h"

namespace tools {
namespace {

// The blocks are the module's own structs, which are laid out as the files
// are on a little-endian machine (DatumShiftDef.h, UserShiftBlocks.h).
template <typename Block>
void AppendBlock(std::string& out, const Block& block) {
  out.append(reinterpret_cast<const char*>(&block), sizeof block);
}

}  // namespace

std::string DatumFileBytes(const DatumFileDef& contents, DatumFileKind kind, const char* lineEnd) {
  std::string out;
  for (const std::string* line : {&contents.from, &contents.to, &contents.area, &contents.nearName,
                                  &contents.nearQualifier, &contents.farName, &contents.farQualifier})
    out += *line + lineEnd;
  switch (kind) {
    case DatumFileKind::Helmert: AppendBlock(out, contents.shift); break;
    case DatumFileKind::ThreeValues: AppendBlock(out, contents.gsf); break;
    case DatumFileKind::Affine: AppendBlock(out, contents.grd); break;
  }
  return out;
}

}  // namespace tools
