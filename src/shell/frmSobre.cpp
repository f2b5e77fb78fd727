#include "shell/frmSobre.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/ui/Focus.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/MsgBox.h"
#include "shell/InformacaoSistema.h"
#include "shell/frmColaboradores.h"

namespace shell {

frmSobre::frmSobre(QWidget* parent)
    : Form(parent),
      Image1(new QLabel(this)),
      lblTitle(new QLabel(QStringLiteral("Redazor Tarvel"), this)),
      lblVersion(new QLabel(this)),
      lblDisclaimer(new QLabel(this)),
      cmdOk(platform::ui::asExit(new QPushButton(QStringLiteral("&OK"), this))),
      cmdSysInfo(new QPushButton(QStringLiteral("&Informações Adicionais..."), this)),
      cmdColabora(new QPushButton(QStringLiteral("Colaboradores"), this)) {
    setObjectName(QStringLiteral("frmSobre"));
    setWindowTitle(QStringLiteral("Sobre o Redazor Tarvel"));
    Image1->setObjectName(QStringLiteral("Image1"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdColabora->setObjectName(QStringLiteral("cmdColabora"));
    cmdOk->setToolTip(QStringLiteral("Sair"));
    cmdSysInfo->setToolTip(QStringLiteral("Informações do Sistema"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    QFont titulo = lblTitle->font();
    titulo.setPointSizeF(titulo.pointSizeF() * 1.6);
    titulo.setBold(true);
    lblTitle->setFont(titulo);
    lblDisclaimer->setText(QStringLiteral(
        "Agradecemos a todos os contadores e admiradores da contabilidade que colaboraram no "
        "desenvolvimento dos vários módulos deste sistema Redazor Tarvel, sem esta ajuda este sistema "
        "não chegaria onde chegou..."));
    lblDisclaimer->setWordWrap(true);
    for (QPushButton* b : {cmdOk, cmdSysInfo, cmdColabora}) b->setAutoDefault(false);

    auto* textos = new QVBoxLayout;
    textos->addWidget(lblTitle);
    textos->addWidget(lblVersion);
    textos->addWidget(lblDisclaimer, 1);
    auto* topo = new QHBoxLayout;
    topo->addWidget(Image1, 0, Qt::AlignTop);
    topo->addLayout(textos, 1);
    auto* botoes = new QVBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(cmdOk);
    botoes->addWidget(cmdSysInfo);
    botoes->addWidget(cmdColabora);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(topo, 1);
    layout->addLayout(botoes);
    resize(560, 240);

    platform::ui::onClick(cmdOk, this, &frmSobre::cmdOk_Click);
    platform::ui::onClick(cmdSysInfo, this, &frmSobre::cmdSysInfo_Click);
    platform::ui::onClick(cmdColabora, this, &frmSobre::cmdColabora_Click);
}

QString frmSobre::TextoVersao(const QString& versao) {
    const QStringList partes = versao.split(QLatin1Char('.'));
    QStringList numeros;
    for (int i = 0; i < 3; ++i) numeros << QString::number(partes.value(i).toInt());
    return QStringLiteral("Versão ") + numeros.join(QLatin1Char('.')) + QStringLiteral(" Janeiro/2012");
}

void frmSobre::Form_Load() { lblVersion->setText(TextoVersao(QStringLiteral(RT_VERSION))); }

void frmSobre::cmdOk_Click() { close(); }

// Whatever keeps System Information from starting ends in the one message, in the users' language; the
// box stays open.
void frmSobre::cmdSysInfo_Click() {
    bool iniciado = false;
    try {
        iniciado = IniciaInformacaoSistema();
    } catch (...) {
        iniciado = false;
    }
    if (!iniciado)
        platform::ui::MsgBox(QStringLiteral("As Informações do Sistema Não Estão Disponíveis No Momento"),
                             platform::ui::Msg::OKOnly);
}

void frmSobre::cmdColabora_Click() {
    platform::ui::setHourglass();
    platform::ui::ShowForm<frmColaboradores>();
    platform::ui::resetPointer();
}

}  // namespace shell
