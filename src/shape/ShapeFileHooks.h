#pragma once
// The file hooks the shapefile library reads through. The library keeps its
// own naming rule (extension stripped, "%s.shp" then "%s.SHP", the index and
// table likewise), and the hooks give each name it tries to the platform's
// file layer, so the module's Windows paths and drive table apply to every
// file of a shapefile.

#include <shapefil.h>

// Hooks that open Windows paths through platform::fs, keep the library's
// error reports quiet (the module shows and logs nothing), and refuse to
// open a .shp or .shx whose header is not a shapefile header or claims more
// bytes than the file holds. The library sizes its record index by the
// index header's claim before it reads a byte of the records, so a lying
// header would otherwise make it allocate gigabytes for a file of a few
// hundred bytes; refused at open, the pair is simply not a shapefile.
SAHooks ModuleShapeHooks();
