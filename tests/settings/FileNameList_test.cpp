#include "frame/FileNameList.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(FileNameList, FindOrAddComparesExactlyAndRemembersTheLastAddedFolder) {
  CFileNameList list("Shape Files");
  EXPECT_EQ(list.FindOrAdd("C:\\Charts\\Coast.shp"), 0u);
  EXPECT_EQ(list.GetRecentFolder(), "C:\\Charts");
  EXPECT_EQ(list.FindOrAdd("D:\\More\\Sea.shp"), 1u);
  EXPECT_EQ(list.GetRecentFolder(), "D:\\More");
  // Found again: nothing added, the recent folder stays that of the last addition.
  EXPECT_EQ(list.FindOrAdd("C:\\Charts\\Coast.shp"), 0u);
  EXPECT_EQ(list.GetRecentFolder(), "D:\\More");
  // Another spelling of the same file is another entry.
  EXPECT_EQ(list.FindOrAdd("c:\\charts\\coast.shp"), 2u);
  EXPECT_EQ(list.GetCount(), 3u);
}

TEST(FileNameList, FolderOfAnEntryEndsBeforeItsLastBackslash) {
  const struct {
    const char* path;
    const char* folder;
  } cases[] = {
      {"C:\\Charts\\Coast.shp", "C:\\Charts"},
      {"C:\\Charts\\", "C:\\Charts"},
      {"\\Coast.shp", "\\Coast.shp"},  // backslash at position 0: the whole entry
      {"Coast.shp", "Coast.shp"},      // no backslash: the whole entry
      {"", ""},
  };
  CFileNameList list;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(list.FolderOf(list.FindOrAdd(c.path)), c.folder);
  }
  EXPECT_THROW(list.FolderOf(list.GetCount()), std::invalid_argument);
}

}  // namespace
