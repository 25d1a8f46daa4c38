#include "AngleFormatDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>

#include "chart/ChartDrawing.h"
#include "geodesy/angle/AngleSettings.h"
#include "geodesy/angle/AngleText.h"
#include "platform/qt/AnsiText.h"

namespace desktop {
namespace {

// More than a micrometre on the ground says nothing more.
constexpr int kMostDecimals = 12;

QComboBox* FormatList(int format, QWidget* parent) {
  auto* list = new QComboBox(parent);
  for (const char* name : kAngleFormatNames) list->addItem(platform::qt::FromAnsi(name));
  list->setCurrentIndex(IsAngleFormat(format) ? format : 0);
  return list;
}

QSpinBox* DecimalsBox(int decimals, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setRange(0, kMostDecimals);
  box->setValue(decimals);
  return box;
}

}  // namespace

AngleFormatDialog::AngleFormatDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Angle Format"));
  const GeographicalsSettings positions = LoadGeographicalsSettings();
  const AngleSettings angles = LoadAngleSettings();
  positionFormat_ = FormatList(positions.format, this);
  positionDecimals_ = DecimalsBox(positions.decimals, this);
  angleFormat_ = FormatList(angles.format, this);
  angleDecimals_ = DecimalsBox(angles.decimals, this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("Latitude and longitude:"), positionFormat_);
  form->addRow(QStringLiteral("Decimals:"), positionDecimals_);
  form->addRow(QStringLiteral("Other angles:"), angleFormat_);
  form->addRow(QStringLiteral("Decimals:"), angleDecimals_);
  form->addRow(buttons);
}

// The hemisphere letters are kept as they were: this dialog does not offer
// them.
bool AngleFormatDialog::Save() const {
  GeographicalsSettings positions = LoadGeographicalsSettings();
  positions.format = positionFormat_->currentIndex();
  positions.decimals = positionDecimals_->value();
  AngleSettings angles = LoadAngleSettings();
  angles.format = angleFormat_->currentIndex();
  angles.decimals = angleDecimals_->value();
  return SaveGeographicalsSettings(positions) && SaveAngleSettings(angles);
}

}  // namespace desktop
