#include "registers/ChaveCgc.h"

#include "shell/Geral.h"

namespace registers {

namespace {
bool soDigitos(const QString& s) {
    for (QChar c : s)
        if (c < u'0' || c > u'9') return false;
    return true;
}
}  // namespace

ChaveCgc ReescreveCgc(const QString& digitado) {
    ChaveCgc r;
    QString texto = digitado;
    r.digitos = Geral::SoNumeros(texto);
    r.texto = digitado;
    if (!soDigitos(r.digitos)) return r;
    const QString& d = r.digitos;
    if (d.size() == 11) {
        r.tipo = TipoChave::Cpf;
        r.texto = d.mid(0, 3) + u'.' + d.mid(3, 3) + u'.' + d.mid(6, 3) + u'-' + d.mid(9, 2);
    } else if (d.size() == 14) {
        r.tipo = TipoChave::Cnpj;
        r.texto =
            d.mid(0, 2) + u'.' + d.mid(2, 3) + u'.' + d.mid(5, 3) + u'/' + d.mid(8, 4) + u'-' + d.mid(12, 2);
    }
    return r;
}

}  // namespace registers
