#include "wrecks/CountryTable.h"

#include <cctype>

#include "platform/text/CodePage.h"

namespace {

const CountryRow* FindCountry(std::string_view code) {
  if (code.size() < 2) return nullptr;
  const char wanted[2] = {static_cast<char>(std::toupper(static_cast<unsigned char>(code[0]))),
                          static_cast<char>(std::toupper(static_cast<unsigned char>(code[1])))};
  for (const CountryRow& row : kCountries)
    if (row.code[0] == wanted[0] && row.code[1] == wanted[1]) return &row;
  return nullptr;
}

}  // namespace

int FlagIndexFromName(std::string_view name) {
  if (name.empty()) return 0;
  for (int i = 1; i < kFlagCount; ++i)
    if (platform::text::EqualsIgnoringCase(name, kFlagNames[i])) return i;
  return 0;
}

int FlagIndexFromCode(std::string_view code) {
  const CountryRow* row = FindCountry(code);
  return row ? FlagIndexFromName(row->name) : 0;
}

std::string CountryNameFromCode(std::string_view code) {
  const CountryRow* row = FindCountry(code);
  return row ? row->name : std::string();
}
