#include "ui/speed_button.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include "tests/support/accessible.h"
#include "tests/support/sjis_assert.h"
#include "tests/ui/pixels.h"
#include "ui/form.h"

namespace {

class SpeedButtonTest : public ::testing::Test {
 protected:
  SpeedButtonTest() {
    button.SetBounds(0, 0, 64, 18);
    button.SetCaption("単勝");
    button.on_click = [this] { ++clicks; };
  }
  // A press and a release of the left button in the middle of the button.
  void MouseClick() {
    QWidget* w = button.widget();
    QPointF at(w->width() / 2.0, w->height() / 2.0);
    QPointF global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
  }
  ui::Form form;
  ui::SpeedButton button{form};
  int clicks = 0;
};

TEST_F(SpeedButtonTest, ClickByCodeMouseOrAccessiblePressRunsTheHandlerWhileEnabled) {
  EXPECT_SJIS_EQ("単勝", button.Caption());
  button.Click();
  MouseClick();
  EXPECT_EQ(clicks, 2);
  testsupport::DoAction(button, QAccessibleActionInterface::pressAction());
  EXPECT_EQ(clicks, 3);  // right after the call, as the click
  EXPECT_EQ(testsupport::AccessibleOf(button)->text(QAccessible::Name), QStringLiteral("単勝"));
  button.SetEnabled(false);
  button.Click();
  MouseClick();
  button.SetEnabled(true);
  form.SetEnabled(false);
  button.Click();
  EXPECT_EQ(clicks, 3);
}

TEST_F(SpeedButtonTest, TheCaptionIsDrawnInTheFontColour) {
  auto reddish = [this] {
    return uitest::CountPixels(uitest::Drawn(button.widget()), [](const QColor& c) {
      return c.red() > 150 && c.green() < 100 && c.blue() < 100;
    });
  };
  button.SetFontColor(ui::WindowTextColor());
  EXPECT_EQ(reddish(), 0);
  button.SetFontColor(ui::kRed);
  EXPECT_EQ(button.FontColor(), ui::kRed);
  EXPECT_GT(reddish(), 5);
}

}  // namespace
