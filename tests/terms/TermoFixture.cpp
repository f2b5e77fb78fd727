#include "TermoFixture.h"

#include "companies/empresas_sql.h"
#include "support/EmpresaGravada.h"
#include "terms/termo_sql.h"

qint64 TermoFixture::Empresa(qint64 codigo, const QString& nome) {
    testsupport::DadosEmpresa e;
    e.codigo = codigo;
    e.nome = nome;
    e.endereco = QStringLiteral("Rua das Palmeiras");
    e.numero = QStringLiteral("120");
    e.bairro = QStringLiteral("Centro");
    e.cidade = QStringLiteral("Campinas");
    e.uf = QStringLiteral("SP");
    e.cgc = QStringLiteral("11.222.333/0001-81");
    e.inscr_estadual = QStringLiteral("244.111.222.113");
    e.ccm = QStringLiteral("1.234.567-8");
    testsupport::InsereEmpresa(db, e);
    return Empresas::LeEmpresa(db, codigo).Fields(QStringLiteral("codauto")).toLongLong();
}

QStringList TermoFixture::TextosCompletos() {
    return {QStringLiteral("Maria da Silva"),
            QStringLiteral("123.456.789-09"),
            QStringLiteral("35.2.1234567"),
            QStringLiteral("JUCESP"),
            QStringLiteral("05/03/2011"),
            QString(),
            QString(),
            QStringLiteral("1"),
            QStringLiteral("200"),
            QStringLiteral("1"),
            QStringLiteral("05/03/2011"),
            QStringLiteral("31/12/2011"),
            QStringLiteral("1"),
            QStringLiteral("150"),
            QStringLiteral("2"),
            QStringLiteral("01/01/2011"),
            QStringLiteral("31/12/2011"),
            QStringLiteral("3"),
            QStringLiteral("12"),
            QStringLiteral("01/01/2011"),
            QStringLiteral("31/12/2011"),
            QStringLiteral("4"),
            QStringLiteral("200"),
            QStringLiteral("01/02/2011"),
            QStringLiteral("31/01/2012"),
            QStringLiteral("51"),
            QStringLiteral("100"),
            QStringLiteral("1"),
            QStringLiteral("200"),
            QStringLiteral("5"),
            QStringLiteral("01/01/2011"),
            QStringLiteral("31/12/2010"),
            QStringLiteral("12.345.678-9"),
            QStringLiteral("1SP123456/O-5"),
            QStringLiteral("José Contador")};
}

QStringList TermoFixture::TextosLidos() {
    return {QStringLiteral("Maria da Silva"),
            QStringLiteral("123.456.789-09"),
            QStringLiteral("35.2.1234567"),
            QStringLiteral("JUCESP"),
            QStringLiteral("05/03/2011"),
            QStringLiteral("Verdadeiro"),
            QStringLiteral("Falso"),
            QStringLiteral("0001"),
            QStringLiteral("0200"),
            QStringLiteral("0001"),
            QStringLiteral("05/03/2011"),
            QStringLiteral("31/12/2011"),
            QStringLiteral("0001"),
            QStringLiteral("0150"),
            QStringLiteral("0002"),
            QStringLiteral("01/01/2011"),
            QStringLiteral("31/12/2011"),
            QStringLiteral("3"),
            QStringLiteral("012"),
            QStringLiteral("01/01/2011"),
            QStringLiteral("31/12/2011"),
            QStringLiteral("4"),
            QStringLiteral("200"),
            QStringLiteral("01/02/2011"),
            QStringLiteral("31/01/2012"),
            QStringLiteral("51"),
            QStringLiteral("0100"),
            QStringLiteral("0001"),
            QStringLiteral("0200"),
            QStringLiteral("5"),
            QStringLiteral("01/01/2011"),
            QStringLiteral("31/12/2010"),
            QStringLiteral("12.345.678-9"),
            QStringLiteral("1SP123456/O-5"),
            QStringLiteral("José Contador")};
}

void TermoFixture::TermoCompleto(qint64 codauto) {
    terms::CriaTermo(db, codauto);
    GravaTextos(codauto, TextosCompletos(), true);
}

void TermoFixture::GravaTextos(qint64 codauto, const QStringList& textos, bool p1a) {
    platform::db::ColumnList valores;
    const auto& colunas = terms::ColunasTermo();
    for (std::size_t i = 0; i < colunas.size(); ++i)
        valores.add(colunas[i].nome, terms::ValorColuna(colunas[i].forma, textos.value(int(i)), p1a));
    valores.update(db, QStringLiteral("Termo"),
                   platform::db::ColumnList().add(QStringLiteral("codcli"), codauto));
}
