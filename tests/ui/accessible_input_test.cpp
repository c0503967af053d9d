// Input through the accessible interface is posted: the call of the screen reader or test
// tool returns at once, and the input runs right after it from the message loop, once,
// only if a user could still reach the control then.
#include <gtest/gtest.h>

#include <QDialog>
#include <QMenu>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/accessible.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/popup_menu.h"
#include "ui/speed_button.h"
#include "ui/string_grid.h"

namespace {

const QString kPress = QAccessibleActionInterface::pressAction();
const QString kToggle = QAccessibleActionInterface::toggleAction();

void Act(QAccessibleInterface* target, const QString& action) {
  ASSERT_NE(target, nullptr);
  ASSERT_TRUE(target->actionInterface()->actionNames().contains(action));
  target->actionInterface()->doAction(action);
}

// One control of every kind on a shown window; every handler counts its runs.
class AccessibleInputTest : public ::testing::Test {
 protected:
  AccessibleInputTest() {
    form.SetClientSize(400, 300);
    button.SetBounds(0, 0, 80, 24);
    speed.SetBounds(0, 30, 80, 24);
    radio.SetBounds(0, 60, 80, 24);
    edit.SetBounds(100, 0, 120, 24);
    combo.SetBounds(100, 30, 120, 24);
    grid.SetBounds(100, 80, 200, 200);
    grid.SetColCount(3);
    grid.SetRowCount(4);
    combo.AddItem("2024/06/01");
    item.SetCaption("MAX:50");
    for (std::function<void()>* handler :
         {&button.on_click, &speed.on_click, &radio.on_click, &edit.on_change, &edit.on_click,
          &combo.on_change, &grid.on_click, &item.on_click}) {
      *handler = [this] { ++runs; };
    }
    form.Show();
  }

  // An accessible call, the state it needs made first.
  struct Input {
    std::string what;
    std::function<void()> call;
  };
  std::vector<Input> Inputs() {
    return {
        {"button press", [&] { Act(testsupport::AccessibleOf(button), kPress); }},
        {"speed button press", [&] { Act(testsupport::AccessibleOf(speed), kPress); }},
        {"radio button press",
         [&] {
           radio.UncheckGroup();
           Act(testsupport::AccessibleOf(radio), kPress);
         }},
        {"radio button toggle",
         [&] {
           radio.UncheckGroup();
           Act(testsupport::AccessibleOf(radio), kToggle);
         }},
        {"edit field text written",
         [&] {
           testsupport::AccessibleOf(edit)->setText(QAccessible::Value, QString::number(++texts));
         }},
        {"edit field text inserted",
         [&] { testsupport::AccessibleOf(edit)->editableTextInterface()->insertText(0, u"x"_qs); }},
        {"edit field pressed", [&] { Act(testsupport::AccessibleOf(edit), kPress); }},
        {"combo item picked", [&] { Act(testsupport::ComboItem(combo, 0), kPress); }},
        {"combo field written",
         [&] {
           testsupport::ComboField(combo)->setText(QAccessible::Value, QString::number(++texts));
         }},
        {"grid cell pressed",
         [&] {
           grid.SetColCount(3);
           Act(testsupport::GridCell(grid, 1, 2), kPress);
         }},
        {"grid row of one cell selected",
         [&] {
           grid.SetColCount(1);
           testsupport::AccessibleOf(grid)->tableInterface()->selectRow(3);
         }},
        {"menu item pressed",
         [&] {
           menu.Popup(50, 50);
           QAccessibleInterface* list = QAccessible::queryAccessibleInterface(qmenu());
           Act(list ? list->child(0) : nullptr, kPress);
         }},
    };
  }
  QMenu* qmenu() const { return form.widget()->findChild<QMenu*>(); }

  ui::Form form;
  ui::Button button{form};
  ui::SpeedButton speed{form};
  ui::RadioButton radio{form};
  ui::Edit edit{form};
  ui::ComboBox combo{form};
  ui::StringGrid grid{form};
  ui::PopupMenu menu{form};
  ui::MenuItem item{menu};
  int runs = 0;
  int texts = 0;
};

TEST_F(AccessibleInputTest, TheCallReturnsBeforeTheInputWhichThenRunsOnce) {
  for (const Input& input : Inputs()) {
    SCOPED_TRACE(input.what);
    runs = 0;
    input.call();
    EXPECT_EQ(runs, 0);  // returned first
    ui::ProcessMessages();
    EXPECT_EQ(runs, 1);
    ui::ProcessMessages();
    EXPECT_EQ(runs, 1);
  }
  EXPECT_FALSE(menu.Shown());  // closed by the choice
}

// What could not reach the control when the input comes to run takes nothing then.
TEST_F(AccessibleInputTest, AControlThatAUserCouldNotReachWhenTheInputRunsTakesNothing) {
  std::unique_ptr<QDialog> box;
  struct Block {
    std::string what;
    std::function<void()> block;
    std::function<void()> unblock;
  };
  const std::vector<Block> blocks = {
      {"window disabled", [&] { form.SetEnabled(false); }, [&] { form.SetEnabled(true); }},
      {"modal box opened",
       [&] {
         box = std::make_unique<QDialog>(form.widget());
         box->setWindowModality(Qt::ApplicationModal);
         box->show();
       },
       [&] { box.reset(); }},
  };
  for (const Block& b : blocks) {
    for (const Input& input : Inputs()) {
      SCOPED_TRACE(b.what + ", " + input.what);
      runs = 0;
      const std::string text = edit.Text();
      input.call();
      b.block();
      ui::ProcessMessages();
      b.unblock();
      ui::ProcessMessages();
      EXPECT_EQ(runs, 0);
      EXPECT_EQ(edit.Text(), text);
      if (menu.Shown()) qmenu()->hide();
    }
  }
}

// A handler that shows a modal window runs after the accessible press has returned, so
// the modal run holds no reply that an assistive tool waits for.
TEST(AccessibleModalTest, APressWhoseHandlerRunsAModalWindowReturnsBeforeTheWindowIsShown) {
  ui::Form main_form;
  ui::Button button{main_form};
  ui::Form box{&main_form};
  main_form.Show();
  std::vector<std::string> log;
  box.on_show = [&] {
    log.push_back("box shown");
    box.PostClose();
  };
  button.on_click = [&] {
    log.push_back("handler");
    box.ShowModal();
    log.push_back("box closed");
  };
  Act(testsupport::AccessibleOf(button), kPress);
  log.push_back("call returned");
  ui::ProcessMessages();
  ui::ProcessMessages();
  EXPECT_EQ(log, (std::vector<std::string>{"call returned", "handler", "box shown", "box closed"}));
}

}  // namespace
