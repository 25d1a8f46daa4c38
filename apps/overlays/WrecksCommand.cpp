// overlays wrecks load | dump | show: the wreck database as the host loads it.

#include <iostream>

#include "Host.h"
#include "WreckReport.h"
#include "wrecks/WreckList.h"

namespace host {
namespace {

struct DumpOptions {
  long limit = -1;
  std::string format = "text";
};

DumpFormat FormatNamed(const std::string& name) {
  if (name == "csv") return DumpFormat::Csv;
  if (name == "geojson") return DumpFormat::GeoJson;
  return DumpFormat::Text;
}

}  // namespace

void AddWrecksCommand(CLI::App& app, const Options& options) {
  auto* wrecks = app.add_subcommand("wrecks", "The installed wreck and obstruction database");
  wrecks->require_subcommand(1);

  auto* load = wrecks->add_subcommand("load", "Load the database behind the loading dialog and summarise it");
  load->callback([] {
    LoadedWrecks loaded;
    PrintLoadSummary(std::cout, loaded.wrecks, loaded.searchList);
  });

  static DumpOptions dump;
  auto* dumpCmd = wrecks->add_subcommand("dump", "Print the records with their codes as text");
  dumpCmd->add_option("--limit", dump.limit, "Print at most N records")->check(CLI::NonNegativeNumber);
  dumpCmd->add_option("--format", dump.format, "text, csv or geojson")
      ->check(CLI::IsMember({"text", "csv", "geojson"}));
  dumpCmd->callback([] {
    LoadedWrecks loaded;
    PrintWrecks(std::cout, loaded.wrecks, dump.limit, FormatNamed(dump.format));
  });

  AddWrecksShowCommand(*wrecks);
  AddWrecksSearchCommand(*wrecks, options);
}

}  // namespace host
