#include "ui/page_control.h"

#include <gtest/gtest.h>

#include <QTabWidget>

#include "base/errors.h"
#include "tests/support/sjis_assert.h"
#include "ui/controls.h"

namespace {

TEST(PageControlTest, PagesWithCaptionsAndTheActivePage) {
  ui::Form form;
  ui::PageControl pages{form};
  EXPECT_EQ(pages.ActivePageIndex(), -1);
  ui::TabSheet first{pages};
  ui::TabSheet second{pages};
  first.SetCaption("単・複・連 得票率/差分");
  second.SetCaption("得票変化");
  EXPECT_EQ(pages.PageCount(), 2);
  EXPECT_EQ(second.PageIndex(), 1);
  EXPECT_SJIS_EQ("得票変化", second.Caption());
  EXPECT_EQ(pages.ActivePageIndex(), 0);  // the first page comes to the front

  pages.SetActivePageIndex(1);
  EXPECT_EQ(pages.ActivePageIndex(), 1);
  EXPECT_THROW(pages.SetActivePageIndex(2), base::Error);
  EXPECT_THROW(pages.SetActivePageIndex(-1), base::Error);
  EXPECT_EQ(pages.ActivePageIndex(), 1);
  // The user's choice of a tab.
  static_cast<QTabWidget*>(pages.widget())->setCurrentIndex(0);
  EXPECT_EQ(pages.ActivePageIndex(), 0);
}

TEST(PageControlTest, APageHoldsControlsThatShowWithItsPage) {
  ui::Form form;
  ui::PageControl pages{form};
  ui::TabSheet first{pages};
  ui::TabSheet second{pages};
  ui::Label on_second{second};
  on_second.SetCaption("売上票数");
  form.Show();
  EXPECT_FALSE(on_second.widget()->isVisible());
  pages.SetActivePageIndex(1);
  EXPECT_TRUE(on_second.widget()->isVisible());
  EXPECT_EQ(on_second.widget()->parentWidget(), second.client_widget());
}

TEST(PageControlTest, AGonePageLeavesTheOthers) {
  ui::Form form;
  ui::PageControl pages{form};
  ui::TabSheet first{pages};
  {
    ui::TabSheet passing{pages};
    passing.SetCaption("x");
  }
  ui::TabSheet last{pages};
  last.SetCaption("最後");
  EXPECT_EQ(pages.PageCount(), 2);
  EXPECT_EQ(last.PageIndex(), 1);
  EXPECT_SJIS_EQ("最後", last.Caption());
}

}  // namespace
