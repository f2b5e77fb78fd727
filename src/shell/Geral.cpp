#include "shell/Geral.h"

#include "platform/ui/MsgBox.h"
#include "platform/values/Cp1252.h"
#include "platform/values/RuntimeError.h"
#include "platform/values/Vb.h"

namespace Geral {

namespace {

using platform::values::RuntimeError;
using platform::values::Trim;
using platform::values::Val;
using platform::values::ErrorNumber::InvalidArgument;
using platform::values::ErrorNumber::InvalidUseOfNull;
using platform::values::ErrorNumber::Overflow;

int digitValue(QChar c) { return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : 0; }

// Both check digits of a CPF or CNPJ, computed over the first `base` characters and compared with the
// whole argument. The weights rise from 2 at the rightmost character; the CNPJ's cycle back to 2 after 9.
bool digitosConferem(const QString& numero, int tamanho, int base, bool ciclo) {
    // Read in place, without copies: the SINTEGRA file checks every document's number with it.
    if (platform::values::TrimmedView(numero).size() != tamanho) return false;
    const QStringView inicio = platform::values::TrimmedView(QStringView(numero).left(base));
    if (numero.size() != inicio.size() + 2 || !QStringView(numero).startsWith(inicio)) return false;
    // The second digit is computed over the base and the first.
    for (qsizetype fim = inicio.size(); fim < inicio.size() + 2; ++fim) {
        int soma = 0;
        int peso = 2;
        for (qsizetype i = fim - 1; i >= 0; --i) {
            soma += peso * digitValue(numero[i]);
            if (++peso > 9 && ciclo) peso = 2;
        }
        int digito = 11 - soma % 11;
        if (digito >= 10) digito = 0;
        if (numero[fim] != QChar(u'0' + digito)) return false;
    }
    return true;
}

// As digitosConferem, and wrong check digits of a number of the right length are told to the user.
bool confereDigitos(const QString& numero, int tamanho, int base, bool ciclo, const QString& mensagem) {
    if (Trim(numero).size() != tamanho) return false;
    if (digitosConferem(numero, tamanho, base, ciclo)) return true;
    platform::ui::MsgBox(mensagem, platform::ui::Msg::OKOnly + platform::ui::Msg::Critical,
                         QStringLiteral("Erro"));
    return false;
}

QString filtraDigitos(QString& texto, bool sinal) {
    texto = Trim(texto);
    QString resultado;
    resultado.reserve(texto.size());
    bool virgula = false;
    for (QChar c : std::as_const(texto)) {
        // The colon (58) is kept with the digits: the callers' stored codes rely on it.
        if (c.unicode() >= 48 && c.unicode() <= 58) {
            resultado += c;
        } else if (c == u',' && !virgula) {
            resultado += c;
            virgula = true;
        } else if (sinal && c == u'-') {
            resultado += c;
        }
    }
    return resultado;
}

QString filtraVariant(QVariant& texto, bool sinal) {
    if (texto.isNull()) return QString();
    QString valor = texto.toString();
    const QString resultado = filtraDigitos(valor, sinal);
    texto = valor;
    return resultado;
}

// A variant's value as the regional text the original wrote for it.
QString textoDe(const QVariant& valor) {
    switch (valor.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
            return platform::values::regionalText(valor.toDouble());
        case QMetaType::QDate:
            return platform::values::formatDate(valor.toDate());
        default:
            break;
    }
    if (valor.metaType() == QMetaType::fromType<Currency>())
        return platform::values::regionalText(valor.value<Currency>());
    return valor.toString();
}

struct Palavra {
    const char* masculino;
    const char* masculinoSilabas;
    const char* feminino;
    const char* femininoSilabas;

    QString forma(bool m, bool s) const {
        return QString::fromLatin1(m ? (s ? masculinoSilabas : masculino) : (s ? femininoSilabas : feminino));
    }
};

constexpr Palavra Unidades[10] = {
    {"", "", "", ""},
    {"UM", "UM", "UMA", "U-MA"},
    {"DOIS", "DO-IS", "DUAS", "DU-AS"},
    {"TRES", "TRES", "TRES", "TRES"},
    {"QUATRO", "QUA-TRO", "QUATRO", "QUA-TRO"},
    {"CINCO", "CIN-CO", "CINCO", "CIN-CO"},
    {"SEIS", "SE-IS", "SEIS", "SE-IS"},
    {"SETE", "SE-TE", "SETE", "SE-TE"},
    {"OITO", "OI-TO", "OITO", "OI-TO"},
    {"NOVE", "NO-VE", "NOVE", "NO-VE"},
};

constexpr Palavra DezADezenove[10] = {
    {"DEZ", "DEZ", "DEZ", "DEZ"},
    {"ONZE", "ON-ZE", "ONZE", "ON-ZE"},
    {"DOZE", "DO-ZE", "DOZE", "DO-ZE"},
    {"TREZE", "TRE-ZE", "TREZE", "TRE-ZE"},
    {"QUATORZE", "QUA-TOR-ZE", "QUATORZE", "QUA-TOR-ZE"},
    {"QUINZE", "QUIN-ZE", "QUINZE", "QUIN-ZE"},
    {"DEZESSEIS", "DE-ZES-SE-IS", "DEZESSEIS", "DE-ZES-SE-IS"},
    {"DEZESSETE", "DE-ZES-SE-TE", "DEZESSETE", "DE-ZES-SE-TE"},
    {"DEZOITO", "DE-ZOI-TO", "DEZOITO", "DE-ZOI-TO"},
    {"DEZENOVE", "DE-ZE-NO-VE", "DEZENOVE", "DE-ZE-NO-VE"},
};

constexpr Palavra Dezenas[10] = {
    {"", "", "", ""},
    {"", "", "", ""},
    {"VINTE", "VIN-TE", "VINTE", "VIN-TE"},
    {"TRINTA", "TRIN-TA", "TRINTA", "TRIN-TA"},
    {"QUARENTA", "QUA-REN-TA", "QUARENTA", "QUA-REN-TA"},
    {"CINQUENTA", "CIN-QUEN-TA", "CINQUENTA", "CIN-QUEN-TA"},
    {"SESSENTA", "SES-SEN-TA", "SESSENTA", "SES-SEN-TA"},
    {"SETENTA", "SE-TEN-TA", "SETENTA", "SE-TEN-TA"},
    {"OITENTA", "OI-TEN-TA", "OITENTA", "OI-TEN-TA"},
    {"NOVENTA", "NO-VEN-TA", "NOVENTA", "NO-VEN-TA"},
};

constexpr Palavra Centenas[10] = {
    {"", "", "", ""},
    {"CENTO", "CEN-TO", "CENTO", "CEN-TO"},
    {"DUZENTOS", "DU-ZEN-TOS", "DUZENTAS", "DU-ZEN-TAS"},
    {"TREZENTOS", "TRE-ZEN-TOS", "TREZENTAS", "TRE-ZEN-TAS"},
    {"QUATROCENTOS", "QUA-TRO-CEN-TOS", "QUATROCENTAS", "QUA-TRO-CEN-TAS"},
    {"QUINHENTOS", "QUI-NHEN-TOS", "QUINHENTAS", "QUI-NHEN-TAS"},
    {"SEISCENTOS", "SEIS-CEN-TOS", "SEISCENTAS", "SEIS-CEN-TAS"},
    {"SETECENTOS", "SE-TE-CEN-TOS", "SETECENTAS", "SE-TE-CEN-TAS"},
    {"OITOCENTOS", "OI-TO-CEN-TOS", "OITOCENTAS", "OI-TO-CEN-TAS"},
    {"NOVECENTOS", "NO-VE-CEN-TOS", "NOVECENTAS", "NO-VE-CEN-TAS"},
};

}  // namespace

bool ValidaCPF(const QString& Cpf) {
    return confereDigitos(Cpf, 11, 9, false, QStringLiteral("CPF Inválido !"));
}

bool ValidaCGC(const QString& Cgc) {
    return confereDigitos(Cgc, 14, 12, true, QStringLiteral("CGC Inválido !"));
}

bool CpfConfere(const QString& Cpf) { return digitosConferem(Cpf, 11, 9, false); }
bool CgcConfere(const QString& Cgc) { return digitosConferem(Cgc, 14, 12, true); }

QString SoNumeros(QString& Texto) { return filtraDigitos(Texto, false); }
QString SoNumerosSinal(QString& Texto) { return filtraDigitos(Texto, true); }
QString SoNumerosVariant(QVariant& Texto) { return filtraVariant(Texto, false); }
QString SoNumerosSinalVariant(QVariant& Texto) { return filtraVariant(Texto, true); }

QString TiraAcentos(const QString& Texto) {
    // Windows-1252 and Unicode share the codes 192 to 255 that this table reads.
    static constexpr char16_t Troca[64] = {
        u'A', u'A', u'A', u'A', u'A', u'A', 0,    u'C', u'E', u'E', u'E', u'E', u'I', u'I', u'I', u'I',
        0,    u'N', u'O', u'O', u'O', u'O', u'O', 0,    0,    u'U', u'U', u'U', u'U', 0,    0,    0,
        u'a', u'a', u'a', u'a', u'a', u'a', 0,    u'c', u'e', u'e', u'e', u'e', u'i', u'i', u'i', u'i',
        0,    u'n', u'o', u'o', u'o', u'o', u'o', 0,    0,    u'u', u'u', u'u', u'u', 0,    0,    0,
    };
    QString resultado = Texto;
    for (QChar& c : resultado) {
        const char16_t u = c.unicode();
        if (u == u'\'')
            c = u' ';
        else if (u >= 192 && u <= 255 && Troca[u - 192] != 0)
            c = QChar(Troca[u - 192]);
    }
    return resultado;
}

QString TiraAcentosVariant(const QVariant& Texto) {
    if (Texto.isNull()) throw RuntimeError(InvalidUseOfNull);
    return TiraAcentos(textoDe(Texto));
}

QString TrocaVirgula(const QString& Valor) {
    QString texto = Trim(Valor);
    texto.replace(u',', u'.');
    return texto;
}

QString TrocaVirgula(Currency Valor) { return TrocaVirgula(platform::values::regionalText(Valor)); }
QString TrocaVirgula(double Valor) { return TrocaVirgula(platform::values::regionalText(Valor)); }

QString TrocaVirgulaVariant(const QVariant& Valor) {
    if (Valor.isNull()) return QString();
    return TrocaVirgula(textoDe(Valor));
}

Currency Arredonda(Currency Valor, int Casas) { return platform::values::roundHalfUp(Valor, Casas); }

QString NumeroExtenso(const QString& Numero, bool Masculino, bool Silabas) {
    const QString n = Zeros(Numero, 3);
    const int c = static_cast<int>(Val(QStringView(n).sliced(0, 1)));
    const int d = static_cast<int>(Val(QStringView(n).sliced(1, 1)));
    const int u = static_cast<int>(Val(QStringView(n).sliced(2, 1)));
    const int du = static_cast<int>(Val(QStringView(n).sliced(1, 2)));
    const int cdu = static_cast<int>(Val(n));
    if (cdu == 100) return QStringLiteral("CEM");

    QString resultado;
    if (c >= 1 && c <= 9) resultado += Centenas[c].forma(Masculino, Silabas);
    if (c > 0 && du > 0) resultado += QStringLiteral(" E ");
    if (du >= 10 && du <= 19) resultado += DezADezenove[du - 10].forma(Masculino, Silabas);
    if (d >= 2 && d <= 9) resultado += Dezenas[d].forma(Masculino, Silabas);
    if (d > 1 && u > 0) resultado += QStringLiteral(" E ");
    if (!(du >= 10 && du <= 19) && u >= 1 && u <= 9) resultado += Unidades[u].forma(Masculino, Silabas);
    return resultado;
}

QString Zeros(const QString& Valor, int Tamanho) {
    if (Tamanho < 0 || Tamanho > 255) throw RuntimeError(Overflow);
    const QString texto = Trim(Valor);
    if (texto.size() > Tamanho) throw RuntimeError(InvalidArgument);
    return QString(Tamanho - texto.size(), u'0') + texto;
}

QString Zeros(qint64 Valor, int Tamanho) { return Zeros(QString::number(Valor), Tamanho); }

QString ZerosVariant(const QVariant& Valor, int Tamanho) {
    if (Valor.isNull()) throw RuntimeError(InvalidUseOfNull);
    return Zeros(textoDe(Valor), Tamanho);
}

QString UltimoDiaMes(const QDate& Data) {
    if (!Data.isValid()) return QStringLiteral("31");
    switch (Data.month()) {
        case 1:
        case 3:
        case 5:
        case 7:
        case 8:
        case 10:
        case 12:
            return QStringLiteral("31");
        case 2:
            return QDate::isLeapYear(Data.year()) ? QStringLiteral("29") : QStringLiteral("28");
        default:
            return QStringLiteral("30");
    }
}

QString NomeMes(int Mes) {
    static const char* const Nomes[11] = {"Janeiro", "Fevereiro", "Março",    "Abril",   "Maio",    "Junho",
                                          "Julho",   "Agosto",    "Setembro", "Outubro", "Novembro"};
    if (Mes >= 1 && Mes <= 11) return QString::fromUtf8(Nomes[Mes - 1]);
    return QStringLiteral("Dezembro");
}

QString CodificaSenha(const QString& Senha) {
    int soma = 0;
    QString cauda;
    for (qsizetype i = 1; i <= Senha.size(); ++i) {
        const int codigoAnsi = platform::values::ansiCode(Senha[i - 1]);
        // A character outside Windows-1252 has no code of its own: it must not pass for "?".
        if (codigoAnsi == '?' && Senha[i - 1] != u'?') throw RuntimeError(InvalidArgument);
        const int d = codigoAnsi - 5;
        soma += d;
        if (soma < -32768 || soma > 32767) throw RuntimeError(Overflow);
        if (i % 2 == 1) {
            const qsizetype codigo = i + d;
            if (codigo < 0 || codigo > 255) throw RuntimeError(InvalidArgument);
            cauda += platform::values::fromAnsiCode(static_cast<int>(codigo));
        }
    }
    const qint64 quadrado = qint64(soma) * soma;
    QString resultado = QStringLiteral(" ") + QString::number(quadrado / 2);
    if (quadrado % 2 != 0) resultado += QStringLiteral(".5");
    return resultado + cauda;
}

}  // namespace Geral
