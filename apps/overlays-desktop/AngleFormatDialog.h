#pragma once
// The user's angle format: one choice for latitudes and longitudes, one
// for every other angle, each a format and a number of decimals. They are
// the module's own settings, so its dialogs and the chart's read-out both
// follow them.

#include <QComboBox>
#include <QDialog>
#include <QSpinBox>

namespace desktop {

class AngleFormatDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AngleFormatDialog(QWidget* parent = nullptr);

  // Saves both choices; false when a settings file could not be written.
  bool Save() const;

 private:
  QComboBox* positionFormat_;
  QSpinBox* positionDecimals_;
  QComboBox* angleFormat_;
  QSpinBox* angleDecimals_;
};

}  // namespace desktop
