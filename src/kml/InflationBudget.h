#pragma once
// How far the entries of one ZIP archive may inflate before the archive is
// refused as a ZIP bomb: a few hundred kilobytes of deflate can expand to
// gigabytes of files beside a KMZ or in the data folder.
//
// The limits, and why they are safe for real files:
// - an entry may inflate to at most 100 times its compressed size. Real
//   KML deflates 10-30 times and a wreck database 5-10 times, while deflate
//   itself reaches about 1030 times on runs of one byte;
// - an entry inflating to no more than 1 MiB is never refused for its
//   ratio, since small files of repeated bytes (blank images, padding)
//   compress far better than large ones and harm no one;
// - one archive may write at most 1 GiB in all, three times the largest
//   wreck database issued so far.
// A compressed size is never taken for more than the archive's own size, so
// a directory that overstates it buys no room.

#include <cstdint>

struct InflationLimits {
  std::uint64_t ratio = 100;
  std::uint64_t floor = std::uint64_t{1} << 20;
  std::uint64_t total = std::uint64_t{1} << 30;
};

class CInflationBudget {
 public:
  CInflationBudget(const InflationLimits& limits, std::uint64_t archiveSize);

  // The most bytes an entry of this compressed size may inflate to now:
  // its ratio allowance, and no more than what the archive has left.
  std::uint64_t Allowance(std::uint64_t compressedSize) const;
  // True when an entry of `compressedSize` bytes may inflate to `size`.
  bool Admits(std::uint64_t compressedSize, std::uint64_t size) const { return size <= Allowance(compressedSize); }
  // Counts bytes written for the archive.
  void Spend(std::uint64_t bytes) { spent_ += bytes; }
  // True when the archive as a whole, rather than the entry's ratio, is what
  // an allowance of this entry ran into.
  bool TotalIsTheLimit(std::uint64_t compressedSize) const;

  const InflationLimits& Limits() const { return limits_; }

 private:
  std::uint64_t RatioAllowance(std::uint64_t compressedSize) const;

  InflationLimits limits_;
  std::uint64_t archiveSize_;
  std::uint64_t spent_ = 0;
};
