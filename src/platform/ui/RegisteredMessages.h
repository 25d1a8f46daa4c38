#pragma once
// Process-wide registered window messages: the same name always gives the
// same number, in every thread and every library of the process, so a host
// and a module that register one name talk through one number.

#include <cstdint>
#include <string_view>

#include "frame/Api.h"

namespace platform::ui {

using MessageId = std::uint32_t;

// Numbers of registered messages lie in 0xC000..0xFFFF, above every fixed
// message. Names compare ignoring ASCII case, as the window system does.
inline constexpr MessageId kFirstRegisteredMessage = 0xC000;
inline constexpr MessageId kLastRegisteredMessage = 0xFFFF;

// 0 for an empty name or when the range is used up.
OVERLAYS_API MessageId RegisterWindowMessage(std::string_view name);

}  // namespace platform::ui
