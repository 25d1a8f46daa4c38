#pragma once
// What every command of the command-line host shares: the machine it runs
// on (built from the global options once they are parsed) and the way it
// prints module text.

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "HostMachine.h"
#include "RememberedLists.h"

namespace host {


// Throws CommandError naming --near unless the two numbers are a latitude
// and a longitude in degrees.
void CheckNearPosition(const std::vector<double>& position);


// Each command file provides one of these; main.cpp lists them.
using CommandSetup = std::function<void(CLI::App& app, const Options& options)>;

void AddFoldersCommand(CLI::App& app, const Options& options);
void AddInstallCommand(CLI::App& app, const Options& options);
void AddAngleCommand(CLI::App& app, const Options& options);
void AddKmlCommand(CLI::App& app, const Options& options);
void AddShapeCommand(CLI::App& app, const Options& options);
// `shape load` and the shape file selector's commands, under `shape`.
void AddShapeLoadCommands(CLI::App& shape);
void AddIconsCommand(CLI::App& app, const Options& options);
void AddWrecksCommand(CLI::App& app, const Options& options);
// `wrecks show`, added to the `wrecks` command.
void AddWrecksShowCommand(CLI::App& wrecks);
// `wrecks search`, added to the `wrecks` command.
void AddWrecksSearchCommand(CLI::App& wrecks, const Options& options);
void AddDemoCommand(CLI::App& app, const Options& options);
void AddEllipsoidsCommand(CLI::App& app, const Options& options);
void AddGeodesicCommand(CLI::App& app, const Options& options);
void AddHelmertCommand(CLI::App& app, const Options& options);
void AddDatumsCommand(CLI::App& app, const Options& options);
void AddResourcesCommand(CLI::App& app, const Options& options);
void AddEditCommand(CLI::App& app, const Options& options);
void AddPlacesCommand(CLI::App& app, const Options& options);
void AddProjectCommands(CLI::App& app, const Options& options);
// `shift nadcon`, added to the `shift` command.
void AddShiftNadconCommand(CLI::App& shift, const Options& options);
void AddShiftCommand(CLI::App& app, const Options& options);
void AddGridsCommand(CLI::App& app, const Options& options);
void AddPositionCommand(CLI::App& app, const Options& options);
void AddSeaAreasCommand(CLI::App& app, const Options& options);
void AddWindFarmsCommand(CLI::App& app, const Options& options);
// `windfarms turbines` and `windfarms boundary`, added to the `windfarms` command.
void AddWindFarmsTablesCommands(CLI::App& windfarms);
// Adds "install" under the "grids" command.
void AddGridsInstallCommand(CLI::App& grids, const Options& options);

}  // namespace host
