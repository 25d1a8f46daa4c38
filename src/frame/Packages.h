#pragma once
// Data packages: zip archives with a fixed extension that are unpacked into
// a data folder and then filed into the "Installed" folder so that they are
// not offered again.

#include <string>

#include "kml/Unzipper.h"

// Extracts every entry of the package into the data folder, then files the
// package away; true when the archive had at least one entry. A package
// refused as a ZIP bomb (see CInflationBudget) gives false with nothing
// more of it written.
bool UnpackPackage(const std::string& dataFolder, const std::string& package);

// The first problem the archive reader met in the last UnpackPackage of
// this thread (none when every entry extracted), so that a host can say
// why a package did not install; DescribeRefusal puts it in words.
const UnzipRefusal& LastUnpackRefusal();

// Moves a package from a fixed drive into "Installed" (deleting it when the
// move fails, so it is not offered again), or copies it there from a
// removable drive or CD-ROM; true when the package was moved or copied.
bool MoveToInstalled(const std::string& package);
