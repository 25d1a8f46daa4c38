#pragma once
// CEditAngle: a masked field for an angle in the user's angle format. The
// text always has the full shape of a formatted angle of the field's kind;
// keys overwrite digits, jump between degrees, minutes and seconds, and
// flip the sign or the hemisphere, so no ill-formed angle can be typed (the
// rules are in AngleTyping). Every change of the value posts the parent
// "UM_EDIT_ANGLE" and then "UM_EDIT_UPDATE". CEditLat and CEditLon are the
// latitude and longitude fields.

#include <optional>

#include "controls/AngleTyping.h"
#include "controls/BaseEdit.h"
#include "frame/Api.h"
#include "geodesy/angle/Angle.h"
#include "geodesy/angle/AngleSettings.h"

class OVERLAYS_API CEditAngle : public CBaseEdit {
 public:
  CEditAngle() : CEditAngle(EditKind::Angle, 2) {}

  // Shows an angle in the user's format (read again at every call).
  void SetAngle(const CAngle& angle);
  const CAngle& GetAngle() const { return value_; }
  int GetAngleKind() const { return angleKind_; }
  // A general angle field holds directions (kind 2) unless told otherwise.
  void SetAngleKind(int kind) { angleKind_ = kind; }
  // The mask, limit and zero text the field types against now.
  AngleFieldLayout Layout() const;
  // Shows angles in these settings instead of the user's, for a host that
  // has an angle format of its own.
  void UseSettings(const AngleSettings& settings) { fixedSettings_ = settings; }

  const MessageMap& GetMessageMap() const override;

 protected:
  CEditAngle(EditKind kind, int angleKind) : CBaseEdit(kind), angleKind_(angleKind) {}

  void ShowValue() override { SetAngle(value_); }
  void CutSelection() override;
  void PasteClipboard() override;
  void TypeCharacter(char ch, int selStart, int selEnd) override;
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;

 private:
  // The settings given to the field, else the user's for its kind, read
  // again at every use so that a change of them shows at once.
  AngleSettings TextSettings() const;
  void OnLButtonDown(UINT flags, CPoint point);
  // Shows a text the user's edit made; reports a change of the value.
  void ShowEdited(const std::string& before, const std::string& text, int caret, bool alwaysReport);

  CAngle value_;
  int angleKind_;
  std::optional<AngleSettings> fixedSettings_;
};

class OVERLAYS_API CEditLat : public CEditAngle {
 public:
  CEditLat();
};

class OVERLAYS_API CEditLon : public CEditAngle {
 public:
  CEditLon();
};
