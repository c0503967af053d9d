#include "ui/timer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <memory>
#include <stdexcept>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/message_box.h"

namespace {

// Runs the message loop until `done` or a generous time has passed.
template <typename Done>
bool ProcessUntil(Done done) {
  QElapsedTimer waited;
  waited.start();
  while (!done() && waited.elapsed() < 5000) ui::ProcessMessages();
  return done();
}

TEST(TimerTest, ANewTimerIsOffAndATickOfAnOffTimerDoesNothing) {
  ui::Form form;
  ui::Timer timer{form};
  int ticks = 0;
  timer.on_timer = [&] { ++ticks; };
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000);
  timer.Tick();
  EXPECT_EQ(ticks, 0);
  timer.SetEnabled(true);
  timer.Tick();
  timer.Tick();
  EXPECT_EQ(ticks, 2);
}

TEST(TimerTest, AnEnabledTimerRunsItsHandlerFromTheMessageLoopUntilDisabled) {
  ui::Form form;
  ui::Timer timer{form};
  int ticks = 0;
  timer.on_timer = [&] {
    if (++ticks == 3) timer.SetEnabled(false);
  };
  timer.SetInterval(5);
  timer.SetEnabled(true);
  EXPECT_EQ(ticks, 0);  // nothing inside the call
  EXPECT_TRUE(ProcessUntil([&] { return ticks >= 3; }));
  for (int i = 0; i < 20; ++i) ui::ProcessMessages();
  EXPECT_EQ(ticks, 3);
}

TEST(TimerTest, AnErrorInTheHandlerIsShownAndTheTimerGoesOn) {
  ui::MessageRecorder messages;
  ui::Form form;
  ui::Timer timer{form};
  int ticks = 0;
  timer.on_timer = [&] {
    if (++ticks == 1) throw std::runtime_error("'15:4a:00' is not a valid time");
  };
  timer.SetInterval(5);
  timer.SetEnabled(true);
  EXPECT_TRUE(ProcessUntil([&] { return ticks >= 2; }));
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.texts()[0], "'15:4a:00' is not a valid time");
}

TEST(TimerTest, TheTimerStopsWithItsForm) {
  auto form = std::make_unique<ui::Form>();
  ui::Timer timer{*form};
  int ticks = 0;
  timer.on_timer = [&] { ++ticks; };
  timer.SetInterval(1);
  timer.SetEnabled(true);
  form.reset();
  for (int i = 0; i < 20; ++i) ui::ProcessMessages();
  timer.Tick();
  timer.SetEnabled(true);
  EXPECT_EQ(ticks, 0);
}

}  // namespace
