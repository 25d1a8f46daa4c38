#pragma once
// Text replacement as the string classes of the original platform do it:
// left to right, never looking again at text already put in.

#include <string>
#include <string_view>

void ReplaceAll(std::string& text, std::string_view what, std::string_view with);
