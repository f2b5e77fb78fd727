#include "sintegra/RegistroSintegra.h"

#include <algorithm>
#include <optional>
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
// The invoice model 1/1-A, also of any species the list does not name.
const QString ModeloNotaFiscal = QStringLiteral("01");
constexpr QStringView ModeloEntradaAntigo = u"03";

// The faults of a document, in the order they are listed.
enum Falha {
    CgcIncompleto,
    CgcInvalido,
    CfopIncompleto,
    CfopNaoEntrada,
    CfopNaoSaida,
    CfopUf,
    ModeloSemRegistro,
    TransporteSemModelo,
    EmissaoForaDoPeriodo,
    NumeroInvalido,
    SerieLonga,
    ValorNegativo,
    ValorAcima,
    ValorContabil,
    AliquotaInvalida,
    QuantasFalhas
};
constexpr QStringView TextoFalha[QuantasFalhas] = {
    u"CNPJ/CPF incompleto",
    u"CNPJ/CPF com dígitos verificadores inválidos",
    u"CFOP incompleto",
    u"CFOP não é de entrada",
    u"CFOP não é de saída",
    u"CFOP incompatível com a UF do participante",
    u"Modelo sem registro no leiaute anterior a 2003",
    u"CFOP de transporte num documento que não é de transporte",
    u"Data de emissão fora do período",
    u"Número do documento inválido",
    u"Série maior que o campo do arquivo",
    u"Valor negativo",
    u"Valor acima do limite do arquivo",
    u"Valor contábil menor que a soma dos valores do ICMS",
    u"Alíquota inválida",
};

// The models each register takes, as the layouts' tables list them.
constexpr QStringView ModelosTransporte[] = {u"07", u"08", u"09", u"10", u"11"};
// Consumer invoice and tickets; a producer's invoice goes there only when the company issues it.
constexpr QStringView Modelos61[] = {u"02", u"13", u"14", u"15", u"16"};
constexpr QStringView Modelo61Produtor = u"04";
// Before 2003 record 50 takes these alone.
constexpr QStringView Modelos50Antigo[] = {u"01", u"03", u"06", u"22"};

template <std::size_t N>
bool umDe(QStringView valor, const QStringView (&lista)[N]) {
    return std::find(std::begin(lista), std::end(lista), valor) != std::end(lista);
}

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

using Falhas = std::array<bool, QuantasFalhas>;

// The first digit of the CFOP says the direction and where the other party is: 1 and 5 in the
// company's state, 2 and 6 in another, 3 and 7 abroad. The group (1 to 3 when the CFOP is of the
// document's direction), none when the CFOP is incomplete.
std::optional<int> GrupoCfop(const QString& cfop, bool saida, const Falhas& falhas) {
    if (falhas[CfopIncompleto]) return std::nullopt;
    return cfop.front().unicode() - u'0' - (saida ? 4 : 0);
}

// Which record takes the document, with which model and CFOP, by the layout of the period's year
// (`novo`: from 2003).
void QualRegistro(const DocumentoIcms& documento, bool saida, bool novo, RegistroSintegra& r,
                  Falhas& falhas) {
    QString codfiscal = documento.codfiscal;
    r.cfop = Geral::SoNumerosSinal(codfiscal).left(novo ? 4 : 3);
    if (r.cfop.size() != (novo ? 4 : 3) || !soDigitos(r.cfop)) falhas[CfopIncompleto] = true;
    r.modelo = ModeloEspecie(documento.especie);
    // The entry invoice model 3 is no longer issued from 2003 and record 50 no longer takes it: the
    // company's own entry invoice is a model 1/1-A.
    if (novo && r.modelo == ModeloEntradaAntigo) r.modelo = ModeloNotaFiscal;
    r.regtip = QStringLiteral("50");
    if (novo) {
        // Record 61 has no CFOP field: consumer invoices and tickets go there whatever their CFOP. A
        // producer's invoice received is the producer's document: record 50, with the producer's data.
        if (umDe(r.modelo, Modelos61) || (saida && r.modelo == Modelo61Produtor)) {
            r.regtip = QStringLiteral("61");
        } else if (umDe(r.modelo, ModelosTransporte)) {
            // Record 70 takes the transport models alone, whatever the CFOP.
            r.regtip = QStringLiteral("70");
        } else {
            // A transport CFOP on another model is a document the file cannot hold.
            if (QStringView(r.cfop).mid(1, 2) == u"35" || r.cfop == u"6932")
                falhas[TransporteSemModelo] = true;
            if (documento.especie == u"NSC") r.regtip = saida ? QStringLiteral("76") : QStringLiteral("50");
        }
    } else if (umDe(r.modelo, Modelos61) || r.modelo == Modelo61Produtor) {
        r.regtip = QStringLiteral("61");
    } else if (!umDe(r.modelo, Modelos50Antigo)) {
        falhas[ModeloSemRegistro] = true;
    }
    const std::optional<int> grupo = GrupoCfop(r.cfop, saida, falhas);
    if (grupo && (*grupo < 1 || *grupo > 3)) falhas[saida ? CfopNaoSaida : CfopNaoEntrada] = true;
}

// The other party's fields: CNPJ/CPF (`digitosCgc`, its digits as stored), state registration and
// state. An operation with another country (state EX, a CFOP beginning with 3 or 7) is written with zeros for
// the CNPJ/CPF and "ISENTO", as the layout's guide says, whatever was stored.
void Participante(const DocumentoIcms& documento, const QString& digitosCgc, bool saida,
                  const QString& ufEmpresa, const Inscricoes& inscricoes, RegistroSintegra& r,
                  Falhas& falhas) {
    const int grupo = GrupoCfop(r.cfop, saida, falhas).value_or(0);
    r.uf = platform::values::Trim(documento.uf).toUpper();
    if (r.uf.isEmpty() || grupo == 3) r.uf = QStringLiteral("EX");
    // Record 61 names no other party.
    if (grupo >= 1 && grupo <= 3 && r.regtip != u"61" &&
        grupo != (r.uf == u"EX"                                         ? 3
                  : r.uf == platform::values::Trim(ufEmpresa).toUpper() ? 1
                                                                        : 2))
        falhas[CfopUf] = true;

    static const QString SemCgc(14, u'0');
    if (r.uf == u"EX" || documento.cgc == MascaraCgcVazia) {
        r.cgc = SemCgc;
        r.inscr_estadual = Isento;
        return;
    }
    if (digitosCgc.size() == 11) {
        r.cgc = QStringLiteral("000") + digitosCgc;
        falhas[CgcInvalido] = !Geral::CpfConfere(digitosCgc);
    } else if (digitosCgc.size() == 14) {
        r.cgc = digitosCgc;
        falhas[CgcInvalido] = !Geral::CgcConfere(digitosCgc);
    } else if (digitosCgc.isEmpty()) {
        r.cgc = SemCgc;
    } else {
        falhas[CgcIncompleto] = true;
    }
    r.inscr_estadual = inscricoes.value(documento.cgc, Isento);
}

// Appends to `destino` one register for each taken slot, `r` with the slot's amounts and, as its total,
// its share of the document's valor contábil.
void RegistrosDasParcelas(const DocumentoIcms& documento, RegistroSintegra r, Falhas& falhas,
                          std::vector<RegistroSintegra>& destino) {
    struct Slot {
        qint64 base, icms, isento, outros, aliquota;
    };
    std::array<Slot, 5> tomadas;
    std::size_t tomados = 0;
    qint64 soma = 0;
    for (const ItemIcms& item : documento.itens) {
        if (!SlotTomado(item)) continue;
        const Slot s{centavos(item.base), centavos(item.icms), centavos(item.isento), centavos(item.outros),
                     centavos(item.aliquota)};
        soma += s.base + s.isento + s.outros;
        tomadas[tomados++] = s;
    }
    // What the valor contábil holds beyond the slots (IPI, ICMS at source) is shared out by the slots'
    // amounts, the last taking the remainder, so that the totals add up to the valor contábil.
    qint64 alem = centavos(documento.vlrcontabil) - soma;
    if (alem < 0) {
        falhas[ValorContabil] = true;
        alem = 0;
    }
    qint64 repartido = 0;

    // The fields that record 61 or 76 writes by their last 12 digits.
    const bool icms12 = r.regtip == u"61" || r.regtip == u"76";
    const bool outros12 = r.regtip == u"76";
    for (std::size_t i = 0; i < tomados; ++i) {
        const Slot& s = tomadas[i];
        const qint64 proprio = s.base + s.isento + s.outros;
        const qint64 parte = i + 1 == tomados ? alem - repartido
                             : soma > 0       ? qint64(__int128(alem) * proprio / soma)
                                              : 0;
        repartido += parte;
        const qint64 total = proprio + parte;
        if (s.base < 0 || s.icms < 0 || s.isento < 0 || s.outros < 0) falhas[ValorNegativo] = true;
        if (std::max({s.base, s.icms, s.isento, s.outros, total}) > Limite13 ||
            (icms12 && s.icms > Limite12) || (outros12 && std::max(s.isento, s.outros) > Limite12))
            falhas[ValorAcima] = true;
        if (s.aliquota < 0 || s.aliquota > AliquotaMaxima) falhas[AliquotaInvalida] = true;
        r.baseicms = zeros(s.base, 13);
        r.vlrtot = total == s.base ? r.baseicms : zeros(total, 13);
        r.vlricms = zeros(s.icms, 13);
        r.vlrisent = zeros(s.isento, 13);
        r.vlroutr = zeros(s.outros, 13);
        r.aliqicms = zeros(s.aliquota, 4);
        if (i + 1 < tomados)
            destino.push_back(r);
        else
            destino.push_back(std::move(r));
    }
}

}  // namespace

QString Digitos(QStringView texto) {
    QString d(texto.size(), Qt::Uninitialized);
    QChar* fim = d.data();
    for (QChar c : texto)
        if (c >= u'0' && c <= u'9') *fim++ = c;
    d.truncate(fim - d.constData());
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
    // A rural producer of São Paulo is registered as "P" and twelve digits ("P-01100424.3/002"), and
    // is written and checked so, the letter included.
    const QStringView texto = platform::values::TrimmedView(ie);
    if (d.size() == 12 && !texto.isEmpty() && texto.front().toUpper() == u'P')
        return (u'P' + d).leftJustified(14);
    return d.size() < 8 ? Isento : d.left(14).leftJustified(14);
}

QString ModeloEspecie(const QString& especie) {
    for (const Especie& e : Especies)
        if (e.especie == especie) return e.modelo;
    return ModeloNotaFiscal;
}

void ConverteDocumento(const DocumentoIcms& documento, const ContextoConversao& contexto, bool saida,
                       const Inscricoes& inscricoes, Conversao& destino) {
    if (std::none_of(documento.itens.begin(), documento.itens.end(), SlotTomado)) return;
    // An entry is dated when it was received, an exit when it was issued; a document without issue
    // date takes its entry date.
    const QDate data = saida && documento.demiss.isValid() ? documento.demiss : documento.datalan;
    const bool noPeriodo = data >= contexto.inicio && data <= contexto.fim;
    // An exit issued in another period of the year goes into that period's file, whichever month's
    // table holds it; none of this database's files can take one issued in another year.
    if (!noPeriodo && saida && data.year() == contexto.inicio.year()) return;

    const bool novo = contexto.inicio.year() >= 2003;
    Falhas falhas = {};
    falhas[EmissaoForaDoPeriodo] = !noPeriodo;
    RegistroSintegra r;
    QualRegistro(documento, saida, novo, r, falhas);
    const QString digitosCgc = documento.cgc == MascaraCgcVazia ? QString() : Digitos(documento.cgc);
    Participante(documento, digitosCgc, saida, contexto.uf, inscricoes, r, falhas);

    // Documents come in date order: most take the text of the one before.
    if (data != destino.data || destino.demis.isEmpty()) {
        destino.data = data;
        destino.demis = DataSintegra(data);
    }
    r.demis = destino.demis;
    // The series lets the authorities match the line to the document; none is blanks. A transport
    // record has one position of series before its two of sub-series.
    r.serie = platform::values::Trim(documento.serie);
    if (r.serie.size() > (r.regtip == u"76" ? 2 : r.regtip == u"70" ? 1 : 3))
        falhas[SerieLonga] = true;
    else
        r.serie = r.serie.leftJustified(3);
    // The company issued the document itself when it is an exit, its own entry invoice or a document
    // under its own CNPJ.
    const bool propria =
        saida || documento.especie == u"NFE" || (!digitosCgc.isEmpty() && digitosCgc == contexto.cgc);
    r.subserie = !novo                          ? QStringLiteral("  ")
                 : r.regtip == u"70"            ? QStringLiteral("1 ")
                 : r.regtip != u"50" || propria ? QStringLiteral("P ")
                                                : QStringLiteral("T ");
    const QStringView numero = platform::values::TrimmedView(documento.docinicial);
    if (numero.isEmpty() || numero.size() > 6 || !soDigitos(numero)) {
        falhas[NumeroInvalido] = true;
    } else {
        r.nrnf = QString(6, u'0');
        std::copy(numero.begin(), numero.end(), r.nrnf.end() - numero.size());
    }
    r.situacao = QStringLiteral("N");

    const std::size_t primeiro = destino.registros.size();
    RegistrosDasParcelas(documento, std::move(r), falhas, destino.registros);
    for (int f = 0; f < QuantasFalhas; ++f) {
        if (!falhas[f]) continue;
        QString texto = TextoFalha[f].toString();
        if (f == ModeloSemRegistro) texto.insert(7, ModeloEspecie(documento.especie) + u' ');
        destino.recusas.append(IdentificaDocumento(saida, platform::values::formatDate(documento.datalan),
                                                   documento.docinicial) +
                               texto);
    }
    if (std::find(falhas.begin(), falhas.end(), true) != falhas.end()) destino.registros.resize(primeiro);
}

QString IdentificaDocumento(bool saida, const QString& onde, const QString& numero) {
    return (saida ? QStringLiteral("Saídas ") : QStringLiteral("Entradas ")) + onde + QStringLiteral(" Nº ") +
           numero + QStringLiteral(": ");
}

}  // namespace sintegra
