#include "RegistrosFixture.h"

#include "platform/db/ColumnList.h"
#include "registers/Relatorios.h"

void RegistrosFixture::SetUp() {
    RegistryWindowFixture::SetUp();
    registers::RegistraRelatorios();
}

QString RegistrosFixture::Coluna(const QString& tabela, const QString& chave, const QString& valor,
                                 const QString& coluna) {
    auto rs = db.OpenRecordset(QStringLiteral("SELECT ") + coluna + QStringLiteral(" FROM ") + tabela +
                                   QStringLiteral(" WHERE ") + chave + QStringLiteral(" = ?"),
                               {valor});
    return rs.Eof() ? QStringLiteral("<nenhum>") : rs.Fields(0).toString();
}

long RegistrosFixture::Conta(const QString& tabela) {
    return long(
        db.OpenRecordset(QStringLiteral("SELECT Count(*) AS I FROM ") + tabela).Fields(0).toLongLong());
}

namespace {
const char* const ColunasParceiro[] = {"cgc",    "nome", "ie",  "endereco", "numero", "complemento", "bairro",
                                       "cidade", "uf",   "cep", "CodMun",   "xPais",  "cPais"};
QString* CamposParceiro(Parceiro& p, int i) {
    QString* campos[] = {&p.cgc,    &p.nome, &p.ie,  &p.endereco, &p.numero, &p.complemento, &p.bairro,
                         &p.cidade, &p.uf,   &p.cep, &p.CodMun,   &p.xPais,  &p.cPais};
    return campos[i];
}
}  // namespace

void InsereParceiro(platform::db::Connection& db, const QString& tabela, const Parceiro& p) {
    platform::db::ColumnList c;
    Parceiro copia = p;
    for (int i = 0; i < 13; ++i) c.add(QString::fromLatin1(ColunasParceiro[i]), *CamposParceiro(copia, i));
    db.Execute(c.insertSql(tabela), c.values());
}

Parceiro LeParceiro(platform::db::Connection& db, const QString& tabela, const QString& cgc) {
    Parceiro p;
    const auto rs = db.OpenRecordset("SELECT * FROM " + tabela + " WHERE cgc = ?", {cgc});
    for (int i = 0; i < 13; ++i)
        *CamposParceiro(p, i) = rs.Fields(QString::fromLatin1(ColunasParceiro[i])).toString();
    return p;
}
