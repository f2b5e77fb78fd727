#include "utilities/ImpressaoListagem.h"

#include "companies/CamposEmpresa.h"
#include "platform/db/Connection.h"
#include "platform/report/Formula.h"
#include "platform/report/PrintRoutines.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/SenhaAdm.h"

namespace utilities {

namespace report = platform::report;

namespace {
// The office's name heads every listing.
QString NomeEscritorio() {
    platform::db::Connection cn;
    cn.Open(Geral::ConexaoCadastro);
    return shell::LeEscritorio(cn);
}
}  // namespace

QString RelatorioListagem(int modelo) {
    return QStringLiteral("lrMod") + Geral::Zeros(qint64(modelo), 2) + QStringLiteral(".rpt");
}

bool ImprimeListagem(platform::db::Recordset& rs, int modelo, const QString& titulo) {
    report::CrystalDataObject dados;
    Empresas::DeclaraCamposEmpresa(dados);
    std::vector<std::vector<report::Value>> linhas;
    linhas.reserve(std::size_t(rs.RecordCount()));
    // The listings carry no tax regime and no capital: the row's three extras stay empty.
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) linhas.push_back(Empresas::LinhaEmpresa(rs, {}));
    dados.AddRows(linhas);
    return report::PrintByAutomation(
        Geral::DiretorioSistema + RelatorioListagem(modelo), dados, QStringLiteral("Listagens Resumidas"),
        {{QStringLiteral("Titu"), report::quoted(titulo)},
         {QStringLiteral("uEmpat"), report::quoted(QString::number(Geral::ValorEmpat))},
         {QStringLiteral("uNempat"), report::quoted(Geral::ValorNempat)},
         {QStringLiteral("gClient"), report::quoted(NomeEscritorio())}});
}

}  // namespace utilities
