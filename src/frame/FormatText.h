#pragma once
// printf into a std::string. The module's text formats are printf formats
// (settings lines, angle patterns, number widths), and letting the C library
// do the work is what keeps every digit, pad and rounding identical to them.

#include <string>

// The text that snprintf would produce for the same format and arguments.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
