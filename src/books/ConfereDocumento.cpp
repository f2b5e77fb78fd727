#include "books/ConfereDocumento.h"

#include "movement/ValoresGuardados.h"
#include "platform/values/Vb.h"

namespace Livros {

using platform::values::Currency;
using platform::values::ErrorNumber::Overflow;

namespace {

[[noreturn]] void Recusa(const QString& motivo) {
    throw platform::db::Error(Overflow, motivo, QString(), QStringLiteral("Livros"));
}

// An amount as the windows show it ("100.000.000.000,00"), a rate ("100,0000") with the four decimals
// of its field; the decimals the field does not show are written too, so that the value told is the
// value stored.
QString Mostrado(Currency valor, bool aliquota = false) {
    return platform::values::Format(valor, aliquota || valor.raw() % 100 != 0 ? u"#,##0.0000" : u"#,##0.00");
}

const QString AlemDoImpresso =
    QStringLiteral(", além do que os livros imprimem inteiro (99.999.999.999,99).");

}  // namespace

template <typename Documento>
void ConfereValores(const movimento::Projecao<Documento>& colunas, const Documento& d) {
    for (const movimento::ColunaMes<Documento>* c : colunas) {
        if (c->tipo != movimento::TipoMes::Dinheiro) continue;
        const Currency valor = c->Dinheiro(d);
        const bool aliquota = c->raiz.startsWith(QStringLiteral("aliq"), Qt::CaseInsensitive);
        const qint64 maior = aliquota ? MaiorAliquotaImpressa : MaiorValorImpresso;
        // The legal models have no negative line: a slot of a negative amount alone would print
        // nothing while its document's valor contábil is left out of the totals.
        if (valor.raw() >= 0 && valor.raw() <= maior) continue;
        const QString guarda =
            QStringLiteral("o campo \"%1\" guarda %2").arg(c->nome, Mostrado(valor, aliquota));
        if (valor.raw() > maior || valor.raw() < -maior)
            Recusa(guarda + (aliquota ? QStringLiteral(", além do que os livros imprimem inteiro (99,9999).")
                                      : AlemDoImpresso));
        Recusa(guarda + QStringLiteral(", valor negativo que os livros não imprimem."));
    }
}

template void ConfereValores(const movimento::Projecao<movimento::DocumentoIcms>&,
                             const movimento::DocumentoIcms&);
template void ConfereValores(const movimento::Projecao<movimento::DocumentoIss>&,
                             const movimento::DocumentoIss&);

// The book places a document by its entry date, and the entries book prints its issue date: a
// document without them, or entered in another month, would print in this month's book as if it were
// of it.
void ConfereDatas(const QDate& periodo, const QDate& datalan, const QDate* demiss, bool emissaoExigida) {
    const QStringList faltas = movimento::DatasForaDoMes(periodo, datalan, demiss, emissaoExigida);
    if (faltas.isEmpty()) return;
    if (faltas.front().endsWith(QStringLiteral("ausente")))
        Recusa(faltas.front() + QStringLiteral("; preencha-a no documento."));
    Recusa(faltas.front());
}

void ConfereCalculado(const QString& rotulo, Currency valor) {
    if (valor.raw() <= MaiorValorImpresso && valor.raw() >= -MaiorValorImpresso) return;
    Recusa(rotulo + QStringLiteral(" dá ") + Mostrado(valor) + AlemDoImpresso);
}

platform::values::RuntimeError EstouroDoLivro(const QString& livro, const QString& tabela) {
    return platform::values::RuntimeError(
        Overflow, QStringLiteral("Estouro nas somas do %1: confira os valores dos documentos da tabela %2.")
                      .arg(livro, tabela));
}

}  // namespace Livros
