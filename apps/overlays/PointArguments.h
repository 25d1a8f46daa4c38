#pragma once
// The positions a command is given: two numbers on the command line, or
// "-" for one pair a line from standard input (blank lines and '#'
// comments pass).

#include <functional>
#include <string>
#include <vector>

namespace host {

using PointAnswer = std::function<void(double first, double second)>;

// Answers each position in turn. The first that cannot be read or answered
// (a CommandError from `answer`) ends the run; from standard input the
// message names its line.
void AnswerPoints(const std::vector<std::string>& point, const PointAnswer& answer);

}  // namespace host
