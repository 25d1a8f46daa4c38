#pragma once
// The grid eastings and northings are given on: every grid of the
// module's catalogue, UTM zones in both hemispheres, as `overlays grids`
// lists them.

#include <QDialog>
#include <QListWidget>

#include "GridAddress.h"

namespace desktop {

class GridDialog : public QDialog {
  Q_OBJECT

 public:
  explicit GridDialog(const host::GridAddress& current, QWidget* parent = nullptr);

  host::GridAddress Choice() const;

 private:
  QListWidget* grids_;
  std::vector<host::GridAddress> addresses_;  // one a row of the list
};

}  // namespace desktop
