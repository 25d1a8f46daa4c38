#include "geodesy/text/SentenceChecksum.h"

#include <gtest/gtest.h>

namespace {

// A position sentence and an AIS sentence with the checksums their senders
// put on them.
constexpr char kPosition[] = "$GPRMC,081836,A,3751.65,S,14507.36,E,000.0,360.0,130998,011.3,E*62";
constexpr char kAis[] = "!AIVDM,1,1,,A,13aEOK?P00PD2wVMdLDRhgvL289?,0*26";

TEST(SentenceChecksum, XorBetweenTheLeaderAndTheStarWrittenAsTwoUpperCaseDigits) {
  const struct {
    const char* sentence;
    unsigned checksum;
    const char* suffix;
  } cases[] = {
      {kPosition, 0x62, "*62"}, {kAis, 0x26, "*26"}, {"AB", 'A' ^ 'B', "*03"}, {"$AB", 'A' ^ 'B', "*03"},
      {"$\n", 0x0A, "*0A"},     {"", 0, "*00"},      {"$*FF", 0, "*00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SentenceChecksum(c.sentence), c.checksum) << c.sentence;
    EXPECT_EQ(ChecksumSuffix(c.checksum), c.suffix) << c.sentence;
  }
}

TEST(ReceiveSentence, ChecksumCheckedAndRemoved) {
  const ReceivedSentence good = ReceiveSentence(std::string(kPosition) + "\r\n");
  EXPECT_TRUE(good.valid);
  EXPECT_EQ(good.text, std::string(kPosition).substr(0, sizeof kPosition - 1 - 3));

  std::string damaged = kPosition;
  damaged[10] = '7';
  EXPECT_FALSE(ReceiveSentence(damaged).valid);
  // Lower-case digits are not what the sender computes.
  EXPECT_FALSE(ReceiveSentence("$GPXXX*2a").valid);

  // Only '$' sentences are checked; others keep their text.
  const ReceivedSentence ais = ReceiveSentence(kAis);
  EXPECT_FALSE(ais.valid);
  EXPECT_EQ(ais.text, kAis);
  // Too short to hold a checksum.
  EXPECT_FALSE(ReceiveSentence("$*0").valid);
  EXPECT_TRUE(ReceiveSentence("$*00").valid);
}

}  // namespace
