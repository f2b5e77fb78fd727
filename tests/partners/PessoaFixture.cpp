#include "PessoaFixture.h"

#include <QTableView>
#include <QTest>

#include "platform/controls/TDBList.h"
#include "support/Drive.h"

using namespace testsupport;

qint64 PessoaFixture::Empresa(qint64 codigo, const QString& nome) {
    db.Execute(QStringLiteral("INSERT INTO Empresas (codigo, nome) VALUES (?, ?)"), {codigo, nome});
    return db.OpenRecordset(QStringLiteral("SELECT codauto FROM Empresas WHERE codigo = ?"), {codigo})
        .Fields(0)
        .toLongLong();
}

qint64 PessoaFixture::Pessoa(const QString& tabela, qint64 codempr, const QString& nome) {
    db.Execute(QStringLiteral("INSERT INTO ") + tabela + QStringLiteral(" (codempr, nome) VALUES (?, ?)"),
               {codempr, nome});
    return db.OpenRecordset(QStringLiteral("SELECT max(codauto) FROM ") + tabela).Fields(0).toLongLong();
}

void PessoaFixture::Classe(const QString& tabela, const QString& colunaDono, qint64 dono, const QDate& data,
                           int classe) {
    db.Execute(QStringLiteral("INSERT INTO ") + tabela + QStringLiteral(" (") + colunaDono +
                   QStringLiteral(", dinicio, classe) VALUES (?, ?, ?)"),
               {dono, data, classe});
}

QStringList PessoaFixture::Linhas(platform::controls::TDBList* lista) {
    QStringList linhas;
    const auto* a = lista->Array();
    for (int i = a->LowerBound(1); i <= a->UpperBound(1); ++i) {
        QStringList celulas;
        for (int c = a->LowerBound(2); c <= a->UpperBound(2); ++c) celulas << a->Value(i, c).toString();
        linhas << celulas.join(u'|');
    }
    return linhas;
}

void PessoaFixture::EscolheLinha(platform::controls::TDBList* lista, int linha) {
    QTableView* v = lista->view();
    int coluna = 0;
    while (v->isColumnHidden(coluna)) ++coluna;
    const QRect r = v->visualRect(v->model()->index(linha, coluna));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    settle();
}

void PessoaFixture::EsperaErros(QStringList* linhas) {
    script->onDialog(QStringLiteral("frmErros"), [linhas](QDialog& d) {
        auto* lista = control<platform::controls::TDBList>(&d, QStringLiteral("tdbErros"));
        for (int i = 0; i < lista->Array()->Count(1); ++i)
            *linhas << lista->Array()->Value(lista->Array()->LowerBound(1) + i, 2).toString();
        click(&d, QStringLiteral("cmdOk"));
    });
}
