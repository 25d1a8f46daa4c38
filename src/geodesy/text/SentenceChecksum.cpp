#include "geodesy/text/SentenceChecksum.h"

#include "frame/FormatText.h"

namespace {

constexpr std::size_t kSuffixLength = 3;  // "*hh"

}  // namespace

unsigned SentenceChecksum(std::string_view sentence) {
  if (!sentence.empty() && (sentence.front() == '$' || sentence.front() == '!')) sentence.remove_prefix(1);
  unsigned checksum = 0;
  for (char c : sentence.substr(0, sentence.find('*'))) checksum ^= static_cast<unsigned char>(c);
  return checksum;
}

// The traditional "%c%02.2X" prints the same: printf ignores the 0 flag when
// a precision is given, and the precision alone pads to two digits.
std::string ChecksumSuffix(unsigned checksum) { return FormatText("%c%.2X", '*', checksum); }

ReceivedSentence ReceiveSentence(std::string_view raw) {
  ReceivedSentence received;
  for (char c : raw)
    if (c != '\r' && c != '\n') received.text += c;
  if (!received.text.starts_with('$') || received.text.size() <= kSuffixLength) return received;
  const std::string body = received.text.substr(0, received.text.size() - kSuffixLength);
  received.valid = received.text.substr(body.size()) == ChecksumSuffix(SentenceChecksum(body));
  received.text = body;
  return received;
}
