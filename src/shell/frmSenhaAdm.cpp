#include "shell/frmSenhaAdm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/ui/Focus.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/RuntimeError.h"
#include "shell/SenhaAdm.h"
#include "shell/Sessao.h"

namespace shell {

frmSenhaAdm::frmSenhaAdm(const QString& conexao, QWidget* parent) : Dialog(parent), conexao_(conexao) {
    setObjectName(QStringLiteral("frmSenhaAdm"));
    setWindowTitle(QStringLiteral("Senha do Administrador"));
    Label1 = new QLabel(QStringLiteral("Nova Senha:"), this);
    txtSenha = new QLineEdit(this);
    Label2 = new QLabel(QStringLiteral("Confirmação:"), this);
    txtConfirmacao = new QLineEdit(this);
    Label3 = new QLabel(QStringLiteral("Nome do Escritório:"), this);
    txtEscritorio = new QLineEdit(this);
    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdCancelar = platform::ui::asExit(new QPushButton(QStringLiteral("&Cancelar"), this));
    Label1->setObjectName(QStringLiteral("Label1"));
    txtSenha->setObjectName(QStringLiteral("txtSenha"));
    Label2->setObjectName(QStringLiteral("Label2"));
    txtConfirmacao->setObjectName(QStringLiteral("txtConfirmacao"));
    Label3->setObjectName(QStringLiteral("Label3"));
    txtEscritorio->setObjectName(QStringLiteral("txtEscritorio"));
    txtEscritorio->setMaxLength(TamanhoEscritorio);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    for (QLineEdit* e : {txtSenha, txtConfirmacao}) {
        e->setMaxLength(TamanhoSenha);
        platform::ui::makePasswordField(e);
    }
    Label1->setBuddy(txtSenha);
    Label2->setBuddy(txtConfirmacao);
    Label3->setBuddy(txtEscritorio);

    auto* grade = new QGridLayout(this);
    grade->addWidget(Label1, 0, 0);
    grade->addWidget(txtSenha, 0, 1);
    grade->addWidget(Label2, 1, 0);
    grade->addWidget(txtConfirmacao, 1, 1);
    grade->addWidget(Label3, 2, 0);
    grade->addWidget(txtEscritorio, 2, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cmdOk);
    botoes->addWidget(cmdCancelar);
    grade->addLayout(botoes, 3, 0, 1, 2);

    platform::ui::setTabIndex(txtSenha, 0);
    platform::ui::setTabIndex(txtConfirmacao, 1);
    platform::ui::setTabIndex(txtEscritorio, 2);
    platform::ui::setTabIndex(cmdOk, 3);
    platform::ui::setTabIndex(cmdCancelar, 4);
    platform::ui::applyTabOrder(this);
    // The same keys as the login, where this password will be typed: a double quote never reaches it.
    platform::ui::installEntryKeys(this);

    platform::ui::onClick(cmdOk, this, &frmSenhaAdm::cmdOk_Click);
    platform::ui::onClick(cmdCancelar, this, &frmSenhaAdm::cmdCancelar_Click);
}

void frmSenhaAdm::Form_Load() {
    try {
        AbreCadastro(cn, conexao_);
        txtEscritorio->setText(LeEscritorio(cn));
    } catch (const platform::values::RuntimeError& e) {
        cn.Close();
        FalhaCadastro(e.number(), e.description());
    }
}

void frmSenhaAdm::Recusa(const QString& mensagem) {
    platform::ui::MsgBox(mensagem, platform::ui::Msg::OKOnly + platform::ui::Msg::Exclamation,
                         QStringLiteral("Atenção"));
    txtSenha->clear();
    txtConfirmacao->clear();
    platform::ui::setFocusTo(txtSenha);
}

void frmSenhaAdm::cmdOk_Click() {
    if (txtSenha->text().isEmpty()) return Recusa(QStringLiteral("A senha não pode ficar em branco !"));
    if (txtSenha->text() != txtConfirmacao->text()) return Recusa(QStringLiteral("As senhas não conferem !"));
    platform::db::Transaction gravacao(cn);
    GravaSenhaAdm(cn, HashSenhaAdm(txtSenha->text()));
    GravaEscritorio(cn, txtEscritorio->text().trimmed());
    gravacao.commit();
    accept();
}

void frmSenhaAdm::cmdCancelar_Click() { reject(); }

void frmSenhaAdm::Form_Unload(bool& Cancel) {
    (void)Cancel;
    cn.Close();
}

}  // namespace shell
