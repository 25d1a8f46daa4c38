#include "frame/ConfigFile.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "frame/Folders.h"
#include "support/TestMachine.h"

namespace {

using testing_support::TestMachine;

// Every test runs on its own machine whose settings folder is
// C:\MySettings\Host\.
class SettingsFile : public ::testing::Test {
 protected:
  std::string PathOf(const char* name) const { return CConfigFile().GetFilePath(name); }
  void Put(const char* name, std::string_view bytes) const { machine_.Write(PathOf(name), bytes); }
  std::string Get(const char* name) const { return machine_.Read(PathOf(name)).value_or("(missing)"); }
  bool TemporaryLeft(const char* name) const { return machine_.Exists(PathOf(name) + ".tmp"); }

  TestMachine machine_;
};

TEST_F(SettingsFile, PathIsInTheSettingsFolderWithUnderscoresForSpaces) {
  const struct {
    const char* name;
    const char* extension;
    const char* file;
  } cases[] = {
      {"WreckList", nullptr, "WreckList.INI"},
      {"WreckList", "", "WreckList.INI"},
      // Only the name is rewritten; an extension is taken as given.
      {" two  spaces ", "a b", "_two__spaces_.a b"},
  };
  CConfigFile file;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(file.GetFilePath(c.name, c.extension), GetSettingsFolder() + c.file);
  }
}

TEST_F(SettingsFile, EveryLineFormOfTheWritersGivesExactBytes) {
  {
    CConfigFile file;
    ASSERT_TRUE(file.OpenWrite("Every Form"));
    file.WriteInt("Signed", -3);
    file.WriteColour("Colour", 16711680);
    file.WriteColour("Largest", 0xFFFFFFFFu);
    file.WriteBool("Yes", true);
    file.WriteBool("No", false);
    file.WriteDouble("Latitude", 51.5, 3);
    file.WriteDouble("Rounded", 0.0005, 3);  // printf rounds half to even on the binary value
    file.WriteDouble("Whole", 2.5, 0);
    file.WriteText("Name", "a name");
    file.WriteSearchName("Ship, \"Red\"\r\nline");
    file.WriteString("[raw]\n");
    ASSERT_TRUE(file.Close());
  }
  EXPECT_EQ(Get("Every_Form"),
            "Signed = -3\n"
            "Colour = 16711680\n"
            "Largest = 4294967295\n"
            "Yes = 1\n"
            "No = 0\n"
            "Latitude = 51.500\n"
            "Rounded = 0.001\n"
            "Whole = 2\n"
            "Name = a name\n"
            "Search Name = Ship\xAB" "COMMA\xBB \"Red\"\xAB" "CR\xBB\xAB" "LF\xBB" "line\n"
            "[raw]\n");
  EXPECT_FALSE(TemporaryLeft("Every_Form"));
}

TEST_F(SettingsFile, ValuesAreReadByPositionWhateverTheKeysAndLineEnds) {
  // The keys are in the reverse of the group's order, a section line and an
  // empty line take a value's place each, and CR LF or LF ends the lines.
  for (const char* bytes : {"Radius = 4\nName = x y\n[Section]\n\nMethod = 2.5",
                            "Radius = 4\r\nName = x y\r\n[Section]\r\n\r\nMethod = 2.5\r\n"}) {
    SCOPED_TRACE(bytes);
    Put("Group", bytes);
    CConfigFile file;
    ASSERT_TRUE(file.OpenRead("Group"));
    EXPECT_EQ(file.ReadInt(0), 4);
    EXPECT_EQ(file.ReadText(), "x y");  // no carriage return left at the end
    EXPECT_EQ(file.ReadInt(8), 8);      // "[Section]"
    EXPECT_EQ(file.ReadChar('N'), 'N');  // the empty line
    EXPECT_DOUBLE_EQ(file.ReadDouble(0), 2.5);
    // Past the end of a short file every reader gives its default.
    EXPECT_EQ(file.ReadShort(9), 9);
    EXPECT_TRUE(file.ReadBool(true));
    EXPECT_EQ(file.ReadText(), "");
    EXPECT_EQ(file.ReadColour(), kDefaultSettingsColour);
  }
  CConfigFile missing;
  EXPECT_FALSE(missing.OpenRead("Nowhere"));
  EXPECT_EQ(missing.ReadInt(11), 11);
}

// One value line, read with each reader. The text is what follows "Key =".
struct ConversionCase {
  const char* value;
  int asInt;
  short asShort;
  bool asBool;
  double asDouble;
  char asChar;  // with default '#'
  const char* asText;
  std::uint32_t asColour;
};

TEST_F(SettingsFile, EachReaderConvertsTheTextAfterTheFirstEquals) {
  const ConversionCase cases[] = {
      {" -42abc", -42, -42, true, -42.0, '-', "-42abc", 0xFFFFFFD6u},
      {" 2.75", 2, 2, true, 2.75, '2', "2.75", 2},
      {" 0", 0, 0, false, 0.0, '0', "0", 0},
      {"", 0, 0, false, 0.0, '#', "", 0},
      // "=" followed by two spaces and x reads back as a space and x.
      {"  x", 0, 0, false, 0.0, 'x', " x", 0},
      {"\t +7 ", 7, 7, true, 7.0, '+', "\t +7 ", 7},
      // 16 bits kept of the 32-bit value: 70000 - 65536.
      {" 70000", 70000, 4464, true, 70000.0, '7', "70000", 70000},
      // Overflow stops at the limit instead of wrapping.
      {" 99999999999", INT_MAX, -1, true, 99999999999.0, '9', "99999999999", 0x4876E7FFu},
      // Only the first "=" separates; the rest belongs to the value.
      {" a=b", 0, 0, false, 0.0, 'a', "a=b", 0},
      {" 1e3", 1, 1, true, 1000.0, '1', "1e3", 1000},
      {" nan", 0, 0, false, std::numeric_limits<double>::quiet_NaN(), 'n', "nan", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("Key =") + c.value);
    const std::string line = std::string("Key =") + c.value + "\n";
    std::string bytes;
    for (int i = 0; i < 7; ++i) bytes += line;
    Put("Conversions", bytes);
    CConfigFile file;
    ASSERT_TRUE(file.OpenRead("Conversions"));
    EXPECT_EQ(file.ReadInt(123), c.asInt);
    EXPECT_EQ(file.ReadShort(123), c.asShort);
    EXPECT_EQ(file.ReadBool(true), c.asBool);
    const double d = file.ReadDouble(123.0);
    if (std::isnan(c.asDouble))
      EXPECT_TRUE(std::isnan(d));
    else
      EXPECT_DOUBLE_EQ(d, c.asDouble);
    EXPECT_EQ(file.ReadChar('#'), c.asChar);
    EXPECT_EQ(file.ReadText(), c.asText);
    EXPECT_EQ(file.ReadColour(), c.asColour);
  }
}

TEST_F(SettingsFile, EscapedTextRoundTrips) {
  const std::string texts[] = {"",          "plain", "Wreck, \"Name\"", ",,,", "two\r\nlines\n", "\rCR first",
                               " spaces ", "degree \xB0 and guillemets \xAB\xBB"};
  for (const auto& text : texts) {
    SCOPED_TRACE(text);
    {
      CConfigFile file;
      ASSERT_TRUE(file.OpenWrite("Search"));
      file.WriteSearchName(text);
      file.WriteText("Other", text);
      ASSERT_TRUE(file.Close());
    }
    const std::string bytes = Get("Search");
    EXPECT_EQ(bytes.find_first_of("\r,"), std::string::npos);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 2);
    CConfigFile file;
    ASSERT_TRUE(file.OpenRead("Search"));
    EXPECT_EQ(file.ReadText(), text);
    EXPECT_EQ(file.ReadText(), text);
  }
}

TEST(SettingText, AMarkerWithoutItsClosingGuillemetIsText) {
  EXPECT_EQ(UnescapeSettingText("\xAB" "CR and \xAB" "COMMA"), "\xAB" "CR and \xAB" "COMMA");
}

TEST_F(SettingsFile, AnAbandonedOrInterruptedWriteLeavesTheOldFile) {
  Put("Group", "Old = 1\n");
  {
    CConfigFile file;
    ASSERT_TRUE(file.OpenWrite("Group"));
    file.WriteInt("New", 5);
    file.Abandon();
  }
  try {
    CConfigFile file;
    ASSERT_TRUE(file.OpenWrite("Group"));
    file.WriteInt("New", 5);
    throw std::runtime_error("interrupted");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(Get("Group"), "Old = 1\n");
  EXPECT_FALSE(TemporaryLeft("Group"));
}

TEST_F(SettingsFile, ACrashMidWriteLeavesTheOldFile) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  Put("Group", "Old = 1\nOld = 2\n");
  EXPECT_DEATH(
      {
        CConfigFile file;
        file.OpenWrite("Group");
        for (int i = 0; i < 10000; ++i) file.WriteInt("New", i);  // more than one buffer reaches the disk
        std::abort();
      },
      "");
  EXPECT_EQ(Get("Group"), "Old = 1\nOld = 2\n");
  // The next write is not hindered by what the crash left behind; without
  // Close the destructor puts the file in place, as closing a file does.
  {
    CConfigFile file;
    ASSERT_TRUE(file.OpenWrite("Group"));
    file.WriteInt("New", 1);
  }
  EXPECT_EQ(Get("Group"), "New = 1\n");
  EXPECT_FALSE(TemporaryLeft("Group"));
}

// Runs in a child process that may write files of at most 64 bytes: the
// disk is full after the first few lines. The exit status tells whether
// Close saw the failure.
[[noreturn]] void WriteGroupOnAFullDisk() {
  const rlimit limit{64, 64};
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, SIG_IGN);
  CConfigFile file;
  file.OpenWrite("Group");
  for (int i = 0; i < 100; ++i) file.WriteInt("New", i);
  std::_Exit(file.Close() ? 1 : 0);
}

TEST_F(SettingsFile, AFullDiskMidWriteLeavesTheOldFile) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  Put("Group", "Old = 1\n");
  EXPECT_EXIT(WriteGroupOnAFullDisk(), ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(Get("Group"), "Old = 1\n");
  EXPECT_FALSE(TemporaryLeft("Group"));
}

TEST_F(SettingsFile, AFileByPathIsWrittenWhereItsFolderIsAndQuietlyNotElsewhere) {
  const std::string path = "C:\\Charts\\Coast.INI";  // beside the shapefile it belongs to
  machine_.Write(path, "Status = 1\n");
  CConfigFile file;
  ASSERT_TRUE(file.OpenWritePath(path));
  file.WriteBool("Status", false);
  ASSERT_TRUE(file.Close());
  EXPECT_EQ(machine_.Read(path), "Status = 0\n");
  for (const char* nowhere : {"C:\\No Such Folder\\Group.INI", "Q:\\Group.INI"}) {
    CConfigFile refused;
    EXPECT_FALSE(refused.OpenWritePath(nowhere));
    refused.WriteInt("Ignored", 1);
    EXPECT_TRUE(refused.Close());
    EXPECT_FALSE(machine_.Exists(nowhere));
  }
}

}  // namespace
