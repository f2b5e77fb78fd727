#include "platform/controls/TDBList.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QVBoxLayout>

namespace platform::controls {

void XArrayModel::setArray(XArrayDB* array) {
    beginResetModel();
    array_ = array;
    endResetModel();
}

void XArrayModel::setCaption(int col, const QString& caption) {
    captions_[col] = caption;
    emit headerDataChanged(Qt::Horizontal, col, col);
}

QString XArrayModel::caption(int col) const { return captions_.value(col); }

void XArrayModel::reset() {
    beginResetModel();
    endResetModel();
}

int XArrayModel::rowCount(const QModelIndex& parent) const {
    return (parent.isValid() || !array_) ? 0 : array_->Count(1);
}

int XArrayModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || !array_) return 0;
    int n = array_->Count(2);
    if (!captions_.isEmpty()) n = std::max(n, captions_.lastKey() + 1);
    return n;
}

QVariant XArrayModel::data(const QModelIndex& index, int role) const {
    if (!array_ || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    const int row = array_->LowerBound(1) + index.row();
    const int col = array_->LowerBound(2) + index.column();
    if (col > array_->UpperBound(2)) return {};
    const QVariant& v = array_->Value(row, col);
    if (v.metaType() == QMetaType::fromType<values::Currency>())
        return v.value<values::Currency>().toString();
    return v;
}

QVariant XArrayModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return captions_.value(section);
}

ArrayList::ArrayList(QWidget* parent)
    : QWidget(parent),
      caption_(new QLabel(this)),
      view_(new QTableView(this)),
      model_(new XArrayModel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->hide();
    layout->addWidget(caption_);
    layout->addWidget(view_);
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSortingEnabled(false);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->horizontalHeader()->setSectionsClickable(true);
    view_->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    setFocusProxy(view_);
    setFocusPolicy(Qt::StrongFocus);
    connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int col) { emit HeadClick(col); });
    connect(view_->horizontalHeader(), &QHeaderView::customContextMenuRequested, this,
            [this](const QPoint& pos) {
                const int col = view_->horizontalHeader()->logicalIndexAt(pos);
                if (col >= 0) emit HeadRightClick(col);
            });
    connect(view_, &QTableView::clicked, this, [this] { emit Click(); });
    connect(view_, &QTableView::doubleClicked, this, [this] { emit DblClick(); });
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!settingRow_) emit RowColChange();
    });
}

void ArrayList::setArray(XArrayDB* array) {
    settingRow_ = true;
    model_->setArray(array);
    settingRow_ = false;
}

void ArrayList::ReBind() { Refresh(); }

void ArrayList::Refresh() {
    const int keep = Bookmark();
    settingRow_ = true;
    model_->reset();
    settingRow_ = false;
    setBookmark(keep);
}

void ArrayList::setCaption(const QString& caption) {
    caption_->setText(caption);
    caption_->setVisible(!caption.isEmpty());
}

int ArrayList::Bookmark() const {
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid() || !Array()) return -1;
    return Array()->LowerBound(1) + current.row();
}

void ArrayList::setBookmark(int row) {
    settingRow_ = true;
    XArrayDB* a = Array();
    if (!a || row < a->LowerBound(1) || row > a->UpperBound(1)) {
        view_->selectionModel()->clear();
        view_->setCurrentIndex(QModelIndex());
    } else {
        const QModelIndex idx = model_->index(row - a->LowerBound(1), 0);
        view_->setCurrentIndex(idx);
        view_->selectRow(idx.row());
        view_->scrollTo(idx);
    }
    settingRow_ = false;
}

QVariant ArrayList::Columns(int col) const {
    const int row = Bookmark();
    if (row < 0 || col < Array()->LowerBound(2) || col > Array()->UpperBound(2)) return {};
    return Array()->Value(row, col);
}

int ArrayList::FitColumns() {
    view_->resizeColumnsToContents();
    int width = 2 * view_->frameWidth() + view_->verticalScrollBar()->sizeHint().width() +
                (view_->verticalHeader()->isVisible() ? view_->verticalHeader()->sizeHint().width() : 0);
    for (int c = 0; c < view_->model()->columnCount(); ++c)
        if (!view_->isColumnHidden(c)) width += view_->columnWidth(c);
    return width;
}

}  // namespace platform::controls
