#pragma once
// The module keeps text as Windows-1252 bytes (the degree sign is the single
// byte 0xB0). These conversions are used only where text crosses to or from
// the host: file names on disk, terminals, a GUI.

#include <string>
#include <string_view>

#include "frame/Api.h"

namespace platform::text {

// Every Windows-1252 byte has a UTF-8 form; the five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value so
// that the conversion is lossless both ways.
OVERLAYS_API std::string Utf8FromAnsi(std::string_view ansi);

// Code points without a Windows-1252 byte become '?'. Byte sequences that
// are not valid UTF-8 are taken as Windows-1252 already, byte for byte, so a
// name written by an older tool still round-trips.
OVERLAYS_API std::string AnsiFromUtf8(std::string_view utf8);

// Upper case of one Windows-1252 byte, as the Windows file system compares
// names: ASCII letters, the accented letters of the upper half, and the
// three Latin Extended pairs.
unsigned char AnsiToUpper(unsigned char c);
// Lower case of one Windows-1252 byte: the inverse of AnsiToUpper.
unsigned char AnsiToLower(unsigned char c);

OVERLAYS_API bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace platform::text
