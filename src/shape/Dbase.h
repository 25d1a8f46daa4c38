#pragma once
// The attribute table beside a shapefile. The overlay needs only the names
// of its fields, one of which may label the entities; values are not read.

#include <string>
#include <string_view>
#include <vector>

class CDbase {
 public:
  virtual ~CDbase() = default;

  // Takes a Windows path apart as the C runtime's splitter does (either
  // slash, components of at most 3, 260, 256 and 260 characters) and keeps
  // drive, folder and file name as the path and the file name as the name.
  void SetFile(std::string_view shapePath);
  // Opens "%s.dbf" of the path, then "%s.DBF", read-only, and fills the
  // field names. False, with no names, when neither opens.
  bool ReadFields();

  std::string path;  // drive, folder and file name, without extension
  std::string name;  // file name alone
  std::vector<std::string> fieldNames;  // Windows-1252, in descriptor order
};

// A field name from its descriptor's first 11 bytes: ended after the 11th
// byte (or at a NUL before it), then trailing blanks removed from the 11th
// position down to the 2nd, so an all-blank name stays a single blank.
std::string FieldNameOfDescriptor(const char* descriptor);
