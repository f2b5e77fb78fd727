#include "companies/RelatorioEmpresa.h"

#include "companies/CamposEmpresa.h"
#include "companies/CodigosEmpresa.h"
#include "platform/report/LayoutRegistry.h"
#include "platform/report/PrintRoutines.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"

namespace Empresas {

using namespace platform::report;
namespace values = platform::values;

namespace {

constexpr double Esquerda = 15;
constexpr double Direita = 195;
constexpr double AlturaLinha = 6;
constexpr double AlturaTexto = 5;

const FontSpec Rotulo = FontSpec::sans(9, true);
// A value keeps this much room before the next pair's caption; a longer one wraps in its room and
// moves the lines below it down.
constexpr double Folga = 2;
const FontSpec Corpo = FontSpec::sans(9);

QString textoDe(const ReportContext& c, const char* campo) {
    return displayText(c.field(QString::fromLatin1(campo)));
}

// The caption of a stored code in its list; a code the list lacks shows as stored, a blank as nothing.
QString legendaDe(Lista lista, const QString& codigo) {
    const int i = IndiceDe(lista, codigo);
    const QString legenda = i >= 0 ? Entradas(lista)[std::size_t(i)].legenda : codigo;
    return values::Trim(legenda);
}

// A percentage handed over as the system's number text, shown with two decimals.
QString percentual(const QString& texto) {
    const auto valor = values::Currency::parse(texto);
    return valor ? values::Format(*valor, u"###,###,##0.00") : texto;
}

// The sheet is written line by line: each line holds "caption value" pairs from left to right.
class Folha {
  public:
    explicit Folha(Band& band) : band_(band) {}

    void secao(const QString& titulo) {
        y_ += 3;
        band_.text(Esquerda, y_, Direita - Esquerda, AlturaTexto, titulo, FontSpec::sans(10, true));
        y_ += AlturaLinha;
        band_.line(Esquerda, y_ - 1, Direita, y_ - 1);
        x_ = Esquerda;
    }
    // A pair whose value is the field as handed over.
    Folha& campo(const char* rotulo, const char* campo, double largura) {
        const double w = rotuloEm(rotulo);
        band_.field(x_ + w, y_, largura - w - Folga, AlturaTexto, QString::fromLatin1(campo), Corpo).wrap();
        x_ += largura;
        return *this;
    }
    // The same for a value typed into a masked field (Element::masked).
    Folha& mascarado(const char* rotulo, const char* nome, double largura) {
        campo(rotulo, nome, largura);
        band_.masked();
        return *this;
    }
    // A pair whose value the layout computes from the row.
    Folha& calculado(const char* rotulo, double largura, std::function<QString(const ReportContext&)> valor) {
        const double w = rotuloEm(rotulo);
        band_.computed(x_ + w, y_, largura - w - Folga, AlturaTexto, Corpo, Align::Left, std::move(valor))
            .wrap();
        x_ += largura;
        return *this;
    }
    Folha& codigo(const char* rotulo, const char* campo, Lista lista, double largura) {
        return calculado(rotulo, largura, [campo, lista](const ReportContext& c) {
            return legendaDe(lista, textoDe(c, campo));
        });
    }
    void fimLinha() {
        y_ += AlturaLinha;
        x_ = Esquerda;
    }
    // The remarks, broken into lines that fit the sheet.
    void observacao() {
        band_.field(Esquerda, y_, Direita - Esquerda, AlturaLinha - 1, QStringLiteral("observacao"), Corpo)
            .wrap(RelatorioEmpresa::LinhasObservacao);
        y_ += AlturaLinha - 1;
    }
    double altura() const { return y_ + 2; }

  private:
    double rotuloEm(const char* rotulo) {
        const QString texto = QString::fromUtf8(rotulo);
        const double w = 3 + 1.9 * texto.size();
        band_.text(x_, y_, w, AlturaTexto, texto, Rotulo);
        return w;
    }

    Band& band_;
    double y_ = 0;
    double x_ = Esquerda;
};

}  // namespace

RelatorioEmpresa::RelatorioEmpresa() {
    pageHeader.height = 16;
    pageHeader
        .text(Esquerda, 2, Direita - Esquerda, 8, QString::fromUtf8(CaptionEmpresa), FontSpec::sans(14, true),
              Align::Center)
        .line(Esquerda, 13, Direita, 13);

    Folha f(detail);
    f.secao(QStringLiteral("Identificação"));
    f.campo("Código:", "Codigo", 40).campo("Razão Social:", "Nome", 140);
    f.fimLinha();
    f.campo("Apelido:", "Apelido", 90).codigo("Situação:", "Situ", Lista::Situacao, 90);
    f.fimLinha();
    f.campo("D.Cadastro:", "Data_cadastro", 60)
        .campo("Data de Fundação:", "Fundacao", 60)
        .mascarado("CNAE:", "Cnae", 60);
    f.fimLinha();
    f.campo("Descrição da Atividade:", "Atividade", 180);
    f.fimLinha();
    f.campo("Tipo de Empresa:", "tipo_empresa", 180);
    f.fimLinha();

    f.secao(QStringLiteral("Endereço"));
    f.campo("Rua/Praça/Avenida:", "Endereco", 140).campo("Nr.:", "Numero", 40);
    f.fimLinha();
    f.campo("Complemento:", "Complemento", 80).campo("Bairro:", "Bairro", 100);
    f.fimLinha();
    f.campo("Cidade:", "Cidade", 100).campo("UF:", "Uf", 30).mascarado("Cep:", "Cep", 50);
    f.fimLinha();

    f.secao(QStringLiteral("Inscrições"));
    f.mascarado("C.N.P.J.:", "Cgc", 90).campo("Inscrição Estadual:", "Inscr_estadual", 90);
    f.fimLinha();
    f.mascarado("CEI:", "Cei", 90).mascarado("CCM:", "Ccm", 90);
    f.fimLinha();

    f.secao(QStringLiteral("Regimes"));
    f.codigo("Tipo de Redazor:", "Tpescri", Lista::TpEscri, 90)
        .codigo("Tipo de IPI:", "Tpipi", Lista::TpIpi, 90);
    f.fimLinha();
    f.codigo("Tipo de ISS:", "Tpiss", Lista::TpIss, 90)
        .codigo("Regime de Apuração do ICMS:", "Icms", Lista::Icms, 90);
    f.fimLinha();
    f.codigo("Vencimento GR.ICMS:", "Gricms", Lista::GrIcms, 90)
        .codigo("Simples Paulista:", "sp", Lista::Sp, 90);
    f.fimLinha();
    f.campo("Enquadramento:", "enquadra", 120).campo("Desde:", "desde", 60);
    f.fimLinha();
    const auto pct = [](const char* campo) {
        return [campo](const ReportContext& c) { return percentual(textoDe(c, campo)); };
    };
    f.calculado("Adicional IPI:", 45, pct("perc_ipi"))
        .calculado("Ad.Convênios:", 45, pct("perc_convenio"))
        .calculado("% Vendas:", 45, pct("irpj_vendas"))
        .calculado("% Serviços:", 45, pct("irpj_servicos"));
    f.fimLinha();
    f.calculado("Capital Social Atual:", 90, [](const ReportContext& c) {
         const Value& v = c.field(QStringLiteral("capatual"));
         const auto* capital = std::get_if<values::Currency>(&v);
         return values::Format(capital ? *capital : values::Currency(), u"###,###,##0.00");
     }).calculado("Período de Trabalho:", 90, [](const ReportContext& c) {
        const auto data = values::parseDate(textoDe(c, "mes_base_fiscal"));
        return data ? values::formatPeriod(*data) : QString();
    });
    f.fimLinha();

    f.secao(QStringLiteral("Contatos"));
    f.campo("Contato 1:", "Contato1", 90).campo("Contato 2:", "Contato2", 90);
    f.fimLinha();
    f.campo("DDD:", "Ddd", 30)
        .calculado("Telefones:", 90,
                   [](const ReportContext& c) {
                       const QString a = textoDe(c, "Fone1"), b = textoDe(c, "Fone2");
                       return a.isEmpty() || b.isEmpty() ? a + b : a + QStringLiteral(" / ") + b;
                   })
        .campo("Fax:", "Fax", 60);
    f.fimLinha();
    f.campo("E-mail:", "email", 90).campo("Home-Page:", "homepage", 90);
    f.fimLinha();

    f.secao(QStringLiteral("Observações"));
    f.observacao();
    detail.height = f.altura();
}

void ImprimeEmpresa(const platform::db::Recordset& registro, const ExtrasEmpresa& extras) {
    CrystalDataObject dados;
    DeclaraCamposEmpresa(dados);
    dados.AddRows({LinhaEmpresa(registro, extras)});
    PrintByAutomation(Geral::DiretorioSistema + QStringLiteral("Empr.rpt"), dados,
                      QString::fromUtf8(CaptionEmpresa));
}

void RegistraRelatorios() { layoutRegistry().add<RelatorioEmpresa>(QStringLiteral("Empr.rpt")); }

}  // namespace Empresas
