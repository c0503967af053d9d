#include "ui/string_grid.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>
#include <exception>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "base/errors.h"
#include "ui/accessible.h"
#include "ui/application.h"
#include "ui/dispatch.h"
#include "ui/form.h"
#include "ui/input_event.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"

namespace ui {
namespace {

// The line between two cells; Qt counts it in the section size, the grid's widths do not.
constexpr int kGridLine = 1;
// Where a cell's text starts, from the cell's top-left corner.
constexpr int kTextOffset = 2;

}  // namespace

namespace internal {

// The grid's texts for the view, with each cell's text converted for Qt once and kept
// until the cell changes.
class GridModel : public QAbstractTableModel {
 public:
  explicit GridModel(QObject* parent) : QAbstractTableModel(parent) {}

  const base::TextGrid& texts() const { return texts_; }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : texts_.RowCount();
  }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : texts_.ColCount();
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return Text(index.column(), index.row());
  }
  Qt::ItemFlags flags(const QModelIndex& index) const override {
    if (!index.isValid()) return Qt::NoItemFlags;
    // The header row is read and drawn but never selected.
    return index.row() == 0 ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  }

  // A cell's text for Qt, and as laid out for drawing (laid out once, at its first drawing,
  // and kept until the text changes: the grid draws hundreds of cells at each change).
  struct CellText {
    QString text;
    QStaticText shaped;
    bool blank = true;  // nothing to draw
  };
  const CellText& Cached(int col, int row) const {
    std::optional<CellText>& cached = cache_[row][col];
    if (!cached) {
      cached.emplace();
      cached->text = internal::ToQt(texts_.RowTexts(row)[col]);
      QString line = cached->text;
      for (QChar& c : line) {
        if (c.unicode() < 0x20) c = u' ';  // one line, as the grid draws its cells
      }
      cached->blank = line.trimmed().isEmpty();
      cached->shaped.setText(line);
      cached->shaped.setTextFormat(Qt::PlainText);
    }
    return *cached;
  }
  const QString& Text(int col, int row) const { return Cached(col, row).text; }

  void SetCell(int col, int row, std::string_view text) {
    if (texts_.Cell(col, row) == text) return;
    texts_.SetCell(col, row, text);
    cache_[row][col].reset();
    QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::DisplayRole});
  }

  // Replaces every text; cells whose text stays keep their converted text. The same texts
  // again change nothing, so nothing is drawn anew.
  void Replace(base::TextGrid texts) {
    if (texts == texts_) return;
    Resize(texts.ColCount(), texts.RowCount());
    for (int r = 0; r < texts.RowCount(); ++r) {
      const std::vector<std::string>& now = texts_.RowTexts(r);
      const std::vector<std::string>& next = texts.RowTexts(r);
      for (int c = 0; c < texts.ColCount(); ++c) {
        if (now[c] != next[c]) cache_[r][c].reset();
      }
    }
    texts_ = std::move(texts);
    ChangedAll();
  }

  // Runs `change` on a copy of the texts, then takes the copy (nothing changes when
  // `change` throws).
  template <typename Change>
  void Edit(Change&& change) {
    base::TextGrid next = texts_;
    change(next);
    Replace(std::move(next));
  }

  void Resize(int cols, int rows) {
    cols = std::max(cols, 0);
    rows = std::max(rows, 0);
    if (cols < texts_.ColCount()) {
      beginRemoveColumns({}, cols, texts_.ColCount() - 1);
      SetSize(cols, texts_.RowCount());
      endRemoveColumns();
    } else if (cols > texts_.ColCount()) {
      beginInsertColumns({}, texts_.ColCount(), cols - 1);
      SetSize(cols, texts_.RowCount());
      endInsertColumns();
    }
    if (rows < texts_.RowCount()) {
      beginRemoveRows({}, rows, texts_.RowCount() - 1);
      SetSize(texts_.ColCount(), rows);
      endRemoveRows();
    } else if (rows > texts_.RowCount()) {
      beginInsertRows({}, texts_.RowCount(), rows - 1);
      SetSize(texts_.ColCount(), rows);
      endInsertRows();
    }
  }

 private:
  void SetSize(int cols, int rows) {
    texts_.Resize(cols, rows);
    cache_.resize(static_cast<std::size_t>(rows));
    for (auto& row : cache_) row.resize(static_cast<std::size_t>(cols));
  }
  void ChangedAll() {
    if (texts_.RowCount() == 0 || texts_.ColCount() == 0) return;
    emit dataChanged(index(0, 0), index(texts_.RowCount() - 1, texts_.ColCount() - 1),
                     {Qt::DisplayRole});
  }

  base::TextGrid texts_;
  mutable std::vector<std::vector<std::optional<CellText>>> cache_;
};

}  // namespace internal

namespace {

// Paints a cell as the grid's owner-draw callback says.
class CellPainter : public QStyledItemDelegate {
 public:
  CellPainter(StringGrid* grid, QObject* parent) : QStyledItemDelegate(parent), grid_(grid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    CellStyle style = StyleOf(index.column(), index.row());
    const QRect& cell = option.rect;
    const QRect r = cell.adjusted(0, 0, -kGridLine, -kGridLine);  // inside the grid's lines
    painter->fillRect(r, internal::ToQt(style.brush));
    const auto* model = static_cast<const internal::GridModel*>(index.model());
    const internal::GridModel::CellText& text = model->Cached(index.column(), index.row());
    if (!text.blank) {
      DrawText(painter, r, option.font, style, text.shaped,
               index.column() == model->texts().ColCount() - 1);
    }
    // The view draws no grid of its own (its line drawing costs more than all the cells'
    // fills): each cell draws the line at its right and bottom, after its text.
    if (!grid_line_.isValid()) {
      grid_line_ = QColor::fromRgba(static_cast<QRgb>(option.widget->style()->styleHint(
          QStyle::SH_Table_GridLineColor, &option, option.widget)));
    }
    painter->fillRect(r.right() + 1, cell.top(), kGridLine, cell.height(), grid_line_);
    painter->fillRect(cell.left(), r.bottom() + 1, r.width(), kGridLine, grid_line_);
    if (option.state.testFlag(QStyle::State_HasFocus)) {
      QStyleOptionFocusRect focus;
      focus.QStyleOption::operator=(option);
      focus.rect = r;
      focus.backgroundColor = internal::ToQt(style.brush);
      option.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter,
                                            option.widget);
    }
  }

 private:
  // The text at left + 2, top + 2 of the cell's area `r` in the cell's font colour and
  // font. The view draws the cells row by row from the left, so what a text lets run over
  // its cell is covered by its lines or by the fill of the cell drawn next; only the last
  // column has nothing drawn after it and is cut at its edges. (A save, a clip and a restore of the
  // painter for every cell would cost more than the cell's drawing.)
  void DrawText(QPainter* painter, const QRect& r, const QFont& grid_font, const CellStyle& style,
                const QStaticText& text, bool last_column) const {
    const bool other_font = !style.font_name.empty();
    if (last_column) {
      painter->save();
      painter->setClipRect(r);
    }
    painter->setPen(internal::ToQt(style.font));
    if (other_font) painter->setFont(FontOf(style.font_name, grid_font));
    painter->drawStaticText(r.left() + kTextOffset, r.top() + kTextOffset, text);
    if (other_font) painter->setFont(grid_font);
    if (last_column) painter->restore();
  }

  // An error of the callback cannot be shown inside a paint: the cell is drawn plain and
  // the error shown once, from the message loop.
  CellStyle StyleOf(int col, int row) const {
    if (!grid_->on_draw_cell) return CellStyle{};
    try {
      return grid_->on_draw_cell(col, row);
    } catch (const std::exception& e) {
      ReportLater(e.what());
    } catch (...) {
      ReportLater("An unknown error occurred");
    }
    return CellStyle{};
  }

  void ReportLater(const std::string& error) const {
    if (*error_pending_) return;
    *error_pending_ = true;
    Post([pending = error_pending_, error] {
      *pending = false;
      ShowError(error);
    });
  }

  QFont FontOf(const std::string& name, const QFont& grid_font) const {
    if (name.empty()) return grid_font;
    auto it = families_.find(name);
    if (it == families_.end()) it = families_.emplace(name, internal::ToQt(name)).first;
    QFont font = grid_font;
    font.setFamily(it->second);
    return font;
  }

  StringGrid* grid_;
  mutable QColor grid_line_;  // the style's colour of a table's grid lines
  mutable std::map<std::string, QString> families_;
  std::shared_ptr<bool> error_pending_ = std::make_shared<bool>(false);
};

// The table view: clicks and keyboard moves run the grid's click handler; the header row
// never becomes current. A cell chosen through the accessible interface is clicked
// (accessible.h), with the keys held now.
class GridView : public QTableView, public internal::AccessibleParts {
 public:
  GridView(StringGrid* grid, QWidget* parent) : QTableView(parent), grid_(grid) {}

  QAccessibleInterface* NewAccessible(QObject* part) override {
    if (part != this) return nullptr;
    return internal::NewGridAccessible(
        this, [grid = grid_](int col, int row) { grid->ClickCell(col, row, HeldModifiers()); });
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    QModelIndex hit = indexAt(event->position().toPoint());
    if (hit.isValid() && hit.row() == 0) {
      event->accept();
      return;
    }
    QTableView::mousePressEvent(event);
    if (hit.isValid() && event->button() == Qt::LeftButton) {
      internal::InputEventScope scope(event->modifiers());
      RunHandler(grid_->on_click);
    }
  }

  void keyPressEvent(QKeyEvent* event) override {
    QModelIndex before = currentIndex();
    QTableView::keyPressEvent(event);
    if (currentIndex() != before) {
      internal::InputEventScope scope(event->modifiers());
      RunHandler(grid_->on_click);
    }
  }

  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
    QModelIndex next = QTableView::moveCursor(action, modifiers);
    if (next.isValid() && next.row() == 0 && model()->rowCount() > 1) {
      next = model()->index(1, next.column());
    }
    return next;
  }

 private:
  StringGrid* grid_;
};

GridView* ViewOf(const Control& c) { return static_cast<GridView*>(c.widget()); }

}  // namespace

StringGrid::StringGrid(Container& parent)
    : Control(parent, new GridView(this, parent.client_widget())) {
  GridView* view = ViewOf(*this);
  model_ = new internal::GridModel(view);
  view->setModel(model_);
  view->setItemDelegate(new CellPainter(this, view));
  view->horizontalHeader()->hide();
  view->verticalHeader()->hide();
  for (QHeaderView* header : {view->horizontalHeader(), view->verticalHeader()}) {
    header->setMinimumSectionSize(1);
    header->setSectionResizeMode(QHeaderView::Fixed);
  }
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setSelectionBehavior(QAbstractItemView::SelectItems);
  view->setTabKeyNavigation(false);
  view->setWordWrap(false);
  view->setShowGrid(false);  // the cells draw the grid's lines
  SetDefaultColWidth(64);
  SetDefaultRowHeight(24);
  SetColCount(5);
  SetRowCount(5);
}

StringGrid::~StringGrid() = default;

namespace {

// The current cell stays put while it is inside the grid; else column 0 of the first row
// under the header.
void KeepCurrentCell(QTableView* view) {
  QAbstractItemModel* model = view->model();
  QModelIndex current = view->currentIndex();
  if (current.isValid() && (current.row() > 0 || model->rowCount() == 1)) return;
  int row = model->rowCount() > 1 ? 1 : 0;
  QModelIndex first = model->index(row, 0);
  if (first.isValid()) {
    view->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
  }
}

}  // namespace

void StringGrid::SetColCount(int cols) {
  model_->Resize(cols, model_->texts().RowCount());
  KeepCurrentCell(ViewOf(*this));
}

int StringGrid::ColCount() const { return model_->texts().ColCount(); }

void StringGrid::SetRowCount(int rows) {
  model_->Resize(model_->texts().ColCount(), rows);
  KeepCurrentCell(ViewOf(*this));
}

int StringGrid::RowCount() const { return model_->texts().RowCount(); }

void StringGrid::SetDefaultColWidth(int width) {
  QHeaderView* header = ViewOf(*this)->horizontalHeader();
  header->setDefaultSectionSize(width + kGridLine);
  for (int c = 0; c < header->count(); ++c) header->resizeSection(c, width + kGridLine);
}

void StringGrid::SetColWidth(int col, int width) {
  if (col < 0 || col >= ColCount()) throw base::IndexOutOfBounds(col);
  ViewOf(*this)->horizontalHeader()->resizeSection(col, width + kGridLine);
}

int StringGrid::ColWidth(int col) const {
  if (col < 0 || col >= ColCount()) throw base::IndexOutOfBounds(col);
  return ViewOf(*this)->horizontalHeader()->sectionSize(col) - kGridLine;
}

void StringGrid::SetDefaultRowHeight(int height) {
  QHeaderView* header = ViewOf(*this)->verticalHeader();
  header->setDefaultSectionSize(height + kGridLine);
  for (int r = 0; r < header->count(); ++r) header->resizeSection(r, height + kGridLine);
}

int StringGrid::RowHeight(int row) const {
  if (row < 0 || row >= RowCount()) throw base::IndexOutOfBounds(row);
  return ViewOf(*this)->verticalHeader()->sectionSize(row) - kGridLine;
}

void StringGrid::SetTabStop(bool tab_stop) {
  ViewOf(*this)->setFocusPolicy(tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
}

const base::TextGrid& StringGrid::Texts() const { return model_->texts(); }

void StringGrid::SetTexts(base::TextGrid texts) {
  model_->Replace(std::move(texts));
  KeepCurrentCell(ViewOf(*this));
}

const std::string& StringGrid::Cell(int col, int row) const {
  return model_->texts().Cell(col, row);
}

void StringGrid::SetCell(int col, int row, std::string_view text) {
  model_->SetCell(col, row, text);
}

void StringGrid::SetColumnCommaText(int col, std::string_view comma_text) {
  model_->Edit([&](base::TextGrid& t) { t.SetColumnCommaText(col, comma_text); });
}

void StringGrid::SetRowCommaText(int row, std::string_view comma_text) {
  model_->Edit([&](base::TextGrid& t) { t.SetRowCommaText(row, comma_text); });
}

int StringGrid::Row() const {
  QModelIndex current = ViewOf(*this)->currentIndex();
  return current.isValid() ? current.row() : 0;
}

int StringGrid::Col() const {
  QModelIndex current = ViewOf(*this)->currentIndex();
  return current.isValid() ? current.column() : 0;
}

void StringGrid::Repaint() { ViewOf(*this)->viewport()->update(); }

void StringGrid::ClickCell(int col, int row, KeyModifiers modifiers) {
  model_->texts().Cell(col, row);  // throws for a cell outside the grid
  if (!Usable()) return;
  GridView* view = ViewOf(*this);
  QModelIndex index = model_->index(row, col);
  view->scrollTo(index);
  QPoint at = view->visualRect(index).center();
  QPoint global = view->viewport()->mapToGlobal(at);
  Qt::KeyboardModifiers keys = internal::ToQt(modifiers);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, keys);
  QCoreApplication::sendEvent(view->viewport(), &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, keys);
  QCoreApplication::sendEvent(view->viewport(), &release);
}

}  // namespace ui
