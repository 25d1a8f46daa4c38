// The command-line host: it owns the host's lists, calls the module's
// exported functions and prints what they show.

#include <iostream>

#include "GuiLoader.h"
#include "Host.h"

namespace {

// Every command of the host; one line per command file.
const host::CommandSetup kCommands[] = {
    host::AddFoldersCommand,
    host::AddInstallCommand,
    host::AddAngleCommand,
    host::AddKmlCommand,
    host::AddShapeCommand,
    host::AddIconsCommand,
    host::AddWrecksCommand,
    host::AddWindFarmsCommand,
    host::AddDemoCommand,
    host::AddEllipsoidsCommand,
    host::AddGeodesicCommand,
    host::AddHelmertCommand,
    host::AddDatumsCommand,
    host::AddResourcesCommand,
    host::AddEditCommand,
    host::AddPlacesCommand,
    host::AddProjectCommands,
    host::AddShiftCommand,
    host::AddGridsCommand,
    host::AddPositionCommand,
    host::AddSeaAreasCommand,
};

// Status 1 for anything the user can correct, 2 for a failure of the host.
constexpr int kFailure = 1;
constexpr int kUnexpectedFailure = 2;

// "overlays wrecks dump": the command line as far as it was understood, so
// that the hint names the help that answers the mistake.
std::string CommandPath(const CLI::App& app) {
  std::string path = app.get_name();
  for (const CLI::App* command = &app; !command->get_subcommands().empty();) {
    command = command->get_subcommands().front();
    path += " " + command->get_name();
  }
  return path;
}

// CLI11 has an exit status of its own for each kind of mistake; a user and
// a script only need to know that the command line was wrong.
int ReportUsageError(const CLI::App& app, const std::string& message) {
  std::cerr << "overlays: " << message << "\n" << "run '" << CommandPath(app) << " --help' for usage\n";
  return kFailure;
}

// Parses the command line, which runs the command; the exit status.
int RunCommandLine(CLI::App& app, const std::vector<char*>& args) {
  try {
    app.parse(static_cast<int>(args.size()), args.data());
    if (app.get_subcommands().empty()) return ReportUsageError(app, "a command is required");
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e);  // --help, --version
    return ReportUsageError(app, e.what());
  } catch (const host::CommandError& e) {
    std::cerr << "overlays: " << e.what() << "\n";
    return kFailure;
  } catch (const std::exception& e) {
    std::cerr << "overlays: unexpected failure: " << e.what() << "\n";
    return kUnexpectedFailure;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // --gui decides where the whole command runs, so it is taken before
  // parsing; the flag below only shows it in the help.
  std::vector<char*> args(argv, argv + argc);
  const bool gui = host::TakeGuiFlag(args);
  CLI::App app{"overlays: the command-line host of the chart overlays module", "overlays"};
  app.set_version_flag("--version", "overlays " OVERLAYS_VERSION);
  // At most one command; none at all is reported after parsing, so that an
  // unknown word is reported as such rather than as a missing command.
  app.require_subcommand(0, 1);
  // The global options may follow the command name too: every command
  // inherits this and hands an option it does not know up to here.
  app.fallthrough();
  host::Options options;
  app.add_option("--root", options.root, "Sandbox folder: every drive and shell folder lives under it");
  app.add_option("--drive", options.drives,
                 "Map a drive letter: L=DIR[,fixed|removable|cdrom|absent] (repeatable)")
      ->type_name("L=DIR[,TYPE]")
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  app.add_flag("--gui")->description("Show the dialogs a command opens in real windows (needs a display)");
  app.parse_complete_callback([&] { host::InstallPlatform(options); });
  for (const auto& add : kCommands) add(app, options);

  if (!gui) return RunCommandLine(app, args);
  return host::RunWithGui(args, [&] { return RunCommandLine(app, args); });
}
