#pragma once

#include <QAbstractTableModel>
#include <QMap>
#include <QPersistentModelIndex>
#include <QTableView>
#include <QWidget>

#include "platform/controls/XArrayDB.h"
#include "platform/ui/Focus.h"

namespace platform::controls {

class TDBGrid;

// The grid's model: one line per array row and, when new rows are allowed, one empty new-row line
// after the last. A cell shows its value in the column's display format when it reads as a number
// (the Currency a program wrote, or Brazilian text typed), else as it is; it is edited as text.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit GridModel(TDBGrid* grid);

    void reset();
    int arrayRows() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    // The grid changes the array's rows and tells the view through the model.
    friend class TDBGrid;
    TDBGrid* grid_;
};

// The grid's view: opening an editor on the new-row line first adds a row to the array (which the
// grid's BeforeInsert may cancel), and a cell left by a click is committed while the grid still
// reports that cell as current.
class GridView : public QTableView {
    Q_OBJECT
  public:
    explicit GridView(TDBGrid* grid);
    QWidget* openEditor() const;
    // Commits the open editor, if any, and closes it.
    void commitOpenEditor();
    // Closes the open editor, if any, without writing what it holds.
    void revertOpenEditor();

  protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;
    // A typed letter never jumps to a matching row: keys are the cells' own.
    void keyboardSearch(const QString& search) override;

  private:
    TDBGrid* grid_;
};

// A grid (TDBGrid) over an XArrayDB that the window keeps: it shows and edits the array's cells in
// place. Cells are typed as text and the array keeps the text typed ("1.234,56"). Row and Col are the
// current line (0 = the array's first row; Count = the new-row line) and column; Columns(c) reads and
// writes a cell of the current row. Tab and Enter move to the next visible cell, from a row's last
// cell into the next row (or the new-row line), and out of the grid from the last cell of the last
// line; Shift+Tab moves back and leaves from the first cell; Ctrl+Tab leaves; a Tab the program
// sends or posts while the grid has the focus moves one cell, as a typed Tab does. Esc drops the open
// edit (and a row just added with nothing in it). Typing on the new-row line adds a row (AllowAddNew),
// after BeforeInsert, which may cancel; Delete on a row chosen by its row header deletes it
// (AllowDelete), after BeforeDelete, which may cancel. A changed cell raises BeforeColUpdate, then
// AfterColUpdate, while Row and Col are still on it; during BeforeColUpdate Columns() reads the new
// text and OldValue is what the cell held, which it keeps again when Cancel is set (no AfterColUpdate
// then); KeyPress sees every typed character and Backspace (8) before the cell
// does, and drops it by setting KeyAscii to 0. Leaving the grid, by the keyboard or by a click on a
// button, commits the open cell first. Handlers run through the program's handler guard.
class TDBGrid : public QWidget, public ui::CommitsOnLeave {
    Q_OBJECT
  public:
    explicit TDBGrid(QWidget* parent = nullptr);

    void setArray(XArrayDB* array);
    XArrayDB* Array() const { return array_; }
    // Shows the array again after it was resized, or after its cells changed; both keep the current
    // cell where it still exists.
    void ReBind();
    void Refresh();

    bool AllowUpdate() const { return allowUpdate_; }
    void setAllowUpdate(bool allow) { allowUpdate_ = allow; }
    bool AllowAddNew() const { return allowAddNew_; }
    void setAllowAddNew(bool allow);
    bool AllowDelete() const { return allowDelete_; }
    void setAllowDelete(bool allow) { allowDelete_ = allow; }

    void setColumnCaption(int col, const QString& caption);
    QString ColumnCaption(int col) const { return captions_.value(col); }
    // A display pattern of values::Format ("####,##0.00", "#0.0000", "##").
    void setColumnFormat(int col, const QString& pattern);
    QString ColumnFormat(int col) const { return formats_.value(col); }
    void setColumnLocked(int col, bool locked) { locked_[col] = locked; }
    bool ColumnLocked(int col) const { return locked_.value(col, false); }
    void setColumnVisible(int col, bool visible);
    bool ColumnVisible(int col) const;
    void setColumnWidth(int col, int width);
    // Widens `col` to show `widest` (the widest value its cells take) and its caption whole, and makes
    // the grid at least as wide as its visible columns, so that none is cut at the window's size.
    void fitColumnToText(int col, const QString& widest);

    int Row() const;
    void setRow(int row);
    int Col() const;
    void setCol(int col);
    // The cell of the current row in `col`; empty on the new-row line.
    QVariant Columns(int col) const;
    // Writes the cell of the current row (nothing on the new-row line) and shows it.
    void setColumns(int col, const QVariant& value);

    // Commits the open cell, then goes to the first row, or to the next line.
    void MoveFirst();
    void MoveNext();

    // Commits the open cell (CommitsOnLeave).
    bool commitEdit() override;

    QTableView* view() const { return view_; }
    // The cell editor while a cell is being edited, else nullptr.
    QWidget* editor() const { return view_->openEditor(); }
    // What a typed key goes into, for a KeyPress handler: the open editor's text without its
    // selected part (which the key replaces); empty when no cell is open (the key starts the edit and
    // replaces the cell).
    QString EditText() const;

  signals:
    void BeforeInsert(bool& Cancel);
    void BeforeDelete(bool& Cancel);
    void BeforeColUpdate(int ColIndex, const QVariant& OldValue, bool& Cancel);
    void AfterColUpdate(int ColIndex);
    void KeyPress(int& KeyAscii);

  protected:
    bool eventFilter(QObject* obj, QEvent* event) override;

  private:
    friend class GridModel;
    friend class GridView;

    bool inside(const QObject* obj) const;
    bool keyPress(QObject* obj, QKeyEvent* key);
    void moveCell(bool forward);
    void leave(bool forward);
    void deleteChosenRow();
    // Adds a row at the end of the array for the new-row line; false when BeforeInsert cancelled.
    bool addRow();
    void dropEmptyAddedRow();
    void cellEdited(int row, int col, const QString& text);
    void stayFirstFilter();
    void deliver(QObject* obj, QEvent* event);
    // Puts the columns' widths and visibility back after the view was reset.
    void applyColumns();
    int firstVisible() const;
    int lastVisible() const;

    XArrayDB* array_ = nullptr;
    GridView* view_;
    GridModel* model_;
    QMap<int, QString> captions_;
    QMap<int, QString> formats_;
    QMap<int, bool> locked_;
    QMap<int, bool> hidden_;
    QMap<int, int> widths_;
    bool allowUpdate_ = true;
    bool allowAddNew_ = false;
    bool allowDelete_ = false;
    bool leaving_ = false;
    bool hopping_ = false;
    bool internalMove_ = false;
    int delivering_ = 0;
    const QEvent* seenKey_ = nullptr;
    int addedRow_ = -1;
    QPersistentModelIndex committing_;
};

}  // namespace platform::controls
