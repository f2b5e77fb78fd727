#include "sintegra/RegistroSintegra.h"

#include <utility>

#include "platform/values/Vb.h"
#include "shell/Geral.h"

namespace sintegra {

namespace {

struct Especie {
    QString especie;
    QString modelo;
};

const Especie Especies[] = {
    {"NF", "01"},  {"NFC", "02"}, {"NFE", "03"}, {"NFP", "04"}, {"NEE", "06"}, {"NFT", "07"}, {"CT", "08"},
    {"CTA", "09"}, {"CA", "10"},  {"CTF", "11"}, {"BPR", "13"}, {"BPA", "14"}, {"BP", "15"},  {"BPF", "16"},
    {"DT", "17"},  {"RMD", "18"}, {"OCC", "20"}, {"NSC", "21"}, {"NTL", "22"}, {"ACT", "24"}, {"MC", "25"},
    {"CMR", "2B"}, {"PDV", "2C"}, {"ECF", "2D"}, {"DVS", "99"},
};
const QString ModeloOutras = QStringLiteral("01");

// The faults of a document, in the order they are listed.
enum Falha { CgcIncompleto, CfopIncompleto, NumeroInvalido, ValorNegativo, ValorAcima, AliquotaInvalida };
constexpr QStringView TextoFalha[] = {
    u"CNPJ/CPF incompleto",
    u"CFOP incompleto",
    u"Número do documento inválido",
    u"Valor negativo",
    u"Valor acima do limite do arquivo",
    u"Alíquota inválida",
};

// The largest amounts, in cents, of a field of 13 digits and of one whose last 12 digits are written.
constexpr qint64 Limite13 = 9'999'999'999'999;
constexpr qint64 Limite12 = 999'999'999'999;
// 99,99 % in hundredths.
constexpr qint64 AliquotaMaxima = 9999;

const QString Isento = QStringLiteral("ISENTO        ");

bool soDigitos(QStringView texto) {
    for (QChar c : texto)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// An amount rounded half up to two decimals, as whole cents.
qint64 centavos(Currency valor) { return Geral::Arredonda(valor, 2).raw() / (Currency::Scale / 100); }

// `valor` (not negative) in `largura` digits, zeros on the left.
QString zeros(qint64 valor, int largura) {
    // Most amounts of a slot are zero: they share one text.
    static const QString Zero13(13, u'0');
    if (valor == 0 && largura == 13) return Zero13;
    QString texto(largura, u'0');
    for (int i = largura - 1; i >= 0 && valor > 0; --i, valor /= 10) texto[i] = QChar(u'0' + int(valor % 10));
    return texto;
}

}  // namespace

QString Digitos(QStringView texto) {
    QString d;
    d.reserve(texto.size());
    for (QChar c : texto)
        if (c >= u'0' && c <= u'9') d += c;
    return d;
}

QString DataSintegra(const QDate& data) {
    return zeros(qint64(data.year()) * 10000 + data.month() * 100 + data.day(), 8);
}

bool SlotTomado(const ItemIcms& item) {
    return item.base > Currency() || item.isento > Currency() || item.outros > Currency();
}

QString CampoInscricao(const QString& ie) {
    const QString d = Digitos(ie);
    return d.size() < 8 ? Isento : d.left(14).leftJustified(14);
}

QString ModeloEspecie(const QString& especie) {
    for (const Especie& e : Especies)
        if (e.especie == especie) return e.modelo;
    return ModeloOutras;
}

void ConverteDocumento(const DocumentoIcms& documento, int ano, bool saida, const Inscricoes& inscricoes,
                       Conversao& destino) {
    bool algum = false;
    for (const ItemIcms& item : documento.itens) algum = algum || SlotTomado(item);
    if (!algum) return;

    const bool novo = ano >= 2003;
    bool falhas[std::size(TextoFalha)] = {};
    RegistroSintegra r;

    if (documento.cgc == MascaraCgcVazia) {
        r.cgc = QString(14, u'0');
        r.inscr_estadual = Isento;
    } else {
        const QString d = Digitos(documento.cgc);
        if (d.size() == 11)
            r.cgc = QStringLiteral("000") + d;
        else if (d.size() == 14)
            r.cgc = d;
        else if (d.isEmpty())
            r.cgc = QString(14, u'0');
        else
            falhas[CgcIncompleto] = true;
        r.inscr_estadual = inscricoes.value(documento.cgc, Isento);
    }

    QString codfiscal = documento.codfiscal;
    r.cfop = Geral::SoNumerosSinal(codfiscal).left(novo ? 4 : 3);
    if (r.cfop.size() != (novo ? 4 : 3) || !soDigitos(r.cfop)) falhas[CfopIncompleto] = true;

    r.regtip = QStringLiteral("50");
    r.modelo = ModeloEspecie(documento.especie);
    if (novo) {
        if (QStringView(r.cfop).mid(1, 2) == u"35" || r.cfop == u"6932") r.regtip = QStringLiteral("70");
        if (documento.especie == u"NFC" || documento.especie == u"NFP")
            r.regtip = QStringLiteral("61");
        else if (documento.especie == u"NSC")
            r.regtip = saida ? QStringLiteral("76") : QStringLiteral("50");
    }

    // A document without issue date takes its entry date, which lies in the period.
    r.demis = DataSintegra(documento.demiss.isValid() ? documento.demiss : documento.datalan);
    r.uf = documento.uf.isEmpty() ? QStringLiteral("EX") : documento.uf;
    r.serie = QStringLiteral("   ");
    r.subserie = !novo               ? QStringLiteral("  ")
                 : r.regtip == u"70" ? QStringLiteral("1 ")
                                     : QStringLiteral("P ");

    const QString numero = platform::values::Trim(documento.docinicial);
    if (numero.isEmpty() || numero.size() > 6 || !soDigitos(numero))
        falhas[NumeroInvalido] = true;
    else
        r.nrnf = numero.rightJustified(6, u'0');
    r.situacao = QStringLiteral("N");

    // The fields that record 61 or 76 writes by their last 12 digits.
    const bool icms12 = r.regtip == u"61" || r.regtip == u"76";
    const bool outros12 = r.regtip == u"76";
    const std::size_t primeiro = destino.registros.size();
    for (const ItemIcms& item : documento.itens) {
        if (!SlotTomado(item)) continue;
        const qint64 base = centavos(item.base), icms = centavos(item.icms), isento = centavos(item.isento),
                     outros = centavos(item.outros), aliquota = centavos(item.aliquota);
        const qint64 total = base + isento + outros;
        if (base < 0 || icms < 0 || isento < 0 || outros < 0) falhas[ValorNegativo] = true;
        if (std::max({base, icms, isento, outros, total}) > Limite13 || (icms12 && icms > Limite12) ||
            (outros12 && std::max(isento, outros) > Limite12))
            falhas[ValorAcima] = true;
        if (aliquota < 0 || aliquota > AliquotaMaxima) falhas[AliquotaInvalida] = true;
        r.baseicms = zeros(base, 13);
        r.vlrtot = total == base ? r.baseicms : zeros(total, 13);
        r.vlricms = zeros(icms, 13);
        r.vlrisent = zeros(isento, 13);
        r.vlroutr = zeros(outros, 13);
        r.aliqicms = zeros(aliquota, 4);
        destino.registros.push_back(r);
    }

    bool recusado = false;
    for (std::size_t f = 0; f < std::size(TextoFalha); ++f) {
        if (!falhas[f]) continue;
        recusado = true;
        destino.recusas.append((saida ? QStringLiteral("Saídas ") : QStringLiteral("Entradas ")) +
                               platform::values::formatDate(documento.datalan) + QStringLiteral(" Nº ") +
                               documento.docinicial + QStringLiteral(": ") + TextoFalha[f].toString());
    }
    if (recusado) destino.registros.resize(primeiro);
}

}  // namespace sintegra
