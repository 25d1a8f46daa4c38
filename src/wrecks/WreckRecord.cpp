#include "wrecks/WreckRecord.h"

void ResetWreckRecord(WreckDef& record) {
  WreckDataDef& d = record.data;
  // Field by field rather than one memset: the padding of a record read
  // from a file keeps the file's bytes.
  d.wreckId = 0;
  d.wreckCategory = d.obstructionCategory = d.status = 0;
  d.longitude = d.latitude = 0;
  d.reserved32 = 0;
  d.positionMethod = 0;
  d.depth = 0;
  d.reserved44 = 0;
  d.soundingTechnique = d.soundingQuality = 0;
  d.accuracy = 0;
  d.waterLevel = d.waterLevelEffect = d.verticalDatum = d.reported = d.vesselType = 0;
  d.nationality[0] = d.nationality[1] = 0;
  d.reserved68 = 0;
  d.length = d.width = d.draught = 0;
  d.sonarLength = d.sonarWidth = d.sonarShadowHeight = 0;
  d.sonarOrientation = -1;
  d.tonnage = d.tonnageKind = d.cargo = 0;
  d.reserved104 = d.reserved106 = 0;
  d.sunk = 0;
  d.reserved112 = 0;
  d.seabedTexture = 0;
  d.scourLength = d.scourWidth = d.scourDepth = 0;
  d.scourOrientation = -1;
  d.debrisLength = 0;
  d.debrisOrientation = -1.0f;
  d.originalSensor = d.lastSensor = 0;
  d.originalSensorDate = d.lastSensorDate = 0;
  d.originalSource = 0;
  d.amended = 0;
  record.outline.RemoveAll();
  record.name.clear();
  record.chartingSymbol.clear();
  record.history.clear();
  record.survey.clear();
  record.comment.clear();
  record.bearing = 0;
  record.sunkYear = 0;
}
