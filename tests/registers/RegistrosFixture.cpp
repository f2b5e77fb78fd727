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
const std::pair<const char*, QString Parceiro::*> Colunas[] = {
    {"cgc", &Parceiro::cgc},           {"nome", &Parceiro::nome},     {"ie", &Parceiro::ie},
    {"endereco", &Parceiro::endereco}, {"numero", &Parceiro::numero}, {"complemento", &Parceiro::complemento},
    {"bairro", &Parceiro::bairro},     {"cidade", &Parceiro::cidade}, {"uf", &Parceiro::uf},
    {"cep", &Parceiro::cep},           {"CodMun", &Parceiro::CodMun}, {"xPais", &Parceiro::xPais},
    {"cPais", &Parceiro::cPais}};
}  // namespace

void InsereParceiro(platform::db::Connection& db, const QString& tabela, const Parceiro& p) {
    platform::db::ColumnList c;
    for (const auto& [coluna, campo] : Colunas) c.add(QString::fromLatin1(coluna), p.*campo);
    db.Execute(c.insertSql(tabela), c.values());
}

Parceiro LeParceiro(platform::db::Connection& db, const QString& tabela, const QString& cgc) {
    Parceiro p;
    const auto rs = db.OpenRecordset("SELECT * FROM " + tabela + " WHERE cgc = ?", {cgc});
    for (const auto& [coluna, campo] : Colunas) p.*campo = rs.Fields(QString::fromLatin1(coluna)).toString();
    return p;
}
