#include <gtest/gtest.h>

#include <QPushButton>
#include <string>
#include <vector>

#include "base/errors.h"
#include "tests/support/sjis_assert.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/dispatch.h"
#include "ui/message_box.h"

namespace {

using ui::Message;
using ui::MessageKind;

TEST(MessageTest, EveryBoxIsRecordedWithItsKind) {
  ui::MessageRecorder recorder;
  ui::ShowMessage("開催情報ファイルがありません");
  bool answer = ui::Confirm("終了します。\r\nよろしければ”はい”を押してください");
  ui::ShowError("起動に失敗しました", "エラー");
  EXPECT_FALSE(answer);  // the default answer is Cancel
  EXPECT_EQ(recorder.messages(),
            (std::vector<Message>{{MessageKind::kInformation, "開催情報ファイルがありません", ""},
                                  {MessageKind::kConfirmation,
                                   "終了します。\r\nよろしければ”はい”を押してください", ""},
                                  {MessageKind::kError, "起動に失敗しました", "エラー"}}));
}

TEST(MessageTest, ConfirmationsTakeQueuedAnswersThenTheDefault) {
  ui::MessageRecorder recorder;
  recorder.AnswerNext(true);
  recorder.AnswerNext(false);
  recorder.SetDefaultAnswer(true);
  EXPECT_TRUE(ui::Confirm("1"));
  EXPECT_FALSE(ui::Confirm("2"));
  EXPECT_TRUE(ui::Confirm("3"));
  EXPECT_TRUE(ui::Confirm("4"));
}

TEST(MessageTest, RecordersNest) {
  ui::MessageRecorder outer;
  {
    ui::MessageRecorder inner;
    ui::ShowMessage("inner");
    EXPECT_EQ(inner.texts(), (std::vector<std::string>{"inner"}));
  }
  ui::ShowMessage("outer");
  EXPECT_EQ(outer.texts(), (std::vector<std::string>{"outer"}));
}

class DispatchTest : public ::testing::Test {
 protected:
  ui::MessageRecorder recorder;
  ui::Form form;
};

TEST_F(DispatchTest, AnErrorInAHandlerIsShownWithItsTextAndTheProgramGoesOn) {
  ui::Button button{form};
  int runs = 0;
  button.on_click = [&] {
    ++runs;
    throw base::NotAnInteger("1a");
  };
  button.Click();
  static_cast<QPushButton*>(button.widget())->click();  // the user's click
  EXPECT_EQ(runs, 2);
  std::vector<Message> expected(
      2, Message{MessageKind::kError, "'1a' is not a valid integer value", ""});
  EXPECT_EQ(recorder.messages(), expected);
}

TEST_F(DispatchTest, AnErrorInANestedHandlerEndsTheOuterHandlerAndIsShownOnce) {
  ui::Edit edit{form};
  ui::RadioButton radio{form};
  std::vector<std::string> steps;
  edit.on_change = [&] {
    steps.push_back("change");
    throw base::FileError("Cannot open file jv_data/20160305/DG160305.CSV");
  };
  radio.on_click = [&] {
    steps.push_back("click");
    edit.SetText("1");
    steps.push_back("after");  // not reached
  };
  radio.SetChecked(true);
  EXPECT_EQ(steps, (std::vector<std::string>{"click", "change"}));
  EXPECT_EQ(recorder.texts(),
            (std::vector<std::string>{"Cannot open file jv_data/20160305/DG160305.CSV"}));
  EXPECT_TRUE(radio.Checked());
  EXPECT_EQ("1", edit.Text());
}

TEST_F(DispatchTest, AnythingThrownIsCaught) {
  EXPECT_FALSE(ui::RunHandler([] { throw 42; }));
  EXPECT_TRUE(ui::RunHandler([] {}));
  EXPECT_TRUE(ui::RunHandler(nullptr));
  EXPECT_EQ(recorder.texts(), (std::vector<std::string>{"An unknown error occurred"}));
}

TEST_F(DispatchTest, APostedCallRunsFromTheMessageLoopAndIsDispatched) {
  std::vector<std::string> steps;
  ui::RunHandler([&] {
    ui::Post([&] {
      steps.push_back("posted");
      throw base::IndexOutOfBounds(3);
    });
    steps.push_back("handler");
  });
  EXPECT_EQ(steps, (std::vector<std::string>{"handler"}));
  ui::ProcessMessages();
  EXPECT_EQ(steps, (std::vector<std::string>{"handler", "posted"}));
  ASSERT_EQ(recorder.messages().size(), 1u);
  EXPECT_EQ(recorder.messages()[0].kind, MessageKind::kError);
  EXPECT_FALSE(recorder.messages()[0].text.empty());
}

}  // namespace
