// ZIP bombs, written by minizip's zip API, against the archive reader and
// both of its users (KMZ overlays and data packages): refused before the
// disk fills, with the reason kept and nothing left behind.

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "frame/Folders.h"
#include "frame/Packages.h"
#include "kml/KML.h"
#include "kml/KmzArchive.h"
#include "kml/Unzipper.h"
#include "support/TestMachine.h"

namespace {

namespace stdfs = std::filesystem;
using testing_support::BombEntry;
using testing_support::Files;
using testing_support::TestMachine;
using testing_support::WriteBomb;

// Deflates about 1000 times, far past the ratio of 100.
const std::string kZeros(16u << 20, '\0');

std::string Incompressible(std::size_t size, unsigned seed) {
  std::mt19937 rng(seed);
  std::string data(size, '\0');
  for (char& c : data) c = static_cast<char>(rng());
  return data;
}

// KML-like text deflates 2-3 times, well inside the limits.
std::string CoordinatesText(std::size_t size) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> lon(-10, 5), lat(48, 62);
  std::string text = "<kml>\n";
  while (text.size() < size) text += std::to_string(lon(rng)) + "," + std::to_string(lat(rng)) + ",0 ";
  return text;
}

TEST(ZipBomb, AnEntryMayInflateToItsRatioAboveTheFloorWithinWhatTheArchiveHasLeft) {
  constexpr std::uint64_t MiB = 1u << 20, GiB = 1u << 30;
  // Archive size, compressed size, spent so far, and the allowance.
  const std::array<std::uint64_t, 4> cases[] = {
      {100 * MiB, 10 * MiB, 0, 1000 * MiB}, {100 * MiB, 1000, 0, MiB},  // the floor
      {MiB, 10 * MiB, 0, 100 * MiB},      // an overstated compressed size counts as the archive's size
      {100 * MiB, 10 * MiB, GiB - 5, 5},  // what the archive has left
      {UINT64_MAX, UINT64_MAX, 0, GiB},   // no overflow of ratio times size
      {100 * MiB, 10 * MiB, 2 * GiB, 0},
  };
  for (const auto& [archiveSize, compressed, spent, allowance] : cases) {
    CInflationBudget budget({}, archiveSize);
    budget.Spend(spent);
    EXPECT_EQ(budget.Allowance(compressed), allowance) << compressed << " spent " << spent;
  }
}

struct ArchiveCase {
  const char* name;
  std::vector<BombEntry> entries;
  InflationLimits limits;
  UnzipProblem problem;             // met at opening or while extracting
  std::set<std::string> extracted;  // what is on disk afterwards
};

TEST(ZipBomb, TheReaderRefusesWhatInflatesOutOfProportionAndKeepsTheRest) {
  const InflationLimits all{}, small{100, 1u << 20, 3u << 20};
  const std::string mib2a = Incompressible(2u << 20, 1), mib2b = Incompressible(2u << 20, 2);
  const ArchiveCase cases[] = {
      {"one entry of zeros", {{"doc.kml", kZeros}}, all, UnzipProblem::OutOfProportion, {}},
      {"the bomb second", {{"a.kml", "<kml>"}, {"b.kml", kZeros}}, all, UnzipProblem::OutOfProportion, {}},
      {"each entry fine, too much in all", {{"a.bin", mib2a}, {"b.bin", mib2b}}, small, UnzipProblem::TooMuchInAll, {}},
      // minizip stops at the declared size; the checksum then gives the lie
      // away and the short file is removed.
      {"understated size", {{"ok.txt", "fine"}, {"doc.kml", kZeros, 1000}}, all, UnzipProblem::Damaged, {"ok.txt"}},
      {"zeros under the 1 MiB floor", {{"a.png", std::string(900u << 10, '\0')}}, all, UnzipProblem::None, {"a.png"}},
      {"KML text of 3 MB", {{"doc.kml", CoordinatesText(3u << 20)}}, all, UnzipProblem::None, {"doc.kml"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestMachine machine;
    WriteBomb(machine.Host("C:\\in\\x.zip"), c.entries);
    CUnzipper zip;
    zip.SetLimits(c.limits);
    if (zip.OpenZip("C:\\in\\x.zip"))
      for (bool more = zip.GotoFirstFile(); more; more = zip.GotoNextFile()) zip.UnzipFile();
    EXPECT_EQ(zip.Refusal().problem, c.problem);
    std::set<std::string> expected{"x.zip"};
    for (const auto& name : c.extracted) expected.insert({"x", "x/" + name});
    EXPECT_EQ(Files(machine.Host("C:\\in")), expected);
  }
}

// The sizes checked at opening are the archive's word; the copy counts the
// bytes really inflated and stops past the allowance, here made smaller
// after the opening, removing the partial file and extracting nothing more.
TEST(ZipBomb, TheCopyCountsWhatItInflates) {
  TestMachine machine;
  WriteBomb(machine.Host("C:\\x.zip"), {{"big.bin", Incompressible(2u << 20, 3)}, {"small.txt", "x"}});
  CUnzipper zip("C:\\x.zip");
  zip.SetLimits({100, 1u << 20, 1u << 20});
  ASSERT_TRUE(zip.GotoFirstFile());
  EXPECT_FALSE(zip.UnzipFile());
  EXPECT_EQ(zip.Refusal().problem, UnzipProblem::TooMuchInAll);
  EXPECT_EQ(zip.Refusal().entry, "big.bin");
  ASSERT_TRUE(zip.GotoNextFile());
  EXPECT_FALSE(zip.UnzipFile());
  EXPECT_TRUE(Files(machine.Host("C:\\x")).empty());
}

// Both users of the reader, a KMZ overlay and a wreck data package, on a
// bomb and on a lying entry: false, the reason kept, nothing on disk.
TEST(ZipBomb, OverlaysAndPackagesLeaveNothingBehind) {
  const std::vector<BombEntry> archives[] = {{{"doc.kml", kZeros}}, {{"doc.kml", kZeros, 1000}}};
  for (const auto& entries : archives) {
    const bool lie = entries[0].declaredSize >= 0;
    SCOPED_TRACE(lie ? "lying size" : "bomb");
    TestMachine machine;
    WriteBomb(machine.Host("C:\\Charts\\bomb.kmz"), entries);
    CKML overlay;
    EXPECT_FALSE(overlay.Load("C:\\Charts\\bomb.kmz"));
    EXPECT_EQ(overlay.Outcome().archive.IsBomb(), !lie);
    EXPECT_EQ(Files(machine.Host("C:\\Charts")), std::set<std::string>{"bomb.kmz"});
    EXPECT_FALSE(machine.Exists("C:\\Charts\\Temp"));

    WriteBomb(machine.Host("C:\\Navlore Download\\w.WKZ"), entries);
    std::string folder;
    ASSERT_TRUE(FindDataFolder(folder, kWrecksDataFolder));
    EXPECT_EQ(UnpackPackage(folder, "C:\\Navlore Download\\w.WKZ"), lie);
    EXPECT_EQ(LastUnpackRefusal().problem, lie ? UnzipProblem::Damaged : UnzipProblem::OutOfProportion);
    EXPECT_TRUE(Files(machine.Host(folder)).empty());
  }
}

}  // namespace
