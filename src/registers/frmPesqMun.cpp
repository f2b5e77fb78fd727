#include "registers/frmPesqMun.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/controls/TDBList.h"
#include "platform/db/TableNames.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "shell/GeralConsultas.h"
#include "shell/ListaPesquisa.h"
#include "shell/RotinasControles.h"

namespace registers {

namespace {

using shell::Pesquisa::CompComeca;
using shell::Pesquisa::CompIgual;
using shell::Pesquisa::TipoInteiro;
using shell::Pesquisa::TipoTexto;

constexpr int ColunaUf = 2;
constexpr int ColunaMunicipio = 3;

struct Filtro {
    QString clausula;
    platform::db::Params valores;
};

// A city of one or two characters, or a state that is not two letters, is no condition.
Filtro FiltroMunicipios(const QString& cidade, const QString& uf) {
    QStringList condicoes;
    Filtro f;
    if (cidade.size() > 2) {
        condicoes << QStringLiteral("nomeMun = ?");
        f.valores.push_back(cidade);
    }
    if (uf.size() == 2) {
        condicoes << QStringLiteral("uf = ?");
        f.valores.push_back(uf);
    }
    if (!condicoes.isEmpty())
        f.clausula = QStringLiteral(" WHERE ") + condicoes.join(QStringLiteral(" AND "));
    return f;
}

// Widths of the list columns, in pixels (the layout's twips at 15 a pixel).
constexpr int Larguras[] = {67, 53, 53, 200};

}  // namespace

platform::db::Recordset PesquisaMunicipios(platform::db::Connection& db, const QString& tabela,
                                           const QString& cidade, const QString& uf) {
    const Filtro f = FiltroMunicipios(cidade, uf);
    return db.OpenRecordset(QStringLiteral("SELECT cMun, cuf, Uf, NomeMun FROM ") +
                                platform::db::tableName(tabela) + f.clausula +
                                QStringLiteral(" ORDER BY NomeMun"),
                            f.valores);
}

frmPesqMun::frmPesqMun(QWidget* parent)
    : DialogoPesquisa(QStringLiteral("frmPesqMun"), QStringLiteral("Pesquisa de Municípios"), parent,
                      QStringLiteral("cmdCancelar")),
      lblCidade(new QLabel(QStringLiteral("Cidade:"), this)),
      txtCidade(new QLineEdit(this)),
      lblUf(new QLabel(QStringLiteral("UF:"), this)),
      txtUf(new QLineEdit(this)),
      cmdPesquisar(new QPushButton(QStringLiteral("&Pesquisar"), this)) {
    txtCidade->setObjectName(QStringLiteral("txtCidade"));
    txtUf->setObjectName(QStringLiteral("txtUf"));
    cmdPesquisar->setObjectName(QStringLiteral("cmdPesquisar"));
    cmdOk->setText(QStringLiteral("&Transfere Código, Município e UF. "));
    txtCidade->setMaxLength(30);
    txtUf->setMaxLength(2);

    auto* filtro = new QGridLayout;
    filtro->addWidget(lblCidade, 0, 0);
    filtro->addWidget(txtCidade, 0, 1);
    filtro->addWidget(lblUf, 0, 2);
    filtro->addWidget(txtUf, 0, 3);
    filtro->addWidget(cmdPesquisar, 0, 4);
    MontaLista({{QStringLiteral("Código"), TipoInteiro, CompIgual},
                {QStringLiteral("Cód.UF"), TipoTexto, CompComeca},
                {QStringLiteral("UF"), TipoTexto, CompComeca},
                {QStringLiteral("Município"), TipoTexto, CompComeca}},
               nullptr, nullptr, 480, filtro);
    resize(480, 400);
    for (int c = 0; c < 4; ++c) tdbPesq->setColumnWidth(c, Larguras[c]);
    // No button is the default: Enter presses nothing.
    for (QPushButton* b : {cmdPesquisar, cmdOk, cmdCancela}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    using namespace platform::ui;
    setTabIndex(txtCidade, 0);
    setTabIndex(txtUf, 1);
    setTabIndex(cmdPesquisar, 2);
    setTabIndex(tdbPesq, 3);
    setTabIndex(cmdOk, 4);
    setTabIndex(cmdCancela, 5);
    applyTabOrder(this);
    onClick(cmdPesquisar, this, &frmPesqMun::cmdPesquisar_Click);
    onLostFocus(txtUf, this, &frmPesqMun::txtUf_LostFocus);
}

frmPesqMun::~frmPesqMun() = default;

void frmPesqMun::Form_Load() {
    DialogoPesquisa::Form_Load();
    conexao_.Open(Geral::ConexaoCadastro);
    tdbPesq->setCaption(Geral::TituloPesquisa);
    txtCidade->setText(platform::values::Trim(Geral::CidadePesquisa));
    txtUf->setText(platform::values::Trim(Geral::UfPesquisa));
}

// The list holds every row read; a search that finds nothing leaves it as it was.
void frmPesqMun::PreencheLista() {
    auto rs = PesquisaMunicipios(conexao_, Geral::TabelaPesquisa, txtCidade->text(), txtUf->text());
    if (rs.Eof()) {
        platform::ui::MsgBox(
            QStringLiteral(
                "Atenção, não há nenhum registro cadastrado ! Experimente Pesquisar só cidade ou só UF"),
            platform::ui::Msg::Information, QCoreApplication::applicationName());
        return;
    }
    lista_->Carrega(rs);
    lista_->DefineLinhaAtual(0);
}

void frmPesqMun::cmdPesquisar_Click() { PreencheLista(); }

// A row without a code is no choice.
void frmPesqMun::cmdOk_Click() {
    if (const auto chave = lista_->ChaveAtual()) {
        const int linha = lista_->LinhaAtual();
        Geral::ChaveComum = *chave;
        Geral::CidadePesquisa = lista_->Celula(linha, ColunaMunicipio);
        Geral::UfPesquisa = lista_->Celula(linha, ColunaUf);
        if (platform::values::Val(Geral::ChaveComum) > 0) {
            Escolhido();
            return;
        }
    }
    close();
}

void frmPesqMun::txtUf_LostFocus() {
    if (!platform::values::Trim(txtUf->text()).isEmpty() && !Geral::ExisteUF(txtUf->text())) {
        platform::ui::MsgBox(
            QStringLiteral("Sigla do estado inválida, digite corretamente ou deixe o campo vazio"),
            platform::ui::Msg::Information, QStringLiteral("Atenção..."));
        platform::ui::setFocusTo(txtUf);
        Geral::SelecionaTexto();
        return;
    }
    txtUf->setText(txtUf->text().toUpper());
}

}  // namespace registers
