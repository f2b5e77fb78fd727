#include "platform/controls/TDBNumber.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QRegularExpressionValidator>

#include "platform/ui/MsgBox.h"
#include "platform/values/Vb.h"

namespace platform::controls {

using values::Currency;

TDBNumber::TDBNumber(QWidget* parent)
    : QLineEdit(parent), min_(Currency::fromUnits(-99999999999LL)), max_(Currency::fromUnits(99999999999LL)) {
    setProperty("rt_ownInput", true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Keys and pastes alike: digits, thousands points, one decimal comma, a leading minus.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9.]*,?[0-9]*")), this));
    setValue(Currency());
    // A disabled amount is still read (the carried credit of the books window): the toolkit's pale
    // grey on grey loses the tail of the decimal comma, and "0,00" passes for "0.00".
    QPalette cores = palette();
    const QColor texto = cores.color(QPalette::Active, QPalette::Text);
    const QColor fundo = cores.color(QPalette::Active, QPalette::Base);
    cores.setColor(
        QPalette::Disabled, QPalette::Text,
        QColor((texto.red() * 3 + fundo.red() * 2) / 5, (texto.green() * 3 + fundo.green() * 2) / 5,
               (texto.blue() * 3 + fundo.blue() * 2) / 5));
    setPalette(cores);
}

void TDBNumber::setDisplayFormat(const QString& format) {
    displayFormat_ = format;
    setValue(value_);
}

int TDBNumber::decimals() const {
    const int dot = displayFormat_.indexOf(QLatin1Char('.'));
    return dot < 0 ? 0 : std::min(4, static_cast<int>(displayFormat_.size()) - dot - 1);
}

void TDBNumber::setValue(Currency value) {
    const Currency v = values::roundHalfUp(value, decimals());
    if (v < min_ || v > max_) {
        QLineEdit::setText(values::Format(value_, displayFormat_));
        return;
    }
    value_ = v;
    QLineEdit::setText(values::Format(value_, displayFormat_));
}

void TDBNumber::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
    entrando_ = event->reason() == Qt::MouseFocusReason;
}

void TDBNumber::mousePressEvent(QMouseEvent* event) {
    if (entrando_) {
        entrando_ = false;
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void TDBNumber::foraDosLimites() {
    ui::MsgBox(QStringLiteral("O valor digitado está fora dos limites deste campo (de ") + min_.toString() +
                   QStringLiteral(" a ") + max_.toString() +
                   QStringLiteral("); o valor anterior foi mantido."),
               ui::Msg::OKOnly + ui::Msg::Exclamation, QStringLiteral("Atenção"));
}

bool TDBNumber::commitEdit() {
    const QString t = text().trimmed();
    if (t.isEmpty()) {
        setValue(Currency());
        if (nullAllowed_) QLineEdit::clear();
        return true;
    }
    const auto parsed = Currency::parse(t);
    if (!parsed || (parsed->raw() < 0 && min_.raw() >= 0)) {
        // Digits too many for any amount are said to be out of the limits; anything else is no number.
        if (!parsed && t.contains(QRegularExpression(QStringLiteral("[0-9]")))) foraDosLimites();
        setValue(value_);
        return true;
    }
    const Currency v = values::roundHalfUp(*parsed, decimals());
    if (v < min_ || v > max_) foraDosLimites();
    setValue(*parsed);
    return true;
}

}  // namespace platform::controls
