#pragma once
// The functions a charting host calls. Each runs on the host's user
// interface thread and returns after the dialog or load it started has
// finished; the host owns every list it passes in.
//
// A function is declared here only once it is defined: the shared library's
// host test calls every one, and checks that each name below is exported.

#include "frame/Api.h"
#include "frame/XY.h"

class CDatum;
class CKMLFileList;
class CSeaAreas;
class CShapeFileList;
class CWnd;
class CWreckList;
struct WreckDef;

OVERLAYS_API void InstallWrecks();
OVERLAYS_API void LoadingWrecks(CWreckList* wrecks, CWreckList* searchList);
OVERLAYS_API void DisplayWreckProperties(WreckDef* wreck, CDatum* datum);
// The KML file selector for the host's list; true when it ended with OK.
OVERLAYS_API bool KMLLoad(CKMLFileList* files);
// The sea areas setup for the host's areas; `redraw`, when given, is the
// window asked to draw the chart again after each change. True when it
// ended with OK.
OVERLAYS_API bool SeaAreasSetup(CWnd* redraw, CSeaAreas* seaAreas);
// The wreck search over the wreck list into the search list, with grid
// positions from the datum (which may be null). True when closed with OK;
// false without a dialog while the wreck list is empty or loading. The
// position is not used.
OVERLAYS_API bool WreckFinder(CWreckList* wrecks, CWreckList* searchList, CDatum* datum, tagXY& position);
// Shapefile overlays. LoadShapeFile reads one file behind its progress
// dialog and appends it; true when it was loaded in full (Quit or a file
// that does not open adds nothing). LoadShapeFiles loads every remembered
// name of the list. AddShapeFile loads a file not loaded already and
// remembers its name. ShapeLoad is the shape file selector; true when it
// ended with OK.
OVERLAYS_API bool ShapeLoad(CShapeFileList* list);
OVERLAYS_API bool LoadShapeFile(const char* path, CShapeFileList* list);
OVERLAYS_API void LoadShapeFiles(CShapeFileList* list);
OVERLAYS_API bool AddShapeFile(const char* path, CShapeFileList* list);
