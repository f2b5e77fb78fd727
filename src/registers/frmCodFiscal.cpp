#include "registers/frmCodFiscal.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/controls/MaskEdBox.h"
#include "platform/controls/TDBList.h"
#include "platform/ui/Handlers.h"
#include "platform/values/Vb.h"
#include "registers/Impressao.h"
#include "registers/codfiscal_sql.h"
#include "shell/ErrosLista.h"
#include "shell/JanelaCadastro.h"
#include "shell/JanelaCadastroCampos.h"

namespace registers {

namespace values = platform::values;

// The frame with the rules of a CFOP table: its mask, what counts as a complete code, the level a new
// code gets, and the three rules of a save.
class CadastroCfop : public shell::JanelaCadastro {
  public:
    CadastroCfop(frmCodFiscalBase& janela, shell::DefinicaoCadastro definicao)
        : JanelaCadastro(janela, std::move(definicao)), janela_(janela) {}

  protected:
    const cfop::Definicao& def() const { return cfop::DefinicaoDe(janela_.tabela()); }

    bool ChaveVazia(const QString& texto) const override { return texto == def().vazio; }
    bool ChaveIncompleta(const QString& texto) const override {
        return cfop::AnalisaChave(janela_.tabela(), texto).estado != cfop::Chave::Completa;
    }
    QString NormalizaChave(const QString& texto) const override {
        const auto chave = cfop::AnalisaChave(janela_.tabela(), texto);
        return chave.estado == cfop::Chave::Completa ? chave.codigo : texto;
    }
    QString CompletaChave(const QString& chave) const override {
        return cfop::TextoNaMascara(janela_.tabela(), chave);
    }
    void EsvaziaChave() override {
        janela_.mskCodigo->setText(def().vazio);
        janela_.mskCodigo->setMask(def().mascara);
    }

    // A key that is not a whole code never reaches the table, whatever the field shows.
    void TestaRegras() override {
        const QString texto = TextoChave();
        const bool completa = cfop::AnalisaChave(janela_.tabela(), texto).estado == cfop::Chave::Completa;
        if (!completa || values::Val(texto) == 0) {
            shell::AdicionaErro(shell::ErroFatal, QStringLiteral("Todo Registro deve ter um código válido"));
        } else if (Inclusao() && cfop::Existe(Conexao(), janela_.tabela(), ChaveAtual())) {
            shell::AdicionaErro(shell::ErroFatal, QStringLiteral("Código Já Cadastrado, Troque o Número !"));
        }
        if (values::Trim(shell::TextoGravado(janela_.txtDescri)).isEmpty())
            shell::AdicionaErro(shell::ErroFatal, QStringLiteral("O Campo Descrição é Obrigatório !"));
    }

    // A new code is written with the level its shape gives it.
    platform::db::ColumnList ColunasRegistro() const override {
        platform::db::ColumnList colunas = JanelaCadastro::ColunasRegistro();
        if (Inclusao()) colunas.add(QStringLiteral("Nivel"), cfop::Nivel(janela_.tabela(), ChaveAtual()));
        return colunas;
    }

    void ApagaRegistro() override { cfop::Exclui(Conexao(), janela_.tabela(), ChaveAtual()); }

  private:
    frmCodFiscalBase& janela_;
};

frmCodFiscalBase::frmCodFiscalBase(cfop::Tabela tabela, QWidget* parent)
    : Form(parent),
      mskCodigo(new platform::controls::MaskEdBox(this)),
      txtDescri(new QLineEdit(this)),
      tdbCodFiscal(new platform::controls::TDBList(this)),
      cmdGravar(new QPushButton(QStringLiteral("&Gravar"), this)),
      cmdApagar(new QPushButton(QStringLiteral("&Apagar"), this)),
      cmdCancelar(new QPushButton(QStringLiteral("&Cancelar"), this)),
      cmdImprimir(new QPushButton(QStringLiteral("&Imprimir"), this)),
      cmdSair(new QPushButton(QStringLiteral("&Sair"), this)),
      tabela_(tabela) {
    const auto& def = cfop::DefinicaoDe(tabela);
    setWindowTitle(def.caption);
    mskCodigo->setObjectName(QStringLiteral("mskCodigo"));
    txtDescri->setObjectName(QStringLiteral("txtDescri"));
    tdbCodFiscal->setObjectName(QStringLiteral("tdbCodFiscal"));
    cmdGravar->setObjectName(QStringLiteral("cmdGravar"));
    cmdApagar->setObjectName(QStringLiteral("cmdApagar"));
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    cmdImprimir->setObjectName(QStringLiteral("cmdImprimir"));
    cmdSair->setObjectName(QStringLiteral("cmdSair"));
    cmdGravar->setToolTip(QStringLiteral("Grava Informações"));
    cmdApagar->setToolTip(QStringLiteral("Exclui Informações"));
    cmdCancelar->setToolTip(QStringLiteral("Cancela"));
    cmdImprimir->setToolTip(QStringLiteral("Imprimi Relatório"));
    cmdSair->setToolTip(QStringLiteral("Sair"));
    mskCodigo->setMask(def.mascara);

    auto* lblCodigo = new QLabel(QStringLiteral("Código"), this);
    auto* lblDescricao = new QLabel(QStringLiteral("Descrição"), this);
    lblCodigo->setObjectName(QStringLiteral("lblTit0"));
    lblDescricao->setObjectName(QStringLiteral("lblTit1"));
    lblTit.add(0, lblCodigo);
    lblTit.add(1, lblDescricao);

    using platform::ui::setTabIndex;
    setTabIndex(mskCodigo, 0);
    setTabIndex(txtDescri, 1);
    setTabIndex(cmdGravar, 2);
    setTabIndex(cmdApagar, 3);
    setTabIndex(cmdCancelar, 4);
    setTabIndex(cmdImprimir, 5);
    setTabIndex(cmdSair, 6);
    setTabIndex(tdbCodFiscal, 7);

    auto* campos = new QGridLayout;
    campos->addWidget(lblCodigo, 0, 0);
    campos->addWidget(mskCodigo, 0, 1);
    campos->addWidget(lblDescricao, 1, 0);
    campos->addWidget(txtDescri, 1, 1);
    campos->setColumnStretch(1, 1);
    mskCodigo->setMaximumWidth(90);
    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {cmdGravar, cmdApagar, cmdCancelar, cmdImprimir, cmdSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addWidget(tdbCodFiscal, 1);
    layout->addLayout(botoes);
    resize(620, 460);

    shell::DefinicaoCadastro d;
    d.tabela = def.tabela;
    d.colunaChave = QStringLiteral("codfiscal");
    d.chave = mskCodigo;
    d.campos = {{txtDescri, QStringLiteral("Descri"), ColunaDescricao}};
    d.lblTit = &lblTit;
    d.cmdGravar = cmdGravar;
    d.cmdApagar = cmdApagar;
    d.cmdCancelar = cmdCancelar;
    d.cmdSair = cmdSair;
    d.lista = tdbCodFiscal;
    // Codes of one table share their shape, so their text order is their numeric order digit by
    // digit ("1.11" before "1.11.1" before "1.12"), which the conversion of "1.11.1" to a number
    // could not give.
    d.colunas = {{QStringLiteral("Código"), QStringLiteral("codfiscal"), shell::TipoColuna::Texto},
                 {QStringLiteral("Descrição"), QStringLiteral("Descri"), shell::TipoColuna::Texto}};
    d.tipoOrdemInicial = shell::TipoColuna::Texto;
    d.textoGuarda = shell::GuardaCurta.toString();
    cadastro_ = new CadastroCfop(*this, std::move(d));
    cadastro_->Liga();

    platform::ui::onClick(cmdImprimir, this, &frmCodFiscalBase::cmdImprimir_Click);
    platform::ui::onKeyPress(mskCodigo, this, &frmCodFiscalBase::mskCodigo_KeyPress);
    platform::ui::applyTabOrder(this);
}

frmCodFiscalBase::~frmCodFiscalBase() = default;

shell::JanelaCadastro& frmCodFiscalBase::Cadastro() { return *cadastro_; }

void frmCodFiscalBase::Form_Load() { cadastro_->Form_Load(); }

void frmCodFiscalBase::Form_Unload(bool& Cancel) { cadastro_->Form_Unload(Cancel); }

void frmCodFiscalBase::mskCodigo_KeyPress(int& KeyAscii) {
    if (KeyAscii != 8 && (KeyAscii < '0' || KeyAscii > '9')) KeyAscii = 0;
}

// A code being edited is saved first; the table prints whatever that save's outcome.
void frmCodFiscalBase::cmdImprimir_Click() {
    if (txtDescri->isEnabled()) cadastro_->Grava();
    ImprimeRelacao(
        {QStringLiteral("CodFisc.rpt"),
         {QStringLiteral("codfiscal"), QStringLiteral("descri"), QStringLiteral("nivel")},
         QStringLiteral("Tit"),
         cfop::DefinicaoDe(tabela_).titulo,
         QStringLiteral("Tabela de Códigos Fiscais")},
        [this](platform::db::Connection& cn) { return cfop::Impressao(cn, tabela_); }, cadastro_->Conexao());
}

frmCodFiscal::frmCodFiscal(QWidget* parent) : frmCodFiscalBase(cfop::Tabela::Ate2002, parent) {
    setObjectName(QStringLiteral("frmCodFiscal"));
}

frmCodFiscal03::frmCodFiscal03(QWidget* parent) : frmCodFiscalBase(cfop::Tabela::Desde2003, parent) {
    setObjectName(QStringLiteral("frmCodFiscal03"));
}

}  // namespace registers
