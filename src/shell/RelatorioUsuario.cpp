#include "shell/RelatorioUsuario.h"

#include "platform/db/Connection.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/report/PrintRoutines.h"
#include "platform/ui/Hourglass.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "shell/usuarios_sql.h"

namespace shell {

using namespace platform::report;

namespace {

// The report's own names of the rights, in the order of usuarios::ColunasDireitos.
constexpr std::array<const char*, 9> CamposDireitos{"Bdcon", "Bdadi", "Bdexc", "Bdalt", "Cfcon",
                                                    "Cfadi", "Cfexc", "Cfalt", "Cfbai"};

constexpr double Esquerda = 15;
constexpr double Direita = 195;
constexpr double ColunaValor = 55;
constexpr double AlturaLinha = 7;
constexpr double LarguraCaixa = 5;
constexpr double ColunaCaixa = 120;

// A table of rights: its title, then one line per right with its caption and its box.
double tabelaDireitos(Band& band, double y, const QString& titulo, int primeiro, int ultimo) {
    const FontSpec negrito = FontSpec::sans(10, true);
    const FontSpec corpo = FontSpec::sans(10);
    band.text(Esquerda, y, Direita - Esquerda, 6, titulo, negrito);
    y += AlturaLinha;
    band.line(Esquerda, y - 1, Direita, y - 1);
    for (int i = primeiro; i <= ultimo; ++i) {
        band.text(Esquerda + 5, y, ColunaCaixa - Esquerda - 10, 5,
                  QString::fromUtf8(usuarios::TitulosDireitos[i]), corpo)
            .box(ColunaCaixa, y, LarguraCaixa, LarguraCaixa)
            .field(ColunaCaixa, y, LarguraCaixa, LarguraCaixa, QString::fromLatin1(CamposDireitos[i]),
                   negrito, Align::Center, QString::fromLatin1(RelatorioUsuario::Marca) + QLatin1Char(';'))
            .widest(QString::fromLatin1(RelatorioUsuario::Marca));
        y += AlturaLinha;
    }
    return y + 4;
}

}  // namespace

RelatorioUsuario::RelatorioUsuario() {
    pageHeader.height = 16;
    pageHeader
        .text(Esquerda, 2, Direita - Esquerda, 8, QString::fromUtf8(CaptionUsuario), FontSpec::sans(14, true),
              Align::Center)
        .line(Esquerda, 13, Direita, 13);

    const FontSpec titulo = FontSpec::sans(10, true);
    const FontSpec corpo = FontSpec::sans(10);
    double y = 2;
    const std::pair<const char*, const char*> dados[] = {
        {"Código:", "codigo"}, {"Nome:", "nome"}, {"Data da Senha:", "data"}};
    for (const auto& [rotulo, campo] : dados) {
        detail.text(Esquerda, y, ColunaValor - Esquerda, 6, QString::fromUtf8(rotulo), titulo)
            .field(ColunaValor, y, Direita - ColunaValor, 6, QString::fromLatin1(campo), corpo)
            .wrap();
        y += AlturaLinha;
    }
    y += 6;
    y = tabelaDireitos(detail, y, QStringLiteral("Tarefas do Banco de Dados"), 0,
                       usuarios::DireitosBanco - 1);
    y = tabelaDireitos(detail, y, QStringLiteral("Tarefas do Controle Financeiro"), usuarios::DireitosBanco,
                       int(CamposDireitos.size()) - 1);
    detail.height = y;
}

void ImprimeUsuario(platform::db::Connection& cn, qint64 codigo) {
    platform::ui::HourglassGuard ampulheta;
    platform::db::Recordset rs = usuarios::PorCodigo(cn, codigo);
    if (rs.Eof()) return;

    CrystalDataObject dados;
    dados.AddField(QStringLiteral("codigo"), FieldType::Text);
    dados.AddField(QStringLiteral("nome"), FieldType::Text);
    dados.AddField(QStringLiteral("data"), FieldType::Text);
    for (const char* campo : CamposDireitos) dados.AddField(QString::fromLatin1(campo), FieldType::Boolean);

    std::vector<Value> linha;
    linha.emplace_back(rs.Fields(QStringLiteral("codigo")).toString());
    linha.emplace_back(rs.Fields(QStringLiteral("nome")).toString());
    const QDate dsenha = rs.Fields(QStringLiteral("dsenha")).toDate();
    linha.emplace_back(dsenha.isValid() ? platform::values::formatDate(dsenha) : QString());
    // A right never written (a row of an older registry) prints as not given.
    for (const char* coluna : usuarios::ColunasDireitos)
        linha.emplace_back(rs.Fields(QString::fromLatin1(coluna)).toBool());
    dados.AddRows({linha});
    PrintByAutomation(Geral::DiretorioSistema + QStringLiteral("Usuario.rpt"), dados,
                      QString::fromUtf8(CaptionUsuario));
}

void RegistraRelatoriosShell() { layoutRegistry().add<RelatorioUsuario>(QStringLiteral("Usuario.rpt")); }

}  // namespace shell
