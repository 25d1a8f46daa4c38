// overlays angle: the text of angles, as every dialog of the module shows
// and reads it.
//   overlays angle format RADIANS --kind K [--format F] [--decimals D] [--hemisphere C]
//   overlays angle parse TEXT --kind K

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "Host.h"
#include "frame/FormatText.h"
#include "geodesy/angle/AngleKind.h"
#include "geodesy/angle/AngleText.h"

namespace host {
namespace {

struct FormatRequest {
  std::string radians;
  int kind = 0;
  int format = kAngleFormatFromSettings;
  int decimals = -1;
  std::string hemisphere;
};

struct ParseRequest {
  std::string text;
  int kind = 0;
};

// Read by hand rather than by CLI11 so that "-0.5" is a number, and so
// that the message names what was wrong.
double RadiansArgument(const std::string& text) {
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size() || errno == ERANGE)
    throw CommandError("not a number of radians: \"" + text + "\"");
  return value;
}

void CheckKind(int kind) {
  if (!FindAngleKind(kind)) throw CommandError("unknown angle kind " + std::to_string(kind) + " (kinds are 1 to 9)");
}

// " (at most 90 degrees or 100 gradians)": the kind's range, for the message.
std::string KindRange(int kind) {
  const AngleKindDef* def = FindAngleKind(kind);
  return FormatText(" (at most %d degrees or %d gradians)", def->degreeLimit, def->gradianLimit);
}

char HemisphereArgument(const std::string& text) {
  if (text.empty()) return 0;
  const std::string letter = In(text);
  if (letter.size() != 1 || !HemisphereLetter(letter[0]))
    throw CommandError("not a hemisphere letter: \"" + text + "\" (N, S, E or W)");
  return letter[0];
}

void PrintFormatted(const FormatRequest& request) {
  const double radians = RadiansArgument(request.radians);
  CheckKind(request.kind);
  if (request.format < 0 || request.format > kAngleFormatFromSettings)
    throw CommandError("unknown angle format " + std::to_string(request.format) + " (formats are 0 to 5)");
  const char hemisphere = HemisphereArgument(request.hemisphere);
  const std::string text = FormatAngle(radians, request.kind, request.format, request.decimals, hemisphere);
  // The module shows what it cannot write (not finite, or too many whole
  // degrees) as empty text; an empty line would pass for an answer.
  if (text.empty())
    throw CommandError(FormatText("%s radians cannot be shown as an angle of kind %d", request.radians.c_str(),
                                  request.kind));
  std::cout << Out(text) << "\n";
}

void PrintParsed(const ParseRequest& request) {
  CheckKind(request.kind);
  const std::string text = In(request.text);
  // The module reads refused text as the kind's zero, which would pass for a
  // typed zero here.
  const std::optional<double> radians = TryParseAngle(text, request.kind);
  if (!radians)
    throw CommandError(FormatText("\"%s\" is not an angle of kind %d", request.text.c_str(), request.kind) +
                       KindRange(request.kind));
  std::cout << FormatText("%.17g", *radians) << "\n";
}

}  // namespace

void AddAngleCommand(CLI::App& app, const Options&) {
  auto* angle = app.add_subcommand("angle", "Format radians as angle text, or parse angle text into radians");
  angle->require_subcommand(1);

  static FormatRequest format;
  auto* formatCmd = angle->add_subcommand(
      "format", "Print the text of an angle given in radians; a value the kind cannot show (not finite, or too "
                "large) is an error");
  formatCmd->add_option("radians", format.radians, "The angle in radians (negative values welcome)")->required();
  formatCmd->add_option("--kind", format.kind, "Angle kind 1..9 (5 latitude, 6 longitude)")->required();
  formatCmd->add_option("--format", format.format, "0 DMS, 1 DM, 2 decimal degrees, 3 signed degrees, 4 gradians, "
                                                   "5 the user's settings (default)");
  formatCmd->add_option("--decimals", format.decimals, "Decimals; outside 0..32 the format's default");
  formatCmd->add_option("--hemisphere", format.hemisphere, "The letter a value of exactly 0 shows (N, S, E or W)");
  formatCmd->callback([] { PrintFormatted(format); });

  static ParseRequest parse;
  auto* parseCmd = angle->add_subcommand(
      "parse", "Print the radians of angle text, with 17 significant digits; text without digits or beyond the "
               "kind's range is an error");
  parseCmd->add_option("text", parse.text, "The angle text, UTF-8 or Windows-1252")->required();
  parseCmd->add_option("--kind", parse.kind, "Angle kind 1..9 (5 latitude, 6 longitude)")->required();
  parseCmd->callback([] { PrintParsed(parse); });
}

}  // namespace host
