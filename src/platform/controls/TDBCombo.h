#pragma once

#include <QComboBox>

#include "platform/controls/XArrayDB.h"

namespace platform::controls {

// A combo whose drop-down list shows one column (ListField) of an XArrayDB; its text may also be typed.
class TDBCombo : public QComboBox {
    Q_OBJECT
  public:
    explicit TDBCombo(QWidget* parent = nullptr);

    void setArray(XArrayDB* array) { array_ = array; }
    XArrayDB* Array() const { return array_; }
    int ListField() const { return listField_; }
    void setListField(int col) { listField_ = col; }
    // Reloads the list from the array; the text is kept.
    void ReBind();
    void Refresh() { ReBind(); }
    QString Text() const { return currentText(); }
    void setText(const QString& text) { setEditText(text); }
    // The array row of the chosen item, -1 for none.
    int Bookmark() const;

  private:
    XArrayDB* array_ = nullptr;
    int listField_ = 0;
};

}  // namespace platform::controls
