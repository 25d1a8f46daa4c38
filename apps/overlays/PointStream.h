#pragma once
// The positions a command answers: two numbers on its command line, or "-"
// for one position a line on standard input. A line that cannot be read or
// answered ends the run, with its number in the message.

#include <CLI/CLI.hpp>

#include <functional>
#include <string>
#include <vector>

namespace host {

using PointAnswer = std::function<void(double first, double second)>;

// The POINT argument: two numbers or "-".
void AddPointOption(CLI::App& command, std::vector<std::string>& point, const std::string& help);

// Throws CommandError for arguments that are not two numbers or "-".
void AnswerPoints(const std::vector<std::string>& point, const PointAnswer& answer);

}  // namespace host
