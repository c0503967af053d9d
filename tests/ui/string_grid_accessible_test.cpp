// A string grid driven as an assistive tool drives it: through Qt's accessibility
// interface, in-process.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTableCellInterface>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QDialog>
#include <QItemSelectionModel>
#include <QTableView>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/accessible.h"
#include "ui/form.h"
#include "ui/string_grid.h"

namespace {

using Cell = std::pair<int, int>;  // column, row

const QString kPress = QAccessibleActionInterface::pressAction();
const QString kToggle = QAccessibleActionInterface::toggleAction();

// A grid larger than its window, so that some of its cells lie outside the view. Every run
// of the click handler logs the current cell.
class GridAccessibleTest : public ::testing::Test {
 protected:
  GridAccessibleTest() {
    form.SetClientSize(300, 200);
    grid.SetBounds(0, 0, 300, 200);
    grid.SetColCount(12);
    grid.SetRowCount(20);
    grid.on_click = [this] { clicks.push_back({grid.Col(), grid.Row()}); };
  }

  QAccessibleInterface* Table() const { return testsupport::AccessibleOf(grid); }
  QAccessibleTableInterface* Cells() const { return Table()->tableInterface(); }
  QAccessibleInterface* CellAt(int col, int row) const {
    return testsupport::GridCell(grid, col, row);
  }
  // The selected cells.
  std::vector<Cell> Selected() const {
    std::vector<Cell> cells;
    auto* view = static_cast<QTableView*>(grid.widget());
    for (const QModelIndex& i : view->selectionModel()->selectedIndexes()) {
      cells.push_back({i.column(), i.row()});
    }
    return cells;
  }
  Cell Current() const { return {grid.Col(), grid.Row()}; }

  ui::Form form;
  ui::StringGrid grid{form};
  std::vector<Cell> clicks;
};

TEST_F(GridAccessibleTest, ACellPressedOrToggledDoesWhatAClickDoes) {
  struct Case {
    QString action;
    Cell cell;
  };
  const std::vector<Case> cases = {
      {kPress, {3, 5}},
      {kToggle, {3, 5}},    // the current cell again: a click runs the handler again
      {kToggle, {11, 19}},  // outside the view: scrolled into it, as a click needs
      {kPress, {0, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.action.toStdString() + " on " + std::to_string(c.cell.first) + "," +
                 std::to_string(c.cell.second));
    clicks.clear();
    testsupport::DoAction(CellAt(c.cell.first, c.cell.second), c.action);
    EXPECT_EQ(clicks, std::vector<Cell>{c.cell});  // once, with the cell already current
    EXPECT_EQ(Current(), c.cell);
    EXPECT_EQ(Selected(), std::vector<Cell>{c.cell});
    QAccessible::State state = CellAt(c.cell.first, c.cell.second)->state();
    EXPECT_TRUE(state.selected);
    EXPECT_TRUE(state.focused);
    EXPECT_FALSE(state.invisible);
  }
}

TEST_F(GridAccessibleTest, AHeaderRowCellOffersNoChoiceAndTakesNone) {
  grid.ClickCell(2, 4);
  clicks.clear();
  QAccessibleInterface* header = CellAt(2, 0);
  ASSERT_NE(header, nullptr);
  ASSERT_NE(header->actionInterface(), nullptr);
  EXPECT_TRUE(header->actionInterface()->actionNames().isEmpty());
  for (const QString& action : {kPress, kToggle}) header->actionInterface()->doAction(action);
  ui::ProcessMessages();
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(Current(), (Cell{2, 4}));
  EXPECT_EQ(Selected(), (std::vector<Cell>{{2, 4}}));
}

TEST_F(GridAccessibleTest, ADisabledOrBlockedGridTakesNoChoice) {
  std::unique_ptr<QDialog> box;
  struct Case {
    std::string what;
    std::function<void()> block;
    std::function<void()> unblock;
    bool disabled;  // the cells read as disabled and offer no action
  };
  const std::vector<Case> cases = {
      {"grid disabled", [&] { grid.SetEnabled(false); }, [&] { grid.SetEnabled(true); }, true},
      {"window disabled", [&] { form.SetEnabled(false); }, [&] { form.SetEnabled(true); }, true},
      {"modal box open",
       [&] {
         box = std::make_unique<QDialog>(form.widget());
         box->setWindowModality(Qt::ApplicationModal);
         box->show();
         ASSERT_EQ(QApplication::activeModalWidget(), box.get());
       },
       [&] { box.reset(); }, false},
  };
  form.Show();
  int row = 2;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Cell before = Current();
    const Cell cell{4, ++row};
    clicks.clear();
    c.block();
    QAccessibleActionInterface* actions = CellAt(cell.first, cell.second)->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->actionNames().isEmpty(), c.disabled);
    EXPECT_EQ(CellAt(cell.first, cell.second)->state().disabled, c.disabled);
    for (const QString& action : {kPress, kToggle}) actions->doAction(action);
    ui::ProcessMessages();
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(Current(), before);
    EXPECT_FALSE(CellAt(cell.first, cell.second)->state().selected);

    c.unblock();  // what blocked it was the only reason
    testsupport::DoAction(CellAt(cell.first, cell.second), kPress);
    EXPECT_EQ(clicks, std::vector<Cell>{cell});
  }
}

TEST_F(GridAccessibleTest, ARowOrColumnIsChosenOnlyWhenItIsOneCell) {
  // Rows and columns of many cells cannot be selected whole, nor the current cell left
  // without a selection: a click does neither.
  EXPECT_FALSE(Cells()->selectRow(5));
  EXPECT_FALSE(Cells()->selectColumn(3));
  ui::ProcessMessages();
  EXPECT_TRUE(clicks.empty());
  EXPECT_TRUE(Selected().empty());
  grid.ClickCell(2, 3);
  EXPECT_FALSE(Cells()->unselectRow(3));
  EXPECT_FALSE(Cells()->unselectColumn(2));
  EXPECT_EQ(Selected(), (std::vector<Cell>{{2, 3}}));

  // A row of one cell is that cell, chosen as clicked; the header row takes nothing.
  grid.SetColCount(1);
  clicks.clear();
  EXPECT_TRUE(Cells()->selectRow(7));
  EXPECT_FALSE(Cells()->selectRow(0));
  EXPECT_FALSE(Cells()->selectRow(20));
  ui::ProcessMessages();
  EXPECT_EQ(clicks, (std::vector<Cell>{{0, 7}}));
  EXPECT_EQ(Selected(), (std::vector<Cell>{{0, 7}}));
  EXPECT_TRUE(Cells()->isRowSelected(7));
  EXPECT_EQ(Cells()->selectedRows(), QList<int>{7});
}

// The table's children keep the places that the view's own accessibility events give them:
// the hidden header row and header column count, row by row.
TEST_F(GridAccessibleTest, CellsAreFoundByTheirPlacesAndTheCurrentCellHasTheFocus) {
  form.Show();
  const int cols = grid.ColCount();
  EXPECT_EQ(Table()->childCount(), (grid.RowCount() + 1) * (cols + 1));
  for (Cell place : std::vector<Cell>{{0, 0}, {0, 1}, {5, 2}, {11, 19}}) {
    SCOPED_TRACE(std::to_string(place.first) + "," + std::to_string(place.second));
    QAccessibleInterface* cell = CellAt(place.first, place.second);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->parent(), Table());
    const int index = Table()->indexOfChild(cell);
    EXPECT_EQ(index, (place.second + 1) * (cols + 1) + place.first + 1);
    EXPECT_EQ(Table()->child(index), cell);
    QAccessibleTableCellInterface* where = cell->tableCellInterface();
    ASSERT_NE(where, nullptr);
    EXPECT_EQ(where->columnIndex(), place.first);
    EXPECT_EQ(where->rowIndex(), place.second);
    EXPECT_EQ(where->table(), Table());
    ASSERT_EQ(where->rowHeaderCells().size(), 1);
    EXPECT_EQ(where->rowHeaderCells()[0]->role(), QAccessible::RowHeader);
    EXPECT_EQ(Table()->indexOfChild(where->columnHeaderCells()[0]), place.first + 1);
  }
  QAccessibleInterface* visible = CellAt(2, 2);
  EXPECT_EQ(Table()->childAt(visible->rect().center().x(), visible->rect().center().y()), visible);
  EXPECT_TRUE(CellAt(11, 19)->state().invisible);

  grid.ClickCell(2, 2);
  EXPECT_EQ(Table()->focusChild(), visible);
  EXPECT_EQ(Cells()->selectedCells(), QList<QAccessibleInterface*>{visible});

  QAccessibleInterface* last = CellAt(11, 19);
  grid.SetRowCount(10);
  EXPECT_FALSE(last->isValid());
  EXPECT_EQ(CellAt(11, 19), nullptr);
  EXPECT_EQ(Table()->childCount(), 11 * (cols + 1));
}

}  // namespace
