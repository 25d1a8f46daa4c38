// overlays edit: the module's edit fields without a screen. The field is
// made in a small dialog, the keys are typed into it one by one as a user
// would type them, and after each the field's text, caret and value are
// printed, so that any typing rule can be checked by a person or a script.
//   overlays edit lat|lon|angle [--kind K] [--format F] [--decimals D] [--hemisphere C] [--value RADIANS]
//                 [--read-only] [--clipboard TEXT] --keys KEYS
//   overlays edit number [--digits N] [--decimals N] [--signed] [--no-negative] [--fixed] [--units TEXT]
//                 [--min X] [--max X] [--width N] [--value X] [--read-only] [--clipboard TEXT] --keys KEYS

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <optional>

#include "Host.h"
#include "controls/EditAngle.h"
#include "controls/EditDouble.h"
#include "frame/FormatText.h"
#include "geodesy/angle/AngleKind.h"
#include "geodesy/angle/AngleText.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/KeySequence.h"
#include "platform/ui/ResourceChain.h"

namespace host {
namespace {

using platform::ui::ControlKind;

constexpr UINT kEditFieldDialog = 100;
constexpr int kEditFieldId = 1000;
constexpr DWORD kEditTabStop = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr platform::ui::DialogItemTemplate kEditFieldItems[] = {
    {kEditFieldId, ControlKind::Edit, "", {7, 7, 150, 12}, kEditTabStop | ES_AUTOHSCROLL},
    {IDOK, ControlKind::Button, "OK", {7, 26, 50, 14}, kEditTabStop | BS_DEFPUSHBUTTON},
    {IDCANCEL, ControlKind::Button, "Cancel", {107, 26, 50, 14}, kEditTabStop},
};
constexpr platform::ui::DialogTemplate kEditFieldTemplate{
    kEditFieldDialog, "Edit field", {0, 0, 164, 46}, WS_POPUP | WS_CAPTION | WS_SYSMENU, kEditFieldItems};

// What every field command takes.
struct FieldRequest {
  std::string keys;
  std::string value;
  bool readOnly = false;
  std::optional<std::string> clipboard;
};

struct AngleRequest : FieldRequest {
  int kind = 2;
  int format = kAngleFormatFromSettings;
  int decimals = -1;
  std::string hemisphere;
};

struct NumberRequest : FieldRequest {
  int digits = 8;
  int decimals = 3;
  bool plusSign = false;
  bool noNegative = false;
  bool fixed = false;
  std::string units;
  std::optional<std::string> minimum;
  std::optional<std::string> maximum;
  int width = 12;
};

// The dialog the host opens around one field: the template's edit becomes
// the field, which then has the focus, as when a user opens a dialog.
class EditFieldDlg : public CDialog {
 public:
  explicit EditFieldDlg(CBaseEdit& field) : CDialog(kEditFieldDialog), field_(field) {}
  BOOL OnInitDialog() override {
    field_.SubclassDlgItem(kEditFieldId, this);
    return CDialog::OnInitDialog();
  }

 private:
  CBaseEdit& field_;
};

double NumberArgument(const std::string& text, const char* option) {
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size() || errno == ERANGE || !std::isfinite(value))
    throw CommandError(FormatText("%s: not a number: \"%s\"", option, text.c_str()));
  return value;
}

// The printed line of one key: what was typed, the text the field shows
// (quoted, as its blanks matter), the caret and the value.
void PrintState(const std::string& key, const CBaseEdit& field, const std::string& value) {
  std::cout << FormatText("%-14s \"%s\"  caret %d  value %s", key.c_str(), Out(field.GetWindowText()).c_str(),
                          field.GetCaret(), value.c_str())
            << "\n";
}

// Opens the field's dialog, types the keys and prints the field after
// each; the key sequence is checked before anything is shown.
void TypeInto(CBaseEdit& field, const FieldRequest& request, const std::function<std::string()>& value) {
  std::vector<platform::ui::KeyInput> keys;
  try {
    keys = platform::ui::ParseKeys(In(request.keys));
  } catch (const platform::ui::AutomationError& e) {
    throw CommandError(std::string("--keys: ") + e.what());
  }
  if (request.clipboard)
    platform::ui::Clipboard::SetText(In(*request.clipboard));
  else
    platform::ui::Clipboard::Empty();
  field.SetReadOnly(request.readOnly);
  platform::ui::ResourceModule resources("overlays edit");
  resources.AddDialog(kEditFieldTemplate);
  platform::ui::ResourceChain::Join(&resources);
  platform::ui::ScopedAutomation automation([&](platform::ui::Driver& d) {
    if (d.Turn() != platform::ui::ModalTurn::Started) return;
    PrintState("(start)", field, value());
    for (const platform::ui::KeyInput& key : keys) {
      for (const platform::ui::KeyStroke& stroke : key.strokes) d.Strike(stroke);
      PrintState(Out(key.name), field, value());
    }
    d.End(IDOK);
  });
  EditFieldDlg dialog(field);
  dialog.DoModal();
  platform::ui::ResourceChain::Leave(&resources);
}

char HemisphereOption(const std::string& text, int kind) {
  if (text.empty()) return 0;
  const char letter = text.size() == 1 ? HemisphereLetter(text[0]) : 0;
  const bool fits = kind == 5 ? letter == 'N' || letter == 'S' : kind == 6 && (letter == 'E' || letter == 'W');
  if (!fits) throw CommandError("--hemisphere: \"" + text + "\" is not a letter of this field (N or S for lat, E or W for lon)");
  return letter;
}

void RunAngleField(CEditAngle& field, const AngleRequest& request) {
  if (!FindAngleKind(request.kind))
    throw CommandError("unknown angle kind " + std::to_string(request.kind) + " (kinds are 1 to 9)");
  if (request.format < 0 || request.format > kAngleFormatFromSettings)
    throw CommandError("unknown angle format " + std::to_string(request.format) + " (formats are 0 to 5)");
  field.SetAngleKind(request.kind);
  // Only what was asked for replaces the user's settings.
  AngleSettings settings = ReadAngleSettings(request.kind);
  if (request.format != kAngleFormatFromSettings) settings.format = request.format;
  if (request.decimals >= 0) settings.decimals = request.decimals;
  if (const char letter = HemisphereOption(request.hemisphere, request.kind)) settings.hemisphere = letter;
  field.UseSettings(settings);
  field.SetAngle(CAngle(request.value.empty() ? 0.0 : NumberArgument(request.value, "--value")));
  TypeInto(field, request, [&field] { return FormatText("%.17g", field.GetAngle().Radians()); });
}

// Field widths beyond this overflow the number text (a double's nines
// round up), and a field this wide holds every value that can be typed.
constexpr int kWidestNumberField = 15;

void RunNumberField(const NumberRequest& request) {
  if (request.digits < 1 || request.decimals < 0 || request.width < 1 || request.width > kWidestNumberField)
    throw CommandError(FormatText("--digits, --decimals and --width want 1.., 0.. and 1..%d", kWidestNumberField));
  CEditDouble field;
  NumberLayout& layout = field.layout;
  layout.integerDigits = request.digits;
  layout.decimals = request.decimals;
  layout.plusSign = request.plusSign;
  layout.negativeAllowed = !request.noNegative;
  layout.fixedLayout = request.fixed;
  layout.units = In(request.units);
  layout.maxCharacters = request.width;
  layout.checkMinimum = request.minimum.has_value();
  layout.checkMaximum = request.maximum.has_value();
  if (request.minimum) layout.minimum = NumberArgument(*request.minimum, "--min");
  if (request.maximum) layout.maximum = NumberArgument(*request.maximum, "--max");
  field.SetValue(request.value.empty() ? kNoNumber : NumberArgument(request.value, "--value"));
  TypeInto(field, request, [&field] {
    return field.GetValue() == kNoNumber ? std::string("n/a") : FormatText("%.17g", field.GetValue());
  });
}

void AddFieldOptions(CLI::App& command, FieldRequest& request, const char* valueHelp) {
  command.add_option("--keys", request.keys,
                     "The keys to type: characters as themselves; {BS} {DEL} {INS} {TAB} {ENTER} {ESC} {LEFT} "
                     "{RIGHT} {HOME} {END} (SHIFT+ or CTRL+ in front to hold it), {CTRL+C} {CTRL+V} {CTRL+X}, "
                     "{SELALL}")
      ->required();
  command.add_option("--value", request.value, valueHelp);
  command.add_flag("--read-only", request.readOnly, "Make the field read-only");
  command.add_option("--clipboard", request.clipboard, "Text on the clipboard before the first key");
}

template <class Field>
void AddAngleField(CLI::App& edit, const char* name, const char* help, AngleRequest& request, bool takesKind) {
  auto* command = edit.add_subcommand(name, help);
  AddFieldOptions(*command, request, "The value shown first, in radians (default 0)");
  if (takesKind) command->add_option("--kind", request.kind, "Angle kind 1..9 (default 2, a direction)");
  command->add_option("--format", request.format,
                      "0 DMS, 1 DM, 2 decimal degrees, 3 signed degrees, 4 gradians, 5 the user's settings (default)");
  command->add_option("--decimals", request.decimals, "Decimals (default: the user's settings)");
  command->add_option("--hemisphere", request.hemisphere, "The default hemisphere letter (default: the user's)");
  command->callback([&request] {
    Field field;
    RunAngleField(field, request);
  });
}

}  // namespace

void AddEditCommand(CLI::App& app, const Options&) {
  auto* edit = app.add_subcommand(
      "edit", "Type keys into one of the module's edit fields and print its text, caret and value after each");
  edit->require_subcommand(1);

  static AngleRequest latitude, longitude, angle;
  latitude.kind = 5;
  longitude.kind = 6;
  AddAngleField<CEditLat>(*edit, "lat", "A latitude field", latitude, false);
  AddAngleField<CEditLon>(*edit, "lon", "A longitude field", longitude, false);
  AddAngleField<CEditAngle>(*edit, "angle", "An angle field of any kind", angle, true);

  static NumberRequest number;
  auto* numberCmd = edit->add_subcommand("number", "A number field");
  AddFieldOptions(*numberCmd, number, "The value shown first (default: none, shown as n/a)");
  numberCmd->add_option("--digits", number.digits, "Digits before the point (default 8)");
  numberCmd->add_option("--decimals", number.decimals, "Digits after the point, 0 for whole numbers (default 3)");
  numberCmd->add_flag("--signed", number.plusSign, "Positive values carry a '+'");
  numberCmd->add_flag("--no-negative", number.noNegative, "'-' cannot be typed");
  numberCmd->add_flag("--fixed", number.fixed, "Fixed layout: zero-padded, digits overwrite");
  numberCmd->add_option("--units", number.units, "Units shown after the value (give its leading blank)");
  numberCmd->add_option("--min", number.minimum, "Refuse keys that take the value below this");
  numberCmd->add_option("--max", number.maximum, "Refuse keys that take the value above this");
  numberCmd->add_option("--width", number.width, "The text limit in characters, units not counted (default 12)");
  numberCmd->callback([] { RunNumberField(number); });
}

}  // namespace host
