// The accessible interface of a grid's table view: its cells are read as Qt reads a
// table's cells, and a cell pressed, toggled or selected is clicked.
#include <QAccessibleWidget>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <functional>
#include <map>
#include <utility>

#include "ui/accessible.h"

namespace ui::internal {
namespace {

class GridTable;

// A child of the table at its place: a cell (row and column from 0), a place of the
// header row (row -1) or of the header column (column -1), or the corner (both -1). The
// header places are there though the headers are hidden: the view's own accessibility
// events count them in the children's indexes.
class GridChild : public AccessibleItem, public QAccessibleTableCellInterface {
 public:
  GridChild(GridTable* table, int row, int col) : table_(table), row_(row), col_(col) {}

  bool isValid() const override;
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType t) override;

  // Where a cell is.
  bool isSelected() const override;
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override;
  int columnIndex() const override { return col_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override;

  // A cell that can be selected offers press and toggle, both a click.
  QStringList actionNames() const override;
  void doAction(const QString& action) override;

  int row() const { return row_; }
  int col() const { return col_; }
  const GridTable* owner() const { return table_; }

 private:
  bool IsCell() const { return row_ >= 0 && col_ >= 0; }
  QHeaderView* Header() const;
  QModelIndex Index() const;

  GridTable* table_;
  int row_;
  int col_;
};

class GridTable : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  GridTable(QTableView* view, std::function<void(int col, int row)> click)
      : QAccessibleWidget(view, QAccessible::Table), click_(std::move(click)) {}
  ~GridTable() override {
    for (const auto& [place, id] : children_) QAccessible::deleteAccessibleInterface(id);
  }

  QTableView* view() const { return static_cast<QTableView*>(widget()); }
  int Rows() const { return Model() ? Model()->rowCount(view()->rootIndex()) : 0; }
  int Cols() const { return Model() ? Model()->columnCount(view()->rootIndex()) : 0; }
  QModelIndex Index(int row, int col) const {
    return Model() ? Model()->index(row, col, view()->rootIndex()) : QModelIndex();
  }
  static bool Selectable(const QModelIndex& index) {
    return index.isValid() && index.flags().testFlag(Qt::ItemIsSelectable);
  }
  bool IsSelected(const QModelIndex& index) const {
    return index.isValid() && view()->selectionModel() &&
           view()->selectionModel()->isSelected(index);
  }

  // The child at the place, made when first asked for; the cache holds it.
  QAccessibleInterface* Child(int row, int col) const {
    QAccessible::Id& id = children_[{row, col}];
    QAccessibleInterface* child = QAccessible::accessibleInterface(id);
    if (!child) {
      child = new GridChild(const_cast<GridTable*>(this), row, col);
      id = QAccessible::registerAccessibleInterface(child);
    }
    return child;
  }

  // The user's click on the cell, posted (accessible.h). True when the click is taken:
  // the cell can be selected and a user could click it now.
  bool Click(int row, int col) {
    if (!Selectable(Index(row, col)) || !TakesUserInput(view())) return false;
    PostUserInput(view(), [view = view(), click = click_, row, col] {
      const QModelIndex index =
          view->model() ? view->model()->index(row, col, view->rootIndex()) : QModelIndex();
      if (Selectable(index)) click(col, row);
    });
    return true;
  }

  // The children: row by row, each row after its header place, after the header row.
  int childCount() const override { return (Rows() + 1) * (Cols() + 1); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    return Child(index / (Cols() + 1) - 1, index % (Cols() + 1) - 1);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    auto* place = dynamic_cast<const GridChild*>(child);
    if (!place || place->owner() != this || !place->isValid()) return -1;
    return (place->row() + 1) * (Cols() + 1) + place->col() + 1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    QWidget* viewport = view()->viewport();
    QPoint at = viewport->mapFromGlobal(QPoint(x, y));
    if (!viewport->rect().contains(at)) return nullptr;
    QModelIndex index = view()->indexAt(at);
    return index.isValid() ? Child(index.row(), index.column()) : nullptr;
  }
  // The current cell, as for a table of Qt's.
  QAccessibleInterface* focusChild() const override {
    QModelIndex current = view()->currentIndex();
    return current.isValid() ? Child(current.row(), current.column()) : nullptr;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  // The table.
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int col) const override {
    return Index(row, col).isValid() ? Child(row, col) : nullptr;
  }
  int columnCount() const override { return Cols(); }
  int rowCount() const override { return Rows(); }
  QString columnDescription(int col) const override { return HeaderText(Qt::Horizontal, col); }
  QString rowDescription(int row) const override { return HeaderText(Qt::Vertical, row); }
  QString HeaderText(Qt::Orientation orientation, int section) const {
    return Model() ? Model()->headerData(section, orientation).toString() : QString();
  }

  // The selection. A row or column of one cell is that cell, chosen as clicked. The
  // selection is the current cell, which a click can move but never clear: longer rows
  // and columns are not selected whole, nor anything unselected.
  int selectedCellCount() const override { return static_cast<int>(SelectedIndexes().size()); }
  QList<QAccessibleInterface*> selectedCells() const override {
    QList<QAccessibleInterface*> cells;
    for (const QModelIndex& i : SelectedIndexes()) cells << Child(i.row(), i.column());
    return cells;
  }
  int selectedColumnCount() const override { return static_cast<int>(selectedColumns().size()); }
  int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
  QList<int> selectedColumns() const override {
    QList<int> cols;
    if (auto* s = view()->selectionModel()) {
      for (const QModelIndex& i : s->selectedColumns()) cols << i.column();
    }
    return cols;
  }
  QList<int> selectedRows() const override {
    QList<int> rows;
    if (auto* s = view()->selectionModel()) {
      for (const QModelIndex& i : s->selectedRows()) rows << i.row();
    }
    return rows;
  }
  bool isColumnSelected(int col) const override {
    auto* s = view()->selectionModel();
    return s && s->isColumnSelected(col, view()->rootIndex());
  }
  bool isRowSelected(int row) const override {
    auto* s = view()->selectionModel();
    return s && s->isRowSelected(row, view()->rootIndex());
  }
  bool selectRow(int row) override { return Cols() == 1 && Click(row, 0); }
  bool selectColumn(int col) override { return Rows() == 1 && Click(0, col); }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  // The children are addressed by place: a change of the model leaves them as they are.
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  QAbstractItemModel* Model() const { return view()->model(); }
  QModelIndexList SelectedIndexes() const {
    return view()->selectionModel() ? view()->selectionModel()->selectedIndexes()
                                    : QModelIndexList();
  }

  std::function<void(int col, int row)> click_;
  mutable std::map<std::pair<int, int>, QAccessible::Id> children_;
};

bool GridChild::isValid() const {
  return table_->isValid() && row_ < table_->Rows() && col_ < table_->Cols();
}

QWindow* GridChild::window() const { return table_->window(); }

QAccessibleInterface* GridChild::parent() const { return table_; }

QAccessibleInterface* GridChild::table() const { return table_; }

QModelIndex GridChild::Index() const { return table_->Index(row_, col_); }

QHeaderView* GridChild::Header() const {
  if (row_ < 0 && col_ >= 0) return table_->view()->horizontalHeader();
  if (col_ < 0 && row_ >= 0) return table_->view()->verticalHeader();
  return nullptr;
}

QAccessible::Role GridChild::role() const {
  if (IsCell()) return QAccessible::Cell;
  if (row_ < 0 && col_ < 0) return QAccessible::Pane;
  return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::RowHeader;
}

QString GridChild::text(QAccessible::Text t) const {
  if (!isValid()) return {};
  if (!IsCell()) {
    QHeaderView* header = Header();
    return t == QAccessible::Name && header
               ? table_->HeaderText(header->orientation(), row_ < 0 ? col_ : row_)
               : QString();
  }
  QModelIndex index = Index();
  if (t == QAccessible::Name) {
    QString name = index.data(Qt::AccessibleTextRole).toString();
    return name.isEmpty() ? index.data(Qt::DisplayRole).toString() : name;
  }
  if (t == QAccessible::Description) return index.data(Qt::AccessibleDescriptionRole).toString();
  return {};
}

QRect GridChild::rect() const {
  if (!isValid()) return {};
  QTableView* view = table_->view();
  if (IsCell()) {
    QRect r = view->visualRect(Index());
    return QRect(view->viewport()->mapToGlobal(r.topLeft()), r.size());
  }
  QHeaderView* header = Header();
  if (!header || header->isHidden()) return {};
  const int section = row_ < 0 ? col_ : row_;
  const int from = header->sectionViewportPosition(section);
  const int size = header->sectionSize(section);
  QRect r = header->orientation() == Qt::Horizontal ? QRect(from, 0, size, header->height())
                                                    : QRect(0, from, header->width(), size);
  return QRect(header->viewport()->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State GridChild::state() const {
  QAccessible::State s;
  if (!isValid()) {
    s.invalid = true;
    return s;
  }
  QTableView* view = table_->view();
  s.disabled = !view->isEnabled();
  if (!IsCell()) {
    s.invisible = !Header() || Header()->isHidden();
    return s;
  }
  QRect shown(view->mapToGlobal(QPoint(0, 0)), view->size());
  s.invisible = !shown.intersects(rect());
  s.selected = isSelected();
  s.focused = view->currentIndex() == Index();
  if (table_->Selectable(Index())) {
    s.selectable = true;
    s.focusable = true;
  }
  return s;
}

void* GridChild::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::TableCellInterface && IsCell()) {
    return static_cast<QAccessibleTableCellInterface*>(this);
  }
  return AccessibleItem::interface_cast(t);
}

bool GridChild::isSelected() const { return isValid() && table_->IsSelected(Index()); }

QList<QAccessibleInterface*> GridChild::columnHeaderCells() const {
  if (!IsCell()) return {};
  return {table_->Child(-1, col_)};
}

QList<QAccessibleInterface*> GridChild::rowHeaderCells() const {
  if (!IsCell()) return {};
  return {table_->Child(row_, -1)};
}

QStringList GridChild::actionNames() const {
  if (!isValid() || !table_->view()->isEnabled() || !table_->Selectable(Index())) return {};
  return {pressAction(), toggleAction()};
}

void GridChild::doAction(const QString& action) {
  if ((action == pressAction() || action == toggleAction()) && isValid()) {
    table_->Click(row_, col_);
  }
}

}  // namespace

QAccessibleInterface* NewGridAccessible(QTableView* view,
                                        std::function<void(int col, int row)> click) {
  return new GridTable(view, std::move(click));
}

}  // namespace ui::internal
