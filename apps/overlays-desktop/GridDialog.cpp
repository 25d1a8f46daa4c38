#include "GridDialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "chart/ChartDrawing.h"
#include "geodesy/catalogue/GridCatalogue.h"
#include "platform/qt/AnsiText.h"

namespace desktop {
namespace {

QString EntryText(const host::GridAddress& a, const CatalogueEntry& entry) {
  const std::string zone = entry.zoneName.empty() ? "" : "  " + entry.zoneName;
  return QStringLiteral("%1:%2:%3  ").arg(a.kind).arg(a.row).arg(a.variant) + platform::qt::FromAnsi(entry.name + zone);
}

}  // namespace

GridDialog::GridDialog(const host::GridAddress& current, QWidget* parent)
    : QDialog(parent), grids_(new QListWidget(this)) {
  setWindowTitle(QStringLiteral("Grid"));
  int currentRow = -1;
  for (std::uint32_t kind = 0; kind < kCatalogueKindCount; ++kind)
    for (std::uint32_t row = 0; row < CatalogueRowCount(kind); ++row)
      for (std::uint32_t variant : host::ListedVariants(kind)) {
        const std::optional<CatalogueEntry> entry = FindCatalogueEntry(row, kind, variant);
        // A grid whose definition was never published cannot be chosen.
        if (!entry || !entry->published) continue;
        const host::GridAddress address{kind, row, variant};
        if (kind == current.kind && row == current.row && variant == current.variant)
          currentRow = grids_->count();
        grids_->addItem(EntryText(address, *entry));
        addresses_.push_back(address);
      }
  grids_->setCurrentRow(currentRow);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(grids_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grids_, 1);
  layout->addWidget(buttons);
  resize(520, 560);
}

host::GridAddress GridDialog::Choice() const {
  const int row = grids_->currentRow();
  return row >= 0 ? addresses_[static_cast<std::size_t>(row)] : host::GridAddress{};
}

}  // namespace desktop
