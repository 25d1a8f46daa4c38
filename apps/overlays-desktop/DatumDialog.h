#pragma once
// The datum transformation grid positions are worked through: the families
// of the module's tables (the user's own files among them), the rows of
// the chosen family, and the direction.

#include <QCheckBox>
#include <QDialog>
#include <QListWidget>

#include "DatumHost.h"

namespace desktop {

class DatumDialog : public QDialog {
  Q_OBJECT

 public:
  explicit DatumDialog(const host::DatumChoice& current, QWidget* parent = nullptr);

  host::DatumChoice Choice() const;

 private:
  void ShowRows(int family, std::uint32_t row);

  QListWidget* families_;
  QListWidget* rows_;
  QCheckBox* reverse_;
};

}  // namespace desktop
