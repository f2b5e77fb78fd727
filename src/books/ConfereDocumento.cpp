#include "books/ConfereDocumento.h"

#include "movement/ValoresGuardados.h"

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

// The book places a document by its entry date and prints its issue date: a document without them,
// or entered in another month, would print in this month's book as if it were of it.
void ConfereDatas(const QDate& periodo, const QDate& datalan, const QDate* demiss) {
    const QStringList faltas = movimento::DatasForaDoMes(periodo, datalan, demiss, true);
    if (faltas.isEmpty()) return;
    if (faltas.front().endsWith(QStringLiteral("ausente")))
        Recusa(faltas.front() + QStringLiteral("; preencha-a no documento."));
    Recusa(faltas.front());
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
