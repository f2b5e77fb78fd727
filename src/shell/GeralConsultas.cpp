#include "shell/GeralConsultas.h"

#include "platform/db/Connection.h"
#include "shell/EstadoGeral.h"

namespace Geral {

bool ExisteUF(const QString& Uf) { return ExisteUF(ConexaoCadastro, Uf); }

bool ExisteUF(const QString& Conexao, const QString& Uf) {
    platform::db::Connection banco;
    banco.Open(Conexao);
    return !banco.OpenRecordset(QStringLiteral("SELECT UF FROM Estados Where UF = ?"), {Uf}).Eof();
}

QString CodigoMunicipio(const QString& Uf, const QString& Municipio) {
    return CodigoMunicipio(ConexaoCadastro, Uf, Municipio);
}

QString CodigoMunicipio(const QString& Conexao, const QString& Uf, const QString& Municipio) {
    platform::db::Connection banco;
    banco.Open(Conexao);
    const auto rs = banco.OpenRecordset(
        QStringLiteral("SELECT cMun FROM Municipios WHERE uf = ? AND nomeMun = ?"), {Uf, Municipio});
    return rs.Eof() ? QString() : rs.Fields("cMun").toString();
}

}  // namespace Geral
