#include "utilities/frmAjuste.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/files/FileLookup.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "utilities/Reconstrucao.h"

namespace utilities {

namespace ui = platform::ui;
using ui::Msg::Critical;
using ui::Msg::Exclamation;
using ui::Msg::Information;

namespace {

// The office's tables, in the order they are carried, with the progress shown after each.
const std::pair<const char*, int> Tabelas[] = {
    {"CliGeral", 2},   {"Empresas", 5}, {"Parametros", 8}, {"Contrato", 10},  {"Enquadramento", 12},
    {"ForGeral", 15},  {"Padrao", 18},  {"Socios", 20},    {"ClasseSoc", 22}, {"ClasseTer", 25},
    {"Terceiros", 28}, {"Termo", 30},   {"Usuarios", 30}};

}  // namespace

frmAjuste::frmAjuste(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frmAjuste"));
    setWindowTitle(QStringLiteral("Ajuste dos Arquivos"));
    txtMudanca = new QLineEdit(this);
    txtMudanca->setObjectName(QStringLiteral("txtMudanca"));
    txtMudanca->setReadOnly(true);
    Label3 = new QLabel(QStringLiteral("Clique no Botão Abaixo Para Iniciar o Ajuste !"), this);
    cmdTrabdados = ui::FormBuilder::button(this, "cmdTrabdados", "", "");
    prbBarra = new QProgressBar(this);
    prbBarra->setRange(0, 100);
    lbl1 = new QLabel(QStringLiteral("Confira os Ajustes:"), this);
    lbl2 = new QLabel(this);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{txtMudanca, Label3, cmdTrabdados, prbBarra, lbl1, lbl2})
        layout->addWidget(w);
    ui::onClick(cmdTrabdados, this, &frmAjuste::cmdTrabdados_Click);
}

void frmAjuste::Form_Load() {
    cmdTrabdados->setText(QStringLiteral("Ajuste Versão ") + QStringLiteral(RT_VERSION));
    txtMudanca->setText(QStringLiteral("*** LEIA COM ATENÇÃO *** Esta versão substitui as anteriores."));
    if (!platform::files::FileExists(Geral::DiretorioSistema, QStringLiteral("Ajuste.mdb"))) {
        ui::MsgBox(QStringLiteral("Este ajuste já foi feito !"), Critical, QStringLiteral("Atenção..."));
        cmdTrabdados->setEnabled(false);
        lbl1->setText(QStringLiteral("Ajuste já Efetuado !"));
        lbl2->clear();
    }
}

void frmAjuste::cmdTrabdados_Click() {
    const QString pasta = Geral::DiretorioSistema;
    Reconstrucao pedido;
    pedido.modelo = pasta + QStringLiteral("Ajuste.mdb");
    pedido.alvo = pasta + QStringLiteral("Trabdados.mdb");
    pedido.reserva = pasta + QStringLiteral("seguro.bak");
    for (const auto& [tabela, progresso] : Tabelas) pedido.tabelas << QString::fromLatin1(tabela);
    pedido.observador = [this](Etapa etapa, const QString& tabela) {
        if (etapa != Etapa::Tabela) return;
        for (const auto& [nome, progresso] : Tabelas)
            if (tabela == QLatin1String(nome)) prbBarra->setValue(progresso);
    };
    cmdTrabdados->setEnabled(false);
    prbBarra->setValue(0);
    const auto r = Reconstroi(pedido);
    if (!r.feito) {
        const QString texto =
            r.recusas.isEmpty()
                ? QStringLiteral(
                      "Erro número %1 %2 - O ajuste não foi concluído; Trabdados.mdb e Ajuste.mdb não "
                      "foram alterados.")
                      .arg(r.numero)
                      .arg(r.erro)
                : QStringLiteral("O arquivo Trabdados.mdb não pode ser ajustado; nada foi alterado:\n") +
                      r.recusas.join(u'\n');
        ui::MsgBox(texto, Exclamation, QStringLiteral("Atenção"));
        cmdTrabdados->setEnabled(true);
        return;
    }
    prbBarra->setValue(32);
    QFile::remove(pedido.modelo);
    prbBarra->setValue(100);
    ui::MsgBox(QStringLiteral("Ajuste Finalizado !"), Information, QStringLiteral("Atenção"));
    close();
}

}  // namespace utilities
