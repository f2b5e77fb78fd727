#include "books/LinhasLivro.h"

#include <algorithm>
#include <limits>

#include "platform/report/TextLines.h"
#include "platform/values/Str.h"
#include "platform/values/TextCompare.h"
#include "platform/values/Vb.h"
#include "shell/Geral.h"

namespace Livros {

using platform::values::Format;
using platform::values::Str;
using platform::values::Trim;
using platform::values::Val;

namespace {

Currency R(Currency valor) { return Geral::Arredonda(valor, 2); }

const Currency Zero;

// The characters of a remark's piece, the most a line of the observation column holds.
constexpr qsizetype TamanhoPeca = 12;

// The observation pieces of a document, each on a line of its own.
struct Observacoes {
    std::vector<QString> pecas;
};

// The remark in pieces of at most 12 characters, broken between words, so that a word is printed
// whole on its line; every piece makes a line of its own when the document has none there, so that a
// remark is always printed whole.
void AcrescentaObservacao(Observacoes& obs, const QString& observ) {
    if (Trim(observ).isEmpty()) return;
    // A remark that fits one piece prints as typed, its blanks included.
    if (observ.size() <= TamanhoPeca) {
        obs.pecas.push_back(observ);
        return;
    }
    for (const QString& peca : platform::report::breakLines(observ, TamanhoPeca)) obs.pecas.push_back(peca);
}

// The document's lines: the value lines, then as many observation-only lines as the pieces need,
// each line with the piece of its position.
std::vector<LinhaLivro> Emparelha(std::vector<LinhaLivro> linhas, const Observacoes& obs) {
    const std::size_t n = std::max(linhas.size(), obs.pecas.size());
    linhas.resize(n);
    for (std::size_t i = 0; i < obs.pecas.size(); ++i) linhas[i].observ = obs.pecas[i];
    return linhas;
}

// A document number as a plain whole number, "" when it is not above 0.
QString NumeroDocumento(const QString& texto) {
    // Most numbers are stored in that form already: digits without a leading zero, few enough to be
    // exact as a double.
    if (!texto.isEmpty() && texto.size() <= 15 && texto[0] != u'0' &&
        std::all_of(texto.cbegin(), texto.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return texto;
    const double numero = Val(texto);
    return numero > 0 ? QString::number(static_cast<qint64>(numero)) : QString();
}

LinhaLivro Linha(const QString& tipo, Currency base, Currency aliquota = {}, Currency imposto = {}) {
    LinhaLivro linha;
    linha.tipo = tipo;
    linha.base = base;
    linha.aliquota = aliquota;
    linha.imposto = imposto;
    return linha;
}

// The entries book's IPI pieces: one amount that fits in eight characters of its plain form goes with
// each label on one line ("IPI=1234,56"), a longer one on lines of its own ("IPI=", "12.345,67").
void AcrescentaIpiEntrada(Observacoes& obs, Currency ipi) {
    if (Str(ipi).size() > 8) {
        const QString valor = Format(ipi, u"#,###,##0.00");
        obs.pecas.insert(obs.pecas.end(), {QStringLiteral("IPI="), valor, QStringLiteral(" IE="), valor});
        return;
    }
    const QString valor = Format(ipi, u"####0.00");
    QString ipiTexto = QStringLiteral("IPI=") + valor;
    if (ipiTexto.size() > 12) ipiTexto = QStringLiteral("IPI") + valor;
    QString ieTexto = QStringLiteral(" IE=") + valor;
    if (ieTexto.size() > 12) ieTexto = QStringLiteral("IE=") + valor;
    obs.pecas.push_back(ipiTexto);
    obs.pecas.push_back(ieTexto);
}

// The ICMS withheld at source (the seller as substitute), noted after the IPI: without it the row's
// columns would not add up to its valor contábil. Where the piece is longer than `cabe` characters
// (the exits book's narrower column) the label and the amount take a line each, so that no amount is
// broken across two lines.
void AcrescentaFonte(Observacoes& obs, Currency fonte, qsizetype cabe) {
    if (!(fonte > Zero)) return;
    const QString valor = Format(fonte, u"####0.00");
    if (valor.size() + 4 <= cabe)
        obs.pecas.push_back(QStringLiteral(" IF=") + valor);
    else
        obs.pecas.insert(obs.pecas.end(), {QStringLiteral("IF="), valor});
}

}  // namespace

const LinhaLivro& LinhaComplementar() {
    static const LinhaLivro linha = [] {
        LinhaLivro l;
        l.observ = QStringLiteral(" ");
        return l;
    }();
    return linha;
}

DocumentoExpandido ExpandeEntrada(const DocumentoIcms& doc) {
    DocumentoExpandido e;
    TotaisDocumento& t = e.totais;
    t.vcontabil = R(doc.vlrcontabil);
    t.icmsfonte = R(doc.fonteicms);
    std::vector<LinhaLivro> linhas;
    // Room for the usual document at once: one allocation, not one for each doubling.
    linhas.reserve(8);
    for (const ItemIcms& item : doc.itens) {
        // A slot's ICMS counts only with its taxed base.
        if (item.base > Zero) {
            linhas.push_back(Linha(QStringLiteral("ICMS 1"), R(item.base), item.aliquota, R(item.icms)));
            t.base += R(item.base);
            t.icms += R(item.icms);
        }
        if (item.isento > Zero) {
            linhas.push_back(Linha(QStringLiteral("ICMS 2"), R(item.isento)));
            t.isentos += R(item.isento);
        }
        if (item.outros > Zero) {
            linhas.push_back(Linha(QStringLiteral("ICMS 3"), R(item.outros)));
            t.outras += R(item.outros);
        }
    }
    Observacoes obs;
    if (doc.valripi > Zero) AcrescentaIpiEntrada(obs, R(doc.valripi));
    AcrescentaFonte(obs, t.icmsfonte, std::numeric_limits<qsizetype>::max());
    AcrescentaObservacao(obs, doc.observ);
    e.linhas = Emparelha(std::move(linhas), obs);
    return e;
}

DocumentoExpandido ExpandeSaida(const DocumentoIcms& doc, bool industria) {
    DocumentoExpandido e;
    TotaisDocumento& t = e.totais;
    t.vcontabil = R(doc.vlrcontabil);
    t.icmsfonte = R(doc.fonteicms);
    std::vector<LinhaLivro> linhas;
    linhas.reserve(8);
    for (const ItemIcms& item : doc.itens) {
        // The tax and the rate alone make no line.
        if (!(item.base > Zero || item.isento > Zero || item.outros > Zero)) continue;
        LinhaLivro linha = Linha(QStringLiteral("ICMS"), R(item.base), item.aliquota, R(item.icms));
        linha.isento = R(item.isento);
        linha.outros = R(item.outros);
        t.base += linha.base;
        t.icms += linha.imposto;
        t.isentos += linha.isento;
        t.outras += linha.outros;
        linhas.push_back(linha);
    }
    Observacoes obs;
    if (doc.valripi > Zero) {
        if (industria) {
            // The IPI is a line of the book, outside the document's ICMS totals.
            LinhaLivro linha = Linha(QStringLiteral("IPI"), R(doc.baseipi), Zero, R(doc.valripi));
            linha.isento = R(doc.isenipi);
            linha.outros = R(doc.outripi);
            linhas.push_back(linha);
        } else {
            const QString ipi = Str(R(doc.valripi));
            obs.pecas.push_back(QStringLiteral("IPI=") + ipi);
            obs.pecas.push_back(QStringLiteral(" IE=") + ipi);
        }
    }
    AcrescentaFonte(obs, t.icmsfonte, TamanhoPeca);
    AcrescentaObservacao(obs, doc.observ);
    e.linhas = Emparelha(std::move(linhas), obs);
    return e;
}

CabecalhoLivro Cabecalho(const DocumentoIcms& doc, const QString& empresa, const QString& inscrest) {
    CabecalhoLivro c;
    c.datalan = doc.datalan;
    c.demiss = doc.demiss;
    c.especie = doc.especie.toUpper();
    c.serie = doc.serie.toUpper();
    c.docinicial = NumeroDocumento(doc.docinicial);
    c.docfinal = NumeroDocumento(doc.docfinal);
    c.cgc = doc.cgc;
    c.inscrest = inscrest;
    c.empresa = empresa;
    c.uf = doc.uf;
    c.codfiscal = doc.codfiscal;
    c.vlrcontabil = R(doc.vlrcontabil);
    return c;
}

const CabecalhoLivro& CabecalhoContinuacao() {
    static const CabecalhoLivro c = [] {
        const QString branco = QStringLiteral(" ");
        CabecalhoLivro b;
        b.especie = b.serie = b.docinicial = b.docfinal = b.cgc = b.inscrest = b.empresa = b.uf =
            b.codfiscal = branco;
        return b;
    }();
    return c;
}

TotaisDocumento& TotaisPorChave::operator[](const QString& chave) {
    // A key met before as written is found without folding it again.
    if (const auto exata = exatas_.constFind(chave); exata != exatas_.cend()) return totais_[*exata].second;
    const QString dobrada = platform::values::foldCase(chave);
    auto it = indice_.constFind(dobrada);
    if (it == indice_.cend()) {
        it = indice_.insert(dobrada, totais_.size());
        totais_.push_back({chave, {}});
    }
    exatas_.insert(chave, *it);
    return totais_[*it].second;
}

TotaisDocumento& operator+=(TotaisDocumento& total, const TotaisDocumento& doc) {
    total.vcontabil += doc.vcontabil;
    total.base += doc.base;
    total.icms += doc.icms;
    total.isentos += doc.isentos;
    total.outras += doc.outras;
    total.icmsfonte += doc.icmsfonte;
    return total;
}

}  // namespace Livros
