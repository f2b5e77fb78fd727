#include "registers/Impressao.h"

#include "platform/report/PrintRoutines.h"
#include "platform/ui/Hourglass.h"
#include "shell/EstadoGeral.h"

namespace registers {

namespace report = platform::report;

void ImprimeRelacao(const Relacao& relacao,
                    const std::function<platform::db::Recordset(platform::db::Connection&)>& consulta,
                    platform::db::Connection& cn) {
    platform::ui::HourglassGuard ampulheta;
    platform::db::Recordset rs = consulta(cn);
    if (rs.Eof()) return;

    report::CrystalDataObject dados;
    for (const QString& campo : relacao.campos) dados.AddField(campo, report::FieldType::Text);
    std::vector<std::vector<report::Value>> linhas;
    linhas.reserve(std::size_t(rs.RecordCount()));
    for (; !rs.Eof(); rs.MoveNext()) {
        std::vector<report::Value> linha;
        for (int c = 0; c < relacao.campos.size(); ++c) linha.emplace_back(rs.Fields(c).toString());
        linhas.push_back(std::move(linha));
    }
    dados.AddRows(linhas);
    report::PrintByAutomation(Geral::DiretorioSistema + relacao.relatorio, dados, relacao.caption,
                              {{relacao.formula, QLatin1Char('"') + relacao.titulo + QLatin1Char('"')}});
}

}  // namespace registers
