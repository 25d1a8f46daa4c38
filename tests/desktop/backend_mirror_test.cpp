// The mirror of a dialog template: each control a widget of the right
// class at its rectangle, and a user's Qt input reaching the controls as
// the window system's own.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTest>

#include <functional>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "desktop/DesktopSession.h"
#include "platform/ui/Automation.h"
#include "platform/ui/RichEditCtrl.h"
#include "platform/ui/Toolkit.h"
#include "ui/TestDialogs.h"

namespace {

using desktop_test::DesktopSession;
using platform::ui::Driver;
using namespace ui_test;

class DesktopMirror : public testing::Test {
 protected:
  int RunForm(CFormFieldsDlg& dialog, const std::function<void(Driver&)>& act) { return session.RunModal(dialog, act); }
  TestResources resources;
  DesktopSession session;
};

TEST_F(DesktopMirror, TemplateControlsAreWidgetsOfTheirKindAtTheirRectangles) {
  struct Expected {
    int id;
    const char* widgetClass;
    QString shown;  // caption or text
  };
  const Expected table[] = {
      {kTitle, "QLabel", "Name"},       {kNameEdit, "QLineEdit", ""},  {kKindCombo, "QComboBox", ""},
      {kRowsList, "QListWidget", ""},   {kShowCheck, "QCheckBox", "Show"}, {IDOK, "QPushButton", "OK"},
      {IDCANCEL, "QPushButton", "Cancel"},
  };
  CFormFieldsDlg dialog;
  RunForm(dialog, [&](Driver& d) {
    for (const Expected& row : table) {
      SCOPED_TRACE(row.id);
      QWidget& widget = session.WidgetOf(d.Item(row.id));
      EXPECT_STREQ(widget.metaObject()->className(), row.widgetClass);
      if (auto* label = qobject_cast<QLabel*>(&widget)) {
        EXPECT_EQ(label->text(), row.shown);
      }
      if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        EXPECT_EQ(button->text(), row.shown);
      }
    }
    session.ExpectMirrored(dialog);
    // 50,7 and 100x12 dialog units at 6x13 pixels per 4x8 units.
    EXPECT_EQ(session.WidgetOf(d.Item(kNameEdit)).geometry(), QRect(75, 11, 150, 20));
    QWidget& window = session.WidgetOf(dialog);
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.windowTitle(), "Form");
    EXPECT_EQ(session.WidgetAs<QComboBox>(d.Item(kKindCombo)).itemText(2), "Wreck");
    session.Screenshot(dialog, "form");
    d.Click(IDCANCEL);
  });
}

TEST_F(DesktopMirror, KeysTypedIntoTheLineEditReachTheEdit) {
  using Typing = std::function<void(QWidget*)>;
  struct Case {
    const char* what;
    Typing typing;
    std::string expected;  // Windows-1252
  };
  const Case table[] = {
      {"letters and Backspace",
       [](QWidget* e) {
         QTest::keyClicks(e, "St Mary");
         QTest::keyClick(e, Qt::Key_Backspace);
       },
       "St Mar"},
      {"Home then Delete",
       [](QWidget* e) {
         QTest::keyClicks(e, "abc");
         QTest::keyClick(e, Qt::Key_Home);
         QTest::keyClick(e, Qt::Key_Delete);
       },
       "bc"},
      {"Shift+Home selects what typing replaces",
       [](QWidget* e) {
         QTest::keyClicks(e, "abc");
         QTest::keyClick(e, Qt::Key_Home, Qt::ShiftModifier);
         QTest::keyClicks(e, "x");
       },
       "x"},
      {"a degree sign is one Windows-1252 byte", [](QWidget* e) { QTest::keyClicks(e, QString::fromUtf8("50\u00B0N")); },
       "50\xB0N"},
  };
  for (const Case& row : table) {
    SCOPED_TRACE(row.what);
    CFormFieldsDlg dialog;
    const int result = RunForm(dialog, [&](Driver& d) {
      auto& edit = session.WidgetAs<QLineEdit>(d.Item(kNameEdit));
      QTest::mouseClick(&edit, Qt::LeftButton);
      row.typing(&edit);
      // The line edit shows what the edit holds.
      EXPECT_EQ(edit.text().toStdString(), QString::fromLatin1(row.expected.c_str()).toStdString());
      QTest::mouseClick(&session.WidgetOf(d.Item(IDOK)), Qt::LeftButton);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.nameAtEnd, row.expected);
  }
}

TEST_F(DesktopMirror, EachWayAUserEndsTheDialogEndsItAsTheWindowSystemDoes) {
  using Ending = std::function<void(DesktopSession&, Driver&)>;
  struct Case {
    const char* what;
    Ending end;
    int result;
  };
  const Case table[] = {
      {"a click on OK", [](DesktopSession& s, Driver& d) { QTest::mouseClick(&s.WidgetOf(d.Item(IDOK)), Qt::LeftButton); },
       IDOK},
      {"Enter in the edit presses the default button",
       [](DesktopSession& s, Driver& d) { QTest::keyClick(&s.WidgetOf(d.Item(kNameEdit)), Qt::Key_Return); }, IDOK},
      {"Escape", [](DesktopSession& s, Driver& d) { QTest::keyClick(&s.WidgetOf(d.Item(kNameEdit)), Qt::Key_Escape); },
       IDCANCEL},
      {"the close button", [](DesktopSession& s, Driver& d) { s.WidgetOf(d.Dialog()).close(); }, IDCANCEL},
  };
  for (const Case& row : table) {
    SCOPED_TRACE(row.what);
    CFormFieldsDlg dialog;
    EXPECT_EQ(RunForm(dialog, [&](Driver& d) { row.end(session, d); }), row.result);
  }
}

TEST_F(DesktopMirror, ClicksOnRowsAndBoxesChangeTheControls) {
  CFormFieldsDlg dialog;
  RunForm(dialog, [&](Driver& d) {
    auto& check = session.WidgetAs<QCheckBox>(d.Item(kShowCheck));
    QTest::mouseClick(&check, Qt::LeftButton);
    EXPECT_TRUE(check.isChecked()) << "the check box shows the button's new check";
    auto& rows = session.WidgetAs<QListWidget>(d.Item(kRowsList));
    const QRect second = rows.visualItemRect(rows.item(1));
    QTest::mouseClick(rows.viewport(), Qt::LeftButton, {}, second.center());
    auto& kinds = session.WidgetAs<QComboBox>(d.Item(kKindCombo));
    QTest::keyClick(&kinds, Qt::Key_Down);
    session.Backend().SyncNow();
    EXPECT_EQ(kinds.currentText().toStdString(), dialog.kinds.GetLBText(dialog.kinds.GetCurSel()));
    EXPECT_EQ(rows.currentRow(), 1);
    d.Click(IDCANCEL);
  });
  EXPECT_EQ(dialog.show.GetCheck(), BST_CHECKED);
  EXPECT_EQ(dialog.rows.GetCurSel(), 1);
  EXPECT_GE(dialog.kinds.GetCurSel(), 0) << "Down in a drop-down list selects an entry";
}

TEST_F(DesktopMirror, ARichEditsLinesAndCaretAreTheQtTextsAndAClickPlacesItsCaret) {
  CFormFieldsDlg dialog;
  CRichEditCtrl notes;
  RunForm(dialog, [&](Driver& d) {
    notes.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, CRect(10, 150, 200, 200), &dialog, 300);
    auto& text = session.WidgetAs<QPlainTextEdit>(notes);
    QTest::keyClicks(&text, "ab");
    QTest::keyClick(&text, Qt::Key_Return);
    QTest::keyClicks(&text, "cd");
    session.Backend().SyncNow();
    EXPECT_EQ(notes.GetWindowText(), "ab\ncd");
    EXPECT_EQ(text.toPlainText(), "ab\ncd");
    EXPECT_EQ(text.textCursor().position(), 5);
    // The start of the second line, where Qt draws it.
    const QPoint lineStart = text.viewport()->mapTo(&text, text.cursorRect(QTextCursor(text.document()->findBlockByNumber(1))).center());
    QTest::mouseClick(text.viewport(), Qt::LeftButton, {}, text.viewport()->mapFrom(&text, lineStart));
    EXPECT_EQ(notes.GetCaret(), 3);
    d.Click(IDCANCEL);
  });
}

}  // namespace
