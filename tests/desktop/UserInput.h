#pragma once
// A user's hand on a dialog's widgets: real Qt mouse and key events sent to
// the widget that shows a control, so that they take the backend's input
// path (InputFilter) to the window system; the widgets are synced after
// each move so that what is read next is what the window shows.

#include <QImage>
#include <QString>

#include <string>

namespace platform::ui {
class Driver;
}

namespace desktop_test {

class DesktopSession;

class UserInput {
 public:
  UserInput(DesktopSession& session, platform::ui::Driver& driver) : session_(session), d_(driver) {}

  DesktopSession& Session() { return session_; }
  // What the dialog shows, read as the headless tests read it.
  platform::ui::Driver& Read() { return d_; }

  void Click(int id);
  // The mouse moved onto the middle of the control.
  void Hover(int id);
  // Clicks into the field, selects what it holds and types over it.
  void TypeOver(int id, const QString& text);
  void PressKey(int id, Qt::Key key);
  // Picks an entry of a combo box from its open list.
  void Choose(int id, const QString& entry);
  // Clicks (or double-clicks) a cell of a report list or a row of a list box.
  void ClickCell(int id, int row, int column = 0, bool doubleClick = false);
  void ClickTab(int index);
  // The rows the view of a report list shows.
  int ShownRows(int id);
  // The dialog as the moves so far have left it: checked against its window
  // tree, written as <name>.png and probed for its specified colours.
  QImage Photograph(const std::string& name);

 private:
  void Settle();

  DesktopSession& session_;
  platform::ui::Driver& d_;
};

}  // namespace desktop_test
