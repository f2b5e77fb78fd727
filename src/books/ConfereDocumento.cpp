#include "books/ConfereDocumento.h"

namespace Livros {

using platform::values::Currency;
using platform::values::ErrorNumber::Overflow;

namespace {

[[noreturn]] void Recusa(const QString& motivo) {
    throw platform::db::Error(Overflow, motivo, QString(), QStringLiteral("Livros"));
}

}  // namespace

template <typename Documento>
void ConfereValores(const movimento::Projecao<Documento>& colunas, const Documento& d) {
    for (const movimento::ColunaMes<Documento>* c : colunas) {
        if (c->tipo != movimento::TipoMes::Dinheiro) continue;
        const qint64 valor = c->Dinheiro(d).raw();
        const bool aliquota = c->raiz.startsWith(QStringLiteral("aliq"), Qt::CaseInsensitive);
        const qint64 maior = aliquota ? MaiorAliquotaImpressa : MaiorValorImpresso;
        if (valor <= maior && valor >= -maior) continue;
        Recusa(QStringLiteral("o campo \"%1\" guarda %2, além do que os livros imprimem inteiro (%3).")
                   .arg(c->nome, QString::number(valor),
                        aliquota ? QStringLiteral("99,9999") : QStringLiteral("99.999.999.999,99")));
    }
}

template void ConfereValores(const movimento::Projecao<movimento::DocumentoIcms>&,
                             const movimento::DocumentoIcms&);
template void ConfereValores(const movimento::Projecao<movimento::DocumentoIss>&,
                             const movimento::DocumentoIss&);

void ConfereDatas(const QDate& periodo, const QDate& datalan, const QDate* demiss) {
    const auto mesmoMes = [&periodo](const QDate& d) {
        return d.year() == periodo.year() && d.month() == periodo.month();
    };
    // The book places a document by its entry date and prints its issue date: a document without
    // them, or entered in another month, would print in this month's book as if it were of it.
    if (!datalan.isValid()) Recusa(QStringLiteral("Data de lançamento ausente; preencha-a no documento."));
    if (!mesmoMes(datalan))
        Recusa(QStringLiteral("Data de lançamento fora do período: ") + datalan.toString(u"dd/MM/yyyy"));
    if (!demiss) return;
    if (!demiss->isValid()) Recusa(QStringLiteral("Data de emissão ausente; preencha-a no documento."));
    if (*demiss > QDate(periodo.year(), periodo.month(), periodo.daysInMonth()))
        Recusa(QStringLiteral("Data de emissão fora do período: ") + demiss->toString(u"dd/MM/yyyy"));
}

void ConfereCalculado(const QString& rotulo, Currency valor) {
    if (valor.raw() <= MaiorValorImpresso && valor.raw() >= -MaiorValorImpresso) return;
    Recusa(
        rotulo + QStringLiteral(" dá ") + QString::number(valor.raw()) +
        QStringLiteral(" décimos de milésimo, além do que os livros imprimem inteiro (99.999.999.999,99)."));
}

platform::values::RuntimeError EstouroDoLivro(const QString& livro, const QString& tabela) {
    return platform::values::RuntimeError(
        Overflow, QStringLiteral("Estouro nas somas do %1: confira os valores dos documentos da tabela %2.")
                      .arg(livro, tabela));
}

}  // namespace Livros
