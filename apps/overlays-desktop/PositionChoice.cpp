#include "PositionChoice.h"

#include "HostMachine.h"
#include "frame/ConfigFile.h"

namespace desktop {

PositionChoice LoadPositionChoice() {
  PositionChoice choice;
  CConfigFile file;
  if (!file.OpenRead(kPositionSettingsGroup)) return choice;
  choice.datum.family = file.ReadInt(choice.datum.family);
  choice.datum.row = static_cast<std::uint32_t>(file.ReadInt(0));
  choice.datum.direction = file.ReadInt(kForward) == kReverse ? kReverse : kForward;
  choice.grid.kind = static_cast<std::uint32_t>(file.ReadInt(0));
  choice.grid.row = static_cast<std::uint32_t>(file.ReadInt(0));
  choice.grid.variant = static_cast<std::uint32_t>(file.ReadInt(0));
  return choice;
}

bool SavePositionChoice(const PositionChoice& choice) {
  CConfigFile file;
  if (!file.OpenWrite(kPositionSettingsGroup)) return false;
  file.WriteInt("Datum Family", choice.datum.family);
  file.WriteInt("Datum Row", static_cast<int>(choice.datum.row));
  file.WriteInt("Datum Direction", choice.datum.direction);
  file.WriteInt("Grid Kind", static_cast<int>(choice.grid.kind));
  file.WriteInt("Grid Row", static_cast<int>(choice.grid.row));
  file.WriteInt("Grid Variant", static_cast<int>(choice.grid.variant));
  return file.Close();
}

bool ApplyPositionChoice(host::DatumHost& holder, const PositionChoice& choice) {
  try {
    host::SelectHostDatum(holder, choice.datum, std::to_string(choice.datum.family), choice.grid);
    return true;
  } catch (const host::CommandError&) {
    holder.datum.SetDatum(kGeographicalsOnly, 0, kForward);
    return false;
  }
}

}  // namespace desktop
