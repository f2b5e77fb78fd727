#include "platform/controls/TDBCombo.h"

#include <QLineEdit>

namespace platform::controls {

TDBCombo::TDBCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void TDBCombo::ReBind() {
    const QString keep = currentText();
    blockSignals(true);
    clear();
    if (array_)
        for (int r = array_->LowerBound(1); r <= array_->UpperBound(1); ++r)
            addItem(array_->Value(r, listField_).toString(), r);
    setEditText(keep);
    blockSignals(false);
}

int TDBCombo::Bookmark() const {
    const int i = findText(currentText(), Qt::MatchExactly);
    return i < 0 ? -1 : itemData(i).toInt();
}

}  // namespace platform::controls
