#include "books/documentos_sql.h"

#include <QSet>
#include <algorithm>
#include <numeric>

#include "books/ConfereDocumento.h"
#include "platform/report/Render.h"
#include "platform/values/TextCompare.h"

namespace Livros {

using platform::db::Params;
using platform::db::Recordset;
using platform::values::compareText;
using platform::values::Currency;
using platform::values::foldCase;

namespace {

// Two document numbers compared as numbers ("9" before "10", "0009" equal to "9" and then as texts);
// a number with anything but digits compares as text.
int ComparaNumeros(const QString& a, const QString& b) {
    const auto digitos = [](const QString& t) {
        return !t.isEmpty() &&
               std::all_of(t.cbegin(), t.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (!digitos(a) || !digitos(b)) return compareText(a, b);
    const auto semZeros = [](const QString& t) {
        qsizetype i = 0;
        while (i < t.size() && t[i] == u'0') ++i;
        return QStringView(t).mid(i);
    };
    const QStringView x = semZeros(a), y = semZeros(b);
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    if (const int c = x.compare(y); c != 0) return c;
    return compareText(a, b);
}

// The columns a book reads: the entries book prints no final number, and only an industry's exits
// book the IPI's base, exempt and other amounts. Fewer columns read is less of the month to convert.
// Both read the issue date, which places a document as its entry date does.
const movimento::Projecao<DocumentoIcms>& Colunas(bool entradas, bool industria) {
    const auto projeta = [](bool deEntradas, bool deIndustria) {
        std::vector<const char*> c{"datalan",   "especie",   "serie",    "docinicial",  "cgc",
                                   "uf",        "codfiscal", "observ",   "vlrcontabil", "baseicms",
                                   "aliqicms",  "valricms",  "isenicms", "outricms",    "valripi",
                                   "fonteicms", "demiss"};
        if (!deEntradas) c.push_back("docfinal");
        if (!deEntradas && deIndustria) c.insert(c.end(), {"baseipi", "isenipi", "outripi"});
        return movimento::Projeta<DocumentoIcms>(c);
    };
    // Found in the map once for each kind of book.
    static const movimento::Projecao<DocumentoIcms> livros[] = {projeta(true, false), projeta(false, false),
                                                                projeta(false, true)};
    return livros[entradas ? 0 : industria ? 2 : 1];
}

// A text as a JSON string: quotes, backslashes and control characters escaped.
void AcrescentaJson(QString& json, const QString& texto) {
    json += u'"';
    for (const QChar c : texto) {
        if (c == u'"' || c == u'\\') {
            json += u'\\';
            json += c;
        } else if (c.unicode() < 0x20) {
            json += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            json += c;
        }
    }
    json += u'"';
}

// Throws, naming it, for the first document of `outra` entered in the month of `periodo`: compared as
// stored, so that the index on datalan serves; a day with a time after it ("2003-04-30 00:00:00") is
// still before the next month's first.
template <typename Documento>
void ConfereTabela(Connection& movimento, const QString& outra, const QDate& periodo) {
    static const auto colunas = movimento::Projeta<Documento>({"docinicial", "datalan"});
    const QDate primeiro(periodo.year(), periodo.month(), 1);
    movimento::LeituraMes<Documento> leitura(
        movimento, outra, colunas,
        QStringLiteral("WHERE datalan >= ? AND datalan < ? ORDER BY datalan, codauto LIMIT 1"),
        {primeiro, primeiro.addMonths(1)});
    if (leitura.Linhas().Eof()) return;
    Documento d;
    leitura.Le(d, Documento{});
    try {
        ConfereDatas(QDate(periodo.year(), movimento::MesDaTabela(outra), 1), d.datalan);
    } catch (const platform::db::Error& e) {
        throw platform::db::inDocument(e, outra, d.docinicial);
    }
}

}  // namespace

std::vector<DocumentoIcms> LeDocumentos(Connection& movimento, Livro livro, const QString& tabela,
                                        const QDate& periodo, const std::optional<FaixaDias>& faixa,
                                        bool industria) {
    const bool entradas = livro == Livro::Entradas;
    QString resto;
    Params params;
    if (faixa) {
        // A date is the day its first ten characters name ("2003-03-31 00:00:00").
        resto = faixa->porEmissao ? QStringLiteral("WHERE substr(Demiss, 1, 10) BETWEEN ? AND ? ")
                                  : QStringLiteral("WHERE substr(Datalan, 1, 10) BETWEEN ? AND ? ");
        params = {faixa->inicio, faixa->fim};
    }
    movimento::LeituraMes<DocumentoIcms> leitura(movimento, tabela, Colunas(entradas, industria),
                                                 resto + QStringLiteral("ORDER BY codauto"), params);
    Recordset& rs = leitura.Linhas();
    // A year's documents are tens of megabytes: kept in the heap once freed, the next book reuses them
    // instead of mapping and faulting them in afresh (the book's print asks the same of the heap).
    platform::report::keepHeap();
    std::vector<DocumentoIcms> documentos;
    documentos.reserve(std::size_t(rs.RecordCount()));
    // Each document is read in place, beside the previous one (the room was reserved: none moves).
    const DocumentoIcms nenhum;
    const auto& colunas = Colunas(entradas, industria);
    for (; !rs.Eof(); rs.MoveNext()) {
        const DocumentoIcms& anterior = documentos.empty() ? nenhum : documentos.back();
        try {
            DocumentoIcms& d = documentos.emplace_back();
            leitura.Le(d, anterior);
            // The exits book prints no issue date: an exit without one is dated by its entry date.
            ConfereDatas(periodo, d.datalan, &d.demiss, entradas);
            ConfereValores(colunas, d);
        } catch (const platform::db::Error& e) {
            throw platform::db::inDocument(e, tabela, rs.Fields(QStringLiteral("docinicial")).toString());
        }
    }
    ConfereOutrasTabelas(movimento, tabela, periodo);
    // The book's order is the one "ORDER BY datalan, cgc, docinicial" gives (entries; the exits leave
    // out cgc), the numbers compared as numbers (9 before 10), taken here in memory with the same text
    // comparison: the database would sort whole rows of the month, which costs more than sorting their
    // positions. Documents equal in all three keep the order in which they were entered.
    const bool porCgc = livro == Livro::Entradas;
    std::vector<std::size_t> ordem(documentos.size());
    std::iota(ordem.begin(), ordem.end(), std::size_t{0});
    std::stable_sort(ordem.begin(), ordem.end(), [&](std::size_t i, std::size_t j) {
        const DocumentoIcms& a = documentos[i];
        const DocumentoIcms& b = documentos[j];
        if (a.datalan != b.datalan)
            return !a.datalan.isValid() || (b.datalan.isValid() && a.datalan < b.datalan);
        if (porCgc) {
            const int c = compareText(a.cgc, b.cgc);
            if (c != 0) return c < 0;
        }
        return ComparaNumeros(a.docinicial, b.docinicial) < 0;
    });
    // Position k takes the document ordem[k]: each cycle of that permutation is walked once, every
    // document moved once, where it is (a second vector of the month would cost more than the moves).
    for (std::size_t inicio = 0; inicio < ordem.size(); ++inicio) {
        if (ordem[inicio] == inicio) continue;
        DocumentoIcms primeiro = std::move(documentos[inicio]);
        std::size_t k = inicio;
        while (ordem[k] != inicio) {
            const std::size_t de = ordem[k];
            documentos[k] = std::move(documentos[de]);
            ordem[k] = k;
            k = de;
        }
        documentos[k] = std::move(primeiro);
        ordem[k] = k;
    }
    return documentos;
}

void ConfereOutrasTabelas(Connection& movimento, const QString& tabela, const QDate& periodo) {
    const QString propria = movimento::TabelaDoMovimento(tabela);
    const QString familia = propria.chopped(2);
    for (int mes = 1; mes <= 12; ++mes) {
        const QString outra = movimento::TabelaMes(familia, mes);
        if (outra == propria) continue;
        if (familia == movimento::Iss)
            ConfereTabela<movimento::DocumentoIss>(movimento, outra, periodo);
        else
            ConfereTabela<DocumentoIcms>(movimento, outra, periodo);
    }
}

QHash<QString, Participante> LeParticipantes(Connection& cadastro, Livro livro,
                                             const std::vector<DocumentoIcms>& documentos) {
    QSet<QString> vistos;
    QString numeros = QStringLiteral("[");
    for (const DocumentoIcms& d : documentos)
        if (!vistos.contains(d.cgc)) {
            vistos.insert(d.cgc);
            if (numeros.size() > 1) numeros += u',';
            AcrescentaJson(numeros, d.cgc);
        }
    numeros += u']';
    // The numbers go in as one bound JSON array, so the query is one whatever the month holds.
    const QString tabela = livro == Livro::Entradas ? QStringLiteral("ForGeral") : QStringLiteral("CliGeral");
    Recordset rs = cadastro.OpenRecordset(
        QStringLiteral("SELECT cgc, nome, ie FROM ") + tabela +
            QStringLiteral(" WHERE cgc IN (SELECT value FROM json_each(?)) ORDER BY rowid"),
        {numeros});
    QHash<QString, Participante> porNumero;
    porNumero.reserve(rs.RecordCount());
    for (; !rs.Eof(); rs.MoveNext()) {
        Recordset::RowValues v(rs);
        const QString chave = foldCase(v.text());
        if (!porNumero.contains(chave)) {
            Participante p;
            p.nome = v.text();
            p.ie = v.text();
            porNumero.insert(chave, p);
        }
    }
    QHash<QString, Participante> participantes;
    participantes.reserve(porNumero.size());
    for (const QString& numero : std::as_const(vistos))
        if (const auto p = porNumero.constFind(foldCase(numero)); p != porNumero.cend())
            participantes.insert(numero, *p);
    return participantes;
}

}  // namespace Livros
