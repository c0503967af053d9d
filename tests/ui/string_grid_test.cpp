#include "ui/string_grid.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAccessibleTableInterface>
#include <QImage>
#include <QKeyEvent>
#include <QTableView>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/errors.h"
#include "tests/support/sjis_assert.h"
#include "tests/ui/pixels.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/message_box.h"

namespace {

using Cell = std::pair<int, int>;  // column, row

class StringGridTest : public ::testing::Test {
 protected:
  StringGridTest() {
    form.SetClientSize(700, 420);
    grid.SetBounds(0, 0, 700, 420);
    grid.SetColCount(19);
    grid.SetRowCount(19);
    grid.SetDefaultColWidth(30);
    grid.SetDefaultRowHeight(16);
  }
  QTableView* view() const { return static_cast<QTableView*>(grid.widget()); }
  // The grid's cells as drawn now.
  QImage Drawn() const { return uitest::Drawn(view()->viewport()); }
  // A cell's own area, without the grid line at its right and bottom.
  QRect CellRect(int col, int row) const {
    return view()->visualRect(view()->model()->index(row, col)).adjusted(0, 0, -1, -1);
  }
  void Key(int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(view(), &press);
  }

  ui::MessageRecorder messages;
  ui::Form form;
  ui::StringGrid grid{form};
};

TEST_F(StringGridTest, SizesAndWidths) {
  ui::StringGrid fresh{form};
  EXPECT_EQ(fresh.ColCount(), 5);
  EXPECT_EQ(fresh.RowCount(), 5);
  EXPECT_EQ(fresh.ColWidth(4), 64);
  EXPECT_EQ(fresh.RowHeight(0), 24);

  grid.SetColWidth(2, 110);
  EXPECT_EQ(grid.ColWidth(2), 110);
  EXPECT_EQ(grid.ColWidth(3), 30);
  EXPECT_EQ(grid.RowHeight(18), 16);
  // The pitch is the width and one grid line.
  EXPECT_EQ(CellRect(3, 1).left() - CellRect(2, 1).left(), 111);
  EXPECT_EQ(CellRect(0, 2).top() - CellRect(0, 1).top(), 17);
  grid.SetDefaultColWidth(45);  // drops the per-column width
  EXPECT_EQ(grid.ColWidth(2), 45);
  grid.SetColCount(24);
  EXPECT_EQ(grid.ColWidth(23), 45);
  EXPECT_EQ(grid.Cell(23, 18), "");
  EXPECT_THROW(grid.SetColWidth(24, 10), base::Error);
  EXPECT_THROW(grid.ColWidth(-1), base::Error);
  EXPECT_THROW(grid.RowHeight(19), base::Error);
}

TEST_F(StringGridTest, CellsCommaTextsAndWholeTexts) {
  grid.SetColumnCommaText(0, "１, １, ２,３");
  grid.SetRowCommaText(0, "枠,馬,\"出走,馬名\"");
  grid.SetCell(2, 3, " ﾄﾘｹｼ");
  EXPECT_SJIS_EQ("枠", grid.Cell(0, 0));  // the row text came after the column text
  EXPECT_SJIS_EQ("１", grid.Cell(0, 1));
  EXPECT_SJIS_EQ("２", grid.Cell(0, 2));
  EXPECT_SJIS_EQ("３", grid.Cell(0, 3));
  EXPECT_SJIS_EQ("出走,馬名", grid.Cell(2, 0));
  EXPECT_SJIS_EQ(" ﾄﾘｹｼ", grid.Texts().Cell(2, 3));

  base::TextGrid texts(24, 19, " ");
  texts.SetCell(23, 18, "18");
  grid.SetTexts(texts);
  EXPECT_EQ(grid.ColCount(), 24);
  EXPECT_EQ(grid.RowCount(), 19);
  EXPECT_EQ(grid.Texts(), texts);

  EXPECT_THROW(grid.SetCell(24, 0, "x"), base::Error);
  EXPECT_THROW(grid.Cell(0, 19), base::Error);
  EXPECT_THROW(grid.SetColumnCommaText(24, "a,b"), base::Error);
  EXPECT_THROW(grid.SetRowCommaText(-1, "a,b"), base::Error);
  EXPECT_EQ(grid.Texts(), texts);  // a failed write changes nothing
}

TEST_F(StringGridTest, EachCellIsDrawnInTheStyleTheCallbackGives) {
  std::map<Cell, int> asked;
  grid.on_draw_cell = [&](int col, int row) {
    ++asked[{col, row}];
    ui::CellStyle style;
    if (row == 0) style.brush = {233, 233, 233};
    if (col == 7 && row == 2) style = {{255, 81, 146}, {0, 0, 255}, ""};
    return style;
  };
  grid.SetCell(7, 2, "8.8");
  grid.SetCell(7, 3, "8.8");
  QImage image = Drawn();

  EXPECT_EQ(asked.count({7, 2}), 1u);
  EXPECT_EQ(asked.count({18, 18}), 1u);
  QRect marked = CellRect(7, 2);
  QRect header = CellRect(4, 0);
  EXPECT_EQ(image.pixelColor(marked.topLeft() + QPoint(1, 1)), QColor(255, 81, 146));
  EXPECT_EQ(image.pixelColor(marked.bottomRight() - QPoint(1, 1)), QColor(255, 81, 146));
  EXPECT_EQ(image.pixelColor(header.center()), QColor(233, 233, 233));
  EXPECT_EQ(image.pixelColor(CellRect(7, 3).topLeft() + QPoint(1, 1)), QColor(Qt::white));
  // The grid's lines at the right and the bottom of the cell, in one colour of their own.
  const QColor line = image.pixelColor(marked.right() + 1, marked.center().y());
  EXPECT_EQ(image.pixelColor(marked.center().x(), marked.bottom() + 1), line);
  EXPECT_NE(line, QColor(255, 81, 146));
  EXPECT_NE(line, QColor(Qt::white));

  // The text: in the font colour (smoothed into the fill at its edges), nothing of it left
  // of left + 2 or above top + 2.
  int text_pixels = 0;
  int font_pixels = 0;
  for (int y = marked.top(); y <= marked.bottom(); ++y) {
    for (int x = marked.left(); x <= marked.right(); ++x) {
      QColor c = image.pixelColor(x, y);
      if (c == QColor(255, 81, 146)) continue;
      ++text_pixels;
      EXPECT_GE(x, marked.left() + 2);
      EXPECT_GE(y, marked.top() + 2);
      EXPECT_TRUE(c.red() < 255 && c.blue() >= 146) << "not blue at " << x << "," << y;
      if (c.blue() > c.red()) ++font_pixels;
    }
  }
  EXPECT_GT(text_pixels, 5);
  EXPECT_GT(font_pixels, 0);
}

TEST_F(StringGridTest, TheStylesFontNameReplacesTheGridsFont) {
  grid.SetFont("ＭＳ ゴシック", 13);
  grid.SetColWidth(2, 110);
  grid.SetCell(2, 1, "iiiiWWWW");
  grid.SetCell(2, 2, "iiiiWWWW");
  grid.on_draw_cell = [](int, int row) {
    ui::CellStyle style;
    if (row == 2) style.font_name = "ＭＳ Ｐゴシック";
    return style;
  };
  QImage image = Drawn();
  QImage fixed = image.copy(CellRect(2, 1));
  QImage proportional = image.copy(CellRect(2, 2));
  EXPECT_NE(fixed, proportional);
  grid.on_draw_cell = [](int, int) { return ui::CellStyle{}; };
  image = Drawn();
  EXPECT_EQ(image.copy(CellRect(2, 1)), image.copy(CellRect(2, 2)));
}

TEST_F(StringGridTest, RepaintAsksForEveryCellAgain) {
  form.Show();
  ui::ProcessMessages();
  ui::Color brush = ui::kWhite;
  std::set<Cell> asked;
  grid.on_draw_cell = [&](int col, int row) {
    asked.insert({col, row});
    return ui::CellStyle{brush, ui::kBlack, ""};
  };
  asked.clear();
  brush = {255, 213, 236};
  grid.Repaint();
  ui::ProcessMessages();
  EXPECT_EQ(asked.size(), 19u * 19u);
  EXPECT_EQ(Drawn().pixelColor(CellRect(1, 5).center()), QColor(255, 213, 236));
}

TEST_F(StringGridTest, TheSameTextsAgainDrawNothingAnew) {
  grid.SetTexts(base::TextGrid(19, 19, "1.0"));
  form.Show();
  ui::ProcessMessages();
  std::set<Cell> asked;
  grid.on_draw_cell = [&](int col, int row) {
    asked.insert({col, row});
    return ui::CellStyle{};
  };
  grid.SetTexts(base::TextGrid(19, 19, "1.0"));
  ui::ProcessMessages();
  EXPECT_TRUE(asked.empty());
  base::TextGrid one(19, 19, "1.0");
  one.SetCell(3, 4, "2.0");
  grid.SetTexts(one);
  ui::ProcessMessages();
  EXPECT_TRUE(asked.count({3, 4}));
  EXPECT_EQ(grid.Cell(3, 4), "2.0");
}

TEST_F(StringGridTest, AnErrorOfTheCallbackIsShownOnceAndTheCellsStillDrawn) {
  grid.on_draw_cell = [](int col, int row) -> ui::CellStyle {
    if (row == 3) throw base::IndexOutOfBounds(col);
    return ui::CellStyle{{1, 2, 3}, ui::kBlack, ""};
  };
  QImage image = Drawn();
  EXPECT_EQ(image.pixelColor(CellRect(0, 3).center()), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(CellRect(0, 4).center()), QColor(1, 2, 3));
  EXPECT_TRUE(messages.messages().empty());  // not inside the painting
  ui::ProcessMessages();
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].kind, ui::MessageKind::kError);
}

TEST_F(StringGridTest, AClickMakesTheCellCurrentThenRunsTheHandler) {
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(grid.Col(), 0);
  std::vector<Cell> seen;
  grid.on_click = [&] { seen.push_back({grid.Col(), grid.Row()}); };
  grid.ClickCell(3, 5);
  grid.ClickCell(3, 5);  // the current cell again
  grid.ClickCell(18, 18);
  grid.ClickCell(2, 0);  // the header row
  EXPECT_EQ(seen, (std::vector<Cell>{{3, 5}, {3, 5}, {18, 18}}));
  EXPECT_EQ(grid.Row(), 18);
  EXPECT_THROW(grid.ClickCell(19, 1), base::Error);

  grid.SetEnabled(false);
  grid.ClickCell(1, 2);
  grid.SetEnabled(true);
  form.SetEnabled(false);
  grid.ClickCell(1, 3);
  form.SetEnabled(true);
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_EQ(grid.Row(), 18);
}

TEST_F(StringGridTest, TheHandlerReadsTheKeysHeldAtTheClick) {
  std::vector<ui::KeyModifiers> held;
  grid.on_click = [&] { held.push_back(ui::HeldModifiers()); };
  const std::vector<ui::KeyModifiers> cases = {
      {}, {.ctrl = true}, {.alt = true}, {.ctrl = true, .alt = true}, {.shift = true}};
  for (const ui::KeyModifiers& keys : cases) grid.ClickCell(1, 4, keys);
  EXPECT_EQ(held, cases);
  EXPECT_EQ(ui::HeldModifiers(), ui::KeyModifiers{});  // the click is over
}

TEST_F(StringGridTest, KeyboardMovesRunTheHandlerAndSkipTheHeaderRow) {
  std::vector<int> rows;
  grid.on_click = [&] { rows.push_back(grid.Row()); };
  grid.ClickCell(2, 2);
  Key(Qt::Key_Down);
  Key(Qt::Key_Up);
  Key(Qt::Key_Up);
  Key(Qt::Key_Up);    // row 1 is the top: nothing moves, nothing runs
  Key(Qt::Key_Home);  // to column 0 of the row
  Key(Qt::Key_PageUp);
  EXPECT_EQ(rows, (std::vector<int>{2, 3, 2, 1, 1}));
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(grid.Col(), 0);
}

TEST_F(StringGridTest, TheCurrentCellStaysThroughNewTextsAndSizes) {
  grid.ClickCell(4, 9);
  grid.SetTexts(base::TextGrid(19, 19, "x"));
  EXPECT_EQ(grid.Row(), 9);
  grid.SetTexts(base::TextGrid(24, 12, "x"));
  EXPECT_EQ(grid.Row(), 9);
  EXPECT_EQ(grid.Col(), 4);
  grid.SetRowCount(5);  // the current row is gone: the last row is current
  EXPECT_EQ(grid.Row(), 4);
  grid.SetRowCount(1);
  EXPECT_EQ(grid.Row(), 0);
}

TEST_F(StringGridTest, NotATabStopStillTakesTheFocusByAClick) {
  EXPECT_TRUE(view()->focusPolicy() & Qt::TabFocus);
  grid.SetTabStop(false);
  EXPECT_FALSE(view()->focusPolicy() & Qt::TabFocus);
  EXPECT_TRUE(view()->focusPolicy() & Qt::ClickFocus);
  EXPECT_FALSE(view()->tabKeyNavigation());
}

TEST_F(StringGridTest, TheCellsTextsAreReadableThroughTheAccessibleTable) {
  grid.SetRowCommaText(0, "枠,馬,出走馬名");
  grid.SetCell(2, 7, "ウマ");
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view());
  ASSERT_NE(table, nullptr);
  QAccessibleTableInterface* cells = table->tableInterface();
  ASSERT_NE(cells, nullptr);
  EXPECT_EQ(cells->rowCount(), 19);
  EXPECT_EQ(cells->columnCount(), 19);
  auto text = [&](int col, int row) {
    QAccessibleInterface* cell = cells->cellAt(row, col);
    return cell ? cell->text(QAccessible::Name) : QStringLiteral("<no cell>");
  };
  EXPECT_EQ(text(2, 0), QStringLiteral("出走馬名"));
  EXPECT_EQ(text(2, 7), QStringLiteral("ウマ"));
  grid.SetCell(2, 7, "ﾄﾘｹｼ");
  EXPECT_EQ(text(2, 7), QStringLiteral("ﾄﾘｹｼ"));
  grid.SetTexts(base::TextGrid(19, 19, "9.9"));
  EXPECT_EQ(text(18, 18), QStringLiteral("9.9"));
}

}  // namespace
