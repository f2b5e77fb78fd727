#include "movement/frmMovPesq.h"

#include "movement/movimento_sql.h"
#include "platform/controls/TDBList.h"
#include "shell/EstadoGeral.h"

namespace movimento {

namespace Pesquisa = shell::Pesquisa;
namespace Forma = shell::Forma;

namespace {
const QString FormaData = QStringLiteral("dd/mm/yyyy");
const QString FormaValor = QStringLiteral("####,##0.00");

shell::ColunaPesquisa Numero() {
    return {QStringLiteral("Número"), Pesquisa::TipoInteiro, Pesquisa::CompIgual, Forma::Zeros(6)};
}
shell::ColunaPesquisa Data() {
    return {QStringLiteral("Data"), Pesquisa::TipoData, Pesquisa::CompIgual, Forma::Data(FormaData)};
}
shell::ColunaPesquisa Texto(const char* titulo, shell::FormaCelula forma = {}) {
    return {QString::fromUtf8(titulo), Pesquisa::TipoTexto, Pesquisa::CompComeca, std::move(forma)};
}
shell::ColunaPesquisa Valor(const char* titulo) {
    return {QString::fromUtf8(titulo), Pesquisa::TipoMoeda, Pesquisa::CompIgual, Forma::Numero(FormaValor)};
}
}  // namespace

const ModeloPesquisa& PesquisaIcms() {
    static const ModeloPesquisa modelo{
        QStringLiteral("frmMovIcmsPesq"),
        {Numero(), Data(), Texto("C.N.P.J."), Texto("Cod.Fiscal", Forma::Mascara()), Texto("UF"),
         Valor("Vlr.Contábil")},
        &ListaIcms};
    return modelo;
}

const ModeloPesquisa& PesquisaIss() {
    static const ModeloPesquisa modelo{
        QStringLiteral("frmMovIssPesq"), {Numero(), Data(), Valor("Vlr.Nota"), Valor("ISS")}, &ListaIss};
    return modelo;
}

frmMovPesq::frmMovPesq(const ModeloPesquisa& modelo, const QString& conexao, QWidget* parent)
    : DialogoPesquisa(modelo.nome, QStringLiteral("Pesquisa "), parent),
      modelo_(modelo),
      conexaoMovimento_(conexao) {
    MontaLista(modelo_.colunas, nullptr, nullptr, 620);
}

void frmMovPesq::Form_Load() {
    DialogoPesquisa::Form_Load();
    conexao_.Open(conexaoMovimento_);
    tdbPesq->setCaption(Geral::TituloPesquisa);
    PreencheLista();
}

// The list holds the rows actually read, in record-code order.
void frmMovPesq::PreencheLista() {
    auto rs = modelo_.lista(conexao_, Geral::TabelaPesquisa);
    if (!Carrega(rs)) {
        close();
        return;
    }
    lista_->DefineLinhaAtual(0);
}

void frmMovPesq::cmdOk_Click() {
    const auto chave = lista_->ChaveAtual();
    if (!chave) return;
    Geral::ChaveComum = *chave;
    Escolhido();
}

}  // namespace movimento
