// overlays demo: a short tour of the module on the bundled sample data. In
// a fresh sandbox it drops the sample packages and overlays in place, then
// runs this program's own commands there one by one, printing each command
// line and the first lines of what it printed, so that the user sees what
// to type next and can go on in the same sandbox.

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "ChildProcess.h"
#include "Host.h"
#include "controls/UKPlaces.h"
#include "frame/Folders.h"
#include "frame/FormatText.h"
#include "geodesy/angle/AngleUnits.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/Platform.h"
#include "wrecks/WreckSearch.h"

namespace host {
namespace {

namespace stdfs = std::filesystem;

// Where the demo drops the sample overlays, for the file selectors to open.
constexpr char kChartsFolder[] = "C:\\Charts\\";
// The place the wreck search centres on, and the words that stand for
// values the tour only knows once it runs.
constexpr char kPlace[] = "Plymouth";
constexpr char kKmzWord[] = "{kmz}";
constexpr char kShapefileWord[] = "{shp}";
constexpr char kNearestWord[] = "{nearest}";

// What a step shows of its output: the first lines, and any later line
// that starts with one of the picks (a table's totals, the line that
// answers the step).
struct Shown {
  Shown(std::size_t first, std::vector<std::string> picks = {}) : first(first), picks(std::move(picks)) {}
  std::size_t first;
  std::vector<std::string> picks;
};

struct DemoStep {
  const char* title;
  std::vector<std::string> args;
  Shown shown;
};

// British National Grid positions: the OSTN15 transformation (datum family
// 2, row 0) onto grid kind 1, row 0.
const std::vector<std::string> kSearch = {"wrecks", "search", "--place", kPlace, "--radius", "20",
                                          "--datum", "2:0",    "--grid",  "1:0"};

const std::vector<DemoStep> kTour = {
    {"install both sample packages through the install dialogs", {"install", "--yes"}, {12}},
    {"load the wrecks behind the loading dialog", {"wrecks", "load"}, {4, {"search centre"}}},
    {"put the bundled grid-shift files in place (OSTN15 gives British National Grid positions)",
     {"grids", "install"}, {1}},
    {"search for wrecks within 20 NM of Plymouth, positions on the British National Grid", kSearch,
     {4, {"wrecks found", "obstructions found"}}},
    {"the property sheet of the nearest wreck found",
     {"wrecks", "show", kNearestWord, "--datum", "2:0", "--grid", "1:0"},
     {3, {"  Latitude", "  Longitude", "  Easting", "  Northing", "  Grid"}}},
    {"add the sample KMZ overlay through the KML file selector", {"kml", "select", "--add", kKmzWord}, {4}},
    {"add the sample shapefile through the shape file selector", {"shape", "add", kShapefileWord}, {3}},
    {"find a wind farm in the finder: the chart centres on it", {"windfarms", "find", "Cobalt Reach"},
     {1, {"found", "point"}}},
    {"that farm's turbine table", {"windfarms", "turbines"}, {4}},
    {"the sea areas dialog with Plymouth highlighted", {"seaareas", "--highlight", "Plymouth"}, {4}},
};

// A bundled sample: installed beside the tool under share/, or, for a tool
// that runs from its build tree, where the build made it.
stdfs::path BundledFile(const stdfs::path& built) {
  std::error_code ec;
  const stdfs::path tool = stdfs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const stdfs::path installed = tool.parent_path() / OVERLAYS_SAMPLE_INSTALL_DIR / built.filename();
    if (stdfs::is_regular_file(installed, ec)) return installed.lexically_normal();
  }
  return built;
}

// Copies a file into a folder of the sandbox; the Windows path of the copy.
std::string Drop(const stdfs::path& file, const std::string& windowsFolder) {
  std::error_code ec;
  const auto folder = platform::fs::ToHost(windowsFolder);
  if (!stdfs::is_regular_file(file, ec)) throw CommandError("sample file not found: " + file.string());
  if (!folder || (stdfs::create_directories(*folder, ec), ec) ||
      !stdfs::copy_file(file, *folder / file.filename(), stdfs::copy_options::overwrite_existing, ec))
    throw CommandError("cannot drop " + file.string() + " into " + Out(windowsFolder));
  return windowsFolder + In(file.filename().string());
}

// The samples in place: the packages where the install dialogs look, the
// overlays where a user keeps charts. The words of the tour that name them,
// as a user would type them.
std::map<std::string, std::string> DropSamples(const std::string& package) {
  for (const stdfs::path& p : {stdfs::path(package), BundledFile(OVERLAYS_SAMPLE_WINDFARMS)})
    std::cout << "dropped " << Out(Drop(p, GetDownloadFolder())) << " (from " << p.parent_path().string() << "/)\n";
  const stdfs::path shapefile = BundledFile(OVERLAYS_SAMPLE_SHAPEFILE);
  for (const char* extension : {".shx", ".dbf", ".prj"})
    Drop(stdfs::path(shapefile).replace_extension(extension), kChartsFolder);
  std::map<std::string, std::string> words{{kKmzWord, Out(Drop(BundledFile(OVERLAYS_SAMPLE_KMZ), kChartsFolder))},
                                           {kShapefileWord, Out(Drop(shapefile, kChartsFolder))}};
  std::cout << "dropped " << words[kKmzWord] << " and " << words[kShapefileWord] << " (with its .shx, .dbf, .prj)\n";
  return words;
}

// A word as a shell reads it back: quoted unless it is plain.
std::string Quoted(const std::string& word) {
  if (!word.empty() && word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_./:=,-") ==
                           std::string::npos)
    return word;
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

void PrintShown(std::ostream& out, const std::string& text, const Shown& shown) {
  std::istringstream lines(text);
  std::size_t count = 0, hidden = 0;
  for (std::string line; std::getline(lines, line); ++count) {
    const bool picked = std::any_of(shown.picks.begin(), shown.picks.end(),
                                    [&line](const std::string& pick) { return line.rfind(pick, 0) == 0; });
    if (count < shown.first || picked)
      out << "    " << line << "\n";
    else
      ++hidden;
  }
  if (hidden) out << "    ... " << hidden << (hidden == 1 ? " more line\n" : " more lines\n");
}

class Tour {
 public:
  Tour(std::vector<std::string> global, std::map<std::string, std::string> words)
      : global_(std::move(global)), words_(std::move(words)) {}

  void Run() {
    for (const DemoStep& step : kTour) {
      std::cout << "\n" << ++step_ << ". " << step.title << "\n";
      const ChildOutput result = Command(step.args, true);
      PrintShown(std::cout, result.out, step.shown);
      // Warnings are few and each may matter: all of them.
      PrintShown(std::cerr, result.err, {~std::size_t{0}});
    }
  }

 private:
  // Runs one command of the tour, shown as the user would type it; a
  // failure ends the tour with the command's own one-line reason.
  ChildOutput Command(const std::vector<std::string>& stepArgs, bool echo) {
    std::vector<std::string> args = global_;
    for (const std::string& word : stepArgs) args.push_back(Resolve(word));
    std::string line = "$ overlays";
    for (const std::string& word : args) line += " " + Quoted(word);
    if (echo) std::cout << line << "\n" << std::flush;
    ChildOutput result = ChildProcess::RunSelf(args);
    if (result.status != 0) {
      std::string reason = result.err.substr(0, result.err.find('\n'));
      if (reason.rfind("overlays: ", 0) == 0) reason.erase(0, 10);
      reason = "the demo stopped at step " + std::to_string(step_) + ": " + reason;
      if (result.status == 1) throw CommandError(reason);
      throw std::runtime_error(reason);
    }
    return result;
  }

  std::string Resolve(const std::string& word) {
    if (word == kNearestWord && !words_.count(word)) words_[word] = NearestWreck();
    const auto it = words_.find(word);
    return it == words_.end() ? word : it->second;
  }

  // The wreck the search found nearest its place, read from the same
  // search's GeoJSON, whose features carry the rows' cells and positions.
  std::string NearestWreck() {
    std::vector<std::string> search = kSearch;
    search.insert(search.end(), {"--format", "geojson"});
    const auto found = nlohmann::json::parse(Command(search, false).out, nullptr, false);
    const UKPlaceDef* place = FindPlaceInText(kPlace);
    std::string nearest;
    double best = 0;  // metres
    for (const auto& feature : found.is_object() ? found.value("features", nlohmann::json::array())
                                                 : nlohmann::json::array()) {
      // Wrecks only, picked here: the search's own --hide-obstructions
      // would be saved as the user's setting.
      const auto& properties = feature.at("properties");
      if (!place || properties.value("Type", "") != "Wreck") continue;
      const auto& position = feature.at("geometry").at("coordinates");
      // The places' own geodesic measure, from a list of one place.
      const double metres = FindNearestPlace(std::span(place, 1), position.at(1).get<double>() * kRadiansPerDegree,
                                             position.at(0).get<double>() * kRadiansPerDegree)
                                .distance;
      if (!nearest.empty() && metres >= best) continue;
      nearest = std::to_string(properties.at("id").get<std::uint32_t>());
      best = metres;
    }
    if (nearest.empty()) throw CommandError(std::string("the demo's search found no wreck near ") + kPlace);
    std::cout << "nearest: wreck " << nearest << ", " << FormatText("%.1f", best / kMetresPerNauticalMile) << " NM from "
              << kPlace << "\n";
    return nearest;
  }

  std::vector<std::string> global_;
  std::map<std::string, std::string> words_;
  int step_ = 0;  // the step under way, counted from 1
};

bool HoldsFiles(const stdfs::path& folder) {
  std::error_code ec;
  for (auto it = stdfs::recursive_directory_iterator(folder, ec); !ec && it != stdfs::recursive_directory_iterator();
       it.increment(ec))
    if (!it->is_directory(ec)) return true;
  return false;
}

struct DemoOptions {
  std::string package;
};

void RunDemo(const Options& options, const DemoOptions& demo) {
  Options sandbox = options;
  if (sandbox.root.empty()) {
    // Never on the user's own folders: a sandbox of its own unless --root
    // names one.
    sandbox.root = (stdfs::temp_directory_path() / ("overlays-demo-" + std::to_string(::getpid()))).string();
    InstallPlatform(sandbox);
  }
  // A sandbox used before already holds what the tour adds, and the tour
  // would stop halfway. A fresh one holds only the empty folders the
  // sandbox machine made.
  if (HoldsFiles(sandbox.root))
    throw CommandError("the demo needs a fresh sandbox: " + sandbox.root + " holds files already");
  std::cout << "sandbox: " << sandbox.root << "\n";
  auto words = DropSamples(demo.package.empty() ? BundledFile(OVERLAYS_SAMPLE_PACKAGE).string() : demo.package);
  std::vector<std::string> global{"--root", sandbox.root};
  for (const std::string& drive : sandbox.drives) global.insert(global.end(), {"--drive", drive});
  Tour(global, std::move(words)).Run();
  std::cout << "\nThe sandbox stays at " << sandbox.root << ": go on there with any command above, or see "
            << "'overlays --help'.\n";
}

}  // namespace

void AddDemoCommand(CLI::App& app, const Options& options) {
  static DemoOptions demo;
  auto* cmd = app.add_subcommand(
      "demo", "A short tour of the module on the bundled samples in a sandbox, printing each command it runs");
  // The default is a path in the build tree, which means nothing to a user.
  cmd->add_option("--package", demo.package, "The wreck package to use (default: the bundled sample)");
  cmd->callback([&options] { RunDemo(options, demo); });
}

}  // namespace host
