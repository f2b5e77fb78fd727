#include "RegistrosFixture.h"

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
