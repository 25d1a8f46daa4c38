#include "kml/Unzipper.h"

#include <gtest/gtest.h>

#include "kml/KmzArchive.h"
#include "platform/fs/FileSystem.h"
#include "support/TestMachine.h"

namespace {

namespace fs = platform::fs;
using testing_support::KmzEntries;
using testing_support::TestMachine;
using testing_support::WriteKmz;
using tools::ZipEntry;
using tools::ZipWriter;

// 2001-02-03 04:05:06 in the archive's DOS form.
constexpr std::uint32_t kDated = (21u << 25) | (2u << 21) | (3u << 16) | (4u << 11) | (5u << 5) | (6u / 2);

class UnzipperTest : public ::testing::Test {
 protected:
  // Writes an archive at a Windows path; a name ending in '/' is a folder.
  void Archive(const std::string& path, const KmzEntries& entries) { WriteKmz(machine.Host(path), entries); }
  // Extracts every entry the way the KML reader does; returns how many succeeded.
  static int ExtractAll(CUnzipper& zip, bool ignorePaths = false) {
    int ok = 0;
    if (!zip.GotoFirstFile()) return 0;
    do ok += zip.UnzipFile(nullptr, ignorePaths) ? 1 : 0;
    while (zip.GotoNextFile());
    return ok;
  }

  TestMachine machine;
};

TEST_F(UnzipperTest, OpenRefusalsSayWhy) {
  machine.Write("C:\\data\\not.kmz", "plain text, no archive");
  const std::pair<const char*, UnzipProblem> cases[] = {
      {"", UnzipProblem::MissingFile},
      {"C:\\data\\missing.kmz", UnzipProblem::MissingFile},
      {"C:\\data\\not.kmz", UnzipProblem::NotAnArchive},
      {"C:\\data", UnzipProblem::MissingFile},
  };
  CUnzipper zip;
  for (const auto& [path, problem] : cases) {
    EXPECT_FALSE(zip.OpenZip(path)) << path;
    EXPECT_EQ(zip.Refusal().problem, problem) << path;
  }
  EXPECT_FALSE(zip.OpenZip(nullptr));
  EXPECT_FALSE(zip.OpenZip(("C:\\" + std::string(270, 'x') + ".kmz").c_str()));
  EXPECT_FALSE(zip.GotoFirstFile());
  EXPECT_FALSE(zip.UnzipFile());
  UnzipFileInfo info;
  EXPECT_FALSE(zip.GetFileInfo(info));
}

TEST_F(UnzipperTest, ExtensionFilterIgnoresCaseAndPassesOverLongerExtensions) {
  Archive("C:\\x.kmz", {{"doc.KMLX", "no"}, {"doc.KML", "yes"}, {"kml", "no extension"},
                        {"more.kml/inside.txt", "dot in a folder"}, {"second.kml", "yes too"}});
  CUnzipper zip("C:\\x.kmz");
  const auto names = [&](const char* extension) {
    std::vector<std::string> found;
    UnzipFileInfo info;
    for (bool more = zip.GotoFirstFile(extension); more && zip.GetFileInfo(info); more = zip.GotoNextFile(extension))
      found.push_back(info.name);
    return found;
  };
  EXPECT_EQ(names("kml"), (std::vector<std::string>{"doc.KML", "second.kml"}));
  EXPECT_EQ(names(nullptr).size(), 5u);
}

// The output folder is beside the archive, a relative path taken from the
// current folder. A folder that is a file, or under one, or none, is
// refused; a new one is made at every level. Folder entries go under the
// output folder even when another folder is given.
TEST_F(UnzipperTest, PathsKeptAndIgnoredAndWhereTheOutputFolderMayBe) {
  machine.Write("C:\\taken", "a file");
  Archive("C:\\d\\pkg.zip", {{"files/", ""}, {"files/icons/a.png", "png bytes"}});
  machine.Edit([](fs::Platform& p) { p.currentDirectory = "C:\\d"; });
  {
    CUnzipper zip("pkg.zip");
    EXPECT_EQ(zip.GetOutputFolder(), "C:\\d\\pkg");
    EXPECT_EQ(ExtractAll(zip), 2);
    EXPECT_EQ(machine.Read("C:\\d\\pkg\\files\\icons\\a.png"), "png bytes");
  }
  CUnzipper zip("C:\\d\\pkg.zip");
  for (const char* refused : {"C:\\taken", "", "C:\\taken\\below"})
    EXPECT_FALSE(zip.SetOutputFolder(refused)) << refused;
  ASSERT_TRUE(zip.SetOutputFolder("C:\\new\\flat"));
  EXPECT_EQ(ExtractAll(zip, true), 2);
  EXPECT_EQ(machine.Read("C:\\new\\flat\\a.png"), "png bytes");
  EXPECT_FALSE(machine.Exists("C:\\new\\flat\\icons"));
  ASSERT_TRUE(zip.GotoFirstFile());
  EXPECT_TRUE(zip.UnzipFile("C:\\other"));
  EXPECT_TRUE(fs::FolderExists("C:\\new\\flat\\files"));
  EXPECT_FALSE(fs::FolderExists("C:\\other\\files"));
}

// The entry's time becomes the file's; a UTF-8 name arrives in the
// module's code page and is UTF-8 again on disk; an old file is replaced.
TEST_F(UnzipperTest, ExtractedFilesCarryTheEntryTimeAndName) {
  machine.Write("C:\\x\\a.txt", "a much longer older content");
  ZipEntry dated, utf8;
  dated.name = "a.txt";
  dated.dosDateTime = kDated;
  utf8.name = "Soci\xC3\xA9t\xC3\xA9.txt";
  utf8.utf8Name = true;
  ZipWriter writer(machine.Host("C:\\x.zip"));
  writer.Add(dated, "new");
  writer.Add(utf8, "accents");
  writer.Close();
  CUnzipper zip("C:\\x.zip");
  EXPECT_EQ(ExtractAll(zip), 2);
  EXPECT_EQ(machine.Read("C:\\x\\a.txt"), "new");
  EXPECT_EQ(fs::LastWriteTime("C:\\x\\a.txt"), fs::TimeFromDos(kDated));
  EXPECT_EQ(machine.Read("C:\\x\\Soci\xE9t\xE9.txt"), "accents");
  EXPECT_TRUE(std::filesystem::exists(machine.DriveFolder('C') / "x" / "Soci\xC3\xA9t\xC3\xA9.txt"));
}

// Names that would climb out of the destination are refused with nothing
// written, and the rest of the archive still extracts.
TEST_F(UnzipperTest, HostileNamesWriteNothingOutsideTheDestination) {
  const char* hostile[] = {"../escaped.txt",       "..\\escaped2.txt",   "a/../../escaped3.txt",
                           "/absolute.txt",        "\\absolute2.txt",    "C:\\Windows\\evil.txt",
                           "C:evil.txt",           "sub/..",             "ok/../../../escaped4.txt"};
  KmzEntries entries;
  for (const char* name : hostile) entries.push_back({name, "evil"});
  entries.push_back({"good/inside.txt", "fine"});
  entries.push_back({"../outfolder/", ""});
  Archive("C:\\jail\\x.zip", entries);

  CUnzipper zip("C:\\jail\\x.zip");
  EXPECT_EQ(ExtractAll(zip), 1);
  EXPECT_EQ(zip.Refusal().problem, UnzipProblem::NameOutside);
  EXPECT_EQ(zip.Refusal().entry, "..\\escaped.txt");
  EXPECT_EQ(machine.Read("C:\\jail\\x\\good\\inside.txt"), "fine");
  // Nothing anywhere on the machine but the archive and the one good file.
  std::vector<std::string> written;
  for (const auto& e : std::filesystem::recursive_directory_iterator(machine.Root()))
    if (e.is_regular_file()) written.push_back(e.path().filename().string());
  EXPECT_EQ(written.size(), 2u);
  EXPECT_FALSE(machine.Exists("C:\\outfolder"));
  EXPECT_FALSE(machine.Exists("C:\\Windows\\evil.txt"));
  // With paths ignored, a climbing name lands flat inside the destination.
  ASSERT_TRUE(zip.GotoFirstFile());
  EXPECT_TRUE(zip.UnzipFile(nullptr, true));
  EXPECT_EQ(machine.Read("C:\\jail\\x\\escaped.txt"), "evil");
}

TEST_F(UnzipperTest, TruncatedArchiveFailsWithoutHarm) {
  Archive("C:\\x.zip", {{"a.txt", std::string(100000, 'a')}, {"b.txt", "b"}});
  const auto bytes = *machine.Read("C:\\x.zip");
  for (std::size_t cut : {bytes.size() - 1, bytes.size() / 2, std::size_t{30}, std::size_t{4}}) {
    SCOPED_TRACE(cut);
    machine.Write("C:\\cut.zip", bytes.substr(0, cut));
    CUnzipper zip("C:\\cut.zip");
    ExtractAll(zip);  // must neither crash nor write outside C:\cut
    EXPECT_FALSE(machine.Exists("C:\\a.txt"));
  }
}

TEST_F(UnzipperTest, CorruptDataEndsTheCopyAndLeavesNoPartialFile) {
  std::string data;
  for (int i = 0; i < 200000; ++i) data += static_cast<char>('a' + (i * 31 % 26));
  Archive("C:\\x.zip", KmzEntries{{"a.txt", data}});
  auto bytes = *machine.Read("C:\\x.zip");
  // Scramble the middle of the deflate stream (the local header is 30 bytes
  // plus the name), leaving the directory intact.
  for (std::size_t i = 200; i < 400 && i < bytes.size(); ++i) bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
  machine.Write("C:\\bad.zip", bytes);
  CUnzipper zip("C:\\bad.zip");
  ASSERT_TRUE(zip.GotoFirstFile());
  EXPECT_FALSE(zip.UnzipFile());
  EXPECT_EQ(zip.Refusal().problem, UnzipProblem::Damaged);
  EXPECT_FALSE(machine.Exists("C:\\bad\\a.txt"));
}

}  // namespace
