#include "shell/frmTrocasen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/Focus.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/RuntimeError.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/SenhaAdm.h"
#include "shell/usuarios_sql.h"

namespace shell {

namespace ui = platform::ui;
namespace values = platform::values;

frmTrocasen::frmTrocasen(QWidget* parent)
    : Dialog(parent),
      Frame2(new QGroupBox(QStringLiteral(" Senha Anterior "), this)),
      txtsenha(new QLineEdit(Frame2)),
      Frame1(new QGroupBox(QStringLiteral(" Nova Senha / Confirmação "), this)),
      txtNova(new QLineEdit(Frame1)),
      txtConfirma(new QLineEdit(Frame1)),
      cmdGravar(new QPushButton(QStringLiteral("&Gravar"), this)),
      cmdCancelar(platform::ui::asExit(new QPushButton(QStringLiteral("&Cancelar"), this))),
      lblAlt(new QLabel(QStringLiteral("Última Alteração"), this)),
      lblData(new QLabel(this)) {
    setObjectName(QStringLiteral("frmTrocasen"));
    setWindowTitle(QStringLiteral("Alteração de Senha"));
    Frame2->setObjectName(QStringLiteral("Frame2"));
    txtsenha->setObjectName(QStringLiteral("txtsenha"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtNova->setObjectName(QStringLiteral("txtNova"));
    txtConfirma->setObjectName(QStringLiteral("txtConfirma"));
    cmdGravar->setObjectName(QStringLiteral("cmdGravar"));
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    lblAlt->setObjectName(QStringLiteral("lblAlt"));
    lblData->setObjectName(QStringLiteral("lblData"));
    cmdGravar->setToolTip(QStringLiteral("Grava as Alterações"));
    cmdCancelar->setToolTip(QStringLiteral("Cancela as Alterações"));
    for (QLineEdit* e : {txtsenha, txtNova, txtConfirma}) {
        e->setMaxLength(TamanhoSenha);
        platform::ui::makePasswordField(e);
    }
    cmdGravar->setEnabled(false);

    auto* anterior = new QVBoxLayout(Frame2);
    anterior->addWidget(txtsenha);
    auto* nova = new QVBoxLayout(Frame1);
    nova->addWidget(txtNova);
    nova->addWidget(txtConfirma);
    auto* data = new QHBoxLayout;
    data->addWidget(lblAlt);
    data->addWidget(lblData, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    for (QPushButton* b : {cmdGravar, cmdCancelar}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        botoes->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame2);
    layout->addWidget(Frame1);
    layout->addLayout(data);
    layout->addLayout(botoes);
    resize(300, 260);

    ui::setTabIndex(txtsenha, 0);
    ui::setTabIndex(txtNova, 1);
    ui::setTabIndex(txtConfirma, 2);
    ui::setTabIndex(cmdGravar, 3);
    ui::setTabIndex(cmdCancelar, 4);
    ui::applyTabOrder(this);
    ui::installEntryKeys(this, ui::EntryKeys::EnterAndQuote);
    ui::onLostFocus(txtsenha, this, &frmTrocasen::txtsenha_LostFocus);
    ui::onClick(cmdGravar, this, &frmTrocasen::cmdGravar_Click);
    ui::onClick(cmdCancelar, this, &frmTrocasen::cmdCancelar_Click);
}

// Only a stored change clears Cancelado: the users window then shows today's date as the password's.
void frmTrocasen::Form_Load() {
    Geral::Cancelado = true;
    codigo_ = static_cast<qint64>(values::Val(Geral::ChaveComum));
    try {
        cn.Open(Geral::ConexaoCadastro);
        auto rs = usuarios::Senha(cn, codigo_);
        if (rs.Eof()) {
            close();
            return;
        }
        const auto senha = rs.Fields(QStringLiteral("senha"));
        semSenha_ = senha.isNull();
        senha_ = senha.toString();
        const QDate dsenha = rs.Fields(QStringLiteral("dsenha")).toDate();
        lblData->setText(dsenha.isValid() ? values::formatDate(dsenha) : QString());
    } catch (const values::RuntimeError& e) {
        ui::showError(e.number(), e.description());
        close();
        return;
    }
    tentativas_ = 0;
}

bool frmTrocasen::SenhaConfere() const { return semSenha_ || ConfereSenhaUsuario(txtsenha->text(), senha_); }

void frmTrocasen::txtsenha_LostFocus() {
    if (SenhaConfere()) {
        tentativas_ = 0;
        cmdGravar->setEnabled(true);
        return;
    }
    if (txtsenha->text().isEmpty()) {
        ui::setFocusTo(cmdCancelar);
        return;
    }
    ++tentativas_;
    if (tentativas_ >= MaximoTentativas) {
        ui::MsgBox(QStringLiteral("Superada três tentativas... pense e retorne depois !"),
                   ui::Msg::OKOnly + ui::Msg::Critical, QStringLiteral("Erro Fatal..."));
        close();
        return;
    }
    cmdGravar->setEnabled(false);
    txtsenha->clear();
    ui::setFocusTo(txtsenha);
}

void frmTrocasen::cmdGravar_Click() {
    const QString nova = txtNova->text();
    if (nova == txtConfirma->text() && !nova.isEmpty()) {
        Geral::SenhaCodificada = HashSenhaAdm(nova);
        const long long gravadas =
            usuarios::TrocaSenha(cn, codigo_, Geral::SenhaCodificada, QDate::currentDate());
        Geral::Cancelado = gravadas == 0;
        close();
        return;
    }
    txtNova->clear();
    txtConfirma->clear();
    ui::setFocusTo(txtNova);
}

void frmTrocasen::cmdCancelar_Click() {
    Geral::Cancelado = true;
    close();
}

void frmTrocasen::Form_Unload(bool&) { cn.Close(); }

}  // namespace shell
