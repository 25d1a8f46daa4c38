#include "geodesy/text/SentenceChecksum.h"

#include <gtest/gtest.h>

namespace {

// A position sentence and an AIS sentence with the checksums their senders
// put on them.
constexpr char kPosition[] = "$GPRMC,081836,A,3751.65,S,14507.36,E,000.0,360.0,130998,011.3,E*62";
constexpr char kAis[] = "!AIVDM,1,1,,A,13aEOK?P00PD2wVMdLDRhgvL289?,0*26";

TEST(SentenceChecksum, XorBetweenTheLeaderAndTheStar) {
  EXPECT_EQ(SentenceChecksum(kPosition), 0x62u);
  EXPECT_EQ(SentenceChecksum(kAis), 0x26u);
  EXPECT_EQ(SentenceChecksum("AB"), static_cast<unsigned>('A' ^ 'B'));  // no leader
  EXPECT_EQ(SentenceChecksum("$AB"), static_cast<unsigned>('A' ^ 'B'));
  EXPECT_EQ(SentenceChecksum("$"), 0u);
  EXPECT_EQ(SentenceChecksum(""), 0u);
  EXPECT_EQ(SentenceChecksum("$*FF"), 0u);
}

TEST(ChecksumSuffix, StarAndTwoUpperCaseDigits) {
  EXPECT_EQ(ChecksumSuffix(0x62), "*62");
  EXPECT_EQ(ChecksumSuffix(0x0a), "*0A");
  EXPECT_EQ(ChecksumSuffix(0), "*00");
  EXPECT_EQ(ChecksumSuffix(0xFF), "*FF");
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
