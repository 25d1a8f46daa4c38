// The attribute table's path rules and field names.

#include "shape/Dbase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ShapeFixtures.h"

namespace {

using testing_support::TestMachine;

TEST(Dbase, SetFileKeepsDriveFolderAndNameWithoutTheExtension) {
  const struct {
    const char* shape;
    const char* path;
    const char* name;
  } cases[] = {
      {"C:\\maps\\Coast.shp", "C:\\maps\\Coast", "Coast"},
      {"C:\\maps\\Coast", "C:\\maps\\Coast", "Coast"},
      {"C:\\data.old\\coast", "C:\\data.old\\coast", "coast"},
      {"C:/maps/coast.v2.shp", "C:/maps/coast.v2", "coast.v2"},
      {"coast.shp", "coast", "coast"},
      {"C:coast", "C:coast", "coast"},
  };
  for (const auto& c : cases) {
    CDbase table;
    table.SetFile(c.shape);
    EXPECT_EQ(table.path, c.path) << c.shape;
    EXPECT_EQ(table.name, c.name) << c.shape;
  }
}

TEST(Dbase, FieldNamesLoseTrailingBlanksButNeverTheirFirstCharacter) {
  const struct {
    std::string descriptor;
    const char* name;
  } cases[] = {
      {"NAME       ", "NAME"},
      {"           ", " "},
      {"A B        ", "A B"},
      {std::string("DEPTH\0\0\0\0\0\0", 11), "DEPTH"},
      {"ELEVENCHARS", "ELEVENCHARS"},
      {"TWELVECHARSX", "TWELVECHARS"},  // ended after the 11th byte
  };
  for (const auto& c : cases) EXPECT_EQ(FieldNameOfDescriptor(c.descriptor.c_str()), c.name) << c.name;
}

class DbaseFileTest : public ::testing::Test {
 protected:
  void Table(std::string_view base, const std::vector<std::string>& fields) {
    tools::WriteAttributeTable(shape_fixtures::HostBase(machine, base), fields);
  }
  std::vector<std::string> Read(const char* shapePath, bool opens) {
    CDbase table;
    table.SetFile(shapePath);
    EXPECT_EQ(table.ReadFields(), opens) << shapePath;
    return table.fieldNames;
  }

  TestMachine machine;
};

TEST_F(DbaseFileTest, TheTableIsFoundInEitherCaseAndItsNamesReadInOrder) {
  Table("C:\\maps\\coast", {"NAME", "TEXTSTRING", "DEPTH"});
  tools::PatchFieldName(machine.Host("C:\\maps\\coast.dbf"), 0, "NAME       ");
  tools::PatchFieldName(machine.Host("C:\\maps\\coast.dbf"), 2, "           ");
  Table("C:\\maps\\upper", {"ID"});
  std::filesystem::rename(machine.Host("C:\\maps\\upper.dbf"), machine.Host("C:\\maps\\") / "UPPER.DBF");
  Table("C:\\maps\\coast.v2", {"V2"});
  const std::vector<std::string> coast{"NAME", "TEXTSTRING", " "};
  EXPECT_EQ(Read("C:\\maps\\coast.shp", true), coast);
  EXPECT_EQ(Read("C:\\maps\\upper", true), std::vector<std::string>{"ID"});
  EXPECT_EQ(Read("C:\\maps\\coast.v2.shp", true), std::vector<std::string>{"V2"});
  EXPECT_TRUE(Read("C:\\maps\\missing.shp", false).empty());
}

TEST_F(DbaseFileTest, AHeaderThatPromisesMoreFieldsThanTheFileHoldsReadsNothingBeyondIt) {
  Table("C:\\bad\\t", {"A", "B"});
  const auto host = machine.Host("C:\\bad\\t.dbf");
  const struct {
    const char* lie;
    std::size_t at;
    std::string bytes;
  } cases[] = {
      {"header length of 4000 fields", 8, std::string("\xff\xff", 2)},
      {"record length of 65535", 10, std::string("\xff\xff", 2)},
      {"no header terminator", 32 + 2 * 32, std::string("A")},
  };
  const std::string original = machine.Read("C:\\bad\\t.dbf").value();
  for (const auto& c : cases) {
    std::string bytes = original;
    bytes.replace(c.at, c.bytes.size(), c.bytes);
    machine.Write("C:\\bad\\t.dbf", bytes);
    CDbase table;
    table.SetFile("C:\\bad\\t.shp");
    table.ReadFields();
    EXPECT_LE(table.fieldNames.size(), 2u) << c.lie;
  }
  for (std::size_t keep : {0u, 10u, 40u, 64u}) {
    machine.Write("C:\\bad\\t.dbf", original.substr(0, keep));
    CDbase table;
    table.SetFile("C:\\bad\\t.shp");
    table.ReadFields();
    EXPECT_LE(table.fieldNames.size(), 2u) << "cut to " << keep;
  }
}

}  // namespace
