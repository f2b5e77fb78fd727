#include "shell/frmColaboradores.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/controls/TDBList.h"
#include "platform/controls/XArrayDB.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Handlers.h"

namespace shell {

using namespace platform::controls;

frmColaboradores::frmColaboradores(QWidget* parent)
    : Form(parent),
      tdbColaboradores(new TDBList(this)),
      lblDisclaimer(new QLabel(this)),
      cmdSair(platform::ui::asExit(new QPushButton(QStringLiteral("&Sair"), this))),
      colaboradores_(std::make_unique<XArrayDB>()) {
    setObjectName(QStringLiteral("frmColaboradores"));
    setWindowTitle(QStringLiteral("Pesquisa de Moradores"));
    tdbColaboradores->setObjectName(QStringLiteral("tdbColaboradores"));
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    cmdSair->setObjectName(QStringLiteral("cmdSair"));
    lblDisclaimer->setText(QStringLiteral(
        "Fica registrado aqui o nosso agradecimento a esses ilustres profissionais que dedicaram parte de "
        "seu tempo para melhorar nosso sistema. Alguns colaboradores optaram por ficar anônimos, outros, "
        "aguardamos apenas os dados corretos para relaciona-los aqui. Obrigado a todos :^) ! "));
    lblDisclaimer->setWordWrap(true);
    cmdSair->setAutoDefault(false);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(cmdSair);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tdbColaboradores, 1);
    layout->addWidget(lblDisclaimer);
    layout->addLayout(botoes);
    resize(520, 360);

    connect(tdbColaboradores, &TDBList::HeadClick, this,
            [this](int c) { platform::ui::Guarded([&] { tdbColaboradores_HeadClick(c); }); });
    connect(tdbColaboradores, &TDBList::HeadRightClick, this,
            [this](int c) { platform::ui::Guarded([&] { tdbColaboradores_HeadRightClick(c); }); });
    platform::ui::onClick(cmdSair, this, &frmColaboradores::cmdSair_Click);
}

frmColaboradores::~frmColaboradores() = default;

// Nobody is listed: the office has no contributors to name.
void frmColaboradores::Form_Load() {
    colaboradores_->ReDim(0, -1, ColunaNome, ColunaEmail);
    tdbColaboradores->setArray(colaboradores_.get());
    tdbColaboradores->setColumnCaption(ColunaNome, QStringLiteral("Nome"));
    tdbColaboradores->setColumnCaption(ColunaEmail, QStringLiteral("E-mail "));
    tdbColaboradores->ReBind();
}

void frmColaboradores::Ordena(int coluna, int ordem) {
    colaboradores_->QuickSort(colaboradores_->LowerBound(1), colaboradores_->UpperBound(1), coluna, ordem,
                              XType::Text);
    tdbColaboradores->Refresh();
}

void frmColaboradores::tdbColaboradores_HeadClick(int ColIndex) { Ordena(ColIndex, XOrder::Ascending); }
void frmColaboradores::tdbColaboradores_HeadRightClick(int ColIndex) { Ordena(ColIndex, XOrder::Descending); }

void frmColaboradores::cmdSair_Click() { close(); }

}  // namespace shell
