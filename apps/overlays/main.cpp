// The command-line host: it owns the host's lists, calls the module's
// exported functions and prints what they show.

#include <iostream>

#include "Host.h"

namespace {

// Every command of the host; one line per command file.
const host::CommandSetup kCommands[] = {
    host::AddFoldersCommand,
    host::AddInstallCommand,
    host::AddAngleCommand,
    host::AddKmlCommand,
    host::AddIconsCommand,
    host::AddWrecksCommand,
    host::AddDemoCommand,
    host::AddEllipsoidsCommand,
    host::AddGeodesicCommand,
    host::AddHelmertCommand,
    host::AddResourcesCommand,
};

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"overlays: the command-line host of the chart overlays module"};
  // At most one command; none at all is answered with the usage below, so
  // that an unknown word is reported as such rather than as a missing command.
  app.require_subcommand(0, 1);
  host::Options options;
  app.add_option("--root", options.root, "Sandbox folder: every drive and shell folder lives under it");
  app.add_option("--drive", options.drives, "Map a drive letter: L=DIR[,fixed|removable|cdrom] (repeatable)")
      ->type_name("L=DIR[,TYPE]")
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  app.parse_complete_callback([&] { host::InstallPlatform(options); });
  for (const auto& add : kCommands) add(app, options);

  try {
    app.parse(argc, argv);
    if (app.get_subcommands().empty()) {
      std::cerr << app.help() << "overlays: a command is required\n";
      return 1;
    }
  } catch (const CLI::ParseError& e) {
    return app.exit(e);
  } catch (const host::CommandError& e) {
    std::cerr << "overlays: " << e.what() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "overlays: unexpected failure: " << e.what() << "\n";
    return 2;
  }
  return 0;
}
