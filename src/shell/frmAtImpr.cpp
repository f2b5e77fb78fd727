#include "shell/frmAtImpr.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/ui/Focus.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/KeyFilter.h"
#include "shell/EstadoGeral.h"
#include "shell/usuarios_sql.h"

namespace shell {

frmAtImpr::frmAtImpr(QWidget* parent)
    : Form(parent),
      lblTit(new QLabel(QStringLiteral("Usuário"), this)),
      lblUsuario(new QLabel(this)),
      fraImp(new QGroupBox(QStringLiteral(" Impressora Ativa "), this)),
      OptIj(new QRadioButton(QStringLiteral("Jato de Tinta"), fraImp)),
      optIm(new QRadioButton(QStringLiteral("Matricial"), fraImp)),
      optIl(new QRadioButton(QStringLiteral("Laser"), fraImp)),
      optIn(new QRadioButton(QStringLiteral("Sem Impressora"), fraImp)),
      cmdGravar(new QPushButton(QStringLiteral("&Ativar"), this)),
      cmdSair(platform::ui::asExit(new QPushButton(QStringLiteral("&Sair"), this))) {
    setObjectName(QStringLiteral("frmAtImpr"));
    setWindowTitle(QStringLiteral("Impressora Ativa"));
    lblTit->setObjectName(QStringLiteral("lblTit"));
    lblUsuario->setObjectName(QStringLiteral("lblUsuario"));
    fraImp->setObjectName(QStringLiteral("fraImp"));
    OptIj->setObjectName(QStringLiteral("OptIj"));
    optIm->setObjectName(QStringLiteral("optIm"));
    optIl->setObjectName(QStringLiteral("optIl"));
    optIn->setObjectName(QStringLiteral("optIn"));
    cmdGravar->setObjectName(QStringLiteral("cmdGravar"));
    cmdSair->setObjectName(QStringLiteral("cmdSair"));
    cmdGravar->setToolTip(QStringLiteral("Ativa Empresa"));
    cmdSair->setToolTip(QStringLiteral("Sair"));

    auto* opcoes = new QVBoxLayout(fraImp);
    for (QRadioButton* o : {OptIj, optIm, optIl, optIn}) opcoes->addWidget(o);
    auto* usuario = new QHBoxLayout;
    usuario->addWidget(lblTit);
    usuario->addWidget(lblUsuario, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    for (QPushButton* b : {cmdGravar, cmdSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(usuario);
    layout->addWidget(fraImp);
    layout->addLayout(botoes);
    resize(320, 240);

    using platform::ui::setTabIndex;
    setTabIndex(OptIj, 0);
    setTabIndex(optIm, 1);
    setTabIndex(optIl, 2);
    setTabIndex(optIn, 3);
    setTabIndex(cmdGravar, 4);
    setTabIndex(cmdSair, 5);
    platform::ui::applyTabOrder(this);
    platform::ui::installEntryKeys(this, platform::ui::EntryKeys::EnterAndQuote);
    platform::ui::onClick(cmdGravar, this, &frmAtImpr::cmdGravar_Click);
    platform::ui::onClick(cmdSair, this, &frmAtImpr::cmdSair_Click);
}

// A user whose row is gone (renamed or deleted while he is logged in) sees the kind he logged in with.
void frmAtImpr::Form_Load() {
    lblUsuario->setText(Geral::UsuarioAtual);
    cn.Open(Geral::ConexaoCadastro);
    auto rs = usuarios::Impressora(cn, Geral::CodigoUsuario);
    MostraLetra(rs.Eof() ? Geral::TipoImpressora : rs.Fields(0).toString());
}

void frmAtImpr::MostraLetra(const QString& letra) { Opcoes().Marca(letra); }

QString frmAtImpr::LetraEscolhida() const { return Opcoes().Letra(); }

OpcoesImpressora frmAtImpr::Opcoes() const { return {optIm, OptIj, optIl, optIn}; }

// The running program takes the new kind only once the row has it (or has no row to take it), so a
// failed write leaves both as they were.
void frmAtImpr::cmdGravar_Click() {
    const QString letra = LetraEscolhida();
    usuarios::GravaImpressora(cn, Geral::CodigoUsuario, letra);
    Geral::TipoImpressora = letra;
    close();
}

void frmAtImpr::cmdSair_Click() { close(); }

void frmAtImpr::Form_Unload(bool&) { cn.Close(); }

}  // namespace shell
