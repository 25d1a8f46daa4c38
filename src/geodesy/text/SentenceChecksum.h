#pragma once
// The checksum of instrument sentences ("$GPGGA,...*47"): the XOR of the
// characters between the leading '$' or '!' and the '*'.

#include <string>
#include <string_view>

#include "frame/Api.h"

OVERLAYS_API unsigned SentenceChecksum(std::string_view sentence);
// "*" and two upper-case hexadecimal digits.
OVERLAYS_API std::string ChecksumSuffix(unsigned checksum);

struct ReceivedSentence {
  std::string text;  // without line ends, and without the checksum once checked
  bool valid = false;
};
// A sentence as received: line ends removed; a '$' sentence's last three
// characters are checked against its checksum and then removed.
OVERLAYS_API ReceivedSentence ReceiveSentence(std::string_view raw);
