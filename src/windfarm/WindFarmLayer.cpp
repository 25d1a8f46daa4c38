#include "windfarm/WindFarmLayer.h"

#include "frame/ConfigFile.h"

void CWindFarmLayer::SaveSettings() const {
  CConfigFile file;
  if (!file.OpenWrite(keys_.group)) return;
  file.WriteBool(keys_.display, display == 1);
  file.WriteBool(keys_.label, label == 1);
  file.WriteColour(keys_.colour, colour);
  file.WriteInt(keys_.index, index);
  file.Close();
}

void CWindFarmLayer::LoadSettings() {
  CConfigFile file;
  if (!file.OpenRead(keys_.group)) return;
  display = file.ReadBool(display == 1) ? 1 : 0;
  label = file.ReadBool(label == 1) ? 1 : 0;
  colour = file.ReadColour();
  index = file.ReadInt(index);
}
