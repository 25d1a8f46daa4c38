#pragma once
// The resources of the host's companion libraries (the yes/no images of the
// list support library, the status icons of the flag icon library). They
// are the libraries' own, not the module's: they join the resource chain as
// a module of their own when the libraries load, with ids the module does
// not use.

#include "platform/ui/DialogTemplate.h"

namespace companions {

inline constexpr UINT kNoYesBitmap = 30500;
inline constexpr UINT kStatusIconsBitmap = 30501;

// Called by the resource files while the libraries load.
bool AddBitmap(const platform::ui::BitmapResource& bitmap);

}  // namespace companions
