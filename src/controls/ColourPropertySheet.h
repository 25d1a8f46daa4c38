#pragma once
// CColourPropertySheet: a property sheet in the dark look with its own Ok
// and Cancel colour buttons at the bottom left in place of the standard
// buttons, and no system menu. It reopens on the page it was last left on:
// the settings file "<caption>_PS" holds the active page, read when the
// sheet is shown and written before every command it handles.

#include "controls/ColourButton.h"
#include "controls/WithDarkLook.h"
#include "frame/Api.h"
#include "platform/ui/PropertySheet.h"

class OVERLAYS_API CColourPropertySheet : public WithDarkLook<CPropertySheet, LookOwner::PageOrSheet> {
 public:
  explicit CColourPropertySheet(std::string_view caption, CWnd* parent = nullptr, UINT selectPage = 0);

  void ShowOk(bool show) { showOk_ = show; }
  void ShowCancel(bool show) { showCancel_ = show; }

  // The own buttons sit this far from the left and from the bottom.
  static constexpr int kButtonLeft = 15;
  static constexpr int kButtonBottom = 10;

  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  const MessageMap& GetMessageMap() const override;

 private:
  LRESULT OnShowWindow(WPARAM show, LPARAM);
  std::string SettingsName() const;
  void CreateOwnButton(CColourButton& button, const char* text, int id, int& left);

  bool showOk_ = true;
  bool showCancel_ = true;
  CColourButton ok_;
  CColourButton cancel_;
};
