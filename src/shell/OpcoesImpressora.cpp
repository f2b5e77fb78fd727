#include "shell/OpcoesImpressora.h"

#include <QRadioButton>

namespace shell {

QString OpcoesImpressora::Letra() const {
    if (matricial->isChecked()) return QStringLiteral("M");
    if (jato->isChecked()) return QStringLiteral("J");
    if (laser->isChecked()) return QStringLiteral("L");
    return QStringLiteral("S");
}

void OpcoesImpressora::Marca(const QString& letra) const {
    if (letra == QLatin1String("M"))
        matricial->setChecked(true);
    else if (letra == QLatin1String("J"))
        jato->setChecked(true);
    else if (letra == QLatin1String("L"))
        laser->setChecked(true);
    else
        nenhuma->setChecked(true);
}

}  // namespace shell
