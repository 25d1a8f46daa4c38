#include "wrecks/WreckFieldText.h"

#include "frame/FormatText.h"
#include "wrecks/WreckCodeTables.h"

namespace {

constexpr char kLengthFormat[] = "Length %.1lfm ";
constexpr char kWidthFormat[] = "Width %.1lfm ";
constexpr char kOrientationFormat[] = "Orientation %d\xB0";
constexpr int kNoOrientation = -1;

// The formats hold exactly one conversion of the value's type.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
void AppendIf(std::string& text, bool shown, const char* format, double value) {
  if (shown) text += FormatText(format, value);
}
void AppendIf(std::string& text, bool shown, const char* format, int value) {
  if (shown) text += FormatText(format, value);
}
#pragma GCC diagnostic pop

// The later depth pieces start a line of their own when the text has one.
void AppendOnNewLine(std::string& text, const std::string& piece) {
  if (!text.empty()) text += '\n';
  text += piece;
}

}  // namespace

std::string DepthText(const WreckDataDef& d) {
  std::string text;
  if (d.soundingTechnique > 0) text += WreckCodeText(WreckCode::SoundingTechnique, d.soundingTechnique);
  AppendIf(text, d.depth > 0, "Depth %.1lfm.", d.depth);
  AppendIf(text, d.depth < 0, "Drying Height %.1lfm.", -d.depth);
  text += WreckCodeText(WreckCode::SoundingQuality, d.soundingQuality);
  AppendIf(text, d.accuracy > 0, "Accuracy %.1lf ", d.accuracy);
  if (d.waterLevel > 0) AppendOnNewLine(text, FormatText("Water Level %dm.", d.waterLevel));
  text += WreckCodeText(WreckCode::WaterLevelEffect, d.waterLevelEffect);
  if (d.verticalDatum != 0) AppendOnNewLine(text, WreckCodeText(WreckCode::VerticalDatum, d.verticalDatum));
  return text;
}

std::string TonnageText(const WreckDataDef& d) {
  if (d.tonnage <= 0) return {};
  return FormatText("%d ", d.tonnage) + WreckCodeText(WreckCode::TonnageKind, d.tonnageKind);
}

std::string CategoryText(const WreckDataDef& d) {
  return d.wreckCategory != 0 ? WreckCodeText(WreckCode::WreckCategory, d.wreckCategory)
                              : WreckCodeText(WreckCode::ObstructionCategory, d.obstructionCategory);
}

std::string DimensionsText(const WreckDataDef& d) {
  std::string text;
  AppendIf(text, d.length != 0, kLengthFormat, d.length);
  AppendIf(text, d.width != 0, kWidthFormat, d.width);
  AppendIf(text, d.draught != 0, "Draught %.1lfm ", d.draught);
  return text;
}

std::string DebrisText(const WreckDataDef& d) {
  std::string text;
  AppendIf(text, d.debrisLength != 0, "Length %.1lfm", d.debrisLength);
  AppendIf(text, d.debrisOrientation != -1.0f, "Orientation %.1lf ", d.debrisOrientation);
  return text;
}

std::string SonarText(const WreckDataDef& d) {
  std::string text;
  const bool sized = d.sonarLength > 0 || d.sonarWidth > 0;
  AppendIf(text, d.sonarLength > 0, kLengthFormat, d.sonarLength);
  AppendIf(text, d.sonarWidth > 0, kWidthFormat, d.sonarWidth);
  AppendIf(text, d.sonarShadowHeight > 0, "Shadow Height %.1lfm. ", d.sonarShadowHeight);
  AppendIf(text, sized && d.sonarOrientation != kNoOrientation, kOrientationFormat, int{d.sonarOrientation});
  return text;
}

std::string ScourText(const WreckDataDef& d) {
  std::string text;
  AppendIf(text, d.scourLength > 0, kLengthFormat, d.scourLength);
  AppendIf(text, d.scourWidth > 0, kWidthFormat, d.scourWidth);
  AppendIf(text, d.scourDepth > 0, "Depth %.1lfm. ", d.scourDepth);
  AppendIf(text, d.scourOrientation != kNoOrientation, kOrientationFormat, int{d.scourOrientation});
  return text;
}
