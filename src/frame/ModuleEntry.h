#pragma once
// The module's load and unload. On Linux the shared library's constructors
// and destructors stand for the process attach and detach of the extension
// module protocol; the static library gets the same through whole-archive
// linking.

#include "platform/ui/ResourceChain.h"

namespace module_entry {

// The module's own entry in the resource chain (its dialog templates and
// bitmaps), joined while the library is loaded.
const platform::ui::ResourceModule& ModuleResources();

// Called by the resource files under res/ while the library loads, one
// call per template or bitmap:
//   const bool kAdded = module_entry::AddDialog(kLoadingWrecksDialog);
bool AddDialog(const platform::ui::DialogTemplate& dialog);
bool AddBitmap(const platform::ui::BitmapResource& bitmap);

bool IsAttached();

}  // namespace module_entry
