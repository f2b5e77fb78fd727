#pragma once

#include <QDate>
#include <QPointer>

#include "platform/controls/MaskEdBox.h"
#include "platform/ui/Focus.h"

class QFrame;
class QLabel;
class QTableWidget;

namespace platform::controls {

// A date field ("dd/mm/yyyy"), period field ("mm/yyyy") or year field ("yyyy"), by its display format,
// on the mask engine. Empty it shows "__/__/____", "__/____" or "____" and its value is null; a period's
// value is the first day of its month, a year's the 1st of January. The focus does not leave it with a
// text that is not a valid date between MinDate and MaxDate. A date field drops down a month calendar
// (its button at the right, Alt+Down or F4): a day clicked or chosen with Enter becomes its value.
class TDBDate : public MaskEdBox, public ui::CommitsOnLeave {
    Q_OBJECT
  public:
    static constexpr const char* DateFormat = "dd/mm/yyyy";
    static constexpr const char* PeriodFormat = "mm/yyyy";
    static constexpr const char* YearFormat = "yyyy";

    explicit TDBDate(QWidget* parent = nullptr);

    QString DisplayFormat() const { return displayFormat_; }
    // "mm/yyyy" makes a period field, "yyyy" a year field; any other format a date field.
    void setDisplayFormat(const QString& format);
    bool isPeriod() const { return displayFormat_ == QLatin1String(PeriodFormat); }
    bool isYear() const { return displayFormat_ == QLatin1String(YearFormat); }
    // The empty text of this field.
    QString emptyText() const;

    // The date shown (a period as the first day of its month); null when empty or not a valid date
    // within the limits.
    QDate Value() const;
    // Empty, or a valid date within the limits.
    bool TextoValido() const { return engine().isEmpty() || parse().has_value(); }
    bool ValueIsNull() const { return Value().isNull(); }
    // A null date empties the field.
    void setValue(const QDate& date);
    void clear() { setValue(QDate()); }

    QDate MinDate() const { return minDate_; }
    QDate MaxDate() const { return maxDate_; }
    // The latest date is never later than the program's maximum date.
    void setMinDate(const QDate& date) { minDate_ = date; }
    void setMaxDate(const QDate& date);

    // An impossible date, or one outside the limits, is told ("Data inválida !") and kept, selected,
    // with the focus; an empty field is a null date.
    bool commitEdit() override;

    // Drops the calendar down on the month of the date shown (today's when none); the open calendar,
    // or nullptr. Only a date field has one.
    void AbreCalendario();
    QFrame* Calendario() const { return calendario_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool isDate() const { return !isPeriod() && !isYear(); }
    std::optional<QDate> parse() const;
    void MostraMes(const QDate& mes);
    void Escolhe(int linha, int coluna);
    QPointer<QFrame> calendario_;
    QLabel* mesCalendario_ = nullptr;
    QTableWidget* diasCalendario_ = nullptr;
    QDate mesMostrado_;
    QAction* botaoCalendario_ = nullptr;
    QString displayFormat_ = QString::fromLatin1(DateFormat);
    QDate minDate_;
    QDate maxDate_;
    QDate lastValid_;
};

}  // namespace platform::controls
