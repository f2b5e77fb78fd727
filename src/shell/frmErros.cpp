#include "shell/frmErros.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/controls/TDBList.h"
#include "platform/controls/XArrayDB.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Handlers.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"

namespace shell {

frmErros::frmErros(QWidget* parent)
    : Dialog(parent),
      tdbErros(new platform::controls::TDBList(this)),
      lblQuestao(new QLabel(this)),
      cmdOk(platform::ui::asExit(new QPushButton(QStringLiteral("&Ok"), this))),
      cmdSim(new QPushButton(QStringLiteral("&Sim"), this)),
      cmdNao(new QPushButton(QStringLiteral("&Não"), this)),
      erros_(std::make_unique<platform::controls::XArrayDB>()) {
    setObjectName(QStringLiteral("frmErros"));
    setWindowTitle(QStringLiteral("Erros !!!"));
    tdbErros->setObjectName(QStringLiteral("tdbErros"));
    lblQuestao->setObjectName(QStringLiteral("lblQuestao"));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdSim->setObjectName(QStringLiteral("cmdSim"));
    cmdNao->setObjectName(QStringLiteral("cmdNao"));
    tdbErros->setCaption(QStringLiteral("Erros Encontrados Ao Tentar Gravar Registro:"));
    tdbErros->setColumnCaption(0, QStringLiteral("Nr."));
    tdbErros->setColumnCaption(1, QStringLiteral("Tipo "));
    tdbErros->setColumnCaption(2, QStringLiteral("Descrição"));

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cmdOk);
    botoes->addWidget(cmdSim);
    botoes->addWidget(cmdNao);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tdbErros);
    layout->addWidget(lblQuestao);
    layout->addLayout(botoes);
    resize(620, 320);
    // A row grows to show its whole message, however long.
    QTableView* vista = tdbErros->view();
    vista->setWordWrap(true);
    vista->horizontalHeader()->setStretchLastSection(true);
    connect(vista->horizontalHeader(), &QHeaderView::sectionResized, vista,
            &QTableView::resizeRowsToContents);

    platform::ui::onClick(cmdOk, this, &frmErros::cmdOk_Click);
    platform::ui::onClick(cmdSim, this, &frmErros::cmdSim_Click);
    platform::ui::onClick(cmdNao, this, &frmErros::cmdNao_Click);
}

frmErros::~frmErros() = default;

// Cancelado is set before anything else, so that any way out but "&Sim" refuses the save.
void frmErros::Form_Load() {
    Geral::Cancelado = true;
    int usadas = 0;
    for (const auto& linha : Geral::ListaErros)
        if (!linha.vazia()) ++usadas;
    erros_->ReDim(0, usadas - 1, 0, 2);
    bool fatal = false;
    int i = 0;
    for (const auto& linha : Geral::ListaErros) {
        if (linha.vazia()) continue;
        erros_->setValue(i, 0, QString::number(linha.Numero));
        erros_->setValue(i, 1, linha.Tipo);
        erros_->setValue(i, 2, linha.Descricao);
        if (linha.Tipo == ErroFatal) fatal = true;
        ++i;
    }
    tdbErros->setArray(erros_.get());
    for (int coluna : {0, 1})
        tdbErros->view()->horizontalHeader()->setSectionResizeMode(coluna, QHeaderView::ResizeToContents);
    tdbErros->view()->resizeRowsToContents();
    lblQuestao->setText(fatal ? QStringLiteral("Corrija os erros fatais, a gravação não pode ser realizada !")
                              : QStringLiteral("Deseja gravar assim mesmo ?"));
    cmdOk->setVisible(fatal);
    cmdSim->setVisible(!fatal);
    cmdNao->setVisible(!fatal);
}

// The rows were measured before the message column had its width: measured again once it has, they
// take one line each for a short message.
void frmErros::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    tdbErros->view()->resizeRowsToContents();
}

void frmErros::cmdOk_Click() {
    Geral::Cancelado = true;
    close();
}

void frmErros::cmdNao_Click() {
    Geral::Cancelado = true;
    close();
}

void frmErros::cmdSim_Click() {
    Geral::Cancelado = false;
    close();
}

}  // namespace shell
