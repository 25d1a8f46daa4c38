#pragma once
// The wreck search: finds the records of the wreck list within a radius of
// a centre, whose name holds a text, or sunk within a range of years; puts
// them into the host's search list, which the host then charts, and shows
// them as rows. Every search and every change of the show boxes is saved
// at once. A double-click on a row opens the record it shows.

#include <memory>

#include "controls/ColourDialogEx.h"
#include "controls/EditAngle.h"
#include "controls/EditDouble.h"
#include "controls/MyListCtrl.h"
#include "controls/UKLocationComboBox.h"
#include "frame/Api.h"
#include "platform/companions/CsvListCtrlBtn.h"
#include "platform/companions/PrintListCtrlBtn.h"
#include "platform/ui/Toolkit.h"
#include "wrecks/WreckResultRows.h"
#include "wrecks/WrecksImageList.h"
#include "wrecks/WreckSearch.h"
#include "wrecks/WreckSearchIndex.h"

class CDatum;
class CWreckList;

class OVERLAYS_API CWreckFindDlg : public CColourDialogEx {
 public:
  explicit CWreckFindDlg(CWnd* parent = nullptr);
  ~CWreckFindDlg() override;

  // Not owned; the datum may be null (no grid).
  void SetData(CWreckList* wrecks, CWreckList* searchList, CDatum* datum);
  // A grid is selected: a datum was given and it has a grid family.
  bool HasGrid() const;

  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  const MessageMap& GetMessageMap() const override;

 private:
  void SetUpResultList();
  void ShowGridControls();
  void ShowCentre();
  void ShowGridCentre();
  void FillYearBoxes();
  void SelectYear(CComboBox& box, int year, int fallback);

  void OnFindLocation();
  void OnFindName();
  void OnFindYears();
  // The frame every search runs in: the matches of the wreck list go into
  // the search list, then into the rows. Without `find` nothing matches.
  void Search(std::int32_t method, CWreckSearch::Method find);
  void FillRows();
  void AddRow(const CWreckResultRows& rows, const WreckDef& record, std::size_t match);
  void ShowExportButtons(bool show);

  void OnShowWrecks();
  void OnShowObstructions();
  void OnPlaceChosen();
  void OnCentreEdited();
  void OnGridCentreEdited();
  void OnRowDoubleClick(NMHDR* header, LRESULT* result);

  CWreckList* wrecks_ = nullptr;
  CWreckList* searchList_ = nullptr;
  CDatum* datum_ = nullptr;
  std::unique_ptr<CWreckSearchIndex> index_;  // of wrecks_, made when the dialog opens

  CUKLocationComboBox place_;
  CEditLat latitude_;
  CEditLon longitude_;
  CEditDouble easting_;
  CEditDouble northing_;
  CEditDouble radius_;
  CEdit name_;
  CComboBox firstYear_;
  CComboBox lastYear_;
  CMyListCtrl results_;
  CPrintListCtrlBtn print_;
  CCsvListCtrlBtn csv_;
  CProgressCtrl progress_;
  CButton showWrecks_;
  CButton showObstructions_;
  CStatic wreckCount_;
  CStatic obstructionCount_;
  CWrecksImageList images_;
};
