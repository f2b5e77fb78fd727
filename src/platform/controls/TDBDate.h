#pragma once

#include <QDate>

#include "platform/controls/MaskEdBox.h"
#include "platform/ui/Focus.h"

namespace platform::controls {

// A date field ("dd/mm/yyyy") or period field ("mm/yyyy"), by its display format, on the mask engine.
// Empty it shows "__/__/____" or "__/____" and its value is null. When the focus leaves it with a text
// that is not a valid date between MinDate and MaxDate, it goes back to its last valid value.
class TDBDate : public MaskEdBox, public ui::CommitsOnLeave {
    Q_OBJECT
  public:
    static constexpr const char* DateFormat = "dd/mm/yyyy";
    static constexpr const char* PeriodFormat = "mm/yyyy";

    explicit TDBDate(QWidget* parent = nullptr);

    QString DisplayFormat() const { return displayFormat_; }
    // "mm/yyyy" makes a period field; any other format a date field.
    void setDisplayFormat(const QString& format);
    bool isPeriod() const { return displayFormat_ == QLatin1String(PeriodFormat); }
    // The empty text of this field.
    QString emptyText() const;

    // The date shown (a period as the first day of its month); null when empty or not a valid date
    // within the limits.
    QDate Value() const;
    bool ValueIsNull() const { return Value().isNull(); }
    // A null date empties the field.
    void setValue(const QDate& date);
    void clear() { setValue(QDate()); }

    QDate MinDate() const { return minDate_; }
    QDate MaxDate() const { return maxDate_; }
    // The latest date is never later than the program's maximum date.
    void setMinDate(const QDate& date) { minDate_ = date; }
    void setMaxDate(const QDate& date);

    void commitEdit() override;

  private:
    std::optional<QDate> parse() const;
    QString displayFormat_ = QString::fromLatin1(DateFormat);
    QDate minDate_;
    QDate maxDate_;
    QDate lastValid_;
};

}  // namespace platform::controls
