#include "utilities/frmAjuste.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/controls/MultiLineText.h"
#include "platform/db/Connection.h"
#include "platform/files/FileLookup.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "utilities/Reconstrucao.h"

namespace utilities {

namespace ui = platform::ui;
using ui::Msg::AbortRetryIgnore;
using ui::Msg::Critical;
using ui::Msg::Exclamation;
using ui::Msg::Information;

namespace {

// The progress shown after each of the office's tables (none after the last).
const std::pair<const char*, int> Progresso[] = {{"CliGeral", 2},   {"Empresas", 5},       {"Parametros", 8},
                                                 {"Contrato", 10},  {"Enquadramento", 12}, {"ForGeral", 15},
                                                 {"Padrao", 18},    {"Socios", 20},        {"ClasseSoc", 22},
                                                 {"ClasseTer", 25}, {"Terceiros", 28},     {"Termo", 30}};

const QString NaoConcluido =
    QStringLiteral("O ajuste não foi concluído; Trabdados.mdb e Ajuste.mdb não foram alterados.");

QString ErroNumero(long numero, const QString& descricao) {
    return QStringLiteral("Erro número %1 %2").arg(numero).arg(descricao);
}

// The release, "Mês/aaaa", and its year.
QString Lancamento() { return QStringLiteral(RT_RELEASE); }
QString AnoDoLancamento() { return Lancamento().section(u'/', 1); }

}  // namespace

frmAjuste::frmAjuste(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frmAjuste"));
    setWindowTitle(QStringLiteral("Ajuste dos Arquivos"));
    // The whole notice is read before the question about it: it wraps over as many lines as it needs.
    txtMudanca = new platform::controls::MultiLineText(this);
    txtMudanca->setObjectName(QStringLiteral("txtMudanca"));
    txtMudanca->setReadOnly(true);
    txtMudanca->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtMudanca->setMinimumHeight(txtMudanca->fontMetrics().lineSpacing() * 5);
    txtMudanca->setEnabled(false);
    Label3 = new QLabel(QStringLiteral("Clique no Botão Abaixo Para Iniciar o Ajuste !"), this);
    cmdTrabdados = ui::FormBuilder::button(this, "cmdTrabdados", "", "");
    for (QWidget* w : std::initializer_list<QWidget*>{Label3, cmdTrabdados}) {
        QFont fonte(QStringLiteral("Arial Black"));
        fonte.setPointSize(w->font().pointSize());
        w->setFont(fonte);
    }
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
    cmdTrabdados->setText(QStringLiteral("Ajuste Versão ") + QStringLiteral(RT_VERSION) + u' ' +
                          Lancamento());
    txtMudanca->setText(
        QStringLiteral("*** LEIA COM ATENÇÃO *** Atualização ") + Lancamento() + QStringLiteral(" - ") +
        QStringLiteral(" Esta versão substitui as anteriores, abrindo o ano de ") + AnoDoLancamento() + u'.');
    if (!platform::files::FileExists(Geral::DiretorioSistema, QStringLiteral("Ajuste.mdb"))) {
        ui::MsgBox(QStringLiteral("Este ajuste já foi feito !"), Critical, QStringLiteral("Atenção..."));
        cmdTrabdados->setEnabled(false);
        lbl1->setText(QStringLiteral("Ajuste já Efetuado !"));
        lbl2->clear();
    }
}

void frmAjuste::cmdTrabdados_Click() {
    txtMudanca->setEnabled(true);
    QPalette vermelho = txtMudanca->palette();
    vermelho.setColor(QPalette::Text, QColor(0xFF, 0, 0));
    txtMudanca->setPalette(vermelho);
    ui::MsgBox(QStringLiteral("agradecemos se você enviar um comentário para nós... "), ui::Msg::OKOnly,
               QStringLiteral("Você leu a mensagem em negrito ?"));
    ui::setHourglass();
    cmdTrabdados->setEnabled(false);
    prbBarra->setValue(0);

    Reconstrucao pedido = PedidoCadastro(Geral::DiretorioSistema);
    pedido.observador = [this](Etapa etapa, const QString& tabela) {
        if (etapa == Etapa::Conferido) prbBarra->setValue(32);
        if (etapa != Etapa::Tabela) return;
        for (const auto& [nome, progresso] : Progresso)
            if (tabela == QLatin1String(nome)) prbBarra->setValue(progresso);
    };
    pedido.falhaTabela = [](const QString&, long numero, const QString& erro) {
        ui::resetPointer();
        const int escolha =
            ui::MsgBox(ErroNumero(numero, erro), AbortRetryIgnore + Critical, QStringLiteral("Erro Fatal"));
        ui::setHourglass();
        return escolha == ui::Msg::Abort   ? Decisao::Aborta
               : escolha == ui::Msg::Retry ? Decisao::Repete
                                           : Decisao::Ignora;
    };
    for (;;) {
        const auto r = Reconstroi(pedido);
        ui::resetPointer();
        if (r.abortado) ui::EndProgram();
        if (!r.impedimento.isEmpty() || !r.recusas.isEmpty()) {
            // Nothing was written: the rebuild may be tried again at once.
            ui::MsgBox(
                r.impedimento.isEmpty()
                    ? QStringLiteral("O arquivo Trabdados.mdb não pode ser ajustado; nada foi alterado:\n") +
                          r.recusas.join(u'\n')
                    : r.impedimento,
                Exclamation, QStringLiteral("Atenção..."));
            cmdTrabdados->setEnabled(true);
            return;
        }
        if (!r.ignoradas.isEmpty()) {
            ui::MsgBox(NaoConcluido + QStringLiteral(" Tabelas não transportadas: ") + r.ignoradas.join(u','),
                       Critical, QStringLiteral("Atenção"));
            return;
        }
        if (r.feito) break;
        const int escolha = ui::MsgBox(ErroNumero(r.numero, r.erro), AbortRetryIgnore + Critical,
                                       QStringLiteral("Erro Fatal"));
        if (escolha == ui::Msg::Abort) ui::EndProgram();
        if (escolha == ui::Msg::Ignore) {
            ui::MsgBox(NaoConcluido, Critical, QStringLiteral("Atenção"));
            return;
        }
        ui::setHourglass();
    }
    try {
        platform::db::Connection novo;
        novo.Open(Geral::ConexaoCadastro);
        prbBarra->setValue(35);
        prbBarra->setValue(100);
    } catch (const platform::values::RuntimeError& e) {
        ui::MsgBox(ErroNumero(e.number(), e.description()), Critical, QStringLiteral("Erro Fatal"));
    }
    ui::MsgBox(QStringLiteral("Ajuste Finalizado !"), Information, QStringLiteral("Atenção"));
    close();
}

}  // namespace utilities
