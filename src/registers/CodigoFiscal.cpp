#include "registers/CodigoFiscal.h"

#include <QRegularExpression>

namespace registers::cfop {

const Definicao& DefinicaoDe(Tabela t) {
    static const Definicao ate2002{QStringLiteral("CodFiscal"),
                                   QStringLiteral("#.##.#"),
                                   QStringLiteral("_.__._"),
                                   QStringLiteral("codauto"),
                                   QStringLiteral("Tabela de Códigos Fiscais - Até 2002"),
                                   QStringLiteral("Tabela de Códigos Fiscais Até 2002")};
    static const Definicao desde2003{QStringLiteral("CodFiscal2003"),
                                     QStringLiteral("#.###"),
                                     QStringLiteral("_.___"),
                                     QStringLiteral("codfiscal"),
                                     QStringLiteral("Tabela de Códigos Fiscais - 2003 em diante"),
                                     QStringLiteral("Tabela de Códigos Fiscais 2003 em diante")};
    return t == Tabela::Ate2002 ? ate2002 : desde2003;
}

Chave AnalisaChave(Tabela t, const QString& texto) {
    if (texto == DefinicaoDe(t).vazio) return {Chave::Vazia, {}};
    if (t == Tabela::Ate2002) {
        static const QRegularExpression completa(QStringLiteral("^[1-9]\\.[0-9]{2}(\\.[0-9])?$"));
        const QString codigo = texto.endsWith(QStringLiteral("._")) ? texto.left(4) : texto;
        if (!completa.match(codigo).hasMatch()) return {Chave::Incompleta, {}};
        return {Chave::Completa, codigo};
    }
    static const QRegularExpression completa(QStringLiteral("^[0-9]\\.[0-9]{3}$"));
    if (!completa.match(texto).hasMatch()) return {Chave::Incompleta, {}};
    return {Chave::Completa, texto};
}

QString Nivel(Tabela t, const QString& codigo) {
    if (t == Tabela::Ate2002) {
        if (codigo.endsWith(QStringLiteral("00"))) return QStringLiteral("1");
        if (codigo.endsWith(u'0')) return QStringLiteral("2");
        return QStringLiteral("3");
    }
    if (codigo.endsWith(QStringLiteral(".000"))) return QStringLiteral("1");
    if (codigo.endsWith(QStringLiteral("00")) || codigo.endsWith(QStringLiteral("50")))
        return QStringLiteral("2");
    return QStringLiteral("3");
}

QString TextoNaMascara(Tabela t, const QString& codigo) {
    if (t == Tabela::Ate2002 && codigo.size() == 4) return codigo + QStringLiteral("._");
    return codigo;
}

}  // namespace registers::cfop
