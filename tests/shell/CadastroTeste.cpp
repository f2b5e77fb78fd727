#include "CadastroTeste.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/controls/TDBList.h"
#include "platform/db/Connection.h"
#include "platform/db/TableNames.h"
#include "platform/values/Vb.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"

using namespace shell;

class frmCadastroTeste::Cadastro : public JanelaCadastro {
  public:
    Cadastro(frmCadastroTeste& janela, DefinicaoCadastro def)
        : JanelaCadastro(janela, std::move(def)), w_(janela) {}

  protected:
    // A code of one digit is incomplete, as a mask with its positions still open would be.
    bool ChaveIncompleta(const QString& texto) const override {
        return platform::values::Trim(texto).size() < 2;
    }

    void TestaRegras() override {
        if (w_.antesDasRegras) w_.antesDasRegras();
        if (platform::values::Val(w_.txtCodigo->text()) == 0)
            AdicionaErro(ErroFatal, QStringLiteral("Todo Registro deve ter um código válido"));
        else if (Inclusao() && ExisteChave(ChaveAtual()))
            AdicionaErro(ErroFatal, QStringLiteral("Código Já Cadastrado, Troque o Número !"));
        if (platform::values::Trim(w_.txtDescri->text()).isEmpty())
            AdicionaErro(ErroFatal, QStringLiteral("O Campo Descrição é Obrigatório !"));
        for (const auto& [severidade, mensagem] : w_.regrasExtras) AdicionaErro(severidade, mensagem);
    }

  private:
    frmCadastroTeste& w_;
};

frmCadastroTeste::frmCadastroTeste()
    : txtCodigo(new QLineEdit(this)),
      txtDescri(new QLineEdit(this)),
      tdbTeste(new platform::controls::TDBList(this)),
      lblCodigo(new QLabel(QStringLiteral("Código"), this)),
      lblDescri(new QLabel(QStringLiteral("Descrição"), this)),
      cmdGravar(new QPushButton(QStringLiteral("&Gravar"), this)),
      cmdApagar(new QPushButton(QStringLiteral("&Apagar"), this)),
      cmdCancelar(new QPushButton(QStringLiteral("&Cancelar"), this)),
      cmdImprimir(new QPushButton(QStringLiteral("&Imprimir"), this)),
      cmdSair(new QPushButton(QStringLiteral("&Sair"), this)) {
    setObjectName(QStringLiteral("frmCadastroTeste"));
    setWindowTitle(QStringLiteral("Cadastro de Teste"));
    const std::pair<QWidget*, const char*> nomes[] = {
        {txtCodigo, "txtCodigo"},     {txtDescri, "txtDescri"}, {tdbTeste, "tdbTeste"},
        {cmdGravar, "cmdGravar"},     {cmdApagar, "cmdApagar"}, {cmdCancelar, "cmdCancelar"},
        {cmdImprimir, "cmdImprimir"}, {cmdSair, "cmdSair"}};
    for (auto [w, nome] : nomes) w->setObjectName(QString::fromLatin1(nome));
    auto* layout = new QGridLayout(this);
    layout->addWidget(lblCodigo, 0, 0);
    layout->addWidget(txtCodigo, 0, 1);
    layout->addWidget(lblDescri, 1, 0);
    layout->addWidget(txtDescri, 1, 1);
    layout->addWidget(tdbTeste, 2, 0, 1, 2);
    auto* botoes = new QHBoxLayout;
    for (auto* b : {cmdGravar, cmdApagar, cmdCancelar, cmdImprimir, cmdSair}) botoes->addWidget(b);
    layout->addLayout(botoes, 3, 0, 1, 2);
    using platform::ui::setTabIndex;
    setTabIndex(txtCodigo, 0);
    setTabIndex(txtDescri, 1);
    setTabIndex(tdbTeste, 2);
    setTabIndex(cmdGravar, 3);
    setTabIndex(cmdApagar, 4);
    setTabIndex(cmdCancelar, 5);
    setTabIndex(cmdImprimir, 6);
    setTabIndex(cmdSair, 7);
    platform::ui::applyTabOrder(this);
    lblTit.add(0, lblCodigo);
    lblTit.add(1, lblDescri);

    DefinicaoCadastro def;
    def.tabela = QStringLiteral("Teste");
    def.colunaChave = QStringLiteral("codigo");
    def.tipoChave = TipoColuna::Numero;
    def.chave = txtCodigo;
    def.campos = {{txtDescri, QStringLiteral("Descri"), 1}};
    def.lblTit = &lblTit;
    def.cmdGravar = cmdGravar;
    def.cmdApagar = cmdApagar;
    def.cmdCancelar = cmdCancelar;
    def.cmdSair = cmdSair;
    def.lista = tdbTeste;
    def.colunas = {{QStringLiteral("Código"), QStringLiteral("codigo"), TipoColuna::Numero},
                   {QStringLiteral("Descrição"), QStringLiteral("Descri"), TipoColuna::Texto}};
    def.textoGuarda = GuardaCurta.toString();
    cadastro_ = new Cadastro(*this, std::move(def));
    cadastro_->Liga();
}

frmCadastroTeste::~frmCadastroTeste() = default;
JanelaCadastro& frmCadastroTeste::cadastro() { return *cadastro_; }

void frmCadastroTeste::CriaTabela(const QString& conexao) {
    platform::db::Connection c;
    c.Open(conexao);
    c.Execute(QStringLiteral("CREATE TABLE Teste (codigo INTEGER, Descri TEXT COLLATE PTBR)"));
    platform::db::registerTables({QStringLiteral("Teste")});
}

void frmCadastroTeste::Form_Load() { cadastro_->Form_Load(); }
void frmCadastroTeste::Form_Unload(bool& Cancel) { cadastro_->Form_Unload(Cancel); }
