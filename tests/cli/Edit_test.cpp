// overlays edit: typing into the module's fields from the command line.

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliCase;
using testing_support::ExpectCli;
using testing_support::TempFolder;

TEST(EditCli, PrintsTheFieldAfterEachKeyOrRefusesTheRequest) {
  TempFolder sandbox;
  const std::string root = sandbox.Path().string();
  const std::vector<std::string> lat = {"--root", root, "edit", "lat", "--format", "1", "--decimals", "7"};
  auto with = [](std::vector<std::string> args, std::initializer_list<std::string> more) {
    args.insert(args.end(), more);
    return args;
  };
  const CliCase cases[] = {
      {with(lat, {"--hemisphere", "N", "--keys", "9"}), 0,
       "9              \"90° 00'.0000000N\"  caret 15  value 1.5707963267948701", ""},
      {with(lat, {"--clipboard", "12", "--keys", "{HOME}{SHIFT+RIGHT}{SHIFT+RIGHT}{CTRL+V}"}), 0,
       "{CTRL+V}       \"12° 00'.0000000N\"  caret 0  value 0.20943951023931601", ""},
      {with(lat, {"--keys", "9{F1}"}), 1, "", "--keys: not a key: {F1}"},
      {with(lat, {"--keys", "9{BS"}), 1, "", "--keys: a key name is not closed"},
      {with(lat, {"--hemisphere", "W", "--keys", "1"}), 1, "", "--hemisphere: \"W\" is not a letter of this field"},
      {with(lat, {"--value", "north", "--keys", "1"}), 1, "", "--value: not a number: \"north\""},
      {{"--root", root, "edit", "angle", "--kind", "12", "--keys", "1"}, 1, "", "unknown angle kind 12"},
      {{"--root", root, "edit", "angle", "--format", "7", "--keys", "1"}, 1, "", "unknown angle format 7"},
      {{"--root", root, "edit", "number", "--decimals", "3", "--max", "50", "--keys", "12.5{HOME}9"}, 0,
       "9              \"12.5\"  caret 0  value 12.5", ""},  // 92.5 is over the maximum
      {{"--root", root, "edit", "number", "--units", " m", "--value", "7", "--keys", "{END}{BS}"}, 0,
       "(start)        \"7.000 m\"", ""},
      {{"--root", root, "edit", "number", "--max", "ten", "--keys", "1"}, 1, "", "--max: not a number: \"ten\""},
      {{"--root", root, "edit", "number", "--width", "40", "--keys", "1"}, 1, "", "--width want"},
  };
  for (const auto& row : cases) ExpectCli(row);
}

}  // namespace
