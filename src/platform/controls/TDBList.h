#pragma once

#include <QAbstractTableModel>
#include <QLabel>
#include <QTableView>
#include <QWidget>

#include "platform/controls/TDBGrid.h"
#include "platform/controls/XArrayDB.h"

namespace platform::controls {

// The model of a list over an XArrayDB: one row per array row, one column per array column.
class XArrayModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit XArrayModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}
    void setArray(XArrayDB* array);
    XArrayDB* array() const { return array_; }
    void setCaption(int col, const QString& caption);
    QString caption(int col) const;
    void reset();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    XArrayDB* array_ = nullptr;
    QMap<int, QString> captions_;
};

// A list (TDBList) showing an XArrayDB, which the window keeps and fills: it shows what the array
// holds at ReBind or Refresh. The current row is the Bookmark (an array row, -1 for none). A left
// click on a column header raises HeadClick (the ascending sort), a right click HeadRightClick (the
// descending sort); the list never sorts by itself. RowColChange is raised when the user moves the
// current row (not when the code sets the Bookmark).
class ArrayList : public QWidget {
    Q_OBJECT
  public:
    explicit ArrayList(QWidget* parent = nullptr);

    void setArray(XArrayDB* array);
    XArrayDB* Array() const { return model_->array(); }
    // Rebinds after the array was resized; Refresh after its cells changed. Both keep the Bookmark
    // when that row still exists.
    void ReBind();
    void Refresh();

    QString Caption() const { return caption_->text(); }
    void setCaption(const QString& caption);
    QString ColumnCaption(int col) const { return model_->caption(col); }
    void setColumnCaption(int col, const QString& caption) { model_->setCaption(col, caption); }
    void setColumnWidth(int col, int width) { view_->setColumnWidth(col, width); }
    void setColumnVisible(int col, bool visible) { view_->setColumnHidden(col, !visible); }
    bool ColumnVisible(int col) const { return !view_->isColumnHidden(col); }
    // Sizes every column to its widest value or caption; returns the width the list then needs to
    // show all its visible columns whole.
    int FitColumns();

    int Bookmark() const;
    void setBookmark(int row);
    void clearBookmark() { setBookmark(-1); }
    // The cell of the current row in `col` (empty when there is no current row).
    QVariant Columns(int col) const;

    QTableView* view() const { return view_; }

  signals:
    void HeadClick(int ColIndex);
    void HeadRightClick(int ColIndex);
    void RowColChange();
    void Click();
    void DblClick();

  private:
    QLabel* caption_;
    QTableView* view_;
    XArrayModel* model_;
    bool settingRow_ = false;
};

class TDBList : public ArrayList {
    Q_OBJECT
  public:
    using ArrayList::ArrayList;
};

}  // namespace platform::controls
