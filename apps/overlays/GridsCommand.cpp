// overlays grids: the grid-shift files' subcommands.

#include "Host.h"

namespace host {

void AddGridsCommand(CLI::App& app, const Options& options) {
  auto* grids = app.add_subcommand("grids", "Grid-shift files");
  grids->require_subcommand(1);
  AddGridsInstallCommand(*grids, options);
}

}  // namespace host
