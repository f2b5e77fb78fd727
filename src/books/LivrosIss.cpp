#include "books/LivrosIss.h"

#include <algorithm>

#include "platform/report/Formula.h"
#include "shell/Geral.h"

using Geral::Arredonda;

namespace LivrosIss {

int TipoDoDocumento(const QString& tipo) {
    const QString t = tipo.trimmed();
    qsizetype n = 0;
    while (n < t.size() && t.at(n).isDigit()) ++n;
    return n == 0 ? 0 : t.left(n).toInt();
}

LinhaIss LinhaDoLivro(Modelo modelo, const DocumentoIss& doc) {
    LinhaIss l;
    l.datalan = doc.datalan;
    l.codserv = doc.codserv;
    l.docinicial = doc.docinicial;
    l.observ = doc.observ;
    const int t = TipoDoDocumento(doc.tipo);
    const qint64 docfinal = doc.docfinal.trimmed().toLongLong();
    if (modelo == Modelo::M53) {
        const Currency liquido = Arredonda(doc.base - (doc.materiais + doc.subempr), 2);
        l.docfinal = doc.docfinal.isNull() ? QString() : QString::number(docfinal);
        l.vlrnota = doc.base;
        l.materiais = doc.materiais;
        l.subempr = doc.subempr;
        l.tipo = doc.tipo;
        if (t == 1 || t == 2) {
            l.isentas = liquido;
        } else if (t != 3) {
            l.base = liquido;
            l.aliq = doc.aliq;
            l.iss = doc.iss;
        }
    } else {
        l.serie = doc.serie;
        l.docfinal = QString::number(docfinal);
        if (t == 0) {
            l.base = doc.base;
            l.aliq = doc.aliq;
            l.iss = doc.iss;
        } else if (t == 3) {
            l.remessas = doc.base;
        } else {
            l.isentas = doc.base;
        }
    }
    return l;
}

std::vector<TotalAliquotaIss> SomaPorAliquota(const std::vector<LinhaIss>& linhas) {
    std::vector<TotalAliquotaIss> totais;
    for (const LinhaIss& l : linhas) {
        if (l.aliq <= Currency()) continue;
        auto it = std::find_if(totais.begin(), totais.end(),
                               [&](const TotalAliquotaIss& t) { return t.aliq == l.aliq; });
        if (it == totais.end()) it = totais.insert(totais.end(), TotalAliquotaIss{l.aliq, {}, {}});
        it->base += Arredonda(l.base, 2);
        it->iss += Arredonda(l.iss, 2);
    }
    return totais;
}

Livros::RelatorioLivro RelatorioIss(Modelo modelo, const QString& TipoImpressora) {
    const QString forma = TipoImpressora == u"M" ? QStringLiteral("Ma") : QStringLiteral("Jt");
    return modelo == Modelo::M53 ? Livros::RelatorioLivro{forma + QStringLiteral("Iss53.rpt"),
                                                          QStringLiteral("Livro de ISS - Modelo 53")}
                                 : Livros::RelatorioLivro{forma + QStringLiteral("Iss51.rpt"),
                                                          QStringLiteral("Livro de ISS - Modelo 51")};
}

Livros::Formulas FormulasIss(const EmpresaIss& e, const QString& mesano, const QString& txtNpag,
                             bool SemMovimento) {
    using platform::report::quoted;
    Livros::Formulas f{{QStringLiteral("empr"), quoted(e.nome)},
                       {QStringLiteral("end"), quoted(e.endereco + QStringLiteral(", ") + e.numero +
                                                      QStringLiteral(" ") + e.complemento)},
                       {QStringLiteral("ie"), quoted(e.ie)},
                       {QStringLiteral("ccm"), quoted(e.ccm)},
                       {QStringLiteral("cgc"), quoted(e.cgc)},
                       {QStringLiteral("mesano"), quoted(mesano)},
                       {QStringLiteral("nfolha"), QString::number(txtNpag.trimmed().toLongLong())}};
    if (SemMovimento)
        f.emplace_back(QStringLiteral("sem_movimento"), quoted(QStringLiteral("SEM  MOVIMENTO")));
    return f;
}

}  // namespace LivrosIss
