#include "partners/frmClasseInss.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>

#include "companies/HistoricoDatado.h"
#include "partners/pessoas_sql.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBList.h"
#include "platform/ui/Handlers.h"
#include "platform/values/Vb.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "shell/RotinasControles.h"

namespace partners {

// The class rows of one person. The class is stored as a number, so the list shows the row as the
// table holds it ("01" typed is 1).
class CadastroClasse : public Empresas::HistoricoDatado {
  public:
    CadastroClasse(frmClasseInss& janela, shell::DefinicaoCadastro definicao, const FamiliaPessoa& familia)
        : HistoricoDatado(janela, std::move(definicao)), janela_(janela), familia_(familia) {}

  protected:
    void RegrasProprias() override {
        const double classe = platform::values::Val(janela_.txtClasse->text());
        if (classe > 10 || classe == 0)
            shell::AdicionaErro(shell::ErroFatal,
                                QStringLiteral("O campo classe está em branco ou preenchido errado !"));
    }

    QStringList CelulasGravadas() override { return LinhaClasse(Conexao(), familia_, Dono(), DataAtual()); }

    void PreencheLista() override { Lista().Carrega(HistoricoClasse(Conexao(), familia_, Dono())); }

  private:
    frmClasseInss& janela_;
    const FamiliaPessoa& familia_;
};

frmClasseInss::frmClasseInss(const DiferencasClasse& diferencas, QWidget* parent)
    : Dialog(parent),
      tdbDinicio(new platform::controls::TDBDate(this)),
      txtClasse(new QLineEdit(this)),
      tdbClasse(new platform::controls::TDBList(this)),
      cmdGravar(new QPushButton(QStringLiteral("&Gravar"), this)),
      cmdCancelar(new QPushButton(QStringLiteral("&Cancelar"), this)),
      cmdApagar(new QPushButton(QStringLiteral("&Apagar"), this)),
      cmdSair(new QPushButton(QStringLiteral("&Sair"), this)) {
    setObjectName(QString::fromLatin1(diferencas.nome));
    setWindowTitle(diferencas.titulo);
    tdbDinicio->setObjectName(QStringLiteral("tdbDinicio"));
    tdbDinicio->setMinDate(QDate(1900, 1, 1));
    tdbDinicio->setMaxDate(platform::values::MaximumDate);
    txtClasse->setObjectName(QStringLiteral("txtClasse"));
    txtClasse->setMaxLength(2);
    // A pasted text must be digits too.
    txtClasse->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtClasse));
    tdbClasse->setObjectName(QStringLiteral("tdbClasse"));
    Empresas::HistoricoDatado::PreparaBotoes(cmdGravar, cmdApagar, cmdCancelar, cmdSair);
    const std::pair<QPushButton*, QStyle::StandardPixmap> figuras[] = {
        {cmdGravar, QStyle::SP_DialogSaveButton},
        {cmdCancelar, QStyle::SP_DialogCancelButton},
        {cmdApagar, QStyle::SP_TrashIcon},
        {cmdSair, QStyle::SP_DialogCloseButton}};
    for (auto [botao, figura] : figuras) botao->setIcon(style()->standardIcon(figura));

    auto* lblData = new QLabel(QStringLiteral("Código"), this);
    auto* lblClasse = new QLabel(QStringLiteral("Classe"), this);
    lblData->setObjectName(QStringLiteral("lblTit0"));
    lblClasse->setObjectName(QStringLiteral("lblTit1"));
    lblTit.add(0, lblData);
    lblTit.add(1, lblClasse);

    using platform::ui::setTabIndex;
    setTabIndex(tdbDinicio, 0);
    setTabIndex(txtClasse, 1);
    setTabIndex(cmdGravar, 2);
    setTabIndex(diferencas.sairAntesDeCancelar ? cmdSair : cmdCancelar, 3);
    setTabIndex(cmdApagar, 4);
    setTabIndex(diferencas.sairAntesDeCancelar ? cmdCancelar : cmdSair, 5);
    setTabIndex(tdbClasse, 8);

    auto* linhaBotoes = new QHBoxLayout;
    for (QPushButton* b : {cmdGravar, cmdCancelar, cmdApagar, cmdSair}) linhaBotoes->addWidget(b);
    auto* campos = new QGridLayout;
    campos->addWidget(lblData, 0, 0);
    campos->addWidget(lblClasse, 0, 1);
    campos->addWidget(tdbDinicio, 1, 0);
    campos->addWidget(txtClasse, 1, 1);
    campos->setColumnStretch(2, 1);
    tdbDinicio->setMaximumWidth(100);
    txtClasse->setMaximumWidth(40);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(linhaBotoes);
    layout->addLayout(campos);
    layout->addWidget(tdbClasse, 1);
    resize(380, 340);

    shell::DefinicaoCadastro d =
        Empresas::HistoricoDatado::Definicao(diferencas.familia.tabelaClasse, QStringLiteral("dinicio"),
                                             diferencas.familia.colunaDono, tdbDinicio);
    d.campos = {{txtClasse, QStringLiteral("classe"), ColunaClasse}};
    d.lblTit = &lblTit;
    d.cmdGravar = cmdGravar;
    d.cmdApagar = cmdApagar;
    d.cmdCancelar = cmdCancelar;
    d.cmdSair = cmdSair;
    d.lista = tdbClasse;
    d.colunas = {{QStringLiteral("Data"), QString(), shell::TipoColuna::Data},
                 {QStringLiteral("Classe"), QString(), shell::TipoColuna::Numero}};
    cadastro_ = new CadastroClasse(*this, std::move(d), diferencas.familia);
    cadastro_->Liga();
    platform::ui::onGotFocus(txtClasse, this, &frmClasseInss::txtClasse_GotFocus);
    platform::ui::onKeyPress(txtClasse, this, &frmClasseInss::txtClasse_KeyPress);
    platform::ui::applyTabOrder(this);
}

frmClasseInss::~frmClasseInss() = default;

shell::JanelaCadastro& frmClasseInss::Cadastro() { return *cadastro_; }

void frmClasseInss::Form_Load() {
    Geral::Alterado = false;
    cadastro_->Form_Load();
}

void frmClasseInss::Form_Unload(bool& Cancel) { cadastro_->Form_Unload(Cancel); }

void frmClasseInss::txtClasse_GotFocus() { Geral::SelecionaTexto(this); }

void frmClasseInss::txtClasse_KeyPress(int& KeyAscii) {
    if ((KeyAscii < '0' || KeyAscii > '9') && KeyAscii != 8) KeyAscii = 0;
}

frmSocInss::frmSocInss(QWidget* parent)
    : frmClasseInss({"frmSocInss", QStringLiteral("Enquadramentos no INSS (Sócios)"), FamiliaSocios(), false},
                    parent) {}

frmTerInss::frmTerInss(QWidget* parent)
    : frmClasseInss(
          {"frmTerInss", QStringLiteral("Enquadramentos no INSS (Terceiros)"), FamiliaTerceiros(), true},
          parent) {}

}  // namespace partners
