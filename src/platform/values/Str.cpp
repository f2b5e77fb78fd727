#include "platform/values/Str.h"

namespace platform::values {

QString Str(Currency value) {
    const qint64 raw = value.raw();
    // The magnitude as an unsigned number, so that the most negative amount has one too.
    const quint64 abs = raw < 0 ? quint64(0) - quint64(raw) : quint64(raw);
    const quint64 whole = abs / quint64(Currency::Scale);
    const quint64 frac = abs % quint64(Currency::Scale);
    QString text(raw < 0 ? u'-' : u' ');
    if (whole != 0 || frac == 0) text += QString::number(whole);
    if (frac != 0) {
        QString digits = QString::number(frac).rightJustified(4, u'0');
        while (digits.endsWith(u'0')) digits.chop(1);
        text += u'.';
        text += digits;
    }
    return text;
}

}  // namespace platform::values
