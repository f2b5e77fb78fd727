#include "movement/frmMovPesq.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "movement/movimento_sql.h"
#include "platform/controls/TDBList.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/MsgBox.h"
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
shell::ColunaPesquisa Texto(const char* titulo) {
    return {QString::fromUtf8(titulo), Pesquisa::TipoTexto, Pesquisa::CompComeca, {}};
}
shell::ColunaPesquisa Valor(const char* titulo) {
    return {QString::fromUtf8(titulo), Pesquisa::TipoMoeda, Pesquisa::CompIgual, Forma::Numero(FormaValor)};
}
}  // namespace

const ModeloPesquisa& PesquisaIcms() {
    static const ModeloPesquisa modelo{
        QStringLiteral("frmMovIcmsPesq"),
        {Numero(), Data(), Texto("C.N.P.J."), Texto("Cod.Fiscal"), Texto("UF"), Valor("Vlr.Contábil")},
        &ListaIcms};
    return modelo;
}

const ModeloPesquisa& PesquisaIss() {
    static const ModeloPesquisa modelo{
        QStringLiteral("frmMovIssPesq"), {Numero(), Data(), Valor("Vlr.Nota"), Valor("ISS")}, &ListaIss};
    return modelo;
}

frmMovPesq::frmMovPesq(const ModeloPesquisa& modelo, const QString& conexao, QWidget* parent)
    : Dialog(parent),
      tdbPesq(new platform::controls::TDBList(this)),
      cmdOk(new QPushButton(QStringLiteral("&Ok"), this)),
      cmdCancela(new QPushButton(QStringLiteral("&Cancela"), this)),
      modelo_(modelo),
      conexaoMovimento_(conexao) {
    setObjectName(modelo_.nome);
    setWindowTitle(QStringLiteral("Pesquisa "));
    tdbPesq->setObjectName(QStringLiteral("tdbPesq"));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdCancela->setObjectName(QStringLiteral("cmdCancela"));
    cmdOk->setDefault(true);
    cmdCancela->setAutoDefault(false);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cmdOk);
    botoes->addWidget(cmdCancela);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tdbPesq);
    layout->addLayout(botoes);
    resize(620, 420);

    lista_ = new shell::ListaPesquisa(*tdbPesq, modelo_.colunas, nullptr, this);

    using namespace platform::ui;
    onClick(cmdOk, this, &frmMovPesq::cmdOk_Click);
    onClick(cmdCancela, this, &frmMovPesq::cmdCancela_Click);
    connect(tdbPesq, &platform::controls::TDBList::DblClick, this, handler(this, &frmMovPesq::cmdOk_Click));
    connect(tdbPesq, &platform::controls::TDBList::HeadClick, this,
            [this](int coluna) { Guarded([&] { lista_->Cabecalho(coluna); }); });
    connect(tdbPesq, &platform::controls::TDBList::HeadRightClick, this,
            [this](int coluna) { Guarded([&] { lista_->Rodape(coluna); }); });
}

frmMovPesq::~frmMovPesq() = default;

void frmMovPesq::Form_Load() {
    conexao_.Open(conexaoMovimento_);
    escolhido_ = false;
    tdbPesq->setCaption(Geral::TituloPesquisa);
    PreencheLista();
}

// The list holds the rows actually read, in record-code order.
void frmMovPesq::PreencheLista() {
    auto rs = modelo_.lista(conexao_, Geral::TabelaPesquisa);
    if (lista_->Carrega(rs) <= 0) {
        platform::ui::MsgBox(QStringLiteral("Atenção, não há nenhum registro cadastrado !"),
                             platform::ui::Msg::Information, QCoreApplication::applicationName());
        Geral::Cancelado = true;
        close();
        return;
    }
    lista_->DefineLinhaAtual(0);
}

void frmMovPesq::cmdOk_Click() {
    const auto chave = lista_->ChaveAtual();
    if (!chave) return;
    escolhido_ = true;
    Geral::ChaveComum = *chave;
    close();
}

void frmMovPesq::cmdCancela_Click() {
    Geral::Cancelado = true;
    close();
}

void frmMovPesq::Form_Unload(bool& /*Cancel*/) {
    if (!escolhido_) Geral::Cancelado = true;
    conexao_.Close();
}

}  // namespace movimento
