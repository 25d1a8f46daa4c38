#pragma once
// What the command-line host prints of the wreck lists, shared by the
// wrecks commands and the demo.

#include <iosfwd>
#include <string>

#include "wrecks/WreckList.h"

namespace host {

enum class DumpFormat { Text, Csv, GeoJson };

// Title, counts, earliest year and the search settings that were loaded.
void PrintLoadSummary(std::ostream& out, const CWreckList& wrecks, const CWreckList& searchList);
// Up to `limit` records (all when negative) with their code texts resolved.
void PrintWrecks(std::ostream& out, const CWreckList& wrecks, long limit, DumpFormat format);

// Runs the install through the module's install dialog, pressing Accept or
// Decline; prints what the dialog showed. False when no package was offered.
bool InstallWrecksWithDialog(std::ostream& out, bool accept);

// Loads the installed database behind the loading dialog into the lists.
void LoadWrecks(CWreckList& wrecks, CWreckList& searchList);

// Deletes the records the wreck list owns.
void DeleteWrecks(CWreckList& wrecks);

// The host's two lists, loaded the way the host loads them; records are
// freed when the command ends. Throws CommandError when no database is
// installed.
struct LoadedWrecks {
  CWreckList wrecks;
  CWreckList searchList;
  LoadedWrecks();
  ~LoadedWrecks() { DeleteWrecks(wrecks); }
  LoadedWrecks(const LoadedWrecks&) = delete;
  LoadedWrecks& operator=(const LoadedWrecks&) = delete;
};

}  // namespace host
