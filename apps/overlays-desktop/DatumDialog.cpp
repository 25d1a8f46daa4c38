#include "DatumDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "chart/ChartDrawing.h"
#include "geodesy/datum/DatumFamilies.h"
#include "platform/qt/AnsiText.h"

namespace desktop {
namespace {

QString RowText(int family, std::uint32_t row) {
  CSpheroid nearEllipsoid, farEllipsoid;
  DatumTransformation t;
  SelectDatumTransformation(family, row, nearEllipsoid, farEllipsoid, t);
  const std::string text = t.from + " -> " + t.to + (t.area.empty() ? "" : "  (" + t.area + ")");
  return platform::qt::FromAnsi(text);
}

}  // namespace

DatumDialog::DatumDialog(const host::DatumChoice& current, QWidget* parent)
    : QDialog(parent), families_(new QListWidget(this)), rows_(new QListWidget(this)),
      reverse_(new QCheckBox(QStringLiteral("&Reverse (grid positions on the far datum)"), this)) {
  setWindowTitle(QStringLiteral("Datum"));
  for (int family = kGeographicalsFamily; family <= kLastDatumFamily; ++family)
    families_->addItem(QString::fromUtf8(FindDatumFamily(family)->title));
  families_->setCurrentRow(current.family - kGeographicalsFamily);
  ShowRows(current.family, current.row);
  reverse_->setChecked(current.direction == kReverse);
  connect(families_, &QListWidget::currentRowChanged, this,
          [this](int index) { ShowRows(index + kGeographicalsFamily, 0); });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("&Family:"), this));
  layout->addWidget(families_);
  layout->addWidget(new QLabel(QStringLiteral("&Transformation:"), this));
  layout->addWidget(rows_, 1);
  layout->addWidget(reverse_);
  layout->addWidget(buttons);
  resize(560, 520);
}

void DatumDialog::ShowRows(int family, std::uint32_t row) {
  rows_->clear();
  for (std::uint32_t r = 0; r < DatumFamilyRowCount(family); ++r) rows_->addItem(RowText(family, r));
  rows_->setCurrentRow(static_cast<int>(row));
}

host::DatumChoice DatumDialog::Choice() const {
  return {families_->currentRow() + kGeographicalsFamily, static_cast<std::uint32_t>(std::max(0, rows_->currentRow())),
          reverse_->isChecked() ? kReverse : kForward};
}

}  // namespace desktop
