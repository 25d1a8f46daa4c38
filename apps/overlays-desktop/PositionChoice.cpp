#include "PositionChoice.h"

#include "HostMachine.h"
#include "frame/ConfigFile.h"

namespace desktop {

// A file that does not read whole as a choice (cut short, or edited by
// hand) is no choice at all, rather than half of one.
PositionChoice LoadPositionChoice() {
  CConfigFile file;
  if (!file.OpenRead(kPositionSettingsGroup)) return {};
  try {
    PositionChoice choice;
    choice.datum = host::ParseDatumChoice(file.ReadText());
    choice.grid = host::ParseGridAddress(file.ReadText());
    return choice;
  } catch (const host::CommandError&) {
    return {};
  }
}

bool SavePositionChoice(const PositionChoice& choice) {
  CConfigFile file;
  if (!file.OpenWrite(kPositionSettingsGroup)) return false;
  file.WriteText("Datum", host::DatumChoiceText(choice.datum));
  file.WriteText("Grid", host::GridAddressText(choice.grid));
  return file.Close();
}

PositionChoice StartingPositionChoice(const host::GridOptions& options, const tagXY& place) {
  const auto chosen = host::ChosenDatumAndGrid(options, place);
  if (!chosen) return LoadPositionChoice();
  const PositionChoice choice{chosen->first, chosen->second};
  host::DatumHost check;
  host::SelectHostDatum(check, choice.datum, *options.datum, choice.grid);
  return choice;
}

bool ApplyPositionChoice(host::DatumHost& holder, const PositionChoice& choice) {
  try {
    host::SelectHostDatum(holder, choice.datum, host::DatumChoiceText(choice.datum), choice.grid);
    return true;
  } catch (const host::CommandError&) {
    holder.datum.SetDatum(kGeographicalsOnly, 0, kForward);
    return false;
  }
}

}  // namespace desktop
