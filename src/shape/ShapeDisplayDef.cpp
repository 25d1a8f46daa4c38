#include "shape/ShapeDisplayDef.h"

#include "frame/PathText.h"

std::string ShapeDisplayPath(const std::string& shapePath) {
  const PathParts parts = SplitPath(shapePath);
  return parts.folder + parts.name + "." + kDefaultSettingsExtension;
}

bool ReadShapeDisplay(const std::string& shapePath, ShapeDisplayDef& display) {
  const ShapeDisplayDef defaults;
  CConfigFile file;
  if (!file.OpenReadPath(ShapeDisplayPath(shapePath))) {
    display = defaults;
    return false;
  }
  display.status = file.ReadBool(defaults.status);
  display.style = file.ReadShort(defaults.style);
  display.size = file.ReadShort(defaults.size);
  display.colour = file.ReadColour();
  display.fill = file.ReadShort(defaults.fill);
  display.labelMode = file.ReadShort(static_cast<short>(defaults.labelMode));
  display.labelPosition = file.ReadShort(static_cast<short>(defaults.labelPosition));
  display.labelColumn = file.ReadShort(defaults.labelColumn);
  display.iconMode = file.ReadBool(defaults.iconMode);
  return true;
}

bool WriteShapeDisplay(const std::string& shapePath, const ShapeDisplayDef& display) {
  CConfigFile file;
  if (!file.OpenWritePath(ShapeDisplayPath(shapePath))) return false;
  file.WriteBool("Status", display.status);
  file.WriteInt("Style", display.style);
  file.WriteInt("Size", display.size);
  file.WriteColour("Colour", display.colour);
  file.WriteInt("Fill", display.fill);
  // The reader takes these back as 16 bits; what the file holds is the
  // full value, so a wider one comes back cut, as it always has.
  file.WriteInt("Label Mode", display.labelMode);
  file.WriteInt("Label Position", display.labelPosition);
  file.WriteInt("Label Column", display.labelColumn);
  file.WriteBool("Icon Mode", display.iconMode);
  return file.Close();
}
