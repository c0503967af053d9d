#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWheelEvent>
#include <functional>
#include <string>
#include <vector>

#include "base/errors.h"
#include "tests/support/accessible.h"
#include "tests/support/sjis_assert.h"
#include "ui/controls.h"
#include "ui/qt_text.h"

namespace {

class EditTest : public ::testing::Test {
 protected:
  EditTest() {
    edit.on_change = [this] { seen.push_back(edit.Text()); };
  }
  ui::Form form;
  ui::Edit edit{form};
  std::vector<std::string> seen;  // the text at each run of the change handler
};

TEST_F(EditTest, ANewTextRunsTheHandlerInsideTheAssignment) {
  edit.SetText("1234");
  EXPECT_EQ(seen, (std::vector<std::string>{"1234"}));
  edit.SetText("1234");
  edit.SetText("1234");
  EXPECT_EQ(seen.size(), 1u);
  edit.SetText(" ");
  edit.SetText("");
  EXPECT_EQ(seen, (std::vector<std::string>{"1234", " ", ""}));
}

TEST_F(EditTest, TypingRunsTheHandlerAtEveryKeystroke) {
  edit.SetText("ab");
  seen.clear();
  edit.Type("c東\bx");
  EXPECT_EQ(seen, (std::vector<std::string>{"abc", "abc東", "abc", "abcx"}));
  EXPECT_SJIS_EQ("abcx", edit.Text());
}

TEST_F(EditTest, LongTextsAreKeptWhole) {
  const std::string text(40000, 'a');
  edit.SetText(text);
  EXPECT_EQ(text, edit.Text());
}

TEST_F(EditTest, ADisabledOrReadOnlyFieldTakesNoKeys) {
  edit.SetEnabled(false);
  edit.Type("a");
  edit.SetEnabled(true);
  edit.SetReadOnly(true);
  edit.Type("b");
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ("", edit.Text());
  // The program still sets the text of a read-only field.
  edit.SetText("Vantrel 1.01a");
  EXPECT_EQ(seen.size(), 1u);
}

TEST_F(EditTest, ClickRunsTheClickHandler) {
  int clicks = 0;
  edit.on_click = [&] { ++clicks; };
  edit.Click();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(seen.empty());
}

// A write through the accessible editable-text interface, as an assistive tool makes it.
struct TextWrite {
  const char* name;
  std::function<void(QAccessibleInterface*)> write;
};

// On a field holding "1234" (the handler's runs are checked by the caller).
std::vector<TextWrite> ChangingWrites() {
  return {
      {"set",
       [](QAccessibleInterface* f) { f->setText(QAccessible::Value, ui::internal::ToQt("東京")); }},
      {"insert",
       [](QAccessibleInterface* f) {
         f->editableTextInterface()->insertText(2, QStringLiteral("x"));
       }},
      {"delete", [](QAccessibleInterface* f) { f->editableTextInterface()->deleteText(1, 3); }},
      {"replace",
       [](QAccessibleInterface* f) {
         f->editableTextInterface()->replaceText(3, 4, QStringLiteral("99"));
       }},
  };
}
const std::vector<std::string> kChangedTexts{"東京", "12x34", "14", "12399"};

std::vector<TextWrite> SameTextWrites() {
  return {
      {"set",
       [](QAccessibleInterface* f) { f->setText(QAccessible::Value, QStringLiteral("1234")); }},
      {"insert",
       [](QAccessibleInterface* f) { f->editableTextInterface()->insertText(1, QString()); }},
      {"delete", [](QAccessibleInterface* f) { f->editableTextInterface()->deleteText(2, 2); }},
      {"replace",
       [](QAccessibleInterface* f) {
         f->editableTextInterface()->replaceText(1, 3, QStringLiteral("23"));
       }},
  };
}

TEST_F(EditTest, TextWrittenThroughTheAccessibleInterfaceRunsTheHandlerAsTypingDoes) {
  QAccessibleInterface* field = testsupport::AccessibleOf(edit);
  ASSERT_NE(field->editableTextInterface(), nullptr);
  const std::vector<TextWrite> writes = ChangingWrites();
  for (std::size_t i = 0; i < writes.size(); ++i) {
    SCOPED_TRACE(writes[i].name);
    edit.SetText("1234");
    seen.clear();
    writes[i].write(field);
    ui::ProcessMessages();  // the written text is typed from there
    EXPECT_EQ(seen, (std::vector<std::string>{kChangedTexts[i]}));
    EXPECT_SJIS_EQ(kChangedTexts[i], edit.Text());
    EXPECT_SJIS_EQ(kChangedTexts[i], ui::internal::ToSjis(field->text(QAccessible::Value)));
  }
  for (const TextWrite& w : SameTextWrites()) {
    SCOPED_TRACE(w.name);
    edit.SetText("1234");
    seen.clear();
    w.write(field);
    ui::ProcessMessages();
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ("1234", edit.Text());
  }
}

TEST_F(EditTest, AReadOnlyOrDisabledFieldTakesNoTextThroughTheAccessibleInterface) {
  edit.SetText("1234");
  seen.clear();
  QAccessibleInterface* field = testsupport::AccessibleOf(edit);
  EXPECT_TRUE(field->state().editable);
  edit.SetReadOnly(true);
  EXPECT_TRUE(field->state().readOnly);
  EXPECT_FALSE(field->state().editable);
  for (const TextWrite& w : ChangingWrites()) w.write(field);
  ui::ProcessMessages();
  edit.SetReadOnly(false);
  form.SetEnabled(false);
  for (const TextWrite& w : ChangingWrites()) w.write(field);
  ui::ProcessMessages();
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ("1234", edit.Text());
}

// A field with a click handler is pressed through the accessible interface as the mouse
// clicks it; its text stays as it is. One without a click handler offers no press.
TEST_F(EditTest, AFieldOffersAnAccessiblePressWhileItHasAClickHandler) {
  form.SetClientSize(300, 40);
  edit.SetBounds(8, 8, 200, 24);
  form.Show();
  edit.SetText("README.md");
  seen.clear();
  QAccessibleInterface* field = testsupport::AccessibleOf(edit);
  const QString press = QAccessibleActionInterface::pressAction();
  EXPECT_FALSE(field->actionInterface()->actionNames().contains(press));

  int clicks = 0;
  edit.on_click = [&] { ++clicks; };
  const std::vector<std::pair<std::string, std::function<void()>>> clicks_of = {
      {"mouse", [&] { QTest::mouseClick(edit.widget(), Qt::LeftButton); }},
      {"accessible press", [&] { testsupport::DoAction(edit, press); }},
  };
  for (const auto& [how, click] : clicks_of) {
    SCOPED_TRACE(how);
    clicks = 0;
    click();
    EXPECT_EQ(clicks, 1);
  }
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(edit.Text(), "README.md");
  EXPECT_EQ(field->role(), QAccessible::EditableText);
  ASSERT_NE(field->editableTextInterface(), nullptr);  // still written as typed

  // A disabled field offers none; nor does the field once its handler is gone.
  edit.SetEnabled(false);
  EXPECT_FALSE(field->actionInterface()->actionNames().contains(press));
  edit.SetEnabled(true);
  edit.on_click = nullptr;
  EXPECT_FALSE(field->actionInterface()->actionNames().contains(press));
}

// The field is read through the accessible text interface as Qt's own line edit is read.
TEST_F(EditTest, TheAccessibleTextInterfaceReadsTheField) {
  form.SetClientSize(300, 40);
  edit.SetBounds(8, 8, 200, 24);
  form.Show();
  edit.SetText("東京 11R");
  QAccessibleInterface* field = testsupport::AccessibleOf(edit);
  EXPECT_EQ(field->role(), QAccessible::EditableText);
  QAccessibleTextInterface* text = field->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->characterCount(), 6);
  EXPECT_EQ(text->text(3, 6), QStringLiteral("11R"));
  int start = -1, end = -1;
  EXPECT_EQ(text->textAtOffset(4, QAccessible::WordBoundary, &start, &end), QStringLiteral("11R"));
  EXPECT_EQ(start, 3);
  EXPECT_EQ(end, 6);
  text->setSelection(0, 0, 2);
  EXPECT_EQ(text->selectionCount(), 1);
  text->selection(0, &start, &end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 2);
  text->removeSelection(0);
  EXPECT_EQ(text->selectionCount(), 0);
  text->setCursorPosition(4);
  EXPECT_EQ(text->cursorPosition(), 4);
  // Characters side by side, each where the field shows it.
  const QRect first = text->characterRect(0);
  const QRect fourth = text->characterRect(3);
  EXPECT_FALSE(first.isEmpty());
  EXPECT_GT(fourth.left(), first.left());
  EXPECT_TRUE(field->rect().contains(first.center()));
  EXPECT_EQ(text->offsetAtPoint(fourth.center()), 3);
  EXPECT_EQ(seen.size(), 1u);  // reading changed nothing
}

class ComboTest : public ::testing::Test {
 protected:
  ComboTest() {
    combo.on_change = [this] { seen.push_back(combo.Text()); };
    for (const char* day : {"2016/03/06", "2016/03/05", "2016/02/28"}) combo.AddItem(day);
  }
  ui::Form form;
  ui::ComboBox combo{form};
  std::vector<std::string> seen;
};

TEST_F(ComboTest, ItemsAreAddedWithoutChangingTheText) {
  EXPECT_EQ(combo.Items(), (std::vector<std::string>{"2016/03/06", "2016/03/05", "2016/02/28"}));
  EXPECT_EQ(combo.ItemCount(), 3);
  EXPECT_EQ("", combo.Text());
  combo.SetText("2016/03/05");
  combo.AddItem("2016/02/27");
  EXPECT_EQ("2016/03/05", combo.Text());
}

TEST_F(ComboTest, SettingTheTextByCodeRunsNothing) {
  combo.SetText("2016/03/05");
  combo.SetText("time_100a.csv");
  EXPECT_EQ("time_100a.csv", combo.Text());
  EXPECT_TRUE(seen.empty());
}

TEST_F(ComboTest, PickingAnItemPutsItIntoTheTextThenRunsTheHandler) {
  combo.Pick(1);
  EXPECT_EQ(seen, (std::vector<std::string>{"2016/03/05"}));
  combo.Type("x");
  combo.Pick(1);  // the same item again, after the text was changed by typing
  EXPECT_EQ(seen, (std::vector<std::string>{"2016/03/05", "2016/03/05x", "2016/03/05"}));
  EXPECT_THROW(combo.Pick(3), base::Error);
  EXPECT_THROW(combo.Pick(-1), base::Error);
}

TEST_F(ComboTest, TypingRunsTheHandlerPerKeystrokeWithoutCompletion) {
  combo.Type("2016");
  EXPECT_EQ(seen, (std::vector<std::string>{"2", "20", "201", "2016"}));
  EXPECT_EQ("2016", combo.Text());  // not completed to an item
  EXPECT_EQ(combo.ItemCount(), 3);
}

TEST_F(ComboTest, ReturnAfterTypingAnItemsTextChangesNothing) {
  combo.Type("2016/03/05");
  seen.clear();
  combo.Type("\r");
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ("2016/03/05", combo.Text());
}

TEST_F(ComboTest, AnItemChosenThroughTheAccessibleInterfaceRunsTheHandlerAsAPickDoes) {
  QAccessibleInterface* list =
      testsupport::ChildWithRole(testsupport::AccessibleOf(combo), QAccessible::List);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->childCount(), 3);
  EXPECT_EQ(list->child(2)->text(QAccessible::Name), QStringLiteral("2016/02/28"));
  EXPECT_EQ(list->child(2)->role(), QAccessible::ListItem);
  testsupport::DoAction(testsupport::ComboItem(combo, 1),
                        QAccessibleActionInterface::pressAction());
  EXPECT_EQ(seen, (std::vector<std::string>{"2016/03/05"}));
  EXPECT_EQ("2016/03/05", combo.Text());
  testsupport::DoAction(testsupport::ComboItem(combo, 2),
                        QAccessibleActionInterface::toggleAction());
  EXPECT_EQ(seen, (std::vector<std::string>{"2016/03/05", "2016/02/28"}));
  EXPECT_EQ("2016/02/28", combo.Text());
  EXPECT_EQ(combo.ItemCount(), 3);
  combo.SetEnabled(false);
  testsupport::ComboItem(combo, 0)->actionInterface()->doAction(
      QAccessibleActionInterface::pressAction());
  ui::ProcessMessages();
  EXPECT_EQ(seen.size(), 2u);
  EXPECT_EQ("2016/02/28", combo.Text());
}

TEST_F(ComboTest, TextWrittenIntoTheFieldThroughTheAccessibleInterfaceRunsTheHandlerAsTyping) {
  QAccessibleInterface* field = testsupport::ComboField(combo);
  ASSERT_NE(field, nullptr);
  ASSERT_NE(field->editableTextInterface(), nullptr);
  field->setText(QAccessible::Value, QStringLiteral("2016/03/05"));
  ui::ProcessMessages();
  EXPECT_EQ(seen, (std::vector<std::string>{"2016/03/05"}));
  field->editableTextInterface()->replaceText(0, 10, QStringLiteral("2016/03/05"));
  ui::ProcessMessages();
  EXPECT_EQ(seen.size(), 1u);
  field->editableTextInterface()->deleteText(9, 10);
  ui::ProcessMessages();
  EXPECT_EQ(seen, (std::vector<std::string>{"2016/03/05", "2016/03/0"}));
  EXPECT_EQ("2016/03/0", combo.Text());
  EXPECT_EQ(combo.ItemCount(), 3);
}

// The combo on the screen, driven by the mouse and keys as a user drives it, with its text
// set by code apart from its current item (the second item's, as a stored choice is shown).
class ComboListTest : public ComboTest {
 protected:
  ComboListTest() {
    form.SetClientSize(320, 200);
    combo.SetBounds(10, 10, 280, 24);
    other.SetBounds(10, 60, 100, 24);
    Reset();
    form.Show();
    form.widget()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.widget()));
  }
  // The items anew, the first one current, and the second one's text in the field.
  void Reset() {
    combo.Clear();
    for (const char* day : {"2016/03/06", "2016/03/05", "2016/02/28"}) combo.AddItem(day);
    combo.SetText("2016/03/05");
    ASSERT_EQ(qcombo()->currentIndex(), 0);
    seen.clear();
  }
  QComboBox* qcombo() const { return static_cast<QComboBox*>(combo.widget()); }
  QAbstractItemView* list() const { return qcombo()->view(); }
  bool ListShown() const { return list()->isVisible(); }
  QPoint Arrow() const {
    QStyleOptionComboBox opt;
    opt.initFrom(qcombo());
    opt.editable = true;
    opt.subControls = QStyle::SC_All;
    return qcombo()
        ->style()
        ->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxArrow, qcombo())
        .center();
  }
  // A press and release on the arrow, as a click opens the list.
  void OpenList() {
    QTest::mousePress(qcombo(), Qt::LeftButton, {}, Arrow());
    QTest::mouseRelease(qcombo(), Qt::LeftButton, {}, Arrow());
    ASSERT_TRUE(ListShown());
    QTest::qWait(QApplication::doubleClickInterval() + 50);  // the user moves to an item
  }
  QPoint ItemAt(int row) const {
    return list()->visualRect(list()->model()->index(row, 0)).center();
  }
  void ClickItem(int row) {
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, ItemAt(row));
  }
  void Wheel(int steps) {
    const QPoint at = ItemAt(1);
    QWheelEvent wheel(at, list()->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120 * steps),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list()->viewport(), &wheel);
  }
  ui::Edit other{form};
};

TEST_F(ComboListTest, OpeningScrollingOrClosingTheListWithoutAChoiceRunsNothing) {
  struct Case {
    std::string what;
    std::function<void()> act;
  };
  const std::vector<Case> cases = {
      {"press on the arrow", [&] { QTest::mousePress(qcombo(), Qt::LeftButton, {}, Arrow()); }},
      {"opened, Escape",
       [&] {
         OpenList();
         QTest::keyClick(list(), Qt::Key_Escape);
       }},
      {"opened, a click outside it",
       [&] {
         OpenList();
         QTest::mouseClick(form.widget(), Qt::LeftButton, {}, QPoint(300, 180));
       }},
      {"opened, scrolled by wheel and keys, Escape",
       [&] {
         OpenList();
         Wheel(2);
         QTest::keyClick(list(), Qt::Key_Down);
         QTest::keyClick(list(), Qt::Key_Up);
         QTest::keyClick(list(), Qt::Key_Escape);
       }},
      {"opened, the arrow pressed again",
       [&] {
         OpenList();
         QTest::mouseClick(qcombo(), Qt::LeftButton, {}, Arrow());
       }},
      {"the field left for another control",
       [&] {
         QTest::mouseClick(qcombo()->lineEdit(), Qt::LeftButton);
         ASSERT_TRUE(qcombo()->lineEdit()->hasFocus());
         QTest::mouseClick(other.widget(), Qt::LeftButton);
         ASSERT_TRUE(other.widget()->hasFocus());
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reset();
    c.act();
    QTest::qWait(50);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ("2016/03/05", combo.Text());
    if (ListShown()) QTest::keyClick(list(), Qt::Key_Escape);
  }
}

TEST_F(ComboListTest, APickFromTheOpenedListRunsTheHandlerOnceWithTheItemsText) {
  struct Case {
    std::string what;
    std::function<void()> pick;
    std::string text;
  };
  const std::vector<Case> cases = {
      // The list opens at the item shown, which becomes the current one.
      {"the item shown clicked", [&] { ClickItem(1); }, "2016/03/05"},
      {"an item above clicked", [&] { ClickItem(0); }, "2016/03/06"},
      {"an item below clicked", [&] { ClickItem(2); }, "2016/02/28"},
      {"Down from the item shown, and Return",
       [&] {
         QTest::keyClick(list(), Qt::Key_Down);
         QTest::keyClick(list(), Qt::Key_Return);
       },
       "2016/02/28"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reset();
    OpenList();
    c.pick();
    QTest::qWait(50);
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(seen, std::vector<std::string>{c.text});
    EXPECT_EQ(c.text, combo.Text());
  }
}

TEST_F(ComboTest, ClearEmptiesItemsAndText) {
  combo.SetText("2016/03/06");
  combo.Clear();
  EXPECT_EQ(combo.ItemCount(), 0);
  EXPECT_EQ("", combo.Text());
  EXPECT_TRUE(seen.empty());
}

// Names of files and folders in fields and combos made for them: shown as the file
// system's UTF-8, and every byte given back, also of names that are no UTF-8.
TEST(FileNameTextTest, NamesKeepTheirBytesThroughFieldsAndCombos) {
  struct Case {
    std::string name;
    QString shown;  // for names that are UTF-8
  };
  const std::vector<Case> cases = {
      {"time_100a.csv", u"time_100a.csv"_qs},
      {testsupport::Utf8(u8"/home/フォルダ/README.md"), u"/home/フォルダ/README.md"_qs},
      {testsupport::Utf8(u8"時間①😀𐂀.csv"), u"時間①😀𐂀.csv"_qs},
      {"\x8E\x9E\x8A\xD4.csv", {}},  // a Shift-JIS name copied from elsewhere
      {"a\xE3\x83"
       "b\xFF\xC0\xAF",
       {}},
  };
  ui::Form form;
  ui::Edit edit{form, ui::TextKind::kFileName};
  ui::ComboBox combo{form, ui::TextKind::kFileName};
  std::vector<std::string> picked;
  combo.on_change = [&] { picked.push_back(combo.Text()); };
  for (const Case& c : cases) combo.AddItem(c.name);
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(i);
    edit.SetText(c.name);
    EXPECT_EQ(edit.Text(), c.name);
    if (!c.shown.isEmpty()) {
      EXPECT_EQ(static_cast<QLineEdit*>(edit.widget())->text(), c.shown);
    }
    combo.SetText(c.name);
    EXPECT_EQ(combo.Text(), c.name);
    EXPECT_EQ(combo.Items()[i], c.name);
    combo.SetText("");
    combo.Pick(static_cast<int>(i));
    EXPECT_EQ(picked.back(), c.name);
  }
  // Typed text is the file system's too.
  edit.SetText("");
  edit.Type(testsupport::Utf8(u8"東京\b都"));
  EXPECT_EQ(edit.Text(), testsupport::Utf8(u8"東都"));
}

TEST(ListBoxTest, WorkListOperations) {
  ui::Form form;
  ui::ListBox list{form};
  list.SetVisible(false);
  for (const char* key :
       {"20160306050306", "2016030606030\x81\x40", "20160306050305", "20160306"}) {
    list.Add(key);
  }
  list.Sort();
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"20160306", "20160306050305", "20160306050306",
                                                    "2016030606030\x81\x40"}));
  list.Delete(0);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ("20160306050305", list.Item(0));
  EXPECT_THROW(list.Delete(3), base::Error);
  EXPECT_THROW(list.Item(-1), base::Error);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  int clicks = 0;
  list.on_click = [&] { ++clicks; };
  list.Click();
  EXPECT_EQ(clicks, 1);
}

TEST(RichEditTest, KeepsTheAppendedTextByteForByte) {
  ui::Form form;
  ui::RichEdit log{form};
  log.SetVisible(false);
  log.Append("JVInit正常終了:0\r\n");
  log.Append("Read File:-1 RAVM2016030520160305123456.jvd\r\n");
  EXPECT_SJIS_EQ("JVInit正常終了:0\r\nRead File:-1 RAVM2016030520160305123456.jvd\r\n", log.Text());
  log.Clear();
  EXPECT_EQ("", log.Text());
}

TEST(DatePickerTest, DateRoundTripsAndAnImpossibleDateIsRefused) {
  ui::Form form;
  ui::DatePicker picker{form};
  picker.SetDate({2016, 2, 29});
  EXPECT_EQ((base::Date{2016, 2, 29}), picker.Date());
  EXPECT_THROW(picker.SetDate({2015, 2, 29}), base::ConversionError);
  EXPECT_EQ((base::Date{2016, 2, 29}), picker.Date());
}

TEST(CaptionTest, ShiftJisTextsRoundTripThroughTheWidgets) {
  const std::string text = "東京①ﾃｽﾄ\\~";
  ui::Form form;
  ui::Button button{form};
  ui::GroupBox box{form};
  ui::Label label{box};
  ui::Panel panel{box};
  form.SetCaption(text);
  button.SetCaption(text);
  box.SetCaption(text);
  label.SetCaption(text);
  panel.SetText(text);
  EXPECT_SJIS_EQ(text, form.Caption());
  EXPECT_SJIS_EQ(text, button.Caption());
  EXPECT_SJIS_EQ(text, box.Caption());
  EXPECT_SJIS_EQ(text, label.Caption());
  EXPECT_SJIS_EQ(text, panel.Text());
}

TEST(ControlTest, BoundsVisibleAndEnabledAreTheControlsOwn) {
  ui::Form form;  // never shown, and disabled below
  ui::GroupBox box{form};
  ui::Button button{box};
  box.SetBounds(8, 8, 489, 81);
  button.SetBounds(384, 32, 90, 25);
  EXPECT_EQ((ui::Bounds{384, 32, 90, 25}), button.GetBounds());
  EXPECT_TRUE(button.Visible());
  form.SetEnabled(false);
  EXPECT_TRUE(button.Enabled());
  int clicks = 0;
  button.on_click = [&] { ++clicks; };
  button.Click();  // a disabled window takes no clicks
  EXPECT_EQ(clicks, 0);
  form.SetEnabled(true);
  button.Click();
  EXPECT_EQ(clicks, 1);
  button.SetVisible(false);
  EXPECT_FALSE(button.Visible());
  button.SetEnabled(false);
  EXPECT_FALSE(button.Enabled());
}

}  // namespace
