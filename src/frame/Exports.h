#pragma once
// The functions a charting host calls. Each runs on the host's user
// interface thread and returns after the dialog or load it started has
// finished; the host owns every list and the datum object it passes in.

#include "frame/Api.h"

class CWnd;
class CDatum;
class CWreckList;
class CKMLFileList;
class CShapeFileList;
class CSeaAreas;
class CTurbineList;
class CWindFarmBoundaryList;
struct WreckDef;
struct tagXY;

OVERLAYS_API void InstallOverlays();
OVERLAYS_API void InstallWrecks();
OVERLAYS_API void InstallWindFarms();
OVERLAYS_API void LoadingWrecks(CWreckList* wrecks, CWreckList* searchList);
OVERLAYS_API bool WreckFinder(CWreckList* wrecks, CWreckList* searchList, CDatum* datum, tagXY& position);
OVERLAYS_API void DisplayWreckProperties(WreckDef* wreck, CDatum* datum);
OVERLAYS_API bool KMLLoad(CKMLFileList* files);
OVERLAYS_API bool ShapeLoad(CShapeFileList* files);
OVERLAYS_API bool LoadShapeFile(const char* path, CShapeFileList* files);
OVERLAYS_API void LoadShapeFiles(CShapeFileList* files);
OVERLAYS_API bool AddShapeFile(const char* path, CShapeFileList* files);
OVERLAYS_API bool SeaAreasSetup(CWnd* parent, CSeaAreas* seaAreas);
OVERLAYS_API bool WindFarmSettings(CTurbineList* turbines, CWindFarmBoundaryList* boundaries);
OVERLAYS_API bool TurbineProperties(CTurbineList* turbines, CDatum* datum, bool editable);
OVERLAYS_API void WindFarmBoundaryCoordinates(CWindFarmBoundaryList* boundaries, CDatum* datum, bool editable);
OVERLAYS_API bool FindWindFarm(CTurbineList* turbines, tagXY& position);
OVERLAYS_API bool FindWindFarm(CWindFarmBoundaryList* boundaries, tagXY& position);
