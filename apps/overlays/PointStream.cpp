#include "PointStream.h"

#include <iostream>

#include "Host.h"
#include "geodesy/text/PointLine.h"

namespace host {
namespace {

void AnswerStream(const PointAnswer& answer) {
  std::string line;
  for (long number = 1; std::getline(std::cin, line); ++number) {
    double first = 0, second = 0;
    const PointLine kind = ParsePointLine(line, first, second);
    if (kind == PointLine::Blank) continue;
    try {
      if (kind == PointLine::Malformed) throw CommandError("expected two numbers, not '" + line + "'");
      answer(first, second);
    } catch (const CommandError& e) {
      throw CommandError("line " + std::to_string(number) + ": " + e.what());
    }
  }
}

}  // namespace

void AddPointOption(CLI::App& command, std::vector<std::string>& point, const std::string& help) {
  command.add_option("POINT", point, help)->expected(1, 2)->required();
}

void AnswerPoints(const std::vector<std::string>& point, const PointAnswer& answer) {
  if (point.size() == 1 && point[0] == "-") return AnswerStream(answer);
  if (point.size() != 2) throw CommandError("give two numbers, or '-' to read one position a line from standard input");
  double values[2] = {};
  for (std::size_t i = 0; i < 2; ++i)
    if (!ParseNumberToken(point[i], values[i])) throw CommandError("'" + point[i] + "' is not a number");
  answer(values[0], values[1]);
}

}  // namespace host
