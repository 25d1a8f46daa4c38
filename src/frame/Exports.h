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
class CTurbineList;
class CWindFarmBoundaryList;
class CWnd;
class CWreckList;
struct WreckDef;
struct tagXY;

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

// The wind farm exports. Each finds its farm among the host's lists; entry
// 0 of a list is the placeholder for "no farm".
// InstallWrecks, then InstallWindFarms.
OVERLAYS_API void InstallOverlays();
// Offers a waiting wind farm package and installs it when accepted.
OVERLAYS_API void InstallWindFarms();
// Both layers' display settings; true when it ended with OK (both settings
// files are then saved).
OVERLAYS_API bool WindFarmSettings(CTurbineList* turbines, CWindFarmBoundaryList* boundaries);
// The chosen farm's turbines; `datum` (may be null) adds grid positions,
// `chooseFarm` offers the other farms. True when it ended with OK.
OVERLAYS_API bool TurbineProperties(CTurbineList* turbines, CDatum* datum, bool chooseFarm);
// The chosen farm's boundary corners, likewise.
OVERLAYS_API void WindFarmBoundaryCoordinates(CWindFarmBoundaryList* boundaries, CDatum* datum, bool chooseFarm);
// A farm picked by name becomes the chosen farm; `point` receives where to
// centre the chart. False, with `point` untouched, when nothing was found;
// a turbine farm without turbines is found but leaves `point` untouched.
OVERLAYS_API bool FindWindFarm(CTurbineList* turbines, tagXY& point);
OVERLAYS_API bool FindWindFarm(CWindFarmBoundaryList* boundaries, tagXY& point);
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
