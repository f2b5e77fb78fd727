#include "registers/Impressao.h"

#include "platform/report/Automation.h"
#include "platform/report/frmRelatorio.h"
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

    report::Application aplicacao;
    std::unique_ptr<report::Report> rpt = aplicacao.OpenReport(Geral::DiretorioSistema + relacao.relatorio);
    if (!rpt) return;
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
    rpt->Database().Tables().item(1).SetPrivateData(3, dados);
    rpt->FormulaFields().item(relacao.formula).Text = QLatin1Char('"') + relacao.titulo + QLatin1Char('"');
    rpt->PrintWindowOptions().hasPrintSetupButton = true;
    rpt->PrintWindowOptions().hasRefreshButton = true;
    report::frmRelatorio* host = report::frmRelatorio::ShowShared();
    host->setCaption(relacao.caption);
    platform::ui::resetPointer();
    rpt->Preview(QString(), 1, 1, 0, 0, 0x1000000, host);
}

}  // namespace registers
