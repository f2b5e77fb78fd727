#include "platform/controls/TDBDate.h"

#include "platform/values/Vb.h"

namespace platform::controls {

TDBDate::TDBDate(QWidget* parent) : MaskEdBox(parent), minDate_(1900, 1, 1), maxDate_(values::MaximumDate) {
    setMask(QStringLiteral("##/##/####"));
}

void TDBDate::setDisplayFormat(const QString& format) {
    const QDate keep = Value();
    displayFormat_ = format;
    setMask(isPeriod() ? QStringLiteral("##/####") : QStringLiteral("##/##/####"));
    setValue(keep);
}

QString TDBDate::emptyText() const {
    return isPeriod() ? QStringLiteral("__/____") : QStringLiteral("__/__/____");
}

std::optional<QDate> TDBDate::parse() const {
    if (engine().isEmpty()) return std::nullopt;
    const auto d = isPeriod() ? values::parsePeriod(engine().text()) : values::parseDate(engine().text());
    if (!d) return std::nullopt;
    const QDate first = isPeriod() ? QDate(minDate_.year(), minDate_.month(), 1) : minDate_;
    if (*d < first || *d > maxDate_) return std::nullopt;
    return d;
}

QDate TDBDate::Value() const { return parse().value_or(QDate()); }

void TDBDate::setValue(const QDate& date) {
    lastValid_ = date;
    if (date.isNull())
        setText(emptyText());
    else
        setText(isPeriod() ? values::formatPeriod(date) : values::formatDate(date));
}

void TDBDate::setMaxDate(const QDate& date) { maxDate_ = std::min(date, values::MaximumDate); }

void TDBDate::commitEdit() {
    if (engine().isEmpty()) {
        lastValid_ = QDate();
        return;
    }
    if (const auto d = parse()) {
        lastValid_ = *d;
        return;
    }
    setValue(lastValid_);
}

}  // namespace platform::controls
