#include "seaareas/SeaAreas.h"

#include "frame/ConfigFile.h"

void CSeaAreas::SaveSettings() const {
  CConfigFile file;
  if (!file.OpenWrite(kSeaAreasSettingsGroup)) return;
  file.WriteInt("Active Area", activeArea);
  file.WriteBool("Display", display == 1);
  file.WriteBool("Label", label == 1);
  file.WriteBool("Show Weather", showWeather == 1);
  file.WriteColour("Colour", colour);
  file.WriteColour("Active Colour", activeColour);
  file.Close();
}

// A missing line keeps the value as it is, as the other readers of the
// module's settings do, except a colour, which reads as grey.
void CSeaAreas::LoadSettings() {
  CConfigFile file;
  if (!file.OpenRead(kSeaAreasSettingsGroup)) return;
  activeArea = file.ReadShort(activeArea);
  display = file.ReadBool(display == 1) ? 1 : 0;
  label = file.ReadBool(label == 1) ? 1 : 0;
  showWeather = file.ReadBool(showWeather == 1) ? 1 : 0;
  colour = file.ReadColour();
  activeColour = file.ReadColour();
}
