#pragma once
// CWreckGeneralPP: the first page of the wreck property sheet: name, flag,
// type, cargo, tonnage, category and status, the depth, the position (and,
// when the user has chosen a grid, the easting and northing on it), the
// dimensions, debris and comment.

#include "frame/Api.h"
#include "geodesy/datum/Datum.h"
#include "platform/companions/FlagsImageList.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Static.h"
#include "wrecks/WreckPropertyPage.h"

class OVERLAYS_API CWreckGeneralPP : public CWreckPropertyPage {
 public:
  // Flag icons: 32 x 20 pixels, image f for flag index f.
  static constexpr int kFlagWidth = 32;
  static constexpr int kFlagHeight = 20;

  // `datum` may be null: then no grid position is shown.
  CWreckGeneralPP(const WreckDef* wreck, CDatum* datum);
  ~CWreckGeneralPP() override;

  BOOL OnInitDialog() override;

 protected:
  void ShowRecord(const WreckDef& wreck) override;

 private:
  void ShowFlag(const WreckDataDef& data);
  void ShowStatus(const WreckDataDef& data);
  bool ShowsGrid() const;
  void ShowGridFields(bool shown);
  void ShowPosition(const WreckDataDef& data, bool grid);

  CDatum* datum_;
  CImageList flags_;
  CFlagsImageList statusIcons_;
  CStatic flagIcon_;
  CStatic statusIcon_;
};
