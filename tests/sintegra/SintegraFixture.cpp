#include "SintegraFixture.h"

#include <QDialog>
#include <QFile>

#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "support/EmpresaGravada.h"

using platform::values::Currency;

namespace {

qint64 centavos(const char* texto) { return Currency::parse(QString::fromLatin1(texto))->raw() / 100; }

}  // namespace

void SintegraFixture::SetUp() {
    Geral::ReiniciaEstadoGeral();
    UiFixture::SetUp();
    Geral::DiretorioSistema = folder.path();
    cadastro.Open(folder.registryConnection());
    testsupport::DadosEmpresa e;
    e.codigo = 7;
    e.nome = QString::fromUtf8("Ótica Três Irmãos Comércio e Ferragens Ltda");
    e.endereco = "Avenida Brasil";
    e.numero = "1234567";
    e.complemento = QString::fromUtf8("Sala nº 5 'B'");
    e.bairro = QString::fromUtf8("Jardim América");
    e.cidade = QString::fromUtf8("São José dos Campos");
    e.uf = "SP";
    e.cep = "36300-000";
    e.cgc = "12.345.678/0001-95";
    e.inscr_estadual = "110.042.490.114";
    e.fax = "(32) 3371-2222";
    testsupport::InsereEmpresa(cadastro, e);
    acesso = sintegra::AcessoDoPrograma();
}

void SintegraFixture::TearDown() {
    cadastro.Close();
    movimento.Close();
    UiFixture::TearDown();
}

void SintegraFixture::documento(bool saida, const char* datalan, const char* demiss, const char* especie,
                                const char* cgc, const char* uf, const char* numero, const char* cfop,
                                const Itens& itens, const char* ipi) {
    const QDate data = QDate::fromString(QString::fromLatin1(datalan), Qt::ISODate);
    QString colunas = "datalan, demiss, especie, cgc, uf, docinicial, codfiscal, vlrcontabil";
    QString valores = "?, ?, ?, ?, ?, ?, ?, ?";
    Currency contabil = *Currency::parse(QString::fromLatin1(ipi));
    platform::db::Params params{data,
                                *demiss ? platform::db::Param(QDate::fromString(demiss, Qt::ISODate))
                                        : platform::db::Param(platform::db::DbNull),
                                especie,
                                cgc,
                                uf,
                                numero,
                                cfop,
                                Currency()};
    for (std::size_t i = 0; i < itens.size(); ++i) {
        int c = 0;
        for (const char* coluna : {"baseicms", "valricms", "isenicms", "outricms", "aliqicms"}) {
            colunas += QStringLiteral(", %1%2").arg(coluna).arg(i);
            valores += ", ?";
            params.push_back(*Currency::parse(QString::fromLatin1(itens[i][c++])));
        }
        const ValoresSlot v{QString::fromLatin1(numero).toLongLong(), centavos(itens[i][0]),
                            centavos(itens[i][1]), centavos(itens[i][2]), centavos(itens[i][3])};
        if (v.base > 0 || v.isento > 0 || v.outros > 0) {
            esperados.push_back(v);
            contabil += Currency::fromRaw((v.base + v.isento + v.outros) * 100);
        }
    }
    params[7] = contabil;
    executa(data.year(),
            QStringLiteral("INSERT INTO %1%2 (%3) VALUES (%4)")
                .arg(saida ? "DIGS" : "DIGE")
                .arg(data.month(), 2, 10, QLatin1Char('0'))
                .arg(colunas, valores),
            params);
}

void SintegraFixture::executa(int ano, const QString& sql, const platform::db::Params& params) {
    const QString nome = QStringLiteral("MV%1%2.MDB").arg(ano % 100, 2, 10, QLatin1Char('0')).arg("0007");
    platform::db::Connection mv;
    mv.Open(folder.movementConnection(nome, !QFile::exists(folder.filePath("Tarvel/" + nome))));
    mv.Execute(sql, params);
}

void SintegraFixture::participante(const char* tabela, const char* cgc, const char* ie) {
    cadastro.Execute(QStringLiteral("INSERT INTO %1 (cgc, nome, ie) VALUES (?, ?, ?)").arg(tabela),
                     {cgc, "Parte", ie});
}

sintegra::PedidoSintegra SintegraFixture::pedido(const QDate& inicio, const QDate& fim) const {
    return {"7", inicio, fim, QString::fromUtf8("José \"Zé\" Ωmega"), "3233712222", folder.path(), "SINT007"};
}

sintegra::ResultadoGeracao SintegraFixture::gera(const sintegra::PedidoSintegra& p) {
    return sintegra::GeraArquivoSintegra(p, cadastro, movimento, acesso);
}

QByteArray SintegraFixture::arquivo(const QString& nome) const {
    QFile f(folder.filePath(nome + ".TXT"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

QStringList SintegraFixture::erros() const {
    QStringList linhas;
    for (const Geral::LinhaErro& l : Geral::ListaErros)
        if (!l.vazia()) linhas.append(l.Descricao);
    return linhas;
}

void SintegraFixture::esperaErros() {
    script->onDialog("frmErros", [](QDialog& d) { testsupport::click(&d, QStringLiteral("cmdOk")); });
}

long SintegraFixture::linhasRegSint() {
    return long(cadastro.OpenRecordset("SELECT count(*) AS n FROM RegSint").Fields("n").toLongLong());
}
