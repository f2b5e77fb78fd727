#include "companies/frmCsocial.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "companies/HistoricoDatado.h"
#include "companies/historicos_sql.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBList.h"
#include "platform/controls/TDBNumber.h"

namespace Empresas {

// The contract changes of one company. The registration number, capital and account have no rule:
// empty texts and a capital of 0 are saved as they are. The capital is bound as money, exact.
class CadastroContrato : public HistoricoDatado {
  public:
    CadastroContrato(frmCsocial& janela, shell::DefinicaoCadastro definicao)
        : HistoricoDatado(janela, std::move(definicao)), janela_(janela) {}

  protected:
    // A capital still being typed counts as typed.
    void RegrasProprias() override { janela_.TDBcapital->commitEdit(); }

    // The list shows the row as the table now holds it.
    QStringList CelulasGravadas() override {
        Registro() = LeContrato(Conexao(), Dono(), DataAtual());
        return LinhaContrato(Registro());
    }

    void PreencheLista() override { Lista().Carrega(LeHistoricoContrato(Conexao(), Dono())); }

  private:
    frmCsocial& janela_;
};

frmCsocial::frmCsocial(QWidget* parent)
    : Dialog(parent),
      tdbDregistro(new platform::controls::TDBDate(this)),
      txtnregistro(new QLineEdit(this)),
      TDBcapital(new platform::controls::TDBNumber(this)),
      txtBrelato(new platform::controls::MultiLineText(this)),
      tdbCSocial(new platform::controls::TDBList(this)),
      cmdGravar(new QPushButton(QStringLiteral("&Gravar"), this)),
      cmdApagar(new QPushButton(QStringLiteral("&Apagar"), this)),
      cmdCancelar(new QPushButton(QStringLiteral("&Cancelar"), this)),
      cmdSair(new QPushButton(QStringLiteral("&Sair"), this)) {
    setObjectName(QStringLiteral("frmCsocial"));
    setWindowTitle(QStringLiteral("Alterações no Contrato Social"));
    tdbDregistro->setObjectName(QStringLiteral("tdbDregistro"));
    txtnregistro->setObjectName(QStringLiteral("txtnregistro"));
    txtnregistro->setMaxLength(9);
    TDBcapital->setObjectName(QStringLiteral("TDBcapital"));
    TDBcapital->setDisplayFormat(QStringLiteral("###,###,##0.00"));
    txtBrelato->setObjectName(QStringLiteral("txtBrelato"));
    txtBrelato->setMaxLength(255);
    tdbCSocial->setObjectName(QStringLiteral("tdbCSocial"));
    HistoricoDatado::PreparaBotoes(cmdGravar, cmdApagar, cmdCancelar, cmdSair);

    QWidget* campos[] = {tdbDregistro, txtnregistro, TDBcapital, txtBrelato};
    const char* titulos[] = {"Data Registro:", "Nº Registro:", "Capital:", "Breve Relato:"};
    auto* grade = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* rotulo = new QLabel(QString::fromUtf8(titulos[i]), this);
        rotulo->setObjectName(QStringLiteral("lblTit%1").arg(i));
        lblTit.add(i, rotulo);
        platform::ui::setTabIndex(campos[i], i);
        grade->addWidget(rotulo, i, 0, Qt::AlignTop);
        grade->addWidget(campos[i], i, 1);
    }
    grade->setColumnStretch(1, 1);
    tdbDregistro->setMaximumWidth(100);
    txtnregistro->setMaximumWidth(100);
    TDBcapital->setMaximumWidth(140);
    txtBrelato->setMaximumHeight(70);
    int indice = 4;
    auto* linhaBotoes = new QHBoxLayout;
    for (QPushButton* b : {cmdGravar, cmdApagar, cmdCancelar, cmdSair}) {
        platform::ui::setTabIndex(b, indice++);
        linhaBotoes->addWidget(b);
    }
    platform::ui::setTabIndex(tdbCSocial, indice);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grade);
    layout->addWidget(tdbCSocial, 1);
    layout->addLayout(linhaBotoes);
    resize(620, 440);

    shell::DefinicaoCadastro d = HistoricoDatado::Definicao(
        QStringLiteral("Contrato"), QStringLiteral("Dregistro"), QStringLiteral("codempr"), tdbDregistro);
    d.campos = {{txtnregistro, QStringLiteral("Nregistro"), ColunaRegistro},
                {TDBcapital, QStringLiteral("capital"), ColunaCapital},
                {txtBrelato, QStringLiteral("Brelato"), ColunaRelato}};
    d.lblTit = &lblTit;
    d.cmdGravar = cmdGravar;
    d.cmdApagar = cmdApagar;
    d.cmdCancelar = cmdCancelar;
    d.cmdSair = cmdSair;
    d.lista = tdbCSocial;
    d.colunas = {{QStringLiteral("Data"), QString(), shell::TipoColuna::Data},
                 {QStringLiteral("Nº Registro"), QString(), shell::TipoColuna::Texto},
                 {QStringLiteral("Capital"), QString(), shell::TipoColuna::Moeda},
                 {QStringLiteral("Breve Relato"), QString(), shell::TipoColuna::Texto}};
    cadastro_ = new CadastroContrato(*this, std::move(d));
    cadastro_->Liga();
    platform::ui::applyTabOrder(this);
}

frmCsocial::~frmCsocial() = default;

shell::JanelaCadastro& frmCsocial::Cadastro() { return *cadastro_; }

void frmCsocial::Form_Load() { cadastro_->Form_Load(); }

void frmCsocial::Form_Unload(bool& Cancel) { cadastro_->Form_Unload(Cancel); }

}  // namespace Empresas
