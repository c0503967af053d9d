#include "ui/form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QWidget>
#include <string>
#include <vector>

#include "tests/support/sjis_assert.h"
#include "ui/all_windows.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/dispatch.h"
#include "ui/message_box.h"

namespace {

TEST(FormTest, CaptionPositionAndClientSize) {
  ui::Form form;
  form.SetCaption("Vantrel - オッズ情報の取得（Through JVLink）1.02a");
  form.SetPosition(1, 4);
  form.SetClientSize(505, 96);
  form.SetFixedBorder(true);
  form.SetBorderIcons(true, false);
  form.Show();
  EXPECT_SJIS_EQ("Vantrel - オッズ情報の取得（Through JVLink）1.02a", form.Caption());
  EXPECT_EQ(form.Left(), 1);
  EXPECT_EQ(form.Top(), 4);
  EXPECT_EQ(form.ClientWidth(), 505);
  EXPECT_EQ(form.ClientHeight(), 96);
  EXPECT_TRUE(form.widget()->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(form.widget()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(form.widget()->minimumSize(), form.widget()->maximumSize());
}

TEST(FormTest, TheFormsFontsAreMappedToTheIpaFonts) {
  ui::Form form;
  form.SetFont("ＭＳ Ｐゴシック", 12);
  ui::Label label{form};
  EXPECT_EQ(QFontInfo(label.widget()->font()).family(), QStringLiteral("IPAPGothic"));
  EXPECT_EQ(QFontInfo(label.widget()->font()).pixelSize(), 12);
  label.SetFont("ＭＳ ゴシック", 13);
  EXPECT_EQ(QFontInfo(label.widget()->font()).family(), QStringLiteral("IPAGothic"));
}

TEST(FormTest, TheShownHandlerRunsWhenTheFormIsVisibleEachTimeItIsShownAnew) {
  ui::Form form;
  std::vector<bool> visible_at_show;
  form.on_show = [&] { visible_at_show.push_back(form.Visible()); };
  form.Show();
  form.Show();  // already visible: only brought to the front
  form.Hide();
  form.SetVisible(true);
  EXPECT_EQ(visible_at_show, (std::vector<bool>{true, true}));
}

TEST(FormTest, ActivationRunsTheActivatedHandler) {
  ui::Form first, second;
  int activations = 0;
  first.on_activate = [&] { ++activations; };
  first.Show();
  ui::ProcessMessages();
  EXPECT_EQ(activations, 1);
  second.Show();
  ui::ProcessMessages();
  first.Activate();
  ui::ProcessMessages();
  EXPECT_EQ(activations, 2);
}

TEST(FormTest, TopmostChangesNeitherPlaceNorSizeNorVisibilityNorRunsHandlers) {
  ui::Form form;
  form.SetPosition(100, 50);
  form.SetClientSize(300, 200);
  form.Show();
  ui::ProcessMessages();
  int shows = 0, activations = 0;
  form.on_show = [&] { ++shows; };
  form.on_activate = [&] { ++activations; };
  const QRect before = form.widget()->geometry();
  form.SetTopmost(true);
  ui::ProcessMessages();
  EXPECT_TRUE(form.Topmost());
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.widget()->geometry(), before);
  form.SetTopmost(false);
  ui::ProcessMessages();
  EXPECT_FALSE(form.Topmost());
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.widget()->geometry(), before);
  EXPECT_EQ(shows, 0);
  EXPECT_EQ(activations, 0);
  // A hidden form stays hidden.
  ui::Form hidden;
  hidden.SetTopmost(true);
  EXPECT_TRUE(hidden.Topmost());
  EXPECT_FALSE(hidden.Visible());
}

class CloseTest : public ::testing::Test {
 protected:
  CloseTest() {
    form.on_close = [this](ui::CloseAction& action) {
      ++closes;
      action = decision;
    };
    form.on_free = [this] { ++frees; };
    form.Show();
  }
  ui::Form form;
  ui::CloseAction decision = ui::CloseAction::kHide;
  int closes = 0;
  int frees = 0;
};

TEST_F(CloseTest, CloseByCodeHidesTheForm) {
  form.Close();
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(form.Visible());
  ui::ProcessMessages();
  EXPECT_EQ(frees, 0);
}

TEST_F(CloseTest, TheCloseBoxTakesTheSamePathAndNoneKeepsTheFormOpen) {
  decision = ui::CloseAction::kNone;
  form.widget()->close();  // what the close box and the system menu do
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(form.Visible());
  decision = ui::CloseAction::kHide;
  form.widget()->close();
  EXPECT_EQ(closes, 2);
  EXPECT_FALSE(form.Visible());
}

TEST_F(CloseTest, FreeRunsTheFreeHandlerFromTheMessageLoop) {
  decision = ui::CloseAction::kFree;
  form.Close();
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(frees, 0);
  ui::ProcessMessages();
  EXPECT_EQ(frees, 1);
}

TEST_F(CloseTest, APostedRequestClosesOnceAfterTheHandler) {
  decision = ui::CloseAction::kFree;
  ui::RunHandler([&] {
    form.PostClose();
    form.PostClose();
    EXPECT_TRUE(form.Visible());
  });
  EXPECT_EQ(closes, 0);
  ui::ProcessMessages();
  ui::ProcessMessages();
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(frees, 1);
  EXPECT_FALSE(form.Visible());
}

TEST_F(CloseTest, AnErrorInTheCloseHandlerKeepsTheFormOpen) {
  ui::MessageRecorder recorder;
  form.on_close = [](ui::CloseAction&) { throw std::runtime_error("disk full"); };
  form.widget()->close();
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(recorder.texts(), (std::vector<std::string>{"disk full"}));
}

TEST(FormTest, TheDestroyHandlerRunsOnce) {
  int destroys = 0;
  {
    ui::Form form;
    form.on_destroy = [&] { ++destroys; };
    form.RunDestroyHandler();
    EXPECT_EQ(destroys, 1);
  }
  EXPECT_EQ(destroys, 1);
  {
    ui::Form form;
    form.on_destroy = [&] { ++destroys; };
  }
  EXPECT_EQ(destroys, 2);
}

TEST(FormTest, RunEndsWhenTheMainFormClosesAndRunsItsDestroyHandler) {
  ui::Form main_form, other;
  std::vector<std::string> steps;
  other.Show();
  main_form.on_show = [&] {
    steps.push_back("show");
    // Closed from the message loop, by a posted request, as the close box would.
    main_form.PostClose();
  };
  main_form.on_close = [&](ui::CloseAction&) { steps.push_back("close"); };
  main_form.on_destroy = [&] { steps.push_back("destroy"); };
  ui::Application::Instance()->Run(main_form);
  EXPECT_EQ(steps, (std::vector<std::string>{"show", "close", "destroy"}));
  EXPECT_TRUE(other.Visible());  // the program ends with the main form only
  EXPECT_EQ(ui::Application::Instance()->main_form(), nullptr);
}

TEST(FormTest, CursorOfTheForm) {
  ui::Form form;
  form.SetCursor(ui::Cursor::kAppStart);
  EXPECT_EQ(form.GetCursor(), ui::Cursor::kAppStart);
  EXPECT_EQ(form.widget()->cursor().shape(), Qt::BusyCursor);
  form.SetCursor(ui::Cursor::kDefault);
  EXPECT_EQ(form.widget()->cursor().shape(), Qt::ArrowCursor);
}

TEST(AllWindowsTest, DisablesTheVisibleEnabledWindowsAndEnablesExactlyThose) {
  ui::Form main_form, analysis, already_disabled, hidden;
  main_form.Show();
  analysis.Show();
  already_disabled.Show();
  already_disabled.SetEnabled(false);
  ui::DisabledWindows disabled = ui::DisableAllWindows();
  EXPECT_EQ(disabled.count(), 2);
  EXPECT_FALSE(main_form.Enabled());
  EXPECT_FALSE(analysis.Enabled());
  EXPECT_TRUE(hidden.Enabled());
  hidden.Show();  // shown meanwhile: not the run's business
  ui::EnableWindows(disabled);
  EXPECT_TRUE(main_form.Enabled());
  EXPECT_TRUE(analysis.Enabled());
  EXPECT_FALSE(already_disabled.Enabled());
  EXPECT_TRUE(hidden.Enabled());
}

TEST(AllWindowsTest, AWindowThatWentAwayIsSkipped) {
  auto form = std::make_unique<ui::Form>();
  form->Show();
  ui::DisabledWindows disabled = ui::DisableAllWindows();
  EXPECT_EQ(disabled.count(), 1);
  form.reset();
  ui::EnableWindows(disabled);  // must not touch the freed window
  SUCCEED();
}

}  // namespace
