#include "companies/frmTenquad.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "companies/HistoricoDatado.h"
#include "companies/historicos_sql.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBList.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"

namespace Empresas {

// The tax-regime rows of one company: the type travels as its codtipo, found from the chosen item,
// never from its text.
class CadastroEnquadramento : public HistoricoDatado {
  public:
    CadastroEnquadramento(frmTenquad& janela, shell::DefinicaoCadastro definicao)
        : HistoricoDatado(janela, std::move(definicao)), janela_(janela) {}

  protected:
    // A type kept as stored (one no longer listed) is no missing type.
    void RegrasProprias() override {
        const QComboBox* tipo = janela_.cmbTenquadra;
        const bool guardado = shell::ValorGuardado(tipo) &&
                              !std::holds_alternative<platform::db::Null>(shell::ValorCampo(tipo).value());
        if (tipo->currentIndex() < 0 && !guardado)
            shell::AdicionaErro(shell::ErroFatal, QStringLiteral("O campo enquadramento é obrigatório !"));
    }

    void PreencheLista() override { Lista().Carrega(LeHistoricoEnquadramento(Conexao(), Dono())); }

  private:
    frmTenquad& janela_;
};

frmTenquad::frmTenquad(QWidget* parent)
    : Dialog(parent),
      tdbDenquad(new platform::controls::TDBDate(this)),
      cmbTenquadra(new QComboBox(this)),
      tdbEnquadra(new platform::controls::TDBList(this)),
      cmdGravar(new QPushButton(QStringLiteral("&Gravar"), this)),
      cmdApagar(new QPushButton(QStringLiteral("&Apagar"), this)),
      cmdCancelar(new QPushButton(QStringLiteral("&Cancelar"), this)),
      cmdSair(new QPushButton(QStringLiteral("&Sair"), this)) {
    setObjectName(QStringLiteral("frmTenquad"));
    setWindowTitle(QStringLiteral("Enquadramentos"));
    tdbDenquad->setObjectName(QStringLiteral("tdbDenquad"));
    cmbTenquadra->setObjectName(QStringLiteral("cmbTenquadra"));
    cmbTenquadra->setEditable(false);
    tdbEnquadra->setObjectName(QStringLiteral("tdbEnquadra"));
    HistoricoDatado::PreparaBotoes(cmdGravar, cmdApagar, cmdCancelar, cmdSair);

    auto* lblData = new QLabel(QStringLiteral("Data"), this);
    auto* lblEnquadramento = new QLabel(QStringLiteral("Enquadramento:"), this);
    lblData->setObjectName(QStringLiteral("lblTit0"));
    lblEnquadramento->setObjectName(QStringLiteral("lblTit1"));
    lblTit.add(0, lblData);
    lblTit.add(1, lblEnquadramento);

    using platform::ui::setTabIndex;
    setTabIndex(tdbDenquad, 0);
    setTabIndex(cmbTenquadra, 1);
    setTabIndex(cmdGravar, 2);
    setTabIndex(cmdApagar, 3);
    setTabIndex(cmdCancelar, 4);
    setTabIndex(cmdSair, 5);
    setTabIndex(tdbEnquadra, 6);

    auto* campos = new QGridLayout;
    campos->addWidget(lblData, 0, 0);
    campos->addWidget(tdbDenquad, 0, 1);
    campos->addWidget(lblEnquadramento, 1, 0);
    campos->addWidget(cmbTenquadra, 1, 1);
    campos->setColumnStretch(1, 1);
    tdbDenquad->setMaximumWidth(100);
    auto* linhaBotoes = new QHBoxLayout;
    for (QPushButton* b : {cmdGravar, cmdApagar, cmdCancelar, cmdSair}) linhaBotoes->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addWidget(tdbEnquadra, 1);
    layout->addLayout(linhaBotoes);
    resize(480, 380);

    shell::DefinicaoCadastro d = HistoricoDatado::Definicao(
        QStringLiteral("Enquadramento"), QStringLiteral("denquadra"), QStringLiteral("codempr"), tdbDenquad);
    // A row whose type is missing from Tipo_enquadr shows no type until one is chosen, and keeps it.
    shell::CampoCadastro tipo{cmbTenquadra, QStringLiteral("codtipo"), ColunaEnquadramento};
    tipo.mostra = [](QWidget* w, const platform::db::Field& codtipo) {
        auto* combo = static_cast<QComboBox*>(w);
        combo->setCurrentIndex(combo->findData(codtipo.toLongLong()));
    };
    tipo.escrita = [this](const platform::db::Param&) {
        return platform::db::Param(cmbTenquadra->currentData().toLongLong());
    };
    d.campos = {tipo};
    d.lblTit = &lblTit;
    d.cmdGravar = cmdGravar;
    d.cmdApagar = cmdApagar;
    d.cmdCancelar = cmdCancelar;
    d.cmdSair = cmdSair;
    d.lista = tdbEnquadra;
    d.colunas = {{QStringLiteral("Data"), QString(), shell::TipoColuna::Data},
                 {QStringLiteral("Enquadramento"), QString(), shell::TipoColuna::Texto}};
    cadastro_ = new CadastroEnquadramento(*this, std::move(d));
    cadastro_->Liga();
    platform::ui::applyTabOrder(this);
}

frmTenquad::~frmTenquad() = default;

shell::JanelaCadastro& frmTenquad::Cadastro() { return *cadastro_; }

// The type list starts without a choice; afterwards a new row begins with the type last shown.
void frmTenquad::Form_Load() {
    Geral::Alterado = false;
    cadastro_->Form_Load();
    for (const TipoEnquadramento& t : LeTiposEnquadramento(cadastro_->Conexao()))
        cmbTenquadra->addItem(t.descricao, t.codtipo);
    cmbTenquadra->setCurrentIndex(-1);
}

void frmTenquad::Form_Unload(bool& Cancel) { cadastro_->Form_Unload(Cancel); }

}  // namespace Empresas
