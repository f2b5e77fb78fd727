#include "platform/controls/TDBGrid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>

#include "platform/ui/Focus.h"
#include "platform/ui/Handlers.h"
#include "platform/values/Cp1252.h"
#include "platform/values/Vb.h"

namespace platform::controls {

namespace {

using values::Currency;

bool isCurrency(const QVariant& v) { return v.metaType() == QMetaType::fromType<Currency>(); }

// What a cell shows: a number in the column's pattern, anything else as it is.
QString shown(const QVariant& v, const QString& pattern) {
    if (isCurrency(v)) {
        const Currency c = v.value<Currency>();
        return pattern.isEmpty() ? c.toString() : values::Format(c, pattern);
    }
    const QString text = v.toString();
    if (pattern.isEmpty() || values::Trim(text).isEmpty()) return text;
    if (const auto c = Currency::parse(text)) return values::Format(*c, pattern);
    return text;
}

// What the cell editor starts from: the text typed, or a written number in plain Brazilian form.
QString editText(const QVariant& v) {
    return isCurrency(v) ? values::regionalText(v.value<Currency>()) : v.toString();
}

}  // namespace

GridModel::GridModel(TDBGrid* grid) : QAbstractTableModel(grid), grid_(grid) {}

void GridModel::reset() {
    beginResetModel();
    endResetModel();
    grid_->applyColumns();
}

int GridModel::arrayRows() const { return grid_->array_ ? grid_->array_->Count(1) : 0; }

int GridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !grid_->array_) return 0;
    return arrayRows() + (grid_->allowAddNew_ ? 1 : 0);
}

int GridModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || !grid_->array_) return 0;
    int n = grid_->array_->Count(2);
    if (!grid_->captions_.isEmpty()) n = std::max(n, grid_->captions_.lastKey() + 1);
    return n;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    XArrayDB* a = grid_->array_;
    if (!a || index.row() >= arrayRows()) return {};
    const QString pattern = grid_->formats_.value(index.column());
    if (role == Qt::TextAlignmentRole)
        return pattern.isEmpty() ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    const int col = a->LowerBound(2) + index.column();
    if (col > a->UpperBound(2)) return QString();
    const QVariant& v = a->Value(a->LowerBound(1) + index.row(), col);
    return role == Qt::EditRole ? editText(v) : shown(v, pattern);
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid()) return false;
    grid_->cellEdited(index.row(), index.column(), value.toString());
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    const bool line = index.row() < arrayRows() || grid_->allowAddNew_;
    if (grid_->allowUpdate_ && line && !grid_->ColumnLocked(index.column())) f |= Qt::ItemIsEditable;
    return f;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return grid_->captions_.value(section);
    return section >= arrayRows() ? QStringLiteral("*") : QString();
}

GridView::GridView(TDBGrid* grid) : QTableView(grid), grid_(grid) {}

QWidget* GridView::openEditor() const {
    return state() == EditingState ? indexWidget(currentIndex()) : nullptr;
}

void GridView::commitOpenEditor() {
    const QPointer<QWidget> e = openEditor();
    if (!e) return;
    commitData(e);
    // AfterColUpdate may have sent the focus away, which closed the editor already.
    if (e && openEditor() == e) closeEditor(e, QAbstractItemDelegate::NoHint);
}

void GridView::revertOpenEditor() {
    if (QWidget* e = openEditor()) closeEditor(e, QAbstractItemDelegate::RevertModelCache);
}

bool GridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool opens = index.isValid() && state() != EditingState &&
                       (model()->flags(index) & Qt::ItemIsEditable) &&
                       (trigger == AllEditTriggers || (trigger & editTriggers()));
    if (!opens || index.row() < grid_->model_->arrayRows()) return QTableView::edit(index, trigger, event);
    if (!grid_->addRow()) return false;
    // BeforeInsert may have refreshed the grid: the cell is taken afresh.
    return QTableView::edit(model()->index(index.row(), index.column()), trigger, event);
}

void GridView::keyboardSearch(const QString& search) { (void)search; }

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (current.row() != previous.row()) grid_->addedRow_ = -1;
    QTableView::currentChanged(current, previous);
}

void GridView::focusInEvent(QFocusEvent* event) {
    if (!grid_->hopping_ && grid_->delivering_ == 0) grid_->stayFirstFilter();
    QTableView::focusInEvent(event);
}

TDBGrid::TDBGrid(QWidget* parent) : QWidget(parent), view_(new GridView(this)), model_(new GridModel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    view_->setModel(model_);
    view_->setShowGrid(true);
    view_->setSelectionBehavior(QAbstractItemView::SelectItems);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    view_->setTabKeyNavigation(false);
    view_->setSortingEnabled(false);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->verticalHeader()->setMinimumWidth(14);
    view_->horizontalHeader()->setStretchLastSection(true);
    setFocusProxy(view_);
    setFocusPolicy(Qt::StrongFocus);
    // A row header chooses the whole row (the view itself selects single cells only).
    connect(view_->verticalHeader(), &QHeaderView::sectionPressed, this, [this](int row) {
        view_->selectionModel()->select(model_->index(row, 0),
                                        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    });
    stayFirstFilter();
}

// The grid's keys must reach it before the program's application-wide focus rules, which would move
// the focus out of the grid on Tab and Enter: its filter is put first again whenever it takes the focus.
void TDBGrid::stayFirstFilter() {
    if (qApp) qApp->installEventFilter(this);
}

void TDBGrid::setArray(XArrayDB* array) {
    array_ = array;
    model_->reset();
}

void TDBGrid::ReBind() { Refresh(); }

void TDBGrid::Refresh() {
    const int row = Row(), col = Col();
    model_->reset();
    if (row >= 0 && row < model_->rowCount()) view_->setCurrentIndex(model_->index(row, std::max(col, 0)));
}

void TDBGrid::setAllowAddNew(bool allow) {
    allowAddNew_ = allow;
    model_->reset();
}

void TDBGrid::setColumnCaption(int col, const QString& caption) {
    captions_[col] = caption;
    model_->reset();
}

void TDBGrid::setColumnFormat(int col, const QString& pattern) {
    formats_[col] = pattern;
    model_->reset();
}

void TDBGrid::setColumnVisible(int col, bool visible) {
    hidden_[col] = !visible;
    view_->setColumnHidden(col, !visible);
}

bool TDBGrid::ColumnVisible(int col) const { return !hidden_.value(col, false); }

void TDBGrid::setColumnWidth(int col, int width) {
    widths_[col] = width;
    view_->setColumnWidth(col, width);
}

void TDBGrid::fitColumnToText(int col, const QString& widest) {
    // An item view keeps the focus frame's margin and a pixel each side of a cell's text, and a pixel
    // for the grid line.
    const int margem =
        2 * (view_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view_) + 1) + 1;
    const int texto = qCeil(QFontMetricsF(view_->font()).horizontalAdvance(widest)) + margem;
    setColumnWidth(
        col, std::max({texto, view_->horizontalHeader()->sectionSizeHint(col), view_->columnWidth(col)}));
    int largura = view_->verticalHeader()->sizeHint().width() + 2 * view_->frameWidth() +
                  view_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < model_->columnCount(); ++c)
        if (!view_->isColumnHidden(c)) largura += view_->columnWidth(c);
    setMinimumWidth(std::max(minimumWidth(), largura));
}

void TDBGrid::applyColumns() {
    for (auto it = widths_.cbegin(); it != widths_.cend(); ++it) view_->setColumnWidth(it.key(), it.value());
    for (auto it = hidden_.cbegin(); it != hidden_.cend(); ++it) view_->setColumnHidden(it.key(), it.value());
}

int TDBGrid::Row() const {
    if (committing_.isValid()) return committing_.row();
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TDBGrid::setRow(int row) { view_->setCurrentIndex(model_->index(row, std::max(Col(), firstVisible()))); }

int TDBGrid::Col() const {
    if (committing_.isValid()) return committing_.column();
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? current.column() : -1;
}

void TDBGrid::setCol(int col) { view_->setCurrentIndex(model_->index(std::max(Row(), 0), col)); }

QVariant TDBGrid::Columns(int col) const {
    const int row = Row();
    if (!array_ || row < 0 || row >= model_->arrayRows() || col < 0 || col >= array_->Count(2)) return {};
    return array_->Value(array_->LowerBound(1) + row, array_->LowerBound(2) + col);
}

void TDBGrid::setColumns(int col, const QVariant& value) {
    const int row = Row();
    if (!array_ || row < 0 || row >= model_->arrayRows()) return;
    array_->setValue(array_->LowerBound(1) + row, array_->LowerBound(2) + col, value);
    emit model_->dataChanged(model_->index(row, col), model_->index(row, col));
}

void TDBGrid::MoveFirst() {
    commitEdit();
    setRow(0);
}

void TDBGrid::MoveNext() {
    commitEdit();
    setRow(Row() + 1);
}

bool TDBGrid::commitEdit() {
    view_->commitOpenEditor();
    return true;
}

QString TDBGrid::EditText() const {
    auto* edit = qobject_cast<QLineEdit*>(editor());
    if (!edit) return QString();
    QString text = edit->text();
    if (edit->hasSelectedText()) text.remove(edit->selectionStart(), edit->selectedText().size());
    return text;
}

void TDBGrid::cellEdited(int row, int col, const QString& text) {
    const QModelIndex index = model_->index(row, col);
    if (!array_ || row >= model_->arrayRows() || model_->data(index, Qt::EditRole).toString() == text) return;
    if (array_->Count(2) <= col)
        array_->ReDim(array_->LowerBound(1), array_->UpperBound(1), array_->LowerBound(2),
                      array_->LowerBound(2) + col);
    const int r = array_->LowerBound(1) + row, c = array_->LowerBound(2) + col;
    const QVariant old = array_->Value(r, c);
    array_->setValue(r, c, text);
    const QPersistentModelIndex before = committing_;
    committing_ = index;
    bool cancel = false;
    ui::Guarded([&] { emit BeforeColUpdate(col, old, cancel); });
    if (cancel) array_->setValue(r, c, old);
    emit model_->dataChanged(index, index);
    if (!cancel) ui::Guarded([&] { emit AfterColUpdate(col); });
    committing_ = before;
}

bool TDBGrid::addRow() {
    bool cancel = false;
    ui::Guarded([&] { emit BeforeInsert(cancel); });
    if (cancel || !array_) return false;
    // The new-row line becomes the row, and a new new-row line follows it: the current cell stays.
    const int row = model_->arrayRows();
    model_->beginInsertRows(QModelIndex(), row + 1, row + 1);
    const int cols = std::max(array_->Count(2), model_->columnCount());
    if (array_->Count(2) < cols)
        array_->ReDim(array_->LowerBound(1), array_->UpperBound(1), array_->LowerBound(2),
                      array_->LowerBound(2) + cols - 1);
    array_->Insert(1, array_->UpperBound(1) + 1);
    model_->endInsertRows();
    emit model_->headerDataChanged(Qt::Vertical, row, row + 1);
    addedRow_ = row;
    return true;
}

void TDBGrid::dropEmptyAddedRow() {
    const int row = addedRow_;
    addedRow_ = -1;
    if (!array_ || row < 0 || row != model_->arrayRows() - 1) return;
    for (int c = 0; c < array_->Count(2); ++c)
        if (!values::Trim(array_->Value(array_->LowerBound(1) + row, array_->LowerBound(2) + c).toString())
                 .isEmpty())
            return;
    model_->beginRemoveRows(QModelIndex(), row + 1, row + 1);
    array_->Delete(1, array_->LowerBound(1) + row);
    model_->endRemoveRows();
    emit model_->dataChanged(model_->index(row, 0), model_->index(row, model_->columnCount() - 1));
    emit model_->headerDataChanged(Qt::Vertical, row, row);
}

void TDBGrid::deleteChosenRow() {
    int row = -1;
    for (int r = 0; r < model_->arrayRows(); ++r)
        if (view_->selectionModel()->isRowSelected(r, QModelIndex())) row = r;
    if (row < 0) return;
    bool cancel = false;
    ui::Guarded([&] { emit BeforeDelete(cancel); });
    if (cancel) return;
    model_->beginRemoveRows(QModelIndex(), row, row);
    array_->Delete(1, array_->LowerBound(1) + row);
    model_->endRemoveRows();
}

int TDBGrid::firstVisible() const {
    for (int c = 0; c < model_->columnCount(); ++c)
        if (ColumnVisible(c)) return c;
    return 0;
}

int TDBGrid::lastVisible() const {
    for (int c = model_->columnCount() - 1; c >= 0; --c)
        if (ColumnVisible(c)) return c;
    return 0;
}

bool TDBGrid::inside(const QObject* obj) const {
    return obj && obj->isWidgetType() &&
           (obj == view_ || view_->isAncestorOf(static_cast<const QWidget*>(obj)));
}

void TDBGrid::moveCell(bool forward) {
    commitEdit();
    // The cell's handler may have sent the focus elsewhere: the move is over then.
    if (QWidget* f = QApplication::focusWidget(); f && !inside(f)) return;
    const QModelIndex current = view_->currentIndex();
    int row = current.isValid() ? current.row() : 0;
    int col = current.isValid() ? current.column() : firstVisible() - (forward ? 1 : -1);
    const int step = forward ? 1 : -1;
    do {
        col += step;
    } while (col >= 0 && col < model_->columnCount() && !ColumnVisible(col));
    if (col > lastVisible()) {
        ++row;
        col = firstVisible();
    } else if (col < firstVisible()) {
        --row;
        col = lastVisible();
    }
    if (row < 0 || row >= model_->rowCount()) {
        leave(forward);
        return;
    }
    view_->setCurrentIndex(model_->index(row, col));
}

// Leaves the grid as Tab or Shift+Tab would leave any other field.
void TDBGrid::leave(bool forward) {
    commitEdit();
    QKeyEvent key(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                  forward ? Qt::NoModifier : Qt::ShiftModifier);
    const bool was = leaving_;
    leaving_ = true;
    QCoreApplication::sendEvent(view_, &key);
    leaving_ = was;
}

bool TDBGrid::keyPress(QObject* obj, QKeyEvent* k) {
    const Qt::KeyboardModifiers mods = k->modifiers();
    const bool control = mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    switch (k->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (mods & Qt::AltModifier) return false;
            if (mods & Qt::ControlModifier)
                leave(true);
            else
                moveCell(k->key() == Qt::Key_Tab && !(mods & Qt::ShiftModifier));
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (control) return false;
            moveCell(true);
            return true;
        case Qt::Key_Escape:
            if (!editor()) return false;
            view_->revertOpenEditor();
            dropEmptyAddedRow();
            return true;
        case Qt::Key_Delete:
            if (editor() || !allowDelete_) return false;
            deleteChosenRow();
            return true;
        default:
            break;
    }
    if (control) return false;
    int code = -1;
    if (k->key() == Qt::Key_Backspace)
        code = 8;
    else if (!k->text().isEmpty() && k->text()[0].isPrint())
        code = values::ansiCode(k->text()[0]);
    if (code < 0) return false;
    ui::Guarded([&] { emit KeyPress(code); });
    if (code == 0) return true;
    // The key goes on to the cell once: a key that opens the editor is handed on to it unchanged.
    seenKey_ = k;
    QCoreApplication::sendEvent(obj, k);
    seenKey_ = nullptr;
    return true;
}

// Hands an event to its widget past every filter, the focus rules included. The filter list is not
// reordered meanwhile, since the application is still walking it.
void TDBGrid::deliver(QObject* obj, QEvent* event) {
    ++delivering_;
    obj->event(event);
    --delivering_;
}

bool TDBGrid::eventFilter(QObject* obj, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::FocusIn && type != QEvent::FocusOut) return false;
    if (!obj->isWidgetType()) return false;
    // A Tab sent by the program moves one cell: the focus comes back at once, and neither the field
    // it touched nor the focus rules see the round trip.
    if (hopping_ && type != QEvent::KeyPress) {
        deliver(obj, event);
        return true;
    }
    if (!inside(obj) || leaving_ || event == seenKey_) return false;
    if (type == QEvent::KeyPress) return keyPress(obj, static_cast<QKeyEvent*>(event));
    QWidget* focus = QApplication::focusWidget();
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    // Moves between the cells and their editor are the grid's own: the window sees the grid keep the focus.
    if (type == QEvent::FocusIn) {
        if (!internalMove_) return false;
        internalMove_ = false;
        deliver(obj, event);
        return true;
    }
    if (inside(focus)) {
        internalMove_ = true;
        deliver(obj, event);
        return true;
    }
    if (!focus) return false;
    const bool tab = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    const bool ignored = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
                         reason == Qt::MenuBarFocusReason;
    if (!tab && (obj == view_ || ignored)) return false;
    if (!tab) {
        // The focus leaves from the open cell (a click, a move of the program): the window sees the
        // grid itself left, with its own leave handlers, and then the cell is committed, so that the
        // focus rules know where the user clicked before the cell's rules run. Sair and Cancelar
        // drop what the cell was being given, unchecked.
        deliver(obj, event);
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(view_, &out);
        if (ui::leavesUnchecked(focus))
            view_->revertOpenEditor();
        else
            commitEdit();
        return true;
    }
    hopping_ = true;
    deliver(obj, event);
    view_->setFocus(Qt::OtherFocusReason);
    hopping_ = false;
    moveCell(reason == Qt::TabFocusReason);
    return true;
}

}  // namespace platform::controls
