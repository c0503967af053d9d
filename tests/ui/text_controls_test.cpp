#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "tests/support/sjis_assert.h"
#include "ui/controls.h"

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

TEST_F(ComboTest, ClearEmptiesItemsAndText) {
  combo.SetText("2016/03/06");
  combo.Clear();
  EXPECT_EQ(combo.ItemCount(), 0);
  EXPECT_EQ("", combo.Text());
  EXPECT_TRUE(seen.empty());
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
