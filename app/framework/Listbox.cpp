#include "app/framework/Listbox.h"

#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>

#include "app/framework/BlockReader.h"
#include "app/framework/BlockStyle.h"
#include "app/framework/Window.h"

namespace fw {

namespace {

constexpr Qt::ItemFlags kPlainCell = Qt::ItemIsEnabled | Qt::ItemIsSelectable;

// The table widget, keeping its column widths to the written proportions.
class ListWidget : public QTableWidget {
 public:
  ListWidget(QWidget* parent, std::function<void()> onResize)
      : QTableWidget(parent), onResize_(std::move(onResize)) {}

  // Closes an open cell editor without storing what it holds.
  void CancelEdit() {
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex()))
      closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QTableWidget::resizeEvent(event);
    onResize_();
  }

 private:
  std::function<void()> onResize_;
};

// Turns a press on a cell into CellClick before the view handles it.
class CellClickFilter : public QObject {
 public:
  CellClickFilter(QTableWidget* table, std::function<bool(int, int, int, int)> handler)
      : QObject(table), table_(table), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonPress) return false;
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    const QModelIndex index = table_->indexAt(at);
    if (!index.isValid()) return false;
    const QRect cell = table_->visualRect(index);
    return handler_(index.row(), index.column(), at.x() - cell.x(), at.y() - cell.y());
  }

 private:
  QTableWidget* table_;
  std::function<bool(int, int, int, int)> handler_;
};

}  // namespace

std::vector<int> ColumnWidthsFor(const QString& widthsText, int columns, int width) {
  std::vector<int> widths(static_cast<std::size_t>(std::max(columns, 0)), -1);
  const QStringList parts =
      widthsText.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts);
  int used = 0, open = 0;
  for (int c = 0; c < columns; ++c) {
    const auto i = static_cast<std::size_t>(c);
    if (c >= parts.size() || parts[c] == QLatin1String("*")) {
      ++open;
      continue;
    }
    QString part = parts[c];
    const bool percent = part.endsWith(QLatin1Char('%'));
    if (percent) part.chop(1);
    bool ok = false;
    const double v = part.toDouble(&ok);
    if (!ok) {
      ++open;
      continue;
    }
    widths[i] = percent ? static_cast<int>(v * width / 100.0) : static_cast<int>(v);
    used += widths[i];
  }
  // Columns without a width share what is left.
  const int rest = open > 0 ? std::max(0, width - used) / open : 0;
  for (int& w : widths)
    if (w < 0) w = rest;
  return widths;
}

QTableWidget* Listbox::Table() const { return static_cast<QTableWidget*>(Widget()); }

int Listbox::ColumnCount() const { return Table()->columnCount(); }
int Listbox::ListCount() const { return Table()->rowCount(); }

// A cell still being edited goes with its row, and so does an edit asked
// for but not yet opened: the rows that come next are others.
void Listbox::DeleteAllRows() {
  static_cast<ListWidget*>(Table())->CancelEdit();
  ++rowsGeneration_;
  const QSignalBlocker quiet(Table());
  Table()->setRowCount(0);
  lastIndex_ = -1;
}

void Listbox::AddRow(const QString& text) {
  QTableWidget* table = Table();
  const QSignalBlocker quiet(table);
  const int row = table->rowCount();
  table->insertRow(row);
  for (int c = 0; c < table->columnCount(); ++c) {
    auto* item = new QTableWidgetItem(c == 0 ? text : QString());
    item->setFlags(kPlainCell);
    table->setItem(row, c, item);
  }
  lastIndex_ = row;
}

QTableWidgetItem* Listbox::ItemAt(int row, int column) const {
  QTableWidgetItem* item = Table()->item(row, column);
  if (!item)
    throw NilObjectException("list " + Name().toStdString() + " has no cell " +
                             std::to_string(row) + ", " + std::to_string(column));
  return item;
}

QString Listbox::Cell(int row, int column) const { return ItemAt(row, column)->text(); }

void Listbox::SetCell(int row, int column, const QString& text) {
  QTableWidgetItem* item = ItemAt(row, column);
  const QSignalBlocker quiet(Table());
  item->setText(text);
}

QString Listbox::Heading(int column) const {
  QTableWidgetItem* item = Table()->horizontalHeaderItem(column);
  return item ? item->text() : QString();
}

void Listbox::SetHeading(int column, const QString& text) {
  if (column < 0 || column >= ColumnCount())
    throw NilObjectException("list " + Name().toStdString() + " has no column " +
                             std::to_string(column));
  Table()->setHorizontalHeaderItem(column, new QTableWidgetItem(text));
}

int Listbox::CellType(int row, int column) const {
  return ItemAt(row, column)->flags().testFlag(Qt::ItemIsEditable) ? kEditable : 0;
}

void Listbox::SetCellType(int row, int column, int type) {
  QTableWidgetItem* item = ItemAt(row, column);
  const QSignalBlocker quiet(Table());
  item->setFlags(type == kEditable ? kPlainCell | Qt::ItemIsEditable : kPlainCell);
}

void Listbox::EditCell(int row, int column) {
  ItemAt(row, column);
  // Opened at once inside a click, the editor would be closed again by the
  // list's own handling of that click.
  QTableWidget* table = Table();
  QTimer::singleShot(0, table, [this, table, row, column, rows = rowsGeneration_] {
    if (rowsGeneration_ != rows) return;
    QTableWidgetItem* item = table->item(row, column);
    if (!item || !item->flags().testFlag(Qt::ItemIsEditable)) return;
    table->setCurrentItem(item);
    table->editItem(item);
  });
}

void Listbox::Connect(Event event, EventSink sink) {
  QTableWidget* table = Table();
  switch (event) {
    case Event::CellTextChange:
      // Code writes block the table's signals: what arrives here is the user's.
      QObject::connect(table, &QTableWidget::itemChanged, &Owner(),
                       [cellText = std::move(sink.cellText)](QTableWidgetItem* item) {
                         cellText(item->row(), item->column());
                       });
      return;
    case Event::CellClick:
      table->viewport()->installEventFilter(new CellClickFilter(table, std::move(sink.cellClick)));
      return;
    default: NoSuchEvent(event);
  }
}

void Listbox::ApplyColumnWidths() {
  QTableWidget* table = Table();
  const std::vector<int> widths =
      ColumnWidthsFor(columnWidths_, table->columnCount(), table->viewport()->width());
  for (std::size_t c = 0; c < widths.size(); ++c)
    table->setColumnWidth(static_cast<int>(c), widths[c]);
}

QWidget* Listbox::CreateWidget(QWidget* parent, const BlockRecords& block) {
  auto* table = new ListWidget(parent, [this] { ApplyColumnWidths(); });
  const QFont font = FontOf(block);
  table->setFont(font);
  table->setColumnCount(std::max(1, block.Integer("ColumnCount", 1)));
  columnWidths_ = TextOf(block.Text("ColumnWidths"));
  table->horizontalHeader()->setVisible(block.Flag("HasHeading"));
  table->horizontalHeader()->setStretchLastSection(false);
  table->horizontalHeader()->setSectionResizeMode(block.Flag("ColumnsResizable")
                                                      ? QHeaderView::Interactive
                                                      : QHeaderView::Fixed);
  table->verticalHeader()->setVisible(false);
  const int rowHeight = block.Integer("DefaultRowHeight", -1);
  table->verticalHeader()->setDefaultSectionSize(rowHeight > 0 ? rowHeight
                                                               : QFontMetrics(font).height() + 4);
  table->setShowGrid(block.Integer("GridLinesVertical") > 0 ||
                     block.Integer("GridLinesHorizontal") > 0);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(block.Integer("SelectionType") == 0
                              ? QAbstractItemView::SingleSelection
                              : QAbstractItemView::ExtendedSelection);
  table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  const auto policy = [&block](bool on) {
    if (!on) return Qt::ScrollBarAlwaysOff;
    return block.Flag("AutoHideScrollbars", true) ? Qt::ScrollBarAsNeeded
                                                  : Qt::ScrollBarAlwaysOn;
  };
  table->setVerticalScrollBarPolicy(policy(block.Flag("ScrollBarVertical", true)));
  table->setHorizontalScrollBarPolicy(policy(block.Flag("ScrollbarHorizontal")));
  return table;
}

}  // namespace fw
