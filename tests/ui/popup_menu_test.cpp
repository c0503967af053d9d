#include "ui/popup_menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/sjis_assert.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/input.h"

namespace {

class PopupMenuTest : public ::testing::Test {
 protected:
  PopupMenuTest() {
    const char* captions[] = {"MAX:25", "MAX:50(Default)", "MAX:100", "MAX:250"};
    for (int i = 0; i < 4; ++i) {
      items[i].SetCaption(captions[i]);
      items[i].on_click = [this, i] { chosen.push_back({i, menu.Shown()}); };
    }
    form.Show();
  }
  QMenu* qmenu() const { return form.widget()->findChild<QMenu*>(); }

  struct Choice {
    int item;
    bool menu_shown;  // at the handler's run
    friend bool operator==(const Choice&, const Choice&) = default;
  };
  ui::Form form;
  ui::PopupMenu menu{form};
  ui::MenuItem items[4] = {ui::MenuItem{menu}, ui::MenuItem{menu}, ui::MenuItem{menu},
                           ui::MenuItem{menu}};
  std::vector<Choice> chosen;
};

TEST_F(PopupMenuTest, PopupShowsTheItemsAtThePositionAndReturnsAtOnce) {
  EXPECT_FALSE(menu.Shown());
  menu.Popup(120, 80);
  EXPECT_TRUE(menu.Shown());
  ASSERT_NE(qmenu(), nullptr);
  EXPECT_EQ(qmenu()->pos(), QPoint(120, 80));
  ASSERT_EQ(qmenu()->actions().size(), 4);
  EXPECT_EQ(qmenu()->actions()[3]->text(), QStringLiteral("MAX:250"));
  items[3].SetCaption("MAX:500");  // captions change while shown
  EXPECT_EQ(qmenu()->actions()[3]->text(), QStringLiteral("MAX:500"));
  EXPECT_EQ(items[3].Caption(), "MAX:500");
  EXPECT_TRUE(chosen.empty());
}

TEST_F(PopupMenuTest, AChoiceClosesTheMenuThenRunsTheItemsHandler) {
  items[1].Choose();  // not shown: nothing to choose from
  EXPECT_TRUE(chosen.empty());
  menu.Popup(50, 50);
  items[2].Choose();
  EXPECT_EQ(chosen, (std::vector<Choice>{{2, false}}));
  EXPECT_FALSE(menu.Shown());
  items[2].Choose();
  EXPECT_EQ(chosen.size(), 1u);
}

TEST_F(PopupMenuTest, TheUsersClickOnAnItemTakesTheSamePath) {
  menu.Popup(50, 50);
  QMenu* m = qmenu();
  QPoint at = m->actionGeometry(m->actions()[0]).center();
  QMouseEvent press(QEvent::MouseButtonPress, at, m->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(m, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, m->mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(m, &release);
  ui::ProcessMessages();
  EXPECT_EQ(chosen, (std::vector<Choice>{{0, false}}));
  EXPECT_FALSE(menu.Shown());
}

TEST_F(PopupMenuTest, TheMenuGoesWithItsForm) {
  auto owner = std::make_unique<ui::Form>();
  ui::PopupMenu passing{*owner};
  ui::MenuItem item{passing};
  passing.Popup(10, 10);
  owner.reset();
  EXPECT_FALSE(passing.Shown());
  item.SetCaption("x");
  item.Choose();
  passing.Popup(10, 10);
  EXPECT_FALSE(passing.Shown());
}

TEST(CursorPosTest, TheCursorsScreenPosition) {
  QCursor::setPos(123, 45);
  EXPECT_EQ(ui::CursorPos(), (ui::ScreenPoint{123, 45}));
  QCursor::setPos(7, 300);
  EXPECT_EQ(ui::CursorPos(), (ui::ScreenPoint{7, 300}));
}

}  // namespace
