#include "shell/frmSenha.h"

#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStyle>

#include "platform/ui/EndProgram.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MdiHost.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "shell/Sessao.h"
#include "shell/frmSenhaAdm.h"
#include "shell/frmUsuarios.h"

namespace shell {

namespace {
// Closes the main window the way its close box does (its exit question included).
void FechaJanelaPrincipal() {
    if (auto* host = platform::ui::mdiHost()) host->mainWindow()->close();
}
}  // namespace

frmSenha::frmSenha(QWidget* parent) : Dialog(parent) {
    setObjectName(QStringLiteral("frmSenha"));
    setWindowTitle(QStringLiteral("Controle de Acesso "));
    Label1 = new QLabel(QStringLiteral("Nome:"), this);
    txtlogin = new QLineEdit(this);
    Label2 = new QLabel(QStringLiteral("Senha:"), this);
    txtsenha = new QLineEdit(this);
    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdCancelar = platform::ui::asExit(new QPushButton(QStringLiteral("&Cancelar"), this));
    lblDatasys = new QLabel(this);
    auto* Image1 = new QLabel(this);
    auto* Image2 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtlogin->setObjectName(QStringLiteral("txtlogin"));
    Label2->setObjectName(QStringLiteral("Label2"));
    txtsenha->setObjectName(QStringLiteral("txtsenha"));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    lblDatasys->setObjectName(QStringLiteral("lblDatasys"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image2->setObjectName(QStringLiteral("Image2"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    Image2->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(48, 48));

    txtlogin->setMaxLength(TamanhoNome);
    txtsenha->setMaxLength(TamanhoSenha);
    platform::ui::makePasswordField(txtsenha);
    Label1->setBuddy(txtlogin);
    Label2->setBuddy(txtsenha);
    // A click on OK runs the check once, through its click: only the keyboard's move onto the button
    // runs it through the focus.
    cmdOk->setFocusPolicy(Qt::TabFocus);
    cmdCancelar->setFocusPolicy(Qt::TabFocus);

    auto* campos = new QGridLayout;
    campos->addWidget(Label1, 0, 0);
    campos->addWidget(txtlogin, 0, 1);
    campos->addWidget(Label2, 1, 0);
    campos->addWidget(txtsenha, 1, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cmdOk);
    botoes->addWidget(cmdCancelar);
    auto* grade = new QGridLayout(this);
    grade->addWidget(Image1, 0, 0, 2, 1);
    grade->addLayout(campos, 0, 1);
    grade->addWidget(Image2, 0, 2, 2, 1);
    grade->addLayout(botoes, 1, 1);
    grade->addWidget(lblDatasys, 2, 0, 1, 3);

    platform::ui::setTabIndex(txtlogin, 0);
    platform::ui::setTabIndex(txtsenha, 1);
    platform::ui::setTabIndex(cmdOk, 2);
    platform::ui::setTabIndex(cmdCancelar, 3);
    platform::ui::applyTabOrder(this);
    platform::ui::installEntryKeys(this);

    platform::ui::onClick(cmdOk, this, &frmSenha::cmdOk_Click);
    platform::ui::onGotFocus(cmdOk, this, &frmSenha::cmdOk_GotFocus);
    platform::ui::onClick(cmdCancelar, this, &frmSenha::cmdCancelar_Click);
}

void frmSenha::Form_Load() {
    try {
        AbreCadastro(cn, Geral::ConexaoAcesso);
    } catch (const platform::values::RuntimeError& e) {
        cn.Close();
        FalhaCadastro(e.number(), e.description());
    }
    lblDatasys->setText(QStringLiteral("Data do Sistema: ") +
                        platform::values::formatDate(QDate::currentDate()));
    platform::ui::resetPointer();
    EncerraAoFechar = true;
    Tentativas = 0;
}

void frmSenha::cmdOk_Click() {
    const ResultadoLogin r = ConfereLogin(cn, txtlogin->text(), txtsenha->text());
    switch (r.acesso) {
        case Acesso::Administrador:
        case Acesso::Usuario:
            Geral::UsuarioAtual = r.nome;
            Geral::CodigoUsuario = r.codigo;
            if (r.acesso == Acesso::Usuario) {
                Geral::TipoImpressora = r.impressora;
                Geral::DireitosUsuario = r.direitos;
            }
            Entra();
            return;
        case Acesso::SemSenhaAdm: {
            frmSenhaAdm senhaAdm(Geral::ConexaoAcesso, this);
            if (platform::ui::ShowModal(senhaAdm) == QDialog::Accepted) {
                Geral::UsuarioAtual = Administrador.toString();
                Geral::CodigoUsuario = 0;
                Entra();
                return;
            }
            Falhou(false);
            return;
        }
        case Acesso::Vazio:
            Falhou(false);
            return;
        case Acesso::Negado:
            platform::ui::MsgBox(QStringLiteral("Usuário não cadastrado ou senha não confere !"),
                                 platform::ui::Msg::OKOnly + platform::ui::Msg::Critical,
                                 QStringLiteral("Controle de Acesso"));
            Falhou(true);
            return;
    }
}

void frmSenha::Entra() {
    EncerraAoFechar = false;
    if (auto* usuarios = platform::ui::FindForm<frmUsuarios>()) usuarios->Recomeca();
    accept();
}

void frmSenha::Falhou(bool conta) {
    if (conta) ++Tentativas;
    txtlogin->clear();
    txtsenha->clear();
    platform::ui::setFocusTo(txtlogin);
    if (Tentativas >= MaximoTentativas) {
        cn.Close();
        platform::ui::EndProgram();
    }
}

void frmSenha::cmdOk_GotFocus() { cmdOk_Click(); }

void frmSenha::cmdCancelar_Click() {
    cn.Close();
    FechaJanelaPrincipal();
    platform::ui::EndProgram();
}

void frmSenha::Form_Unload(bool& Cancel) {
    (void)Cancel;
    cn.Close();
    if (EncerraAoFechar) {
        FechaJanelaPrincipal();
        platform::ui::EndProgram();
    }
}

}  // namespace shell
