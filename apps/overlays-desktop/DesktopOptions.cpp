#include "DesktopOptions.h"

#include <functional>
#include <string_view>

namespace desktop {
namespace {

// The options that take a value, and where each value goes.
struct ValueOption {
  std::string_view name;
  std::function<void(DesktopOptions&, const std::string&)> store;
};
const ValueOption kValueOptions[] = {
    {"--root", [](DesktopOptions& o, const std::string& v) { o.machine.root = v; }},
    {"--drive", [](DesktopOptions& o, const std::string& v) { o.machine.drives.push_back(v); }},
    {"--datum", [](DesktopOptions& o, const std::string& v) { o.grid.datum = v; }},
    {"--grid", [](DesktopOptions& o, const std::string& v) { o.grid.grid = v; }},
    {"--screenshot", [](DesktopOptions& o, const std::string& v) { o.screenshot = v; }},
};

const ValueOption* FindOption(std::string_view name) {
  for (const ValueOption& option : kValueOptions)
    if (option.name == name) return &option;
  return nullptr;
}

}  // namespace

DesktopOptions ParseDesktopOptions(const std::vector<std::string>& arguments) {
  DesktopOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      continue;
    }
    const auto equals = argument.find('=');
    const ValueOption* option = FindOption(std::string_view(argument).substr(0, equals));
    if (!option) throw host::CommandError("unknown argument '" + argument + "' (see --help)");
    if (equals != std::string::npos) {
      option->store(options, argument.substr(equals + 1));
    } else if (i + 1 < arguments.size()) {
      option->store(options, arguments[++i]);
    } else {
      throw host::CommandError(argument + " needs a value (see --help)");
    }
  }
  host::CheckGridOptions(options.grid);
  return options;
}

}  // namespace desktop
