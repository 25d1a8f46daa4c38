#include "frame/PathText.h"

#include <gtest/gtest.h>

namespace {

TEST(PathText, TitleFolderAndExtension) {
  struct Case {
    const char* path;
    const char* title;
    const char* folder;
    const char* withoutExtension;
    const char* extension;
  } cases[] = {
      {"C:\\Data\\Wrecks Jan 2026.WRK", "Wrecks Jan 2026", "C:\\Data\\", "C:\\Data\\Wrecks Jan 2026", "WRK"},
      {"C:\\Data\\  spaced  .txt", "spaced", "C:\\Data\\", "C:\\Data\\  spaced  ", "txt"},
      {"C:\\a.b\\noext", "noext", "C:\\a.b\\", "C:\\a", "b\\noext"},
      {"name.tar.gz", "name.tar", "", "name.tar", "gz"},
      {"\\root.kml", "root", "", "\\root", "kml"},
      {"", "", "", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(GetPathTitle(c.path), c.title);
    EXPECT_EQ(FolderOfPath(c.path), c.folder);
    EXPECT_EQ(PathWithoutExtension(c.path), c.withoutExtension);
    EXPECT_EQ(ExtensionOfPath(c.path), c.extension);
  }
}

TEST(PathText, SplitRemovesQuotesFirst) {
  struct Case {
    const char* path;
    PathParts parts;
  } cases[] = {
      {"\"C:\\Shapes\\coast.shp\"", {"C:\\Shapes\\", "coast", "shp"}},
      {"C:\\Shapes\\coast", {"C:\\Shapes\\", "coast", ""}},
      {"C:\\v1.2\\coast", {"C:\\v1.2\\", "coast", ""}},
      {"coast.shp", {"", "coast", "shp"}},
      {"C:\\Shapes\\", {"C:\\Shapes\\", "", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const auto parts = SplitPath(c.path);
    EXPECT_EQ(parts.folder, c.parts.folder);
    EXPECT_EQ(parts.name, c.parts.name);
    EXPECT_EQ(parts.extension, c.parts.extension);
  }
}

}  // namespace
