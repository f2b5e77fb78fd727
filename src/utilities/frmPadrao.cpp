#include "utilities/frmPadrao.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/report/Automation.h"
#include "platform/report/frmRelatorio.h"
#include "platform/ui/Focus.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/RotinasControles.h"
#include "utilities/Relatorios.h"
#include "utilities/padrao_sql.h"

namespace utilities {

namespace ui = platform::ui;
namespace report = platform::report;

namespace {
const char* const Caption = "Etiquetas Padrão";
constexpr int TamanhoLinha = 32;

QString entreAspas(const QString& texto) { return QLatin1Char('"') + texto + QLatin1Char('"'); }
}  // namespace

frmPadrao::frmPadrao(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frmPadrao"));
    setWindowTitle(QString::fromUtf8(Caption));
    int indice = 0;
    auto* campos = new QWidget(this);
    ui::FormBuilder f(campos, lblTit, indice);
    for (int i = 0; i < 4; ++i) {
        const QByteArray nome = "txtL" + QByteArray::number(i);
        const QByteArray rotulo = "Linha " + QByteArray::number(i + 1);
        txtL[std::size_t(i)] = f.text(nome.constData(), rotulo.constData(), TamanhoLinha, i, 0);
        // A whole line of capitals shows without scrolling.
        ui::fitToText(txtL[std::size_t(i)], QString(TamanhoLinha, u'N'));
    }
    txtNvias = f.text("txtNvias", "Nº. de Folhas", 2, 4, 0);
    txtNvias->setMaximumWidth(40);
    cmdImprimir =
        f.next(ui::FormBuilder::button(this, "cmdImprimir", "&Imprimir", "Imprimi Etiquetas"), "cmdImprimir");
    cmdCancelar = f.next(ui::asExit(ui::FormBuilder::button(this, "cmdCancelar", "&Cancelar", "Cancela")),
                         "cmdCancelar");

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(cmdImprimir);
    botoes->addWidget(cmdCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(campos);
    layout->addLayout(botoes);
    ui::applyTabOrder(this);
    ui::installEntryKeys(this);

    for (QLineEdit* l : txtL) ui::onGotFocus(l, [this, l] { lblTit.highlight(ui::tabIndex(l)); });
    ui::onGotFocus(txtNvias, [this] {
        lblTit.highlight(ui::tabIndex(txtNvias));
        Geral::SelecionaTexto();
    });
    ui::onLostFocus(txtNvias, this, &frmPadrao::txtNvias_LostFocus);
    ui::onKeyPress(txtNvias, this, &frmPadrao::txtNvias_KeyPress);
    ui::onClick(cmdImprimir, this, &frmPadrao::cmdImprimir_Click);
    ui::onClick(cmdCancelar, this, &frmPadrao::cmdCancelar_Click);
}

void frmPadrao::Form_Load() {
    cn.Open(Geral::ConexaoCadastro);
    if (const auto etiqueta = Padrao::LeEtiqueta(cn)) {
        for (std::size_t i = 0; i < txtL.size(); ++i) txtL[i]->setText(etiqueta->linhas[i]);
        txtNvias->setText(etiqueta->nvias);
    }
}

void frmPadrao::Form_Unload(bool&) { cn.Close(); }

void frmPadrao::txtNvias_KeyPress(int& KeyAscii) {
    if (KeyAscii != 8 && (KeyAscii < '0' || KeyAscii > '9')) KeyAscii = 0;
}

void frmPadrao::txtNvias_LostFocus() {
    const QString texto = txtNvias->text();
    // A single 0 pads to "00": no sheet, refused like it. Tab and Enter are sent back without a
    // message; a click goes where the clerk pointed, and Imprimir refuses the count itself.
    if (texto.isEmpty() || platform::values::Val(texto) == 0) {
        if (!ui::leavingByChoice()) ui::setFocusTo(txtNvias);
        return;
    }
    txtNvias->setText(Geral::Zeros(static_cast<qint64>(platform::values::Val(texto)), 2));
}

void frmPadrao::cmdImprimir_Click() {
    // No sheet to print: the count left empty or 0, or never given (a registry without the row).
    if (platform::values::Val(txtNvias->text()) == 0) {
        ui::MsgBox(QStringLiteral("Informe o Nº. de Folhas, de 01 a 99 !"), ui::Msg::Exclamation,
                   QString::fromUtf8(Caption));
        ui::setFocusTo(txtNvias);
        return;
    }
    ui::HourglassGuard ampulheta;
    Padrao::Etiqueta etiqueta;
    etiqueta.nvias = txtNvias->text();
    for (std::size_t i = 0; i < txtL.size(); ++i) etiqueta.linhas[i] = txtL[i]->text();
    Padrao::GravaEtiqueta(cn, etiqueta);

    report::Application aplicacao;
    const auto relatorio = aplicacao.OpenReport(Geral::DiretorioSistema + QStringLiteral("EtiqPadr.rpt"));
    if (!relatorio) return;
    relatorio->Areas().item(3).CopiesToPrinter =
        EtiquetaPadrao::EtiquetasPorFolha * static_cast<int>(platform::values::Val(etiqueta.nvias));
    for (std::size_t i = 0; i < txtL.size(); ++i)
        relatorio->FormulaFields().item(QStringLiteral("L%1").arg(i)).Text = entreAspas(etiqueta.linhas[i]);
    relatorio->PrintWindowOptions().hasPrintSetupButton = true;
    relatorio->PrintWindowOptions().hasRefreshButton = true;
    report::frmRelatorio* host = report::frmRelatorio::ShowShared();
    host->setCaption(QString::fromUtf8(Caption));
    ui::resetPointer();
    relatorio->Preview(QString(), 1, 1, 0, 0, report::WindowStyleMaximized, host);
    Unload();
}

void frmPadrao::cmdCancelar_Click() { Unload(); }

}  // namespace utilities
