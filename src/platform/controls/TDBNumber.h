#pragma once

#include <QLineEdit>

#include "platform/ui/Focus.h"
#include "platform/values/Currency.h"

namespace platform::controls {

// A number field holding a Currency value, shown in its display format ("###,###,##0.00": Brazilian
// points and comma). The user types digits, one comma and, when MinValue is negative, a minus sign;
// when the focus leaves, the text is read, rounded half up to the format's decimals and shown again
// in the format; a text that is not a number brings back the last value, and so does a number outside
// the limits, after a message saying so.
// An empty text is 0, unless the field allows null: its empty text then stays empty (a value not
// given), and ValueIsNull says so. However the field is entered (Tab, a click, a move made by the code), its
// whole text is selected, so what is typed replaces the shown value.
class TDBNumber : public QLineEdit, public ui::CommitsOnLeave {
    Q_OBJECT
  public:
    explicit TDBNumber(QWidget* parent = nullptr);

    QString DisplayFormat() const { return displayFormat_; }
    void setDisplayFormat(const QString& format);
    values::Currency Value() const { return value_; }
    // Out of the limits the value is not changed.
    void setValue(values::Currency value);
    values::Currency MinValue() const { return min_; }
    values::Currency MaxValue() const { return max_; }
    void setMinValue(values::Currency v) { min_ = v; }
    void setMaxValue(values::Currency v) { max_ = v; }
    // Off by default: every amount field counts an erased value as 0.
    void setNullAllowed(bool allowed) { nullAllowed_ = allowed; }
    bool ValueIsNull() const { return nullAllowed_ && text().trimmed().isEmpty(); }
    QString Text() const { return text(); }
    // Sets the text as typed; it is read when the focus leaves (or at once by commitEdit).
    void setText(const QString& text) { QLineEdit::setText(text); }

    bool commitEdit() override;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // Tells the user that the typed value lies outside the limits and the last value stays.
    void foraDosLimites();
    // The focus has just arrived: the click that brought it keeps the text selected.
    bool entrando_ = false;
    bool nullAllowed_ = false;
    int decimals() const;
    QString displayFormat_ = QStringLiteral("###,###,##0.00");
    values::Currency value_;
    values::Currency min_;
    values::Currency max_;
};

}  // namespace platform::controls
