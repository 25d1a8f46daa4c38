#pragma once
// The ZIP bomb screening that every reader of archives shares, over an
// archive that minizip's unzip library has open (`archive` is its unzFile).
// CInflationBudget states the limits.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "kml/InflationBudget.h"
#include "kml/Unzipper.h"

// Walks the directory and checks every entry's declared sizes, before a
// byte is inflated. None when the archive passes, and the archive stands at
// its first entry; otherwise OutOfProportion or TooMuchInAll, and the
// archive stands at the entry that broke the limit.
UnzipProblem ScreenDeclaredSizes(void* archive, const InflationLimits& limits, std::uint64_t archiveSize);

// Receives the inflated data block by block; false stops the copy.
using InflatedBlockSink = std::function<bool(const char* data, std::size_t size)>;

// Opens the current entry (with `password` when not null), inflates it to
// `sink` and closes it, counting the bytes really inflated against the
// budget: the declared sizes are the archive's word and the data may
// disagree. None on success; OutOfProportion or TooMuchInAll past the
// allowance; Damaged for data that do not inflate or match the checksum;
// CannotWrite when the sink refused a block.
UnzipProblem InflateCurrentEntry(void* archive, const char* password, CInflationBudget& budget,
                                 const InflatedBlockSink& sink);
