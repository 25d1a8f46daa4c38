#pragma once
// Writing a whole file so that its name shows either what was there before
// or the complete new contents, never a part: the bytes go to a new file
// beside it (in the same folder, so nothing is written anywhere else), which
// then takes the name. A failure removes the new file and says why.

#include <string>
#include <string_view>

#include "frame/Api.h"

namespace platform::fs {

// False, with a one-line reason in Windows-1252, when the file could not be
// written.
OVERLAYS_API bool ReplaceFileWith(std::string_view path, std::string_view bytes, std::string& reason);

}  // namespace platform::fs
